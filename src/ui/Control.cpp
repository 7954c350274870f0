#include "ui/Control.h"

#include "ui/Application.h"
#include "ui/Window.h"

namespace ui {

Control::Control(Window& owner, std::string name, ControlKind kind, Control* parent)
    : owner_(owner), name_(std::move(name)), kind_(kind), parent_(parent) {
    owner_.registerControl(*this);
}

void Control::touch() const {
    owner_.touch();
}

void Control::changed(Prop what) {
    owner_.controlChanged(*this, what);
}

void Control::raise(const std::function<void()>& handler) {
    if (handler && !owner_.inDesign())
        handler();
}

bool Control::visible() const {
    touch();
    return state_.visible;
}

void Control::setVisible(bool v) {
    touch();
    state_.visible = v;
    changed(Prop::Visible);
}

bool Control::enabled() const {
    touch();
    return state_.enabled;
}

void Control::setEnabled(bool e) {
    touch();
    state_.enabled = e;
    changed(Prop::Enabled);
}

Rect Control::rect() const {
    touch();
    return state_.rect;
}

void Control::setRect(const Rect& r) {
    touch();
    state_.rect = r;
    changed(Prop::Geometry);
}

void Control::setWidth(int w) {
    touch();
    state_.rect.width = w;
    changed(Prop::Geometry);
}

std::string Control::toolTip() const {
    touch();
    return state_.toolTip;
}

void Control::setToolTip(const std::string& t) {
    touch();
    state_.toolTip = t;
    changed(Prop::ToolTip);
}

Color Control::foreColor() const {
    touch();
    return state_.foreColor;
}

void Control::setForeColor(Color c) {
    touch();
    state_.foreColor = c;
    changed(Prop::Colors);
}

Color Control::backColor() const {
    touch();
    return state_.backColor;
}

void Control::setBackColor(Color c) {
    touch();
    state_.backColor = c;
    changed(Prop::Colors);
}

Font Control::font() const {
    touch();
    return state_.font;
}

void Control::setFont(const Font& f) {
    touch();
    state_.font = f;
    changed(Prop::Font);
}

bool Control::shownOnScreen() const {
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        if (!c->state_.visible)
            return false;
    }
    return true;
}

bool Control::acceptsInput() const {
    if (!owner_.isLoaded() || !shownOnScreen())
        return false;
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        if (!c->state_.enabled)
            return false;
    }
    return true;
}

void Control::userClick() {
    owner_.app().userAction([&] {
        if (!acceptsInput())
            return;
        if (focusable())
            owner_.app().setFocus(this);
        raise(onClick);
    });
}

void Control::userMouseMove() {
    owner_.app().userAction([&] {
        if (!acceptsInput())
            return;
        raise(onMouseMove);
    });
}

void Control::userKeyDown(int keyCode) {
    owner_.app().userAction([&] {
        if (!acceptsInput())
            return;
        if (focusable())
            owner_.app().setFocus(this);
        if (onKeyDown)
            onKeyDown(keyCode);
    });
}

Control& Control::place(int left, int top, int width, int height) {
    state_.rect = Rect{left, top, width, height};
    changed(Prop::Geometry);
    return *this;
}

void Control::restoreDesign() {
    state_ = design_;
    changed(Prop::All);
}

void Control::raiseGotFocus() {
    raise(onGotFocus);
}

void Control::raiseLostFocus() {
    raise(onLostFocus);
}

} // namespace ui
