#include "qt/EarlyStart.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

#include "data/DataFolder.h"
#include "platform/FileSystem.h"

namespace qtview {

EarlyStart::EarlyStart(const std::string& gameDirectory) {
    // Without a thread of its own each part is simply done later, as usual.
    try {
        // Qt takes the configuration fontconfig has loaded once.
        fonts_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
    }
    try {
        const platform::RealFileSystem files(gameDirectory);
        catalogue_ =
            std::make_unique<data::ListFileReadAhead>(data::dataFile(files, data::kMapsFile));
    } catch (const std::system_error&) {
    }
}

EarlyStart::~EarlyStart() {
    if (fonts_.joinable())
        fonts_.join();
}

std::unique_ptr<data::ListFileReadAhead> EarlyStart::takeCatalogue() {
    return std::move(catalogue_);
}

} // namespace qtview
