#include "qt/controls/PictureView.h"

#include <QPainter>

#include "qt/Look.h"

namespace qtview {

PictureView::PictureView(ui::Control& c, QWidget* parent)
    : PointerView<QWidget>(c, parent), stretched_(c.kind() == ui::ControlKind::Image) {}

void PictureView::mirrorOwn(ui::Prop what) {
    if (touches(what, ui::Prop::Picture)) {
        pixmap_ = picture(control().state().picture);
        update();
    }
    if (touches(what, ui::Prop::Colors))
        update();
}

void PictureView::paintEvent(QPaintEvent*) {
    // Drawn by hand: a disabled picture keeps its colours, where a QLabel
    // would grey it out.
    QPainter p(this);
    const ui::ControlState& s = control().state();
    if (!s.transparent)
        p.fillRect(rect(), toQColor(s.backColor));
    if (pixmap_.isNull())
        return;
    if (stretched_) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), pixmap_);
    } else {
        p.drawPixmap(0, 0, pixmap_);
    }
}

} // namespace qtview
