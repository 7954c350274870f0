#pragma once
// settings.tvd in the data folder: the main window's state between runs, four
// lines (index of the selected map, index of the selected mod, host name,
// map mode "S" or "C"). The one reader and the one writer of the file.

#include <string>

#include "platform/FileSystem.h"

namespace data {

struct SettingsFile {
    // The lines as read; a line the file does not hold is empty.
    std::string mapIndex; // line 1: "-1" for no selection
    std::string modIndex; // line 2
    std::string hostName; // line 3
    std::string mapMode;  // line 4: exactly "S" is single-map mode, anything else cycle mode

    bool singleMap() const { return mapMode == "S"; }

    // A missing or unreadable file gives four empty lines.
    static SettingsFile read(const platform::FileSystem& fs);
    // The state to store: the two list indexes, the host name (trimmed of
    // blanks here) and the map mode.
    static SettingsFile of(int mapIndex, int modIndex, const std::string& hostName, bool singleMap);
    // Replaces the file.
    platform::WriteResult write(platform::FileSystem& fs) const;
};

} // namespace data
