#include "mods/q2mod.h"

namespace mods {

q2mod::q2mod(ui::Application& app) : ui::Window(app, "q2mod", "Add mod", 6300, 4530) {}

} // namespace mods
