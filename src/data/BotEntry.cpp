#include "data/BotEntry.h"

#include <vector>

#include "platform/Encoding.h"

namespace data {

namespace {

// Byte offset of every character of UTF-8 text, and the text's size last.
std::vector<std::size_t> characterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U)
            starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

} // namespace

std::string BotEntry::text() const {
    return name + " - " + skill + " - " + team + " - " + delay;
}

std::optional<BotEntry> BotEntry::cut(std::string_view entry) {
    const auto starts = characterStarts(entry);
    const std::size_t length = starts.size() - 1;
    if (length < kBotTailLength)
        return std::nullopt;
    // Characters [from, from + count) of the entry, counted from 0.
    const auto piece = [&](std::size_t from, std::size_t count) {
        return std::string(entry.substr(starts[from], starts[from + count] - starts[from]));
    };
    BotEntry bot;
    bot.name = piece(0, length - kBotTailLength);
    bot.skill = piece(length - 14, kSkillWidth);
    bot.team = piece(length - 10, kTeamWidth);
    bot.delay = piece(length - kDelayWidth, kDelayWidth);
    return bot;
}

std::string defaultBotEntry(std::string_view name) {
    return std::string(name) + kDefaultBotSuffix;
}

std::optional<std::string> fitBotField(std::string_view typed, std::size_t width) {
    const std::size_t length = platform::characterCount(typed);
    if (length > width)
        return std::nullopt;
    return std::string(typed) + std::string(width - length, ' ');
}

} // namespace data
