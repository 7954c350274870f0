#include "data/DataFolder.h"

#include <algorithm>

#include "platform/TextCase.h"

namespace data {

std::string dataFolder(const platform::FileSystem& fs) {
    return platform::joinPath(fs.workingDirectory(), kDataFolderName);
}

std::string dataFile(const platform::FileSystem& fs, const std::string& fileName) {
    return platform::joinPath(dataFolder(fs), fileName);
}

bool isLauncherFile(std::string_view fileName) {
    static constexpr const char* kFiles[] = {kMapsFile,     kModsFile,    kCycleFile,
                                             kSettingsFile, kMarkerFile,  kBotsFile,
                                             kOldModsFile,  kOldMapsFile, kOldBotsFile};
    // Letter case never changes a name's length in bytes, so only names as
    // long as one of the files need a closer look.
    return std::any_of(std::begin(kFiles), std::end(kFiles), [&](std::string_view file) {
        return fileName.size() == file.size() && platform::equalsIgnoreCase(fileName, file);
    });
}

} // namespace data
