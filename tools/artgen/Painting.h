#pragma once
// The drawing primitives of the launcher's skin: black and dark red, with
// glowing orange edges on whatever is lit or active.

#include <array>

#include <QImage>
#include <QString>

namespace artgen {

// A picture button; lit: glowing border and brighter text.
QImage button(int width, int height, const QString& text, bool lit);
// A tab on its own; active tabs are red and bright, inactive ones dark.
QImage tab(int width, int height, const QString& text, bool active);
// A strip of three tabs of which one (0, 1 or 2) is active.
QImage strip(int width, int height, const std::array<QString, 3>& texts, int active);
// A strip of three light tabs, one of them (0, 1 or 2) active, for a window
// whose active tab's title is a label laid over the strip: only the other
// tabs' names are drawn.
QImage titleStrip(int width, int height, const std::array<QString, 3>& titles, int active);
// The shared page and window background.
QImage background(int width, int height);
// The emblem beside the bot roster.
QImage botDecoration(int size);
// The window icon.
QImage icon(int size);

} // namespace artgen
