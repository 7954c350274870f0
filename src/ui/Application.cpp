#include "ui/Application.h"

#include <new>

#include "ui/Control.h"

namespace ui {

void Application::start(Window& startup) {
    ended_ = false;
    startup.show();
    windowUnloaded();
}

bool Application::anyLoaded() const {
    for (const auto& w : windows_) {
        if (w->isLoaded())
            return true;
    }
    return false;
}

void Application::setFocus(Control* c) {
    if (c == focused_)
        return;
    Control* old = focused_;
    focused_ = c;
    if (old != nullptr && old->window().isLoaded())
        old->raiseLostFocus();
    if (c != nullptr && focused_ == c && c->window().isLoaded())
        c->raiseGotFocus();
}

void Application::userFocus(Control* c) {
    userAction([&] { setFocus(c); });
}

void Application::reportFailure(const std::exception& e) {
    std::string what =
        dynamic_cast<const std::bad_alloc*>(&e) != nullptr ? "not enough memory" : e.what();
    if (!what.ends_with('.'))
        what += '.';
    services_.messages.show("Torvel Arvenix Pro could not finish this action: " + what);
}

void Application::notifyWindow(Window& w, WindowEvent e) {
    if (observer_ != nullptr)
        observer_->windowChanged(w, e);
}

void Application::notifyControl(Control& c, Prop what) {
    if (observer_ != nullptr && c.window().isLoaded())
        observer_->controlChanged(c, what);
}

void Application::dropFocusFrom(Window& w) {
    if (focused_ != nullptr && &focused_->window() == &w)
        focused_ = nullptr;
}

void Application::windowUnloaded() {
    if (!ended_ && !anyLoaded()) {
        ended_ = true;
        if (observer_ != nullptr)
            observer_->applicationEnded();
    }
}

} // namespace ui
