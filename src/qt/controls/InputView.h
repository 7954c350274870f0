#pragma once
// Mouse moves and key downs of the controls that take input of their own
// (text boxes, check boxes, buttons, combo boxes): the Qt widget does its
// usual work, and the control hears of the move and of the key first.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "qt/KeyCodes.h"
#include "qt/UserAction.h"
#include "qt/controls/ControlView.h"

namespace qtview {

template <class QtBase> class InputView : public QtBase, public ControlView {
  public:
    InputView(ui::Control& c, QWidget* parent) : QtBase(parent), ControlView(c) {
        this->setMouseTracking(true);
    }
    QWidget* widget() override { return this; }

  protected:
    void mouseMoveEvent(QMouseEvent* e) override {
        QtBase::mouseMoveEvent(e);
        e->accept();
        userAction([this] { control().userMouseMove(); });
    }
    void keyPressEvent(QKeyEvent* e) override {
        const int code = windowsKeyCode(*e);
        if (code != 0)
            userAction([this, code] { control().userKeyDown(code); });
        QtBase::keyPressEvent(e);
    }
};

} // namespace qtview
