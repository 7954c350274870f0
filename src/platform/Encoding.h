#pragma once
// Text read from files: valid UTF-8 is kept, and any other byte is taken as
// its Windows-1252 character, the code page of files and names written on
// Windows. Decoding goes byte by byte, so one foreign byte never changes how
// the rest of a line is read.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Length of the valid UTF-8 sequence that starts at s[i] (shortest form, no
// surrogates, at most U+10FFFF), or 0 when none starts there.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i);
// The code point of the valid sequence of `length` bytes at s[i].
char32_t utf8CodePoint(std::string_view s, std::size_t i, std::size_t length);
bool isValidUtf8(std::string_view bytes);
// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t cp);
// Each byte read as its Windows-1252 character.
std::string windows1252ToUtf8(std::string_view bytes);
// Valid UTF-8 sequences as they stand, every other byte as its Windows-1252
// character.
std::string decodeText(std::string_view bytes);
// The lines of a text file's bytes: CR LF, LF and a lone CR end a line, a
// UTF-8 byte-order mark at the start is skipped, and each line is decoded
// as above.
std::vector<std::string> splitLines(std::string_view bytes);
// Number of characters (code points) of UTF-8 text.
std::size_t characterCount(std::string_view utf8);
// The first `count` characters of UTF-8 text.
std::string firstCharacters(std::string_view utf8, std::size_t count);

} // namespace platform
