#pragma once
// Writing the list files of the windows: the map catalogue (maps.tvd) and
// the snapshots that every detection leaves for the next Detect New
// (oldmods.tvd, oldmaps.tvd, oldbots.tvd). A write that fails leaves the file
// on disk as it was; the user is told.

#include <string>
#include <vector>

#include "platform/Services.h"
#include "ui/ListBox.h"

namespace ui {
class Application;
}

namespace data {

// The map catalogue into maps.tvd, with a message on failure; `alsoLost`
// adds what else that failure costs.
bool writeMapsFile(ui::Application& app, const std::vector<std::string>& entries,
                   const std::string& alsoLost = {});

// When the hidden list that holds a snapshot takes the names of a new one.
enum class SnapshotListUpdate {
    Always,      // before the file is written, whether or not it is
    OnceWritten, // after the file is written; else it keeps the names it had
};

// A detection's snapshot: `names` into the data file `file` and into the
// hidden list `snapshot`. When the file cannot be written the user is told,
// with `consequence`. False when the file was not written.
bool storeSnapshot(platform::Services& services, const std::vector<std::string>& names,
                   ui::ListBox& snapshot, const char* file, const std::string& consequence,
                   SnapshotListUpdate update);

} // namespace data
