#pragma once
// What the user is told when a data file cannot be written (a read-only
// folder, a full disk, a folder where the file should be). The file stays as
// it was; the message names it, says why (the reason the write returned), and
// says what happens to what is on screen. Every failed write that the user
// hears of is told here.

#include <functional>
#include <string>
#include <vector>

#include "platform/Services.h"

namespace data {

struct ModRecord;

// "Torvel Arvenix Pro can't write the file <path> (<reason>). <consequence>"
std::string writeFailedMessage(const std::string& path, const std::string& reason,
                               const std::string& consequence);

// Shows the text that `message` makes of the reason when the write failed.
// The outcome of the write passes on.
bool tellIfFailed(platform::MessageBox& messages, const platform::WriteResult& result,
                  const std::function<std::string(const std::string& reason)>& message);
// The same with the message above.
bool tellIfFailed(platform::Services& services, const std::string& path,
                  const platform::WriteResult& result, const std::string& consequence);

// Writes the lines; on failure shows the message above. False on failure.
bool writeLinesOrTell(platform::Services& services, const std::string& path,
                      const std::vector<std::string>& lines, const std::string& consequence);

// Writes the entries as the one line of a list file; on failure shows the
// message above. False on failure.
bool writeListOrTell(platform::Services& services, const std::string& path,
                     const std::vector<std::string>& entries, const std::string& consequence);

// Writes a mod's record file; on failure shows "The record of the mod could
// not be written to <path> (<reason>). <consequence>". False on failure.
bool writeRecordOrTell(platform::Services& services, const ModRecord& record,
                       const std::string& displayName, const std::string& consequence);

// The consequence of a list on screen that could not be saved.
inline constexpr const char* kListKeptUnsaved = "The list on screen is kept, but it is not saved.";

} // namespace data
