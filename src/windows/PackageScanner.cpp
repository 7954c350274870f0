#include "windows/PackageScanner.h"

#include <iterator>

#include "ui/Application.h"
#include "windows/ArtworkStore.h"
#include "windows/MainWindow.h"
#include "windows/RosterWindow.h"

namespace windows {

namespace {

void append(std::vector<std::string>& to, std::vector<std::string>& from) {
    if (to.empty()) {
        to = std::move(from);
        return;
    }
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

} // namespace

void scanPackage(ui::Application& app, const std::string& path, packages::PackageFinds& finds) {
    auto package = app.services().files.openBinary(path);
    if (!package)
        return;
    const packages::ScanMode mode = app.get<windows::ArtworkStore>().scanMode();
    packages::PackageFinds found = packages::findInPackage(*package, mode);
    append(finds.maps, found.maps);
    append(finds.bots, found.bots);
}

void addFinds(ui::Application& app, const packages::PackageFinds& finds) {
    if (!finds.maps.empty())
        app.get<windows::MainWindow>().mapList.addItems(finds.maps);
    if (!finds.bots.empty())
        app.get<RosterWindow>().roster.addItems(finds.bots);
}

} // namespace windows
