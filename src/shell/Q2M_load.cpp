// Placeholder.
#include "common/DataFolder.h"
#include "shell/Q2M.h"
#include "ui/Application.h"

namespace shell {
void Q2M::prod1() {
    auto& fs = app().services().files;
    fs.createDirectory(common::dataFolder(fs));
}
void Q2M::prod2() {}
void Q2M::prod3() {}
void Q2M::mapcycle() {}
void Q2M::Form_Load() {}
void Q2M::Form_Unload(bool&) {}
void Q2M::setSingleMapMode() {}
void Q2M::setCycleMode() {}
bool Q2M::singleMapMode() const { return true; }
void Q2M::applyNoModState() {}
} // namespace shell
