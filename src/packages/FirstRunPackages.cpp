#include "packages/FirstRunPackages.h"

#include "packages/BotPackages.h"
#include "packages/MapPackages.h"

namespace packages {

std::optional<FirstRunFinds> firstRunPackage(std::string_view fileName) {
    if (fileName == "pak0.pk3")
        return FirstRunFinds{*knownPackageMaps(fileName), stockBotList()};
    // The map packages, then the bot packages, as the map and bot windows
    // know them.
    for (const std::string_view maps : {"pak2.pk3", "twpak0.pk3"}) {
        if (fileName == maps)
            return FirstRunFinds{*knownPackageMaps(fileName), {}};
    }
    for (const std::string_view bots :
         {"q3_harley_bot.pk3", "q3_harley.pk3", "q3_Torvel_bot.pk3"}) {
        if (fileName == bots)
            return FirstRunFinds{{}, *knownBotPackage(fileName)};
    }
    if (fileName == "pak1.pk3" || fileName == "pak4.pk3")
        return FirstRunFinds{};
    return std::nullopt;
}

} // namespace packages
