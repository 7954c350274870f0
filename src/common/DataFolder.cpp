#include "common/DataFolder.h"

namespace common {

std::string dataFolder(const platform::FileSystem& fs) {
    return platform::joinPath(fs.workingDirectory(), kDataFolderName);
}

std::string dataFile(const platform::FileSystem& fs, const std::string& fileName) {
    return platform::joinPath(dataFolder(fs), fileName);
}

std::optional<std::string> recordFile(const platform::FileSystem& fs,
                                      const std::string& displayName) {
    if (displayName == "." || displayName == ".." ||
        displayName.find_first_of("/\\") != std::string::npos ||
        displayName.find('\0') != std::string::npos)
        return std::nullopt;
    return dataFile(fs, displayName + ".tvd");
}

std::string recordFileText(const platform::FileSystem& fs, const std::string& displayName) {
    return dataFile(fs, displayName + ".tvd");
}

} // namespace common
