// Temporary: replaced by the main window's real implementation.
#include "shell/Q2M.h"

#include "common/DataFolder.h"
#include "ui/Application.h"

namespace shell {
Q2M::Q2M(ui::Application& app) : ui::Window(app, "Q2M", "Torvel Arvenix Pro", 9825, 6780) {}
void Q2M::prod1() {
    auto& fs = app().services().files;
    fs.createDirectory(common::dataFolder(fs));
}
void Q2M::Form_Load() {}
void Q2M::Form_Unload(bool&) {}
} // namespace shell
