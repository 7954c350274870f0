#pragma once
// The bots of the game's own packages. The stock package holds the 32 bots
// that come with the game; a few well-known add-on packages are known by
// their file name, so bot detection never opens them.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace packages {

// The bots of "pak0.pk3", in the order they are added.
inline constexpr std::array<std::string_view, 32> kStockBots = {
    "Anarki", "Angel",  "Biker",  "Bitterman", "Bones",  "Cadavre", "Crash", "Daemia",
    "Doom",   "Gorre",  "Grunt",  "Hossman",   "Hunter", "Keel",    "Klesk", "Lucy",
    "Major",  "Mynx",   "Orbb",   "Patriot",   "Phobos", "Ranger",  "Razor", "Sarge",
    "Slash",  "Sorlag", "Stripe", "TankJR",    "Uriel",  "Visor",   "Wrack", "Xaero"};

// The roster entries of the stock bots, each with the default suffix.
std::vector<std::string> stockBotList();

// What bot detection does with a package, by its file name exactly as the
// folder lists it (letter case counts): the entries to add (none for a
// package known to hold no bots), or nullopt when the package must be
// scanned.
std::optional<std::vector<std::string>> knownBotPackage(std::string_view fileName);

} // namespace packages
