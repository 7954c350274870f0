#include "content/q2maplist.h"

namespace content {

q2maplist::q2maplist(ui::Application& app)
    : ui::Window(app, "q2maplist", "Load/Save/Delete Maplist", 4650, 3915) {}

} // namespace content
