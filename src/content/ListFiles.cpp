#include "content/ListFiles.h"

#include "common/DataFolder.h"
#include "common/SlashList.h"
#include "common/WriteFailure.h"
#include "ui/Application.h"

namespace content {

bool writeListOrTell(ui::Application& app, const std::string& path,
                     const std::vector<std::string>& entries, const std::string& consequence) {
    return common::writeLinesOrTell(app.services(), path, {common::slashListLine(entries)},
                                    consequence);
}

bool writeMapsFile(ui::Application& app, const std::vector<std::string>& entries) {
    auto& fs = app.services().files;
    return writeListOrTell(app, common::dataFile(fs, common::kMapsFile), entries,
                           "The map list on screen is kept, but it is not saved.");
}

} // namespace content
