#pragma once
// Letter-case helpers for names: the game's files are matched without regard
// to case, and sorted lists order their entries that way too.

#include <string>
#include <string_view>

namespace platform {

std::string toLower(std::string_view s);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
// <0, 0, >0 comparing without regard to letter case (ASCII letters and the
// Latin-1 letters of UTF-8 text).
int compareIgnoreCase(std::string_view a, std::string_view b);
// Wildcard match ("*" and "?") without regard to case.
bool matchesPattern(std::string_view name, std::string_view pattern);

} // namespace platform
