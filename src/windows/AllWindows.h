#pragma once
// Seam between the windows layer and what runs it: the set of windows of the
// launcher and the order in which they close. The Qt launcher, the test
// support and the fuzz targets make the program through it; nothing below
// this layer knows any window.

#include "ui/Application.h"

namespace windows {

// Creates every window of the program in the application's registry and
// returns the start-up window.
ui::Window& createWindows(ui::Application& app);

// Unloads every loaded window in the closing order (about, help, artwork
// store, bot, mod editor, map, saved map lists, mod, roster, start-up, and
// the main window last); each runs its own unload step.
void unloadEveryWindow(ui::Application& app);

} // namespace windows
