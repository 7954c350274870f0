#include "qt/controls/TextBoxView.h"

#include "qt/Look.h"
#include "qt/Text.h"
#include "qt/controls/Palette.h"

namespace qtview {

namespace {
constexpr int kNoLimit = 32767;
}

TextBoxView::TextBoxView(ui::TextBox& box, QWidget* parent)
    : InputView<QLineEdit>(box, parent), box_(box) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        userAction([this, &text] { box_.userType(fromQ(text)); });
        mirror(ui::Prop::Text);
    });
}

void TextBoxView::mirrorOwn(ui::Prop what) {
    const ui::ControlState& s = control().state();
    if (touches(what, ui::Prop::Text)) {
        const QString t = toQ(s.text);
        // The limit holds for typing only; code may set a longer text, and
        // QLineEdit would cut that.
        setMaxLength(s.maxLength > 0 ? std::max<int>(s.maxLength, static_cast<int>(t.size()))
                                     : kNoLimit);
        if (text() != t)
            setText(t);
    }
    if (touches(what, ui::Prop::Colors))
        setColors(this, QPalette::Text, toQColor(s.foreColor), QPalette::Base,
                  toQColor(s.backColor));
    if (what == ui::Prop::All) {
        Qt::Alignment h = Qt::AlignLeft;
        if (s.alignment == ui::Align::Center)
            h = Qt::AlignHCenter;
        else if (s.alignment == ui::Align::Right)
            h = Qt::AlignRight;
        setAlignment(h | Qt::AlignVCenter);
    }
}

} // namespace qtview
