#include "qt/controls/FrameView.h"

#include "qt/Look.h"
#include "qt/Text.h"
#include "qt/controls/Palette.h"

namespace qtview {

FrameView::FrameView(ui::Control& c, QWidget* parent) : PointerView<QGroupBox>(c, parent) {}

void FrameView::mirrorOwn(ui::Prop what) {
    const ui::ControlState& s = control().state();
    if (touches(what, ui::Prop::Caption))
        setTitle(toQ(s.caption));
    if (touches(what, ui::Prop::Colors)) {
        setColors(this, QPalette::WindowText, toQColor(s.foreColor), QPalette::Window,
                  toQColor(s.backColor));
        setAutoFillBackground(!s.transparent);
    }
}

} // namespace qtview
