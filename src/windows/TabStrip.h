#pragma once
// Three pages switched by a strip picture with three transparent labels on
// it: a click on a tab shows its page, hides the other two and copies the
// matching strip picture (first, second or third tab drawn active).

#include <array>

#include "ui/Controls.h"

namespace windows {

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

    // The strip at (left, 120) with the first of `pictures` and the tabs on
    // it; the strip pictures hidden, each holding its picture.
    void place(int left, std::array<ui::Label*, 3> tabs, std::array<const char*, 3> pictures);
    // The pages at one place under the strip, the first one showing; each
    // background fills its page.
    void placePages(int width, int height, std::array<ui::Image*, 3> backgrounds);

    // The strip alone, for a window that borrows another's strip pictures:
    // at (left, 120) with `picture`, the tabs side by side on it.
    static void placeStrip(ui::PictureBox& strip, int left, const char* picture,
                           std::array<ui::Label*, 3> tabs);

  private:
    ui::PictureBox& strip_;
    std::array<ui::Control*, 3> pages_;
    std::array<ui::PictureBox*, 3> stripPictures_;
};

} // namespace windows
