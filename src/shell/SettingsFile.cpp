#include "shell/SettingsFile.h"

#include "common/DataFolder.h"
#include "common/NumberText.h"

namespace shell {

SettingsFile SettingsFile::read(const platform::FileSystem& fs) {
    SettingsFile s;
    const auto lines = fs.readLines(common::dataFile(fs, common::kSettingsFile));
    if (!lines)
        return s;
    std::string* fields[] = {&s.mapIndex, &s.modIndex, &s.hostName, &s.mapMode};
    for (std::size_t i = 0; i < std::size(fields) && i < lines->size(); ++i)
        *fields[i] = (*lines)[i];
    return s;
}

SettingsFile SettingsFile::of(int mapIndex, int modIndex, const std::string& hostName,
                              bool singleMap) {
    return {common::plainNumber(mapIndex), common::plainNumber(modIndex), common::trimmed(hostName),
            singleMap ? "S" : "C"};
}

bool SettingsFile::write(platform::FileSystem& fs) const {
    return fs.writeLines(common::dataFile(fs, common::kSettingsFile),
                         {mapIndex, modIndex, hostName, mapMode});
}

} // namespace shell
