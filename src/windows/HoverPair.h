#pragma once
// A picture button: two pictures of equal size at one place, the plain one
// shown and the lit one hidden. Moving the pointer onto the plain picture
// lights it; moving over the area around it resets it.

#include <initializer_list>

#include "ui/Controls.h"

namespace windows {

class HoverPair {
  public:
    HoverPair(ui::Image& plain, ui::Image& lit) : plain_(plain), lit_(lit) {}
    // Plain hidden, then lit shown.
    void light() const {
        plain_.setVisible(false);
        lit_.setVisible(true);
    }
    // Plain shown, then lit hidden; both every time, also when nothing changes.
    void reset() const {
        plain_.setVisible(true);
        lit_.setVisible(false);
    }
    // The pointer onto the plain picture lights the pair; onto any of the
    // controls around it resets it.
    void bind(std::initializer_list<ui::Control*> around) const {
        const HoverPair pair = *this;
        plain_.onMouseMove = [pair] { pair.light(); };
        for (ui::Control* c : around)
            c->onMouseMove = [pair] { pair.reset(); };
    }
    // Both pictures from two other picture controls (the artwork store's, or
    // another window's pair).
    template <class Source> void takePictures(const Source& plainSource, const Source& litSource) {
        plain_.setPicture(plainSource.picture());
        lit_.setPicture(litSource.picture());
    }

  private:
    ui::Image& plain_;
    ui::Image& lit_;
};

} // namespace windows
