#include "packages/BotPackages.h"

#include "data/BotEntry.h"

namespace packages {

std::vector<std::string> stockBotList() {
    std::vector<std::string> entries;
    entries.reserve(kStockBots.size());
    for (const auto name : kStockBots)
        entries.push_back(data::defaultBotEntry(name));
    return entries;
}

std::optional<std::vector<std::string>> knownBotPackage(std::string_view fileName) {
    // Tested in this order; the first row whose name matches decides.
    static const struct {
        std::string_view file;
        std::string_view bot; // empty: the package adds no bot
    } rows[] = {
        {"q3_harley_bot.pk3", "Harley"},
        {"q3_harley.pk3", ""},
        {"twpak0.pk3", ""},
        {"q3_Torvel_bot.pk3", "Varnok"},
        {"pak1.pk3", ""},
        {"pak2.pk3", ""},
        {"pak3.pk3", ""},
        {"pak4.pk3", ""},
    };
    if (fileName == "pak0.pk3")
        return stockBotList();
    for (const auto& row : rows) {
        if (row.file != fileName)
            continue;
        if (row.bot.empty())
            return std::vector<std::string>{};
        return std::vector<std::string>{data::defaultBotEntry(row.bot)};
    }
    return std::nullopt;
}

} // namespace packages
