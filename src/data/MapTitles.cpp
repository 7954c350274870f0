// Map titles: the built-in table and the lookup.
#include "data/MapTitles.h"

#include <array>

#include "platform/TextCase.h"

namespace data {

namespace {

constexpr std::array<MapTitle, 53> kTable{{
    // The game's own maps.
    {"q3dm0", "Introduction"},
    {"q3dm1", "Arena Gate"},
    {"q3dm2", "House Of Pain"},
    {"q3dm3", "Arena Of Death"},
    {"q3dm4", "The Place Of Many Deaths"},
    {"q3dm5", "The Forgotton Place"},
    {"q3dm6", "The Campgrounds"},
    {"q3dm7", "Temple Of Retribution"},
    {"q3dm8", "Brimstone Abbey"},
    {"q3dm9", "Hero's Keep"},
    {"q3dm10", "The Nameless Place"},
    {"q3dm11", "Deva Station"},
    {"q3dm12", "The Dredwerkz"},
    {"q3dm13", "Lost World"},
    {"q3dm14", "Grim Dungeons"},
    {"q3dm15", "Demon Keep"},
    {"q3dm16", "The Bouncy Map"},
    {"q3dm17", "The Longest Yard"},
    {"q3dm18", "Space Chamber"},
    {"q3dm19", "Apocalypse Vaid"},
    {"q3tourney1", "Powerstation 0218"},
    {"q3tourney2", "The Proving Grounds"},
    {"q3tourney3", "Hell's Gate"},
    {"q3tourney4", "Vertical Vengeance"},
    {"q3tourney5", "Fatal Instinct"},
    {"q3tourney6", "The Very End Of You"},
    {"q3ctf1", "Dueling Keeps"},
    {"q3ctf2", "Troubled Waters"},
    {"q3ctf3", "The Stronghold"},
    {"q3ctf4", "Space CTF"},
    {"q3wctf1", "Bloodlust"},
    {"q3wctf2", "Courtyard Conundrum"},
    {"q3wctf3", "Finnegan's Revenge"},
    {"q3tourney6_ctf", "Across Space"},
    // Add-on maps.
    {"chill", "Castle Hill for Q3F"},
    {"jk_dm4", "A Very Bad Place"},
    {"torvel1", "[ZRN]Torvel: The Prince Of Darkness"},
    {"torvel3", "[ZRN]Torvel: Lonely Nights"},
    {"torvel6", "[ZRN]Torvel: Battledome"},
    {"torvelctf1", "[ZRN]Torvel: ZRN CTF"},
    {"mapel4", "Can I Take It To The Bridge?"},
    {"mario", "Mario Arena"},
    {"pellion1", "[ZRN]Pellion: The Curse Of Europe"},
    {"pellion5", "[ZRN]Pellion: The Resurrection"},
    {"mq3", "Don't Stop"},
    {"phlxydm1", "The Cross Of Pain"},
    {"q2dm1", "Unauthorized Conversion Of The Edge"},
    {"q2dm8", "Unauthorized Conversion Of Warehouse"},
    {"q3_q2dm1", "Unauthorized Conversion Of The Edge"},
    {"q3q2dm1", "Unauthorized Conversion Of The Edge"},
    {"q3q2dm8", "Unauthorized Conversion Of Warehouse"},
    {"quatrix", "Quatrix"},
    {"runtfest", "Size Doesn't Matter"},
}};

} // namespace

std::span<const MapTitle> mapTitleTable() {
    return kTable;
}

std::string mapTitle(std::string_view mapName) {
    const std::string key = platform::toLower(mapName);
    for (const MapTitle& row : kTable) {
        if (row.key == key)
            return std::string(row.title);
    }
    return key;
}

} // namespace data
