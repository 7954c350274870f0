#pragma once
// The packages that the first-run pass knows by name: it serves the map
// catalogue and the bot roster at once, so the stock package adds the stock
// maps and the stock bots. Unlike map detection it has no rule on the
// prefixes "bot-" and "md3-", and unlike bot detection no "pak3.pk3" row:
// those packages are scanned.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace packages {

struct FirstRunFinds {
    std::vector<std::string> maps;
    std::vector<std::string> bots; // roster entries
};

// What the package of this file name adds (perhaps nothing), compared
// exactly, letter case included; nullopt for a package to be scanned.
std::optional<FirstRunFinds> firstRunPackage(std::string_view fileName);

} // namespace packages
