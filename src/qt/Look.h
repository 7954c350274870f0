#pragma once
// How the core's values look on screen: twips to pixels, colours, fonts
// (with free substitutes for the fonts the windows name) and the named
// pictures compiled into the program.

#include <string>

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QSize>

#include "ui/Types.h"

namespace qtview {

// Pixels for a length in twips, rounded to the nearest pixel.
int toPixels(int twips);
// Pixel rectangle for a twips rectangle; edges are rounded, so neighbouring
// controls stay flush.
QRect toPixels(const ui::Rect& twips);
QSize clientSize(int widthTwips, int heightTwips);

QColor toQColor(ui::Color c);
// Text colour of disabled labels, text boxes and lists.
QColor disabledTextColor();

// The font on screen for a font of the windows: the families are replaced by
// free ones of similar metrics, and points become pixels at 96 per inch.
QFont toQFont(const ui::Font& f);

// Resource path of a picture name ("accept0" -> ":/art/accept0.png").
QString picturePath(const std::string& name);
// The picture of that name; a null pixmap for "" or an unknown name.
QPixmap picture(const std::string& name);

} // namespace qtview
