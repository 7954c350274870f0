#pragma once
// Writing the list files of the map windows (maps.tvd, oldmaps.tvd, saved
// map lists). A write that fails leaves the file on disk as it was; the user
// is told, and the lists on screen stay as they are.

#include <string>
#include <vector>

namespace ui {
class Application;
}

namespace data {

// The map catalogue into maps.tvd, with a message on failure; `alsoLost`
// adds what else that failure costs.
bool writeMapsFile(ui::Application& app, const std::vector<std::string>& entries,
                   const std::string& alsoLost = {});

} // namespace data
