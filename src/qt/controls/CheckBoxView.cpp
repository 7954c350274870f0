#include "qt/controls/CheckBoxView.h"

#include <algorithm>

#include <QPainter>

#include "qt/Look.h"

namespace qtview {

CheckBoxView::CheckBoxView(ui::CheckBox& box, QWidget* parent)
    : InputView<QCheckBox>(box, parent), box_(box) {
    connect(this, &QCheckBox::clicked, this, [this] {
        userAction([this] { box_.userClick(); });
        // Qt has toggled the box already; show the control's value instead.
        mirror(ui::Prop::Value);
    });
}

void CheckBoxView::mirrorOwn(ui::Prop what) {
    const ui::ControlState& s = control().state();
    if (touches(what, ui::Prop::Value)) {
        setTristate(s.value == 2);
        setCheckState(s.value == 2   ? Qt::PartiallyChecked
                      : s.value == 1 ? Qt::Checked
                                     : Qt::Unchecked);
    }
    if (touches(what, ui::Prop::Colors))
        update();
}

void CheckBoxView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), toQColor(control().state().backColor));
    const int side = std::min({13, width(), height()});
    if (side < 4)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, (height() - side) / 2 + 0.5, side - 1, side - 1);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(isEnabled() ? QColor(Qt::white) : QColor(200, 200, 200));
    p.drawRect(box);
    if (checkState() == Qt::Unchecked)
        return;
    const bool grey = checkState() == Qt::PartiallyChecked || !isEnabled();
    p.setPen(QPen(grey ? QColor(128, 128, 128) : QColor(Qt::black), side / 6.0, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    const QPointF o = box.topLeft();
    p.drawPolyline(QPolygonF{o + QPointF(side * 0.22, side * 0.50),
                             o + QPointF(side * 0.42, side * 0.70),
                             o + QPointF(side * 0.76, side * 0.26)});
}

} // namespace qtview
