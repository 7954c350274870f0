#pragma once
// A mod's record file: the display name with ".tvd" in the data folder, 24
// lines. Lines 1 to 12 define the mod (game folder, three options, the extra
// command line); lines 13 to 24 are the server settings last used with it.
// This type is the one place that knows which line holds what.
//
// Every line is kept as the text it was read as, so a record written back
// keeps what it held ("1 " as a shown flag stays "1 "). Check-box lines hold
// "0", "1" or "2" (greyed, from a hand-edited record).

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace data {

struct ModOption {
    std::string caption;     // lines 2, 5, 8
    std::string prefix;      // lines 3, 6, 9: the command prefix, e.g. "+set capturelimit"
    std::string shown = "0"; // lines 4, 7, 10: exactly "1" shows the option
    std::string value = "0"; // lines 16, 17, 18

    bool isShown() const { return shown == "1"; }
};

struct ModRecord {
    static constexpr std::size_t kLineCount = 24;
    static constexpr std::size_t kDefinitionLines = 12;

    // The definition.
    std::string folder; // line 1: the game folder (fs_game)
    std::array<ModOption, 3> options;
    std::string extraOn = "0"; // line 11: check box, the extra command line is passed
    std::string extraText;     // line 12: the extra command line

    // The server settings; a default record holds what a mod without a
    // readable record shows.
    std::string fragLimit = "0";     // line 13
    std::string timeLimit = "0";     // line 14
    std::string maxClients = "0";    // line 15
    std::string bots = "0";          // line 19: check box
    std::string dedicated = "0";     // line 20: check box
    std::string execConfig = "0";    // line 21: check box
    std::string configFile;          // line 22
    std::string closeOnLaunch = "0"; // line 23: check box
    std::string pureServer = "0";    // line 24: check box

    // The record of these lines; lines beyond the given ones keep their
    // defaults, lines beyond 24 are not looked at.
    static ModRecord fromLines(const std::vector<std::string>& lines);
    // The 24 lines, line 1 first.
    std::vector<std::string> lines() const;
    // Takes the server settings (lines 13 to 24) of another record and keeps
    // this record's definition.
    void takeSettingsOf(const ModRecord& other);

    // The value a check box takes from a record line (blanks around it
    // allowed, rounded to a whole number): 0, 1 or 2; nullopt for any other
    // text.
    static std::optional<int> checkValue(const std::string& line);
    // The line a check box value is stored as.
    static std::string checkText(int value);

    // The record file of a display name. A name that would lead out of the
    // data folder (it holds a path separator, or is "." or ".."), or that
    // would stand for one of the launcher's own files ("Settings" for
    // settings.tvd), names no file.
    static std::optional<std::string> path(const platform::FileSystem& fs,
                                           const std::string& displayName);
    // The path messages name for a record, as it would be formed.
    static std::string pathText(const platform::FileSystem& fs, const std::string& displayName);

    // The whole record; nullopt when the name names no file, the file cannot
    // be read or holds fewer than 24 lines.
    static std::optional<ModRecord> read(const platform::FileSystem& fs,
                                         const std::string& displayName);
    // The definition only: lines 1 to 12 (the settings take their defaults);
    // nullopt when the file cannot be read or holds fewer than 12 lines.
    static std::optional<ModRecord> readDefinition(const platform::FileSystem& fs,
                                                   const std::string& displayName);
    // Replaces the record file with the 24 lines. Fails when the name names
    // no file or the file could not be written (it then stays as it was).
    platform::WriteResult write(platform::FileSystem& fs, const std::string& displayName) const;
    // Deletes the record file of a display name; false when nothing was
    // deleted.
    static bool remove(platform::FileSystem& fs, const std::string& displayName);
};

} // namespace data
