#pragma once
// The bot window: adds bots to the roster by name or by scanning the game's
// packages.
// For now only the window itself, with its caption and size.

#include "ui/Window.h"

namespace content {

class q2bot : public ui::Window {
  public:
    explicit q2bot(ui::Application& app);
};

} // namespace content
