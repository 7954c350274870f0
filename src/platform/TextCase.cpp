#include "platform/TextCase.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/Encoding.h"

namespace platform {
namespace {

// The code point at s[i], advancing i. A byte that starts no valid sequence
// stands for a value no letter has, so it is never folded.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const std::size_t len = utf8SequenceLength(s, i);
    if (len == 0)
        return 0xDC00U + static_cast<unsigned char>(s[i++]);
    const char32_t cp = utf8CodePoint(s, i, len);
    i += len;
    return cp;
}

// The base letters of a small letter with an accent or a ligature ("é" ->
// "e", "æ" -> "ae"); second is 0 when there is one. Any other character
// stands for itself.
struct BaseLetters {
    char32_t first;
    char32_t second;
};

BaseLetters baseLetters(char32_t c) {
    switch (c) {
    case 0xDF:
        return {'s', 's'}; // ß
    case 0xE6:
        return {'a', 'e'}; // æ
    case 0xFE:
        return {'t', 'h'}; // þ
    case 0x153:
        return {'o', 'e'}; // œ
    case 0x161:
        return {'s', 0}; // š
    case 0x17E:
        return {'z', 0}; // ž
    case 0x192:
        return {'f', 0}; // ƒ
    default:
        break;
    }
    if (c >= 0xE0 && c <= 0xFF) {
        // à..ÿ (æ and þ are handled above; ÷ is no letter).
        static constexpr std::u32string_view kBase = U"aaaaaaaceeeeiiiidnooooo\u00F7ouuuuyty";
        return {kBase[c - 0xE0], 0};
    }
    return {c, 0};
}

// The letters of a text folded to small letters without accents, one by one.
class BaseLetterStream {
  public:
    explicit BaseLetterStream(std::string_view s) : s_(s) {}

    bool next(char32_t& out) {
        if (pending_ != 0) {
            out = pending_;
            pending_ = 0;
            return true;
        }
        if (i_ >= s_.size())
            return false;
        const BaseLetters b = baseLetters(foldCase(nextCodePoint(s_, i_)));
        out = b.first;
        pending_ = b.second;
        return true;
    }

  private:
    std::string_view s_;
    std::size_t i_ = 0;
    char32_t pending_ = 0;
};

int compareBaseLetters(std::string_view a, std::string_view b) {
    BaseLetterStream sa(a);
    BaseLetterStream sb(b);
    while (true) {
        char32_t ca = 0;
        char32_t cb = 0;
        const bool moreA = sa.next(ca);
        const bool moreB = sb.next(cb);
        if (!moreA || !moreB)
            return moreA ? 1 : (moreB ? -1 : 0);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
}

} // namespace

char32_t foldCase(char32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) // À..Þ except ×
        return c + 32;
    switch (c) {
    case 0x152:
        return 0x153; // Œ
    case 0x160:
        return 0x161; // Š
    case 0x178:
        return 0xFF; // Ÿ
    case 0x17D:
        return 0x17E; // Ž
    default:
        return c;
    }
}

std::string toLower(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t len = utf8SequenceLength(s, i);
        if (len == 0) {
            out.push_back(s[i++]);
            continue;
        }
        const char32_t c = utf8CodePoint(s, i, len);
        const char32_t folded = foldCase(c);
        if (folded == c)
            out.append(s.substr(i, len));
        else
            appendUtf8(out, folded);
        i += len;
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

bool namesMatchIgnoringCase(std::string_view a, std::string_view b) {
    return equalsIgnoreCase(decodeText(a), decodeText(b));
}

std::string nameKey(std::string_view name) {
    return toLower(decodeText(name));
}

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Eight plain ASCII bytes (read in memory order) with their capitals made
// small: a byte from "A" to "Z" gets its high bit set by the first sum and
// keeps it clear in the second.
std::uint64_t smallLetters(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    const std::uint64_t fromA = word + kOnes * (0x80 - 'A');
    const std::uint64_t pastZ = word + kOnes * (0x80 - 'Z' - 1);
    const std::uint64_t capitals = fromA & ~pastZ & kHighBits;
    return word | (capitals >> 2);
}

} // namespace

bool sortsBefore(std::string_view a, std::string_view b) {
    // Plain ASCII letters are their own base letters, one per byte: up to the
    // first byte outside ASCII the order is that of the small letters.
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t i = 0;
    // Eight bytes at a time while both texts are plain ASCII there.
    for (; i + 8 <= common; i += 8) {
        std::uint64_t wa = 0;
        std::uint64_t wb = 0;
        std::memcpy(&wa, a.data() + i, 8);
        std::memcpy(&wb, b.data() + i, 8);
        if (((wa | wb) & kHighBits) != 0)
            break;
        wa = smallLetters(wa);
        wb = smallLetters(wb);
        if (wa != wb) {
            const std::uint64_t differ = wa ^ wb;
            const auto first = std::endian::native == std::endian::little
                                   ? static_cast<unsigned>(std::countr_zero(differ)) / 8 * 8
                                   : 56 - static_cast<unsigned>(std::countl_zero(differ)) / 8 * 8;
            return ((wa >> first) & 0xFFU) < ((wb >> first) & 0xFFU);
        }
    }
    for (; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca >= 0x80 || cb >= 0x80)
            break;
        const int la = ca >= 'A' && ca <= 'Z' ? ca + 32 : ca;
        const int lb = cb >= 'A' && cb <= 'Z' ? cb + 32 : cb;
        if (la != lb)
            return la < lb;
    }
    if (i == common && a.size() != b.size())
        return a.size() < b.size();
    if (i == common)
        return a < b;
    int c = compareBaseLetters(a, b);
    if (c == 0)
        c = compareIgnoreCase(a, b);
    return c != 0 ? c < 0 : a < b;
}

SortHead sortHead(std::string_view text) {
    unsigned char bytes[16] = {};
    std::memcpy(bytes, text.data(), std::min<std::size_t>(text.size(), sizeof bytes));
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    std::memcpy(&first, bytes, 8);
    std::memcpy(&second, bytes + 8, 8);
    SortHead head;
    if (((first | second) & kHighBits) != 0) {
        head.plain = false;
        return head;
    }
    // The first byte in memory becomes the most significant one.
    const auto inOrder = [](std::uint64_t word) {
        return std::endian::native == std::endian::little ? __builtin_bswap64(word) : word;
    };
    head.first = inOrder(smallLetters(first));
    head.second = inOrder(smallLetters(second));
    return head;
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
