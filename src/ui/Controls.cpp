#include "ui/Controls.h"

#include "platform/Encoding.h"
#include "ui/Application.h"
#include "ui/Errors.h"
#include "ui/Window.h"

namespace ui {

std::string Label::caption() const {
    touch();
    return state_.caption;
}

void Label::setCaption(const std::string& c) {
    touch();
    state_.caption = c;
    changed(Prop::Caption);
}

std::string TextBox::text() const {
    touch();
    return state_.text;
}

void TextBox::setText(const std::string& t) {
    touch();
    state_.text = t;
    changed(Prop::Text);
    raise(onChange);
}

int TextBox::maxLength() const {
    touch();
    return state_.maxLength;
}

void TextBox::setMaxLength(int n) {
    touch();
    state_.maxLength = n;
    changed(Prop::Text);
}

void TextBox::userType(const std::string& newText) {
    window().app().userAction([&] {
        if (!acceptsInput())
            return;
        window().app().setFocus(this);
        std::string t = newText;
        if (state_.maxLength > 0)
            t = platform::firstCharacters(t, static_cast<std::size_t>(state_.maxLength));
        setText(t);
    });
}

int CheckBox::value() const {
    touch();
    return state_.value;
}

void CheckBox::setValue(int v) {
    touch();
    if (v < 0 || v > 2)
        throw RuntimeError(kInvalidValue, "Invalid property value");
    if (v == state_.value)
        return;
    state_.value = v;
    changed(Prop::Value);
    raise(onClick);
}

void CheckBox::userClick() {
    window().app().userAction([&] {
        if (!acceptsInput())
            return;
        window().app().setFocus(this);
        setValue(state_.value == 1 ? 0 : 1);
    });
}

std::string CommandButton::caption() const {
    touch();
    return state_.caption;
}

void CommandButton::setCaption(const std::string& c) {
    touch();
    state_.caption = c;
    changed(Prop::Caption);
}

std::string Image::picture() const {
    touch();
    return state_.picture;
}

void Image::setPicture(const std::string& handle) {
    touch();
    state_.picture = handle;
    changed(Prop::Picture);
}

std::string PictureBox::picture() const {
    touch();
    return state_.picture;
}

void PictureBox::setPicture(const std::string& handle) {
    touch();
    state_.picture = handle;
    changed(Prop::Picture);
}

std::string Frame::caption() const {
    touch();
    return state_.caption;
}

void Frame::setCaption(const std::string& c) {
    touch();
    state_.caption = c;
    changed(Prop::Caption);
}

std::string OleContainer::document() const {
    touch();
    return state_.document;
}

void OleContainer::setDocument(const std::string& name) {
    touch();
    state_.document = name;
}

bool OleContainer::doVerb() {
    touch();
    if (state_.document.empty())
        return false;
    return window().app().services().documents.open(state_.document);
}

} // namespace ui
