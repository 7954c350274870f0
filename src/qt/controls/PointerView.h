#pragma once
// Mouse input of the controls that have no input of their own (labels,
// pictures, frames): a move over the control is its mouse move, a left
// press and release over it is its click. The event goes no further, so the
// container beneath does not see it too. A disabled widget gets no mouse
// events from Qt; they go on to its container, as the windows expect.

#include <QMouseEvent>
#include <QWidget>

#include "qt/UserAction.h"
#include "qt/controls/ControlView.h"

namespace qtview {

template <class QtBase> class PointerView : public QtBase, public ControlView {
  public:
    PointerView(ui::Control& c, QWidget* parent) : QtBase(parent), ControlView(c) {
        this->setMouseTracking(true);
    }
    QWidget* widget() override { return this; }

  protected:
    void mouseMoveEvent(QMouseEvent* e) override {
        e->accept();
        userAction([this] { control().userMouseMove(); });
    }
    void mousePressEvent(QMouseEvent* e) override {
        e->accept();
        pressed_ = e->button() == Qt::LeftButton;
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        // The first click of the pair has acted already.
        e->accept();
        pressed_ = false;
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        e->accept();
        const bool click = pressed_ && e->button() == Qt::LeftButton &&
                           this->rect().contains(e->position().toPoint());
        pressed_ = false;
        if (click)
            userAction([this] { control().userClick(); });
    }

  private:
    bool pressed_ = false;
};

} // namespace qtview
