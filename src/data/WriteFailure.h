#pragma once
// What the user is told when a data file cannot be written (a read-only
// folder, a full disk, a folder where the file should be). The file stays as
// it was; the message names it, says why, and says what happens to what is
// on screen.

#include <string>
#include <vector>

#include "platform/Services.h"

namespace data {

// "Torvel Arvenix Pro can't write the file <path> (<reason>). <consequence>"
std::string writeFailedMessage(const platform::FileSystem& fs, const std::string& path,
                               const std::string& consequence);

// Writes the lines; on failure shows the message above. False on failure.
bool writeLinesOrTell(platform::Services& services, const std::string& path,
                      const std::vector<std::string>& lines, const std::string& consequence);

// Writes the entries as the one line of a list file; on failure shows the
// message above. False on failure.
bool writeListOrTell(platform::Services& services, const std::string& path,
                     const std::vector<std::string>& entries, const std::string& consequence);

// The consequence of a list on screen that could not be saved.
inline constexpr const char* kListKeptUnsaved = "The list on screen is kept, but it is not saved.";

} // namespace data
