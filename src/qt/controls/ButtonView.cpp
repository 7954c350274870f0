#include "qt/controls/ButtonView.h"

#include "qt/Text.h"

namespace qtview {

ButtonView::ButtonView(ui::Control& button, QWidget* parent)
    : InputView<QPushButton>(button, parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this,
            [this] { userAction([this] { control().userClick(); }); });
}

void ButtonView::mirrorOwn(ui::Prop what) {
    if (touches(what, ui::Prop::Caption))
        setText(toQ(control().state().caption));
}

} // namespace qtview
