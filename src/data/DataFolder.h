#pragma once
// Where the launcher keeps its files: the folder Tolvdata directly under the
// game directory (the working directory). Every data-file path is the
// working directory, the folder name and the file name.

#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace data {

inline constexpr const char* kDataFolderName = "Tolvdata";

// The main window's list and settings files in the data folder.
inline constexpr const char* kMapsFile = "maps.tvd";
inline constexpr const char* kModsFile = "mods.tvd";
inline constexpr const char* kCycleFile = "mapcycle.tvd";
inline constexpr const char* kSettingsFile = "settings.tvd";
inline constexpr const char* kMarkerFile = "launch_stat.tvd";
inline constexpr const char* kBotsFile = "bots.tvd";
// The snapshots of the last mod, map and bot detection.
inline constexpr const char* kOldModsFile = "oldmods.tvd";
inline constexpr const char* kOldMapsFile = "oldmaps.tvd";
inline constexpr const char* kOldBotsFile = "oldbots.tvd";

// The names of the files kept in the data folder: the files above and the
// mod records, and the saved map lists.
inline constexpr const char* kDataFilePattern = "*.tvd";
inline constexpr const char* kMapListPattern = "*.map";

// True when a file name in the data folder is, ignoring case, one of the
// launcher's own files above (which a record must never stand for).
bool isLauncherFile(std::string_view fileName);

std::string dataFolder(const platform::FileSystem& fs);
std::string dataFile(const platform::FileSystem& fs, const std::string& fileName);

} // namespace data
