#pragma once
// Data folders of a game that has been used before: maps, mods with their
// records, settings and a bot roster.

#include <string>
#include <vector>

#include "support/GuiSupport.h"

namespace guitest {

// A 24-line mod record: the game folder, no options and no extra command
// line, then frag limit, time limit and maximum clients, the option values,
// and the check boxes bots, dedicated, exec cfg, close and pure.
std::vector<std::string> modRecord(const std::string& folder, const std::string& frag,
                                   const std::string& time, const std::string& maxClients,
                                   bool bots = false);

// First run done; maps q3dm1, q3dm17 and q3dm7; mods baseq3 and "OSP
// Tourney" (folder osp); the second map and the first mod selected, host
// "My Server", single-map mode; a roster of two bots, Sarge selected.
void writeUsedGame(const GameDir& game);

} // namespace guitest
