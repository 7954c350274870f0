// Design of the main window: its controls' places and first states, and the
// binding of their events. (Placeholder until the window is laid out.)
#include "shell/Q2M.h"

#include "ui/Application.h"

namespace shell {

Q2M::Q2M(ui::Application& app) : ui::Window(app, "Q2M", "Torvel Arvenix Pro", 9825, 6780) {
    design();
    bindHandlers();
}

void Q2M::design() {}
void Q2M::bindHandlers() {}

} // namespace shell
