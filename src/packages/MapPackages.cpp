#include "packages/MapPackages.h"

namespace packages {

std::optional<std::vector<std::string>> knownPackageMaps(std::string_view fileName) {
    if (fileName == "pak0.pk3") {
        return std::vector<std::string>{
            "q3dm0",      "q3dm1",      "q3dm2",      "q3dm3",      "q3dm4",      "q3dm5",
            "q3dm6",      "q3dm7",      "q3dm8",      "q3dm9",      "q3dm10",     "q3dm11",
            "q3dm12",     "q3dm13",     "q3dm14",     "q3dm15",     "q3dm16",     "q3dm17",
            "q3dm18",     "q3dm19",     "q3tourney1", "q3tourney2", "q3tourney3", "q3tourney4",
            "q3tourney5", "q3tourney6", "q3ctf1",     "q3ctf2",     "q3ctf3",     "q3ctf4"};
    }
    if (fileName == "pak2.pk3")
        return std::vector<std::string>{"q3tourney6_ctf"};
    if (fileName == "twpak0.pk3")
        return std::vector<std::string>{"q3wctf1", "q3wctf2", "q3wctf3", "q3wctf4"};
    // Bot and model packs, and the stock packages without maps.
    if (fileName.starts_with("bot-") || fileName.starts_with("md3-") || fileName == "pak1.pk3" ||
        fileName == "pak4.pk3")
        return std::vector<std::string>{};
    return std::nullopt;
}

} // namespace packages
