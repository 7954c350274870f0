#pragma once
// What mod detection knows without asking: the records of 40 known mod
// folders, the record of any other folder, the four records of the base game
// and the folder names that are never mods. All of it is constant.
//
// A record held in one text (a RecordText) is 24 fields, each followed
// by "~": field 1 is the display name, fields 2 to 24 are lines 2 to 24 of
// the mod's record file. Line 1, the game folder, is not in the text:
// detection writes the folder's own name there.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/ModRecord.h"

namespace data {

using RecordText = std::string_view;

struct KnownMod {
    std::string_view folder; // the folder name, matched exactly
    RecordText record;
};

extern const std::array<KnownMod, 40> kKnownMods;

struct BaseGameRecord {
    std::string_view name; // display name and record file name
    std::array<std::string_view, data::ModRecord::kLineCount> lines;
};

// Free For All, Tournament, Capture The Flag, Team Deathmatch, in that order.
extern const std::array<BaseGameRecord, 4> kBaseGameRecords;

struct SkipFolders {
    std::array<std::string_view, 20> names;   // whole names
    std::array<std::string_view, 4> prefixes; // beginnings, trailing blanks included
};

// In lower case: a folder is no mod when its lower-cased name is one of the
// names or begins with one of the prefixes.
extern const SkipFolders kSkipFolders;

// The record text of a known mod folder: same letters, same case, no
// trimming; nullopt for any other folder.
std::optional<RecordText> knownModRecord(std::string_view folderName);

// The record text made for a folder without a table row: the folder name
// without blanks around it, no options, frag limit 0.
std::string genericModRecord(std::string_view folderName);

// True for folders that are never mods (the data folder, the base game,
// tools, copies of folders); letter case does not count.
bool isSkippedFolder(std::string_view folderName);

// The fields of a record text in order; text after the last "~" is dropped.
std::vector<std::string> recordFields(RecordText recordText);

} // namespace data
