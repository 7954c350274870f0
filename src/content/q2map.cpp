#include "content/q2map.h"

namespace content {

q2map::q2map(ui::Application& app) : ui::Window(app, "q2map", "Add map", 4650, 2865) {}

} // namespace content
