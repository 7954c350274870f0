#pragma once
// Text read from files: UTF-8 is kept; anything else is taken as
// Windows-1252, the code page of files written by the original program.

#include <string>
#include <string_view>

namespace platform {

bool isValidUtf8(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);
// UTF-8 as it stands, or the Windows-1252 reading of it when it is not UTF-8.
std::string decodeText(std::string_view bytes);
// Number of characters (code points) of UTF-8 text.
std::size_t characterCount(std::string_view utf8);
// The first `count` characters of UTF-8 text.
std::string firstCharacters(std::string_view utf8, std::size_t count);

} // namespace platform
