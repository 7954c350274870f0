#pragma once
// An editable combo box. Choosing an item of its list is the control's
// choice (its click); typing hands the whole new text to the control and
// raises no click. Enter does not pick a matching item, and the mouse wheel
// does not change the choice, so only a real choice counts as one.

#include <string>
#include <vector>

#include <QComboBox>

#include "qt/controls/InputView.h"
#include "ui/ListBox.h"

namespace qtview {

class ComboView : public InputView<QComboBox> {
  public:
    ComboView(ui::ComboBox& combo, QWidget* parent);

  protected:
    void mirrorOwn(ui::Prop what) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void mirrorItems();
    void mirrorText();

    ui::ComboBox& combo_;
    // Qt picks the item that matches the typed text when the editing ends
    // (Enter, or the focus leaves); that is no choice of the user's.
    bool endingEdit_ = false;
    std::vector<std::string> shown_;
};

} // namespace qtview
