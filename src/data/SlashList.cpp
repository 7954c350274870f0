#include "data/SlashList.h"

#include <algorithm>
#include <type_traits>

#include "platform/Encoding.h"
#include "ui/ListBox.h"

namespace data {

namespace {

// Each piece of the line that a "/" ends, made into an Entry from its text.
template <class Entry> std::vector<Entry> piecesOf(std::string_view line) {
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(std::count(line.begin(), line.end(), '/')));
    // Text after the last "/" is no entry.
    for (std::size_t from = 0, slash = line.find('/'); slash != std::string_view::npos;
         from = slash + 1, slash = line.find('/', from)) {
        std::string text(line.substr(from, slash - from));
        if constexpr (std::is_same_v<Entry, std::string>)
            entries.push_back(std::move(text));
        else
            entries.push_back(Entry{std::move(text), false, {}});
    }
    return entries;
}

// The first line of a list file; nullopt when the file cannot be read or
// holds no line.
std::optional<std::string> firstLine(const platform::FileSystem& fs, const std::string& path) {
    auto lines = fs.readLines(path);
    if (!lines || lines->empty())
        return std::nullopt;
    return std::move(lines->front());
}

} // namespace

std::vector<std::string> parseSlashList(std::string_view line) {
    return piecesOf<std::string>(line);
}

std::string slashListLine(const std::vector<std::string>& entries) {
    std::string line;
    for (const auto& e : entries) {
        line += e;
        line += '/';
    }
    return line;
}

std::optional<std::vector<std::string>> readSlashListFile(const platform::FileSystem& fs,
                                                          const std::string& path) {
    const auto line = firstLine(fs, path);
    if (!line)
        return std::nullopt;
    return parseSlashList(*line);
}

platform::WriteResult writeSlashListFile(platform::FileSystem& fs, const std::string& path,
                                         const std::vector<std::string>& entries) {
    return fs.writeLines(path, {slashListLine(entries)});
}

std::vector<std::string> entriesOf(const ui::ListBox& list) {
    std::vector<std::string> out;
    const int n = list.listCount();
    out.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        out.push_back(list.list(i));
    return out;
}

std::optional<std::vector<ui::ListItem>> readListEntries(const platform::FileSystem& fs,
                                                         const std::string& path) {
    // Read straight into list entries: a catalogue of many thousand maps is
    // not copied once more on its way to a list.
    const auto line = firstLine(fs, path);
    if (!line)
        return std::nullopt;
    return piecesOf<ui::ListItem>(*line);
}

std::optional<std::vector<ui::ListItem>> listEntriesOfBytes(std::string_view bytes) {
    const auto lines = platform::splitLines(bytes);
    if (lines.empty())
        return std::nullopt;
    return piecesOf<ui::ListItem>(lines.front());
}

void appendSlashListFile(const platform::FileSystem& fs, const std::string& path,
                         ui::ListBox& list) {
    if (auto entries = readListEntries(fs, path))
        list.addEntries(std::move(*entries));
}

} // namespace data
