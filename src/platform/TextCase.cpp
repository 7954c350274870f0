#include "platform/TextCase.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace platform {
namespace {

// Decodes one UTF-8 code point at s[i]; invalid bytes stand for themselves.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    auto cont = [&](std::size_t k) {
        return i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0U) == 0x80U;
    };
    if (b0 < 0x80U) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0U) == 0xC0U && cont(1)) {
        const char32_t cp = ((b0 & 0x1FU) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3FU);
        i += 2;
        return cp;
    }
    if ((b0 & 0xF0U) == 0xE0U && cont(1) && cont(2)) {
        const char32_t cp = ((b0 & 0x0FU) << 12) |
                            ((static_cast<unsigned char>(s[i + 1]) & 0x3FU) << 6) |
                            (static_cast<unsigned char>(s[i + 2]) & 0x3FU);
        i += 3;
        return cp;
    }
    if ((b0 & 0xF8U) == 0xF0U && cont(1) && cont(2) && cont(3)) {
        const char32_t cp = ((b0 & 0x07U) << 18) |
                            ((static_cast<unsigned char>(s[i + 1]) & 0x3FU) << 12) |
                            ((static_cast<unsigned char>(s[i + 2]) & 0x3FU) << 6) |
                            (static_cast<unsigned char>(s[i + 3]) & 0x3FU);
        i += 4;
        return cp;
    }
    ++i;
    return b0;
}

char32_t foldCase(char32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    // Latin-1 capitals À..Þ except ×
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    return c;
}

} // namespace

std::string toLower(std::string_view s) {
    std::string out(s);
    for (auto& ch : out) {
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    }
    return out;
}

int compareIgnoreCase(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = foldCase(nextCodePoint(a, i));
        const char32_t cb = foldCase(nextCodePoint(b, j));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return compareIgnoreCase(a, b) == 0;
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
    const std::string n = toLower(name);
    const std::string p = toLower(pattern);
    // Iterative wildcard match with backtracking on the last "*".
    std::size_t ni = 0, pi = 0, star = std::string::npos, mark = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
            ++ni;
            ++pi;
        } else if (pi < p.size() && p[pi] == '*') {
            star = pi++;
            mark = ni;
        } else if (star != std::string::npos) {
            pi = star + 1;
            ni = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*')
        ++pi;
    return pi == p.size();
}

} // namespace platform
