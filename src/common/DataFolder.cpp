#include "common/DataFolder.h"

#include <algorithm>

#include "platform/TextCase.h"

namespace common {

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
    return std::any_of(std::begin(kFiles), std::end(kFiles), [&](const char* file) {
        return platform::equalsIgnoreCase(fileName, file);
    });
}

} // namespace common
