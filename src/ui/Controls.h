#pragma once
// The simple control kinds: labels, text boxes, check boxes, buttons,
// pictures, containers, shapes and the embedded-document holder.

#include <string>

#include "ui/Control.h"

namespace ui {

class Label : public Control {
  public:
    Label(Window& w, std::string name, Control* parent = nullptr)
        : Control(w, std::move(name), ControlKind::Label, parent) {
        state_.transparent = true;
    }
    std::string caption() const;
    void setCaption(const std::string& c);
    Align alignment() const { return state().alignment; }
};

class TextBox : public Control {
  public:
    TextBox(Window& w, std::string name, Control* parent = nullptr)
        : Control(w, std::move(name), ControlKind::TextBox, parent) {
        state_.backColor = Color{102, 0, 0};
    }
    bool focusable() const override { return true; }
    std::string text() const;
    // Raises the change event, as typing does.
    void setText(const std::string& t);
    int maxLength() const;
    // Limits what the user can type (0: no limit); code may set any text.
    void setMaxLength(int n);
    // The user edits the text to newText (cut to the typed-length limit).
    void userType(const std::string& newText);
};

class CheckBox : public Control {
  public:
    CheckBox(Window& w, std::string name, Control* parent = nullptr)
        : Control(w, std::move(name), ControlKind::CheckBox, parent) {}
    bool focusable() const override { return true; }
    // 0 unticked, 1 ticked, 2 greyed.
    int value() const;
    // Raises the click event when the value changes; throws RuntimeError for
    // a value other than 0, 1 or 2.
    void setValue(int v);
    void userClick() override;
};

class CommandButton : public Control {
  public:
    CommandButton(Window& w, std::string name, Control* parent = nullptr)
        : Control(w, std::move(name), ControlKind::CommandButton, parent) {}
    bool focusable() const override { return true; }
    std::string caption() const;
    void setCaption(const std::string& c);
};

// A picture shown in a control; pictures are named handles, and assigning one
// control's picture to another shows the same picture there.
class Image : public Control {
  public:
    Image(Window& w, std::string name, Control* parent = nullptr)
        : Control(w, std::move(name), ControlKind::Image, parent) {
        state_.transparent = true;
    }
    std::string picture() const;
    void setPicture(const std::string& handle);
};

// A picture box: a picture and a container for other controls.
class PictureBox : public Control {
  public:
    PictureBox(Window& w, std::string name, Control* parent = nullptr)
        : Control(w, std::move(name), ControlKind::PictureBox, parent) {}
    std::string picture() const;
    void setPicture(const std::string& handle);
};

class Frame : public Control {
  public:
    Frame(Window& w, std::string name, Control* parent = nullptr)
        : Control(w, std::move(name), ControlKind::Frame, parent) {}
    std::string caption() const;
    void setCaption(const std::string& c);
};

// A rectangle outline in its fore colour.
class Shape : public Control {
  public:
    Shape(Window& w, std::string name, Control* parent = nullptr)
        : Control(w, std::move(name), ControlKind::Shape, parent) {
        state_.transparent = true;
    }
};

// Holds one embedded document; activating it opens the document with the
// desktop's default handler.
class OleContainer : public Control {
  public:
    OleContainer(Window& w, std::string name, Control* parent = nullptr)
        : Control(w, std::move(name), ControlKind::OleContainer, parent) {}
    std::string document() const;
    void setDocument(const std::string& name);
    // Opens the document; false when the desktop could not open it.
    bool doVerb();
};

} // namespace ui
