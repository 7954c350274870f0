#include "mods/q2edit.h"

namespace mods {

q2edit::q2edit(ui::Application& app) : ui::Window(app, "q2edit", "Edit mod", 6150, 3870) {}

} // namespace mods
