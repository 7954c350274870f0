#pragma once
// A frame: a captioned box that holds other controls.

#include <QGroupBox>

#include "qt/controls/PointerView.h"

namespace qtview {

class FrameView : public PointerView<QGroupBox> {
  public:
    FrameView(ui::Control& c, QWidget* parent);

  protected:
    void mirrorOwn(ui::Prop what) override;
};

} // namespace qtview
