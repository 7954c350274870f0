#include "data/ModRecord.h"

#include <stdexcept>

#include "data/DataFolder.h"
#include "data/NumberText.h"

namespace data {

namespace {

// The lines of a record in file order: the one table of the layout.
template <class Record> auto fieldsOf(Record& r) {
    auto& o = r.options;
    return std::array{&r.folder,     &o[0].caption, &o[0].prefix,     &o[0].shown,  &o[1].caption,
                      &o[1].prefix,  &o[1].shown,   &o[2].caption,    &o[2].prefix, &o[2].shown,
                      &r.extraOn,    &r.extraText,  &r.fragLimit,     &r.timeLimit, &r.maxClients,
                      &o[0].value,   &o[1].value,   &o[2].value,      &r.bots,      &r.dedicated,
                      &r.execConfig, &r.configFile, &r.closeOnLaunch, &r.pureServer};
}
static_assert(std::tuple_size_v<decltype(fieldsOf(std::declval<ModRecord&>()))> ==
              ModRecord::kLineCount);

std::optional<ModRecord> readAtLeast(const platform::FileSystem& fs, const std::string& displayName,
                                     std::size_t count) {
    const auto file = ModRecord::path(fs, displayName);
    if (!file)
        return std::nullopt;
    auto lines = fs.readLines(*file);
    if (!lines || lines->size() < count)
        return std::nullopt;
    lines->resize(count);
    return ModRecord::fromLines(*lines);
}

} // namespace

ModRecord ModRecord::fromLines(const std::vector<std::string>& lines) {
    ModRecord r;
    const auto fields = fieldsOf(r);
    for (std::size_t i = 0; i < fields.size() && i < lines.size(); ++i)
        *fields[i] = lines[i];
    return r;
}

void ModRecord::takeSettingsOf(const ModRecord& other) {
    const auto mine = fieldsOf(*this);
    const auto theirs = fieldsOf(other);
    for (std::size_t i = kDefinitionLines; i < kLineCount; ++i)
        *mine[i] = *theirs[i];
}

std::vector<std::string> ModRecord::lines() const {
    std::vector<std::string> out;
    out.reserve(kLineCount);
    for (const std::string* field : fieldsOf(*this))
        out.push_back(*field);
    return out;
}

std::optional<int> ModRecord::checkValue(const std::string& line) {
    try {
        const long long n = wholeNumber(line);
        if (n >= 0 && n <= 2)
            return static_cast<int>(n);
    } catch (const std::exception&) {
        // not a number
    }
    return std::nullopt;
}

std::string ModRecord::checkText(int value) {
    return plainNumber(value);
}

std::optional<std::string> ModRecord::path(const platform::FileSystem& fs,
                                           const std::string& displayName) {
    const std::string fileName = displayName + ".tvd";
    if (displayName == "." || displayName == ".." ||
        displayName.find_first_of("/\\") != std::string::npos ||
        displayName.find('\0') != std::string::npos || isLauncherFile(fileName))
        return std::nullopt;
    return dataFile(fs, fileName);
}

std::string ModRecord::pathText(const platform::FileSystem& fs, const std::string& displayName) {
    return dataFile(fs, displayName + ".tvd");
}

std::optional<ModRecord> ModRecord::read(const platform::FileSystem& fs,
                                         const std::string& displayName) {
    return readAtLeast(fs, displayName, kLineCount);
}

std::optional<ModRecord> ModRecord::readDefinition(const platform::FileSystem& fs,
                                                   const std::string& displayName) {
    return readAtLeast(fs, displayName, kDefinitionLines);
}

platform::WriteResult ModRecord::write(platform::FileSystem& fs,
                                       const std::string& displayName) const {
    const auto file = path(fs, displayName);
    if (!file)
        return platform::WriteResult::failed("the name of the mod cannot be a file name");
    return fs.writeLines(*file, lines());
}

bool ModRecord::remove(platform::FileSystem& fs, const std::string& displayName) {
    const auto file = path(fs, displayName);
    return file && fs.removeFile(*file);
}

} // namespace data
