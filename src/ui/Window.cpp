#include "ui/Window.h"

#include "ui/Application.h"
#include "ui/Control.h"

namespace ui {

Window::Window(Application& app, std::string name, std::string caption, int clientWidth,
               int clientHeight)
    : app_(app), name_(std::move(name)), caption_(std::move(caption)), clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

void Window::endDesign() {
    designCaption_ = caption_;
    for (Control* c : controls_)
        c->saveDesign();
    designing_ = false;
}

void Window::touch() {
    if (!designing_ && !loaded_)
        load();
}

std::string Window::caption() {
    touch();
    return caption_;
}

void Window::setCaption(const std::string& c) {
    touch();
    caption_ = c;
    app_.notifyWindow(*this, WindowEvent::Caption);
}

void Window::load() {
    if (loaded_ || designing_)
        return;
    loaded_ = true;
    app_.notifyWindow(*this, WindowEvent::Loaded);
    onLoad();
}

void Window::show() {
    load();
    if (!loaded_)
        return; // the load step closed the window again
    if (visible_) {
        // Showing an open window brings it forward: the button that opens
        // it must not go dead while it lies out of sight.
        app_.notifyWindow(*this, WindowEvent::Raised);
        return;
    }
    visible_ = true;
    app_.notifyWindow(*this, WindowEvent::Shown);
}

void Window::hide() {
    touch();
    if (visible_) {
        visible_ = false;
        app_.notifyWindow(*this, WindowEvent::Hidden);
    }
}

bool Window::unload() {
    if (!loaded_ || unloading_)
        return true;
    unloading_ = true;
    bool cancel = false;
    onUnload(cancel);
    unloading_ = false;
    if (cancel)
        return false;
    if (!loaded_)
        return true;
    app_.dropFocusFrom(*this);
    visible_ = false;
    loaded_ = false;
    caption_ = designCaption_;
    for (Control* c : controls_)
        c->restoreDesign();
    onDesignRestored();
    app_.notifyWindow(*this, WindowEvent::Unloaded);
    app_.windowUnloaded();
    return true;
}

void Window::userClose() {
    app_.userAction([&] {
        if (loaded_)
            unload();
    });
}

void Window::userMouseMove() {
    app_.userAction([&] {
        if (loaded_)
            onMouseMove();
    });
}

void Window::controlChanged(Control& c, Prop what) {
    if (!designing_)
        app_.notifyControl(c, what);
}

} // namespace ui
