#pragma once
// The one-line list text of every list file: each entry followed by "/".
// An empty list is an empty line; text after the last "/" is dropped; two
// "/" in a row give an empty entry.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "ui/ListItems.h"

namespace ui {
class ListBox;
}

namespace data {

std::vector<std::string> parseSlashList(std::string_view line);
std::string slashListLine(const std::vector<std::string>& entries);

// The entries of a list file's first line; nullopt when the file cannot be
// read or holds no line.
std::optional<std::vector<std::string>> readSlashListFile(const platform::FileSystem& fs,
                                                          const std::string& path);
// Rewrites a list file whole as one line. On failure the old file stays as it
// was.
platform::WriteResult writeSlashListFile(platform::FileSystem& fs, const std::string& path,
                                         const std::vector<std::string>& entries);

// Every entry of a list box, first to last.
std::vector<std::string> entriesOf(const ui::ListBox& list);
// readSlashListFile, each entry made a list entry (its text only).
std::optional<std::vector<ui::ListItem>> readListEntries(const platform::FileSystem& fs,
                                                         const std::string& path);
// The list entries of a list file that holds these bytes, as readListEntries
// reads them; nullopt when the bytes hold no line.
std::optional<std::vector<ui::ListItem>> listEntriesOfBytes(std::string_view bytes);
// Adds the entries of a list file to a list box (which sorts them when it
// is sorted). Leaves the list unchanged when the file cannot be read.
void appendSlashListFile(const platform::FileSystem& fs, const std::string& path,
                         ui::ListBox& list);

} // namespace data
