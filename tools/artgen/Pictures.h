#pragma once
// Every picture of the launcher: its name (as the windows name it), its size
// and how it is drawn.

#include <functional>
#include <vector>

#include <QImage>
#include <QString>

namespace artgen {

struct Picture {
    QString name;
    std::function<QImage()> draw;
};

std::vector<Picture> allPictures();

} // namespace artgen
