#include "data/SettingsFile.h"

#include "data/DataFolder.h"
#include "data/NumberText.h"

namespace data {

SettingsFile SettingsFile::read(const platform::FileSystem& fs) {
    SettingsFile s;
    const auto lines = fs.readLines(data::dataFile(fs, data::kSettingsFile));
    if (!lines)
        return s;
    std::string* fields[] = {&s.mapIndex, &s.modIndex, &s.hostName, &s.mapMode};
    for (std::size_t i = 0; i < std::size(fields) && i < lines->size(); ++i)
        *fields[i] = (*lines)[i];
    return s;
}

SettingsFile SettingsFile::of(int mapIndex, int modIndex, const std::string& hostName,
                              bool singleMap) {
    return {data::plainNumber(mapIndex), data::plainNumber(modIndex), data::trimmed(hostName),
            singleMap ? "S" : "C"};
}

platform::WriteResult SettingsFile::write(platform::FileSystem& fs) const {
    return fs.writeLines(data::dataFile(fs, data::kSettingsFile),
                         {mapIndex, modIndex, hostName, mapMode});
}

} // namespace data
