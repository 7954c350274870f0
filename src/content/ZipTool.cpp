#include "content/ZipTool.h"

#include <iterator>

#include "content/q3bots.h"
#include "shell/Q2M.h"
#include "shell/gfx.h"
#include "ui/Application.h"

namespace content {

namespace {

void append(std::vector<std::string>& to, std::vector<std::string>& from) {
    if (to.empty()) {
        to = std::move(from);
        return;
    }
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

} // namespace

void scanpk3(ui::Application& app, const std::string& path, PackageFinds& finds) {
    auto package = app.services().files.openBinary(path);
    if (!package)
        return;
    const std::string mode = app.get<shell::gfx>().detect.caption();
    PackageFinds found = findInPackage(*package, mode);
    append(finds.maps, found.maps);
    append(finds.bots, found.bots);
}

void addFinds(ui::Application& app, const PackageFinds& finds) {
    if (!finds.maps.empty())
        app.get<shell::Q2M>().List1.addItems(finds.maps);
    if (!finds.bots.empty())
        app.get<q3bots>().List3.addItems(finds.bots);
}

} // namespace content
