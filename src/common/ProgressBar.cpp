#include "common/ProgressBar.h"

#include <cmath>

#include "common/NumberText.h"

namespace common {

int ProgressBar::fillWidth(double fraction, int trackWidth) {
    return static_cast<int>(std::floor(fraction * trackWidth));
}

std::string ProgressBar::percentText(double fraction) {
    return numberText(static_cast<long long>(std::floor(fraction * 100.0))) + "%";
}

void ProgressBar::show(double fraction) {
    fill_.setWidth(fillWidth(fraction, track_.width()));
    percent_.setCaption(percentText(fraction));
}

} // namespace common
