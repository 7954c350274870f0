#pragma once
// The widget of one control: every kind of control has a widget class that
// derives from its Qt widget and from this interface. The widget mirrors the
// control's state on request and passes the user's input to the control's
// entry points.

#include "ui/Control.h"

class QWidget;

namespace qtview {

class ControlView {
  public:
    explicit ControlView(ui::Control& c) : control_(c) {}
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    ui::Control& control() const { return control_; }
    virtual QWidget* widget() = 0;

    // Refreshes one aspect (or all) from the control's state, with the
    // widget's signals blocked so that nothing flows back into the core.
    void mirror(ui::Prop what);

  protected:
    // The aspects that only this kind shows (text, items, picture, colours).
    virtual void mirrorOwn(ui::Prop what) = 0;
    // Labels and pictures: disabled, they let the mouse through to what lies
    // beneath them.
    virtual bool passesMouseWhenDisabled() const { return false; }

    static bool touches(ui::Prop what, ui::Prop aspect) {
        return what == ui::Prop::All || what == aspect;
    }

  private:
    void mirrorCommon(ui::Prop what);

    ui::Control& control_;
};

} // namespace qtview
