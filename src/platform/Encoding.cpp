#include "platform/Encoding.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace platform {

namespace {

bool isContinuation(std::string_view s, std::size_t k) {
    return k < s.size() && (static_cast<unsigned char>(s[k]) & 0xC0U) == 0x80U;
}

} // namespace

std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80U)
        return 1;
    std::size_t len = 0;
    if (c >= 0xC2U && c <= 0xDFU)
        len = 2;
    else if (c >= 0xE0U && c <= 0xEFU)
        len = 3;
    else if (c >= 0xF0U && c <= 0xF4U)
        len = 4;
    else
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        if (!isContinuation(s, i + k))
            return 0;
    }
    // The second byte rules out overlong forms, surrogates and code points
    // above U+10FFFF.
    const auto c1 = static_cast<unsigned char>(s[i + 1]);
    if ((c == 0xE0U && c1 < 0xA0U) || (c == 0xEDU && c1 > 0x9FU) || (c == 0xF0U && c1 < 0x90U) ||
        (c == 0xF4U && c1 > 0x8FU))
        return 0;
    return len;
}

char32_t utf8CodePoint(std::string_view s, std::size_t i, std::size_t length) {
    static constexpr unsigned char kLeadMask[] = {0, 0x7FU, 0x1FU, 0x0FU, 0x07U};
    char32_t cp = static_cast<unsigned char>(s[i]) & kLeadMask[length];
    for (std::size_t k = 1; k < length; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3FU);
    return cp;
}

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t len = utf8SequenceLength(s, i);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

namespace {
// Code points of Windows-1252 bytes 0x80..0x9F; 0 where the code page has a hole.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

namespace {
char32_t windows1252Char(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F && kHigh[c - 0x80] != 0)
        return kHigh[c - 0x80];
    return c;
}
} // namespace

std::string windows1252ToUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 4);
    for (const char ch : s)
        appendUtf8(out, windows1252Char(static_cast<unsigned char>(ch)));
    return out;
}

namespace {

// The end of the run of plain ASCII bytes that starts at `from`, looked at
// eight bytes at a time.
std::size_t plainAsciiEnd(std::string_view bytes, std::size_t from) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t i = from;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + i, 8);
        if ((word & kHighBits) != 0)
            break;
    }
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80U)
        ++i;
    return i;
}

// Where the line that starts at `from` ends: its CR or LF, or the end.
std::size_t lineEnd(std::string_view bytes, std::size_t from) {
    const char* begin = bytes.data() + from;
    const std::size_t rest = bytes.size() - from;
    const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', rest));
    const std::size_t toLf = lf != nullptr ? static_cast<std::size_t>(lf - begin) : rest;
    const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', toLf));
    const std::size_t length = cr != nullptr ? static_cast<std::size_t>(cr - begin) : toLf;
    return length == rest ? std::string_view::npos : from + length;
}

} // namespace

std::string decodeText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        // A run of plain ASCII goes over as it stands.
        std::size_t ascii = plainAsciiEnd(bytes, i);
        out.append(bytes.substr(i, ascii - i));
        i = ascii;
        if (i == bytes.size())
            break;
        const std::size_t len = utf8SequenceLength(bytes, i);
        if (len == 0) {
            appendUtf8(out, windows1252Char(static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            out.append(bytes.substr(i, len));
            i += len;
        }
    }
    return out;
}

std::vector<std::string> splitLines(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    // A line ends at CR LF, LF or a lone CR; text after the last line end
    // is a last line of its own.
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = lineEnd(bytes, start);
        if (end == std::string_view::npos) {
            lines.push_back(decodeText(bytes.substr(start)));
            break;
        }
        lines.push_back(decodeText(bytes.substr(start, end - start)));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

std::size_t characterCount(std::string_view s) {
    std::size_t n = 0;
    for (const char ch : s) {
        if ((static_cast<unsigned char>(ch) & 0xC0U) != 0x80U)
            ++n;
    }
    return n;
}

std::string firstCharacters(std::string_view s, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0U) != 0x80U) {
            if (seen == count)
                return std::string(s.substr(0, i));
            ++seen;
        }
    }
    return std::string(s);
}

} // namespace platform
