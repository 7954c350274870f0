#pragma once
// Letter-case helpers for names: the game's files are matched without regard
// to case, and sorted lists order their entries that way too.
//
// The letters known here are those of Windows-1252 (the code page of files
// written on Windows): ASCII, the Latin-1 letters and Š, Œ, Ž, Ÿ, ƒ with
// their small forms. Every function below folds case through foldCase, so a
// lower-cased name, a match ignoring case and the sorted order always agree.

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The small letter of a capital letter; any other character unchanged.
char32_t foldCase(char32_t c);

// UTF-8 text with every letter folded to its small form; bytes that are not
// valid UTF-8 stay as they are.
std::string toLower(std::string_view s);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
// <0, 0, >0 comparing letter by letter after folding case. Accents count:
// "e" and "é" differ.
int compareIgnoreCase(std::string_view a, std::string_view b);

// File names as they are on disk, decoded as text read from a file is
// (decodeText: "Caf\xE9" in Windows-1252 is "Café") before their letters are
// compared or folded, so that a name written on Windows is found by the name
// that the data files give it. Two names that match have the same key.
bool namesMatchIgnoringCase(std::string_view a, std::string_view b);
std::string nameKey(std::string_view name);

// The order of sorted lists: accented letters go with their base letter
// ("Édith" among the e's, "Æ" as "ae"), letter case ignored; texts that tie
// are then ordered by their accents, then by their exact text, so identical
// texts always stand side by side.
bool sortsBefore(std::string_view a, std::string_view b);

// The first sixteen bytes of a text in plain ASCII, folded to small letters
// and packed so that comparing the numbers compares those bytes (a short
// text is filled up with zero bytes): where two texts' heads differ, they
// sort as their heads do. A text with a byte outside ASCII among its first
// sixteen has no such head.
struct SortHead {
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    bool plain = true;
};
SortHead sortHead(std::string_view text);

// Wildcard match ("*" and "?") without regard to case.
bool matchesPattern(std::string_view name, std::string_view pattern);

} // namespace platform
