#pragma once
// A window of the launcher. Subclasses declare their controls as members,
// set their design state in the constructor and override the on* steps.
//
// Life cycle: a window object exists for the whole run, owned by the
// Application. It is loaded on first use (a touch of one of its controls, or
// Show), runs onLoad once per load, and is unloaded by unload() or the
// title-bar close: onUnload runs (it may cancel), every control goes back
// to its design state, onDesignRestored puts the window's own state back too,
// and the window is marked not loaded. Code may go on running after its own
// window unloaded; the next touch loads it again, hidden.
//
// State that no user sees (flags, modes) is a typed member of the subclass,
// not a hidden control; it behaves like one: its accessors call touch(), and
// onDesignRestored gives it back its design value.

#include <string>
#include <vector>

#include "ui/Types.h"

namespace ui {

class Application;
class Control;

class Window {
  public:
    Window(Application& app, std::string name, std::string caption, int clientWidth,
           int clientHeight);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return name_; }
    Application& app() const { return app_; }

    std::string caption();
    void setCaption(const std::string& c);
    // Without loading the window (for the view).
    const std::string& currentCaption() const { return caption_; }
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    BorderStyle borderStyle() const { return border_; }
    bool showInTaskbar() const { return showInTaskbar_; }

    bool isLoaded() const { return loaded_; }
    bool isVisible() const { return visible_; }
    bool inDesign() const { return designing_; }

    void load();
    // Loads and shows the window; a window already shown comes to the front.
    void show();
    void hide();
    // False when the window's unload step cancelled the close.
    bool unload();

    const std::vector<Control*>& controls() const { return controls_; }

    // User actions on the window itself.
    void userClose();
    void userMouseMove();

    // Called by controls and the application.
    void touch();
    void registerControl(Control& c) { controls_.push_back(&c); }
    void controlChanged(Control& c, Prop what);
    void endDesign();

  protected:
    virtual void onLoad() {}
    virtual void onUnload(bool& cancel) { (void)cancel; }
    virtual void onMouseMove() {}
    // Right after every control went back to its design state on unload.
    virtual void onDesignRestored() {}

    void setBorderStyle(BorderStyle b) { border_ = b; }
    void setShowInTaskbar(bool s) { showInTaskbar_ = s; }

  private:
    Application& app_;
    std::string name_;
    std::string caption_;
    std::string designCaption_;
    int clientWidth_;
    int clientHeight_;
    BorderStyle border_ = BorderStyle::FixedSingle;
    bool showInTaskbar_ = true;
    bool designing_ = true;
    bool loaded_ = false;
    bool visible_ = false;
    bool unloading_ = false;
    std::vector<Control*> controls_;
};

} // namespace ui
