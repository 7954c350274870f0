#pragma once
// A text box: typing hands the whole new text to the control, which may cut
// it to its length limit; the widget then shows what the control holds.

#include <QLineEdit>

#include "qt/controls/InputView.h"
#include "ui/Controls.h"

namespace qtview {

class TextBoxView : public InputView<QLineEdit> {
  public:
    TextBoxView(ui::TextBox& box, QWidget* parent);

  protected:
    void mirrorOwn(ui::Prop what) override;

  private:
    ui::TextBox& box_;
};

} // namespace qtview
