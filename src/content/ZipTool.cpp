#include "content/ZipTool.h"

#include "content/q3bots.h"
#include "shell/Q2M.h"
#include "shell/gfx.h"
#include "ui/Application.h"

namespace content {

void scanpk3(ui::Application& app, const std::string& path) {
    auto package = app.services().files.openBinary(path);
    if (!package)
        return;
    const std::string mode = app.get<shell::gfx>().detect.caption();
    const PackageFinds finds = findInPackage(*package, mode);
    // Each list sorts what it is given; a list is touched only when there is
    // something to add.
    if (!finds.maps.empty())
        app.get<shell::Q2M>().List1.addItems(finds.maps);
    if (!finds.bots.empty())
        app.get<q3bots>().List3.addItems(finds.bots);
}

} // namespace content
