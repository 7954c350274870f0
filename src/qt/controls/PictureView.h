#pragma once
// Image controls (the picture stretched over the control, no background of
// their own) and picture boxes (the picture at its own size in the top-left
// corner over the back colour; a container for other controls).

#include <QPixmap>

#include "qt/controls/PointerView.h"

namespace qtview {

class PictureView : public PointerView<QWidget> {
  public:
    PictureView(ui::Control& c, QWidget* parent);

  protected:
    void mirrorOwn(ui::Prop what) override;
    bool passesMouseWhenDisabled() const override { return stretched_; }
    void paintEvent(QPaintEvent* e) override;

  private:
    bool stretched_;
    QPixmap pixmap_;
};

} // namespace qtview
