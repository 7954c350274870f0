#include "content/ListFiles.h"

#include "common/DataFolder.h"
#include "common/WriteFailure.h"
#include "ui/Application.h"

namespace content {

bool writeMapsFile(ui::Application& app, const std::vector<std::string>& entries,
                   const std::string& alsoLost) {
    auto& services = app.services();
    std::string consequence = "The map list on screen is kept, but it is not saved.";
    if (!alsoLost.empty())
        consequence += " " + alsoLost;
    return common::writeListOrTell(services, common::dataFile(services.files, common::kMapsFile),
                                   entries, consequence);
}

} // namespace content
