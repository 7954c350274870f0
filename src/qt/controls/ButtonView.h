#pragma once
// A command button in the platform's own look, with its caption and tool tip.

#include <QPushButton>

#include "qt/controls/InputView.h"

namespace qtview {

class ButtonView : public InputView<QPushButton> {
  public:
    ButtonView(ui::Control& button, QWidget* parent);

  protected:
    void mirrorOwn(ui::Prop what) override;
};

} // namespace qtview
