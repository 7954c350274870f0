#include "windows/TabStrip.h"

namespace windows {

namespace {

constexpr int kStripWidth = 4350;
constexpr int kStripHeight = 375;
// Each tab a little wider than its step, so that neighbours overlap.
constexpr int kTabStep = 1440;
constexpr int kTabWidth = 1455;

} // namespace

void TabStrip::placeStrip(ui::PictureBox& strip, int left, const char* picture,
                          std::array<ui::Label*, 3> tabs) {
    strip.place(left, 120, kStripWidth, kStripHeight);
    strip.setPicture(picture);
    int tabLeft = 0;
    for (ui::Label* tab : tabs) {
        tab->place(tabLeft, 0, kTabWidth, kStripHeight);
        tabLeft += kTabStep;
    }
}

void TabStrip::place(int left, std::array<ui::Label*, 3> tabs,
                     std::array<const char*, 3> pictures) {
    placeStrip(strip_, left, pictures[0], tabs);
    for (std::size_t i = 0; i < 3; ++i) {
        stripPictures_[i]->place(0, 0, kStripWidth, kStripHeight);
        stripPictures_[i]->setPicture(pictures[i]);
        stripPictures_[i]->setVisible(false);
    }
}

void TabStrip::placePages(int width, int height, std::array<ui::Image*, 3> backgrounds) {
    for (std::size_t i = 0; i < 3; ++i) {
        pages_[i]->place(120, 600, width, height);
        if (i != 0)
            pages_[i]->setVisible(false);
        backgrounds[i]->place(0, 0, width, height);
    }
}

} // namespace windows
