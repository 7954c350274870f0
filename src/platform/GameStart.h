#pragma once
// What actually runs when the launcher starts the game on this platform.
// The game's command line names "Quake3.exe"; players here have either that
// Windows program (run through Wine) or the open-source engine installed as
// a command ("ioquake3", or "quake3"). Standard C++ only, so the look-up can
// be tested without starting anything.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct GameStart {
    std::string program;                // full path of what is executed
    std::vector<std::string> arguments; // everything after the program
};

// Finds the program for the split command line `args`:
// 1. the first argument, in any letter case, in the launcher's folder, then
//    in the game directory;
// 2. for the game executable only, when neither folder has it, the engine
//    commands "ioquake3" then "quake3" on `searchPath` (a PATH value).
// A Windows program (it starts with "MZ") found in step 1 runs through
// "wine" from `searchPath`. The arguments after the first are passed on as
// they stand in every case. nullopt when nothing can be started.
std::optional<GameStart> findGameStart(const std::vector<std::string>& args,
                                       const std::string& launcherFolder,
                                       const std::string& gameDirectory,
                                       std::string_view searchPath);

// An executable file named exactly `name` in one of the folders of a PATH
// value (folders separated by ":"; empty entries are skipped).
std::optional<std::string> findOnPath(const std::string& name, std::string_view searchPath);

} // namespace platform
