#pragma once
// A check box without text (the label beside it is its caption on screen).
// A click goes to the control, which decides the new value; the box then
// shows that value (2 shows as partly checked).

#include <QCheckBox>

#include "qt/controls/InputView.h"
#include "ui/Controls.h"

namespace qtview {

class CheckBoxView : public InputView<QCheckBox> {
  public:
    CheckBoxView(ui::CheckBox& box, QWidget* parent);

  protected:
    void mirrorOwn(ui::Prop what) override;
    // The windows give check boxes 13 pixels; styles draw bigger indicators,
    // clipped there and with a border lost on black. This draws the classic
    // small white box.
    void paintEvent(QPaintEvent* e) override;

  private:
    ui::CheckBox& box_;
};

} // namespace qtview
