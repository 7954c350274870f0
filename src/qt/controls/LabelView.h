#pragma once
// A label: its caption in the fore colour, transparent unless the window
// asks for a filled background.

#include <QLabel>

#include "qt/controls/PointerView.h"

namespace qtview {

class LabelView : public PointerView<QLabel> {
  public:
    LabelView(ui::Control& c, QWidget* parent);

  protected:
    void mirrorOwn(ui::Prop what) override;
    bool passesMouseWhenDisabled() const override { return true; }
};

} // namespace qtview
