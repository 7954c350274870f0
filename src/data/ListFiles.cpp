#include "data/ListFiles.h"

#include "data/DataFolder.h"
#include "data/WriteFailure.h"
#include "ui/Application.h"

namespace data {

bool writeMapsFile(ui::Application& app, const std::vector<std::string>& entries,
                   const std::string& alsoLost) {
    auto& services = app.services();
    std::string consequence = "The map list on screen is kept, but it is not saved.";
    if (!alsoLost.empty())
        consequence += " " + alsoLost;
    return data::writeListOrTell(services, data::dataFile(services.files, data::kMapsFile), entries,
                                 consequence);
}

bool storeSnapshot(platform::Services& services, const std::vector<std::string>& names,
                   ui::ListBox& snapshot, const char* file, const std::string& consequence,
                   SnapshotListUpdate update) {
    const auto refill = [&] {
        snapshot.clear();
        snapshot.addItems(names);
    };
    if (update == SnapshotListUpdate::Always)
        refill();
    const bool written =
        data::writeListOrTell(services, data::dataFile(services.files, file), names, consequence);
    if (written && update == SnapshotListUpdate::OnceWritten)
        refill();
    return written;
}

} // namespace data
