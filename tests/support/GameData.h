#pragma once
// Data files of a game that has been used before, for the tests and the
// benchmark: mod records, and a whole used game.

#include <string>
#include <vector>

#include "support/GameDir.h"

namespace testsupport {

// The twelve settings of a record: frag, time, max clients, option values
// 1 to 3, bots, dedicated, exec cfg, config file, close, pure.
std::vector<std::string> someSettings();

// A 24-line mod record for a game folder: option 1 shown, options 2 and 3
// hidden, extra command line off.
std::vector<std::string> modRecord(const std::string& folder,
                                   const std::vector<std::string>& settings = someSettings());

// A 24-line mod record without options or extra command line, with these
// limits and the bots box, the other boxes off and "config.cfg".
std::vector<std::string> modRecord(const std::string& folder, const std::string& frag,
                                   const std::string& time, const std::string& maxClients,
                                   bool bots = false);

// Splits a file's bytes into its CR LF lines.
std::vector<std::string> linesOf(const std::string& bytes);

// First run done; maps q3dm1, q3dm17 and q3dm7; mods baseq3 and "OSP
// Tourney" (folder osp); the second map and the first mod selected, host
// "My Server", single-map mode; a roster of two bots, Sarge selected.
void writeUsedGame(const GameDir& game);

} // namespace testsupport
