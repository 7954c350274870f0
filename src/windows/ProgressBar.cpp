#include "windows/ProgressBar.h"

#include <cmath>

#include "data/NumberText.h"

namespace windows {

int ProgressBar::fillWidth(double fraction, int trackWidth) {
    return static_cast<int>(std::floor(fraction * trackWidth));
}

std::string ProgressBar::percentText(double fraction) {
    return data::signPaddedNumber(static_cast<long long>(std::floor(fraction * 100.0))) + "%";
}

void ProgressBar::place(int left, int top, int width, int fillDrop) {
    track_.place(left, top, width, 255);
    track_.setTransparent(false);
    track_.setBackColor(ui::kBlack);
    fill_.place(left, top + fillDrop, 15, 135);
    fill_.setTransparent(false);
    fill_.setBackColor(ui::Color{0, 0, 192});
    percent_.place(left, top, width, 255);
    ui::Font font;
    font.size = 9.75;
    font.bold = true;
    percent_.setFont(font);
    percent_.setAlignment(ui::Align::Center);
}

void ProgressBar::show(double fraction) {
    fill_.setWidth(fillWidth(fraction, track_.width()));
    percent_.setCaption(percentText(fraction));
}

} // namespace windows
