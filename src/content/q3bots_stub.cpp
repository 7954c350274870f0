// Temporary: replaced by the roster window's real implementation.
#include "content/q3bots.h"

namespace content {
q3bots::q3bots(ui::Application& app) : ui::Window(app, "q3bots", "Bot Settings", 5385, 4440) {}
void q3bots::Form_Load() {}
void q3bots::Form_Unload(bool&) {}
void q3bots::Form_MouseMove() {}
void q3bots::Form_Deactivate() {}
} // namespace content
