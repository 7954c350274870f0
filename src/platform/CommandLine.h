#pragma once
// Splitting a command line into arguments the way the game's own platform
// reads it: blanks separate and double quotes group; nothing else is special
// (a backslash is an ordinary character, also before a quote). And
// finding the game executable without regard to letter case.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

std::vector<std::string> splitCommandLine(std::string_view commandLine);

// Looks for a file named `name` (any letter case) in each folder in turn.
std::optional<std::string> findExecutable(const std::string& name,
                                          const std::vector<std::string>& folders);

// The folder that holds the running program ("" when it cannot be told).
std::string launcherFolder();

} // namespace platform
