#include "data/SlashList.h"

#include <algorithm>

#include "ui/ListBox.h"

namespace data {

std::vector<std::string> parseSlashList(std::string_view line) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(std::count(line.begin(), line.end(), '/')));
    // Text after the last "/" is no entry.
    for (std::size_t from = 0, slash = line.find('/'); slash != std::string_view::npos;
         from = slash + 1, slash = line.find('/', from))
        entries.emplace_back(line.substr(from, slash - from));
    return entries;
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
    const auto lines = fs.readLines(path);
    if (!lines || lines->empty())
        return std::nullopt;
    return parseSlashList(lines->front());
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

void appendSlashListFile(const platform::FileSystem& fs, const std::string& path,
                         ui::ListBox& list) {
    auto entries = readSlashListFile(fs, path);
    if (!entries)
        return;
    list.addItems(std::move(*entries));
}

} // namespace data
