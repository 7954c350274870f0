#pragma once
// The first-run detection pass, run by the start button of the first-run
// window: mods, maps and bots detected in one go, the three catalogues and
// the package snapshots stored. It runs inside the click and shows its
// progress on the start-up window's warning panel.

namespace windows {
class StartupWindow;
}

namespace windows {

// Detects mods (through the mod window, hidden), then the maps and bots of
// every package of the start-up window's file list, removes duplicates and
// writes the list files. False when a failure ended it before the first
// scanned package; the user has then been told, and the map list and the
// roster hold what they held before.
bool firstRunDetection(windows::StartupWindow& w);

} // namespace windows
