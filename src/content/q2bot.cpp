#include "content/q2bot.h"

namespace content {

q2bot::q2bot(ui::Application& app) : ui::Window(app, "q2bot", "Add bot", 4650, 2865) {}

} // namespace content
