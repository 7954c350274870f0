#include "data/NumberText.h"

#include <cmath>
#include <limits>

#include "ui/Errors.h"

namespace data {

std::string signPaddedNumber(long long n) {
    std::string text = std::to_string(n);
    if (n >= 0)
        text.insert(text.begin(), ' ');
    return text;
}

std::string plainNumber(long long n) {
    return std::to_string(n);
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

long long roundHalfEven(double v) {
    if (!std::isfinite(v) || v > 9.0e18 || v < -9.0e18)
        return std::numeric_limits<long long>::min();
    return static_cast<long long>(std::nearbyint(v)); // default mode: halves to even
}

// Parses [sign] digits [. digits] [E[sign]digits] at s[i]; returns false when
// no digit was found.
bool parseNumber(std::string_view s, std::size_t& i, double& out) {
    std::string buf;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        buf.push_back(s[i++]);
    bool digits = false;
    while (i < s.size() && isDigit(s[i])) {
        buf.push_back(s[i++]);
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        buf.push_back(s[i++]);
        while (i < s.size() && isDigit(s[i])) {
            buf.push_back(s[i++]);
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exp.push_back(s[j++]);
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                exp.push_back(s[j++]);
            buf += exp;
            i = j;
        }
    }
    out = std::strtod(buf.c_str(), nullptr);
    return true;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

double leadingValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    double v = 0;
    if (!parseNumber(text, i, v))
        return 0;
    return v;
}

long long leadingNumber(std::string_view text) {
    return roundHalfEven(leadingValue(text));
}

long long wholeNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    double v = 0;
    if (!parseNumber(text, i, v))
        throw ui::RuntimeError(ui::kTypeMismatch, "Type mismatch");
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i != text.size())
        throw ui::RuntimeError(ui::kTypeMismatch, "Type mismatch");
    const long long n = roundHalfEven(v);
    if (n == std::numeric_limits<long long>::min())
        throw ui::RuntimeError(6, "Overflow");
    return n;
}

std::string trimmed(std::string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    return std::string(text.substr(b, e - b));
}

} // namespace data
