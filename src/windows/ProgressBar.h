#pragma once
// The progress display of a detection: a track label, a fill label whose
// width is the fraction done times the track width, and a percentage label.

#include <string>

#include "ui/Controls.h"

namespace windows {

class ProgressBar {
  public:
    ProgressBar(ui::Label& track, ui::Label& fill, ui::Label& percent)
        : track_(track), fill_(fill), percent_(percent) {}

    // fraction from 0 to 1: fill width = whole part of fraction × track
    // width; the label shows the whole per cent with a leading blank and "%".
    void show(double fraction);
    // The bar as a walk over n items reaches item i: i / (n - 1); a walk
    // over one item is complete at once.
    void showStep(int i, int n) { show(n <= 1 ? 1.0 : static_cast<double>(i) / (n - 1)); }
    // The closing word in place of the percentage.
    void finish(const std::string& word) { percent_.setCaption(word); }

    // Lays the three labels out: a black track of `width` at (left, top), the
    // blue fill `fillDrop` below its top edge, and the bold percentage
    // centred over both.
    void place(int left, int top, int width, int fillDrop);

    static int fillWidth(double fraction, int trackWidth);
    static std::string percentText(double fraction);

  private:
    ui::Label& track_;
    ui::Label& fill_;
    ui::Label& percent_;
};

} // namespace windows
