#pragma once
// Readable titles of well-known maps, keyed by the map's file name in lower
// case. The main window shows the title of the selected map, or the map name
// in lower case when the table has no row for it.

#include <span>
#include <string>
#include <string_view>

namespace data {

struct MapTitle {
    std::string_view key; // map name, lower case
    std::string_view title;
};

// Every row, in table order; no two rows share a key.
std::span<const MapTitle> mapTitleTable();

// The title shown for a map name: the row's title when the lower-cased name
// equals a key exactly, else the lower-cased name itself.
std::string mapTitle(std::string_view mapName);

} // namespace data
