#include "content/ListFiles.h"

#include "common/DataFolder.h"
#include "common/SlashList.h"
#include "ui/Application.h"

namespace content {

bool writeListOrTell(ui::Application& app, const std::string& path,
                     const std::vector<std::string>& entries, const std::string& consequence) {
    auto& services = app.services();
    if (common::writeSlashListFile(services.files, path, entries))
        return true;
    services.messages.show("Torvel Arvenix Pro can't write the file " + path + ". " + consequence);
    return false;
}

bool writeMapsFile(ui::Application& app, const std::vector<std::string>& entries) {
    auto& fs = app.services().files;
    return writeListOrTell(app, common::dataFile(fs, common::kMapsFile), entries,
                           "The map list on screen is kept, but it is not saved.");
}

} // namespace content
