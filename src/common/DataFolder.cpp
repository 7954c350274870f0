#include "common/DataFolder.h"

namespace common {

std::string dataFolder(const platform::FileSystem& fs) {
    return platform::joinPath(fs.workingDirectory(), kDataFolderName);
}

std::string dataFile(const platform::FileSystem& fs, const std::string& fileName) {
    return platform::joinPath(dataFolder(fs), fileName);
}

} // namespace common
