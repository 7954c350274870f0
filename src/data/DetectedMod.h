#pragma once
// How mod detection turns one sub-folder of the game directory into a mod:
// its display name and the 24 lines of its record, or nothing for a folder
// that is never a mod; the four mods of the base game; the folders of the
// last detection that Detect New passes over; the count of what remains.
// The walk over the folders, with its counts and progress, is the mod
// window's (windows/ModWindowDetect.cpp).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/ModRecord.h"
#include "platform/FileSystem.h"

namespace data {

struct DetectedMod {
    std::string displayName; // without blanks around it
    data::ModRecord record;
};

// The folder's mod, or nullopt when the folder is in the skip list. A known
// folder (exact name) gets its table row, any other folder the generic
// record under its name with the first letter in upper case. The record's
// game folder is the folder name exactly as given.
std::optional<DetectedMod> detectModFolder(std::string_view folderName);

// False for a mod that cannot be listed, which detection leaves out and
// names to the user: its folder name holds a character below U+0020 (the
// record and the list file hold one value a line), or its record file cannot
// be named (one of the launcher's own files, or a file name longer than the
// file system takes).
bool canBeListed(const platform::FileSystem& fs, std::string_view folderName,
                 const DetectedMod& mod);

// True when the name holds a character below U+0020 (a line break, a tab).
bool holdsControlCharacter(std::string_view name);

// The folder name of a folder list entry: the text after its last path
// separator.
std::string folderNameOf(std::string_view entry);

// The records of the base game, as Detect All adds them after the folders:
// Free For All, Tournament, Capture The Flag, Team Deathmatch.
std::vector<DetectedMod> baseGameMods();

// The folder names of the last detection. Detect New passes over every
// folder among them, wherever it stands in the listing; letter case does
// not count.
class FolderSnapshot {
  public:
    explicit FolderSnapshot(const std::vector<std::string>& folderNames);
    bool contains(std::string_view folderName) const;

  private:
    std::vector<std::string> lowerNames_;
};

// The "Remaining" count once `detected` records are written in a walk over
// `folderCount` folders: every folder and base-game record, less the
// folders every game directory holds and detection always skips. It counts
// the base-game records in Detect New too, which adds none of them.
long long remainingCount(int folderCount, long long detected);

} // namespace data
