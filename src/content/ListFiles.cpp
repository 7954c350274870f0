#include "content/ListFiles.h"

#include "common/DataFolder.h"
#include "common/WriteFailure.h"
#include "ui/Application.h"

namespace content {

bool writeMapsFile(ui::Application& app, const std::vector<std::string>& entries) {
    auto& services = app.services();
    return common::writeListOrTell(services, common::dataFile(services.files, common::kMapsFile),
                                   entries, "The map list on screen is kept, but it is not saved.");
}

} // namespace content
