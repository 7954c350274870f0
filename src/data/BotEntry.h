#pragma once
// The text of one bot in the roster and in bots.tvd: name, " - ", skill
// (1 character), " - ", team (4 characters, "red " or "blue"), " - ", delay
// (3 characters, "0  ", "25 ", "75 " or "100"). The part after the name is
// always 17 characters, so every reader cuts an entry by position from its
// end; a name may itself hold " - ". Lengths count characters, not bytes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace data {

// Behind the name of every bot found in the game's packages: skill 5, team
// red, no delay.
inline constexpr const char* kDefaultBotSuffix = " - 5 - red  - 0  ";
// Characters after the name.
inline constexpr std::size_t kBotTailLength = 17;
inline constexpr std::size_t kSkillWidth = 1;
inline constexpr std::size_t kTeamWidth = 4;
inline constexpr std::size_t kDelayWidth = 3;

struct BotEntry {
    std::string name;
    std::string skill;
    std::string team;
    std::string delay;

    // The four values joined with " - ", as they stand.
    std::string text() const;

    // Cut by position from the end: name = all but the last 17 characters,
    // skill = the character 13 from the end, team = the 4 characters from 9
    // from the end, delay = the last 3. Nothing is trimmed. Nullopt for an
    // entry shorter than the 17-character tail, which cannot be cut.
    static std::optional<BotEntry> cut(std::string_view entry);
};

// The entry of a bot found in a package: the name and the default suffix.
std::string defaultBotEntry(std::string_view name);

// A typed skill, team or delay made to fit its field: a shorter text is
// filled with blanks to the width; a longer one does not fit (nullopt).
std::optional<std::string> fitBotField(std::string_view typed, std::size_t width);

} // namespace data
