#pragma once
// The registry of windows: owns one instance of each window class, hands out
// references to them, keeps the keyboard focus, runs the user's actions, and
// tells the observer when the last window has gone.

#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "platform/Services.h"
#include "ui/Observer.h"
#include "ui/Window.h"

namespace ui {

class Control;

class Application {
  public:
    explicit Application(platform::Services services) : services_(services) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the window of class T; its design is sealed at once.
    template <class T, class... Args> T& add(Args&&... args) {
        auto w = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *w;
        ref.endDesign();
        byType_[std::type_index(typeid(T))] = &ref;
        windows_.push_back(std::move(w));
        return ref;
    }

    template <class T> T& get() const {
        const auto it = byType_.find(std::type_index(typeid(T)));
        if (it == byType_.end())
            throw std::logic_error("window not registered");
        return static_cast<T&>(*it->second);
    }

    const std::vector<std::unique_ptr<Window>>& windows() const { return windows_; }

    platform::Services& services() { return services_; }
    void setObserver(Observer* o) { observer_ = o; }

    // Loads the start-up window; it is shown unless its load step closed it.
    void start(Window& startup);
    bool anyLoaded() const;
    bool ended() const { return ended_; }

    Control* focused() const { return focused_; }
    // Moves the focus: lost-focus on the old control, got-focus on the new.
    void setFocus(Control* c);
    // The user moved the focus.
    void userFocus(Control* c);

    // Runs one action of the user: every user*() entry point of the windows
    // and controls runs through here. A run-time error that no window code
    // handled ends the action where it stands and the user is told what
    // failed; the windows take the next action as usual. (Data files are
    // replaced whole, so none is left half-written.)
    template <class F> void userAction(F&& action) {
        try {
            action();
        } catch (const std::exception& e) {
            reportFailure(e);
        }
    }

    // Called by windows and controls.
    void notifyWindow(Window& w, WindowEvent e);
    void notifyControl(Control& c, Prop what);
    void dropFocusFrom(Window& w);
    void windowUnloaded();

  private:
    void reportFailure(const std::exception& e);

    platform::Services services_;
    std::vector<std::unique_ptr<Window>> windows_;
    std::unordered_map<std::type_index, Window*> byType_;
    Observer* observer_ = nullptr;
    Control* focused_ = nullptr;
    bool ended_ = false;
};

} // namespace ui
