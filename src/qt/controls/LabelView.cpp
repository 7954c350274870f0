#include "qt/controls/LabelView.h"

#include "qt/Look.h"
#include "qt/Text.h"
#include "qt/controls/Palette.h"

namespace qtview {

namespace {

Qt::Alignment horizontal(ui::Align a) {
    switch (a) {
    case ui::Align::Right:
        return Qt::AlignRight;
    case ui::Align::Center:
        return Qt::AlignHCenter;
    case ui::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

LabelView::LabelView(ui::Control& c, QWidget* parent) : PointerView<QLabel>(c, parent) {
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    // A caption wraps at blanks to the label's width.
    setWordWrap(true);
}

void LabelView::mirrorOwn(ui::Prop what) {
    const ui::ControlState& s = control().state();
    if (touches(what, ui::Prop::Caption))
        setText(toQ(s.caption));
    if (touches(what, ui::Prop::Colors)) {
        setColors(this, QPalette::WindowText, toQColor(s.foreColor), QPalette::Window,
                  toQColor(s.backColor));
        setAutoFillBackground(!s.transparent);
    }
    if (what == ui::Prop::All) {
        setAlignment(horizontal(s.alignment) | Qt::AlignTop);
    }
}

} // namespace qtview
