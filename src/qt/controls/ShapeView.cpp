#include "qt/controls/ShapeView.h"

#include <QPainter>

#include "qt/Look.h"

namespace qtview {

ShapeView::ShapeView(ui::Control& c, QWidget* parent) : QWidget(parent), ControlView(c) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeView::mirrorOwn(ui::Prop what) {
    if (touches(what, ui::Prop::Colors))
        update();
}

void ShapeView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const ui::ControlState& s = control().state();
    if (!s.transparent)
        p.fillRect(rect(), toQColor(s.backColor));
    p.setPen(QPen(toQColor(s.foreColor), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace qtview
