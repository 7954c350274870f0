#pragma once
// One control of a window. Every control keeps its current state and the
// state it had in the window's design; unloading the window puts the design
// state back. Reading or setting a property through the public accessors
// loads the owning window first (a window comes into being on first use);
// the view reads the state through state(), which loads nothing.
//
// User actions enter through the user*() functions, so that tests and the Qt
// view drive the windows the same way; each runs as one
// Application::userAction.

#include <functional>
#include <string>
#include <vector>

#include "ui/ListItems.h"
#include "ui/Types.h"

namespace ui {

class Window;

// A list's highlighted entry at one moment, with the number of entries the
// list held then.
struct PassedHighlight {
    int index = 0;
    int count = 0;
};

struct ControlState {
    bool visible = true;
    bool enabled = true;
    Rect rect;
    std::string caption;
    std::string text;
    std::string toolTip;
    Font font;
    Color foreColor = kWhite;
    Color backColor = kBlack;
    bool transparent = false;
    Align alignment = Align::Left;
    bool customCursor = false;
    std::string picture;
    int value = 0;
    int maxLength = 0;
    ListItems items;
    int listIndex = -1;
    // Only while a change of a list's entries that stands for several steps
    // is announced: the highlights the list went through in those steps, in
    // turn (a list on screen brings each one into view as it comes).
    std::vector<PassedHighlight> passedHighlights;
    std::string path;
    std::string pattern;
    std::string document;
};

class Control {
  public:
    Control(Window& owner, std::string name, ControlKind kind, Control* parent = nullptr);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Window& window() const { return owner_; }
    Control* parent() const { return parent_; }
    // The state as it stands, without loading the window (for the view).
    const ControlState& state() const { return state_; }

    bool visible() const;
    void setVisible(bool v);
    bool enabled() const;
    void setEnabled(bool e);
    Rect rect() const;
    void setRect(const Rect& r);
    int width() const { return rect().width; }
    void setWidth(int w);
    std::string toolTip() const;
    void setToolTip(const std::string& t);
    Color foreColor() const;
    void setForeColor(Color c);
    Color backColor() const;
    void setBackColor(Color c);
    Font font() const;
    void setFont(const Font& f);
    // Design: a window-specific mouse cursor over this control (link labels).
    void setCustomCursor(bool on) { state_.customCursor = on; }
    // Design: alignment of a caption or text.
    void setAlignment(Align a) { state_.alignment = a; }
    // Design: an opaque background in the back colour (labels are transparent).
    void setTransparent(bool on) { state_.transparent = on; }

    // Shown only when this control and every container around it is visible.
    bool shownOnScreen() const;
    // Takes user input only when it and every container around it is enabled
    // and shown.
    bool acceptsInput() const;
    virtual bool focusable() const { return false; }

    // Event handlers, bound by the window that owns the control.
    std::function<void()> onClick;
    std::function<void()> onMouseMove;
    std::function<void()> onChange;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(int)> onKeyDown;

    // User actions.
    virtual void userClick();
    void userMouseMove();
    void userKeyDown(int keyCode);

    // Design: sets the state the window starts with (and returns to on unload).
    Control& place(int left, int top, int width, int height);

    // Called by the window.
    void saveDesign() { design_ = state_; }
    void restoreDesign();
    void raiseGotFocus();
    void raiseLostFocus();

  protected:
    // Loads the owning window when it is not loaded yet.
    void touch() const;
    void changed(Prop what);
    void raise(const std::function<void()>& handler);

    ControlState state_;

  private:
    Window& owner_;
    std::string name_;
    ControlKind kind_;
    Control* parent_;
    ControlState design_;
};

} // namespace ui
