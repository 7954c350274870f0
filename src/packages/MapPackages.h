#pragma once
// The game's own packages, which map detection never opens: their maps are
// known by name, and some hold no maps at all. Every other package is read
// by the scanner.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace packages {

// The maps that the package of this file name is known to hold (empty for a
// package known to hold none), or nullopt for a package to be scanned. The
// names are compared exactly, letter case included.
std::optional<std::vector<std::string>> knownPackageMaps(std::string_view fileName);

} // namespace packages
