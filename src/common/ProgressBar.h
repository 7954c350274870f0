#pragma once
// The progress display of a detection: a track label, a fill label whose
// width is the fraction done times the track width, and a percentage label.

#include <string>

#include "ui/Controls.h"

namespace common {

class ProgressBar {
  public:
    ProgressBar(ui::Label& track, ui::Label& fill, ui::Label& percent)
        : track_(track), fill_(fill), percent_(percent) {}

    // fraction from 0 to 1: fill width = whole part of fraction × track
    // width; the label shows the whole per cent with a leading blank and "%".
    void show(double fraction);
    // The closing word in place of the percentage.
    void finish(const std::string& word) { percent_.setCaption(word); }

    static int fillWidth(double fraction, int trackWidth);
    static std::string percentText(double fraction);

  private:
    ui::Label& track_;
    ui::Label& fill_;
    ui::Label& percent_;
};

} // namespace common
