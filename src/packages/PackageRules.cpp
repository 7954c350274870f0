#include "packages/PackageRules.h"

#include "data/BotEntry.h"
#include "packages/PackageWalk.h"
#include "platform/Encoding.h"
#include "platform/TextCase.h"

namespace packages {

namespace {

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// Byte offset of the character at `index` (0-based) counted from the start.
std::size_t byteOfCharacter(std::string_view s, std::size_t index) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!isContinuation(s[i]) && seen++ == index)
            return i;
    }
    return s.size();
}

// Byte offset where the last `count` characters begin.
std::size_t byteOfLastCharacters(std::string_view s, std::size_t count) {
    std::size_t i = s.size();
    while (count > 0 && i > 0) {
        --i;
        if (!isContinuation(s[i]))
            --count;
    }
    return i;
}

// The characters of `s` less the first `front` and the last `back`; the
// caller has made sure that there are enough.
std::string_view middle(std::string_view s, std::size_t front, std::size_t back) {
    const std::size_t from = byteOfCharacter(s, front);
    const std::size_t to = byteOfLastCharacters(s, back);
    return s.substr(from, to - from);
}

// The prefix is plain ASCII, and no other character folds to an ASCII
// letter, so the bytes compare one by one.
bool startsWithIgnoreCase(std::string_view s, std::string_view lowerPrefix) {
    if (s.size() < lowerPrefix.size())
        return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c >= 'A' && c <= 'Z' ? c + 32 : c) != static_cast<unsigned char>(lowerPrefix[i]))
            return false;
    }
    return true;
}

// Upper case of one character (UTF-8), as the Windows-1252 code page has it.
std::string upperCharacter(std::string_view c) {
    if (c.size() == 1 && c[0] >= 'a' && c[0] <= 'z')
        return std::string(1, static_cast<char>(c[0] - 'a' + 'A'));
    if (c.size() != 2)
        return std::string(c);
    const auto b0 = static_cast<unsigned char>(c[0]);
    const auto b1 = static_cast<unsigned char>(c[1]);
    const unsigned cp = ((b0 & 0x1FU) << 6) | (b1 & 0x3FU);
    unsigned up = cp;
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7)
        up = cp - 0x20;
    else if (cp == 0xFF)
        up = 0x178;
    else if (cp == 0x161 || cp == 0x153 || cp == 0x17E)
        up = cp - 1;
    std::string out;
    out += static_cast<char>(0xC0U | (up >> 6));
    out += static_cast<char>(0x80U | (up & 0x3FU));
    return out;
}

// A name the list files can hold and read back as the one name it is: no
// line break or other control character, no "/" (which ends an entry).
std::optional<std::string> usable(std::string name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20U || c == '/')
            return std::nullopt;
    }
    return name;
}

} // namespace

std::optional<std::string> mapNameOf(std::string_view entryName) {
    if (!startsWithIgnoreCase(entryName, "maps") || !entryName.ends_with("bsp"))
        return std::nullopt;
    if (platform::characterCount(entryName) < 9)
        return std::nullopt;
    return usable(std::string(middle(entryName, 5, 4)));
}

std::optional<std::string> botNameOf(std::string_view entryName) {
    if (!startsWithIgnoreCase(entryName, "botfiles/bots") || !entryName.ends_with("_c.c"))
        return std::nullopt;
    if (platform::characterCount(entryName) < 19)
        return std::nullopt;
    const std::size_t first = byteOfCharacter(entryName, 14);
    const std::size_t rest = byteOfCharacter(entryName, 15);
    return usable(upperCharacter(entryName.substr(first, rest - first)) +
                  std::string(middle(entryName, 15, 4)));
}

PackageFinds findInPackage(std::istream& package, ScanMode mode) {
    PackageFinds finds;
    const bool maps = mode == ScanMode::Maps || mode == ScanMode::MapsAndBots;
    const bool bots = mode == ScanMode::Bots || mode == ScanMode::MapsAndBots;
    walkPackage(package, [&](const PackageEntry& entry) {
        if (maps) {
            if (auto map = mapNameOf(entry.name))
                finds.maps.push_back(std::move(*map));
        }
        if (bots) {
            if (auto bot = botNameOf(entry.name))
                finds.bots.push_back(data::defaultBotEntry(*bot));
        }
    });
    return finds;
}

} // namespace packages
