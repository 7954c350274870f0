#pragma once
// Seam between the windows and whatever shows them: every change of a
// window or control is announced here. The Qt view implements it; the core
// runs without one.

#include "ui/Types.h"

namespace ui {

class Control;
class Window;

class Observer {
  public:
    virtual ~Observer() = default;
    virtual void windowChanged(Window& w, WindowEvent e) = 0;
    virtual void controlChanged(Control& c, Prop what) = 0;
    // No window is loaded any more: the program ends.
    virtual void applicationEnded() = 0;
};

} // namespace ui
