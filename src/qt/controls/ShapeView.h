#pragma once
// A shape: a rectangle outline in the fore colour. It takes no mouse input;
// the pointer acts on what lies beneath it.

#include <QWidget>

#include "qt/controls/ControlView.h"

namespace qtview {

class ShapeView : public QWidget, public ControlView {
  public:
    ShapeView(ui::Control& c, QWidget* parent);
    QWidget* widget() override { return this; }

  protected:
    void mirrorOwn(ui::Prop what) override;
    void paintEvent(QPaintEvent* e) override;
};

} // namespace qtview
