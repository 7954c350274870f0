#pragma once
// What the package scanner looks for in a package: the map rule and the bot
// rule over the entry names, under a scan mode. Standard C++ only, so that
// the scanner's tests, fuzzer and benchmark use it without any window.

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace packages {

// What the scanner looks for in a package. None walks the package and adds
// nothing.
enum class ScanMode { None, Maps, Bots, MapsAndBots };

// The map name of an entry such as maps/q3dm1.bsp ("q3dm1"): the name less
// its first 5 and last 4 characters, for a name starting with "maps" in any
// case and ending in "bsp" in lower case. Nullopt for any other name, for
// one too short to cut, and when the map name would hold a control
// character (a line break among them) or "/" (maps/sub/x.bsp).
std::optional<std::string> mapNameOf(std::string_view entryName);
// The bot name of an entry such as botfiles/bots/sarge_c.c ("Sarge"): the
// 15th character in upper case and the characters from the 16th up to the
// "_c.c", for a name starting with "botfiles/bots" in any case. Nullopt for
// any other name, for one too short to cut, and when the bot name would
// hold a control character or "/".
std::optional<std::string> botNameOf(std::string_view entryName);

// What one package holds under a scan mode, in file order: map names and
// roster entries (bot name and the default suffix).
struct PackageFinds {
    std::vector<std::string> maps;
    std::vector<std::string> bots;
};
PackageFinds findInPackage(std::istream& package, ScanMode mode);

} // namespace packages
