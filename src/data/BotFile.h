#pragma once
// bots.tvd, the bot roster between runs: two lines. Line 1 holds every
// roster entry in list order, each followed by "/"; line 2 the positions of
// the selected entries, ascending, each followed by "/". When nothing is
// selected line 2 is "x" or empty, depending on who writes it; a reader
// takes both as "nothing selected". The file is always rewritten whole.

#include <string>

#include "data/DataFolder.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"

namespace ui {
class ListBox;
}

namespace data {

std::string botFilePath(const platform::FileSystem& fs);

// What line 2 holds when no entry is selected.
enum class NoSelection { LetterX, EmptyLine };

// Line 2 for the roster as it stands.
std::string botSelectionLine(const ui::ListBox& roster, NoSelection whenNone);

// Writes the roster and its selection. On failure the old file stays as it
// was.
platform::WriteResult writeBotFile(platform::FileSystem& fs, const ui::ListBox& roster,
                                   NoSelection whenNone);
// What the user is told when bots.tvd could not be written for `reason`;
// `alsoLost` adds what else that failure costs.
std::string botFileWriteFailedMessage(const platform::FileSystem& fs, const std::string& reason,
                                      const std::string& alsoLost = {});
// writeBotFile, telling the user of a failure with the message above. False
// on failure; the roster on screen stays as it is either way.
bool writeBotFileOrTell(platform::Services& services, const ui::ListBox& roster,
                        NoSelection whenNone, const std::string& alsoLost = {});
// Writes the file of an empty roster, two empty lines, telling the user of
// a failure as above. False on failure.
bool writeClearedBotFileOrTell(platform::Services& services);

// Adds the entries of bots.tvd to the roster (which sorts them) and selects
// the entries that line 2 names. Nothing happens when the file cannot be
// read or has no second line. The walk over line 2 stops at the first piece
// that is not a position in the roster; the pieces before it stay applied.
void restoreRoster(const platform::FileSystem& fs, ui::ListBox& roster);

} // namespace data
