#pragma once
// Three pages switched by a strip picture with three transparent labels on
// it: a click on a tab shows its page, hides the other two and copies the
// matching strip picture (first, second or third tab drawn active).

#include <array>

#include "ui/Controls.h"

namespace common {

class TabStrip {
  public:
    TabStrip(ui::PictureBox& strip, std::array<ui::Control*, 3> pages,
             std::array<ui::PictureBox*, 3> stripPictures)
        : strip_(strip), pages_(pages), stripPictures_(stripPictures) {}

    // tab: 0, 1 or 2.
    void select(int tab) {
        for (int i = 0; i < 3; ++i) {
            if (i != tab)
                pages_[static_cast<std::size_t>(i)]->setVisible(false);
        }
        pages_[static_cast<std::size_t>(tab)]->setVisible(true);
        strip_.setPicture(stripPictures_[static_cast<std::size_t>(tab)]->picture());
    }

  private:
    ui::PictureBox& strip_;
    std::array<ui::Control*, 3> pages_;
    std::array<ui::PictureBox*, 3> stripPictures_;
};

} // namespace common
