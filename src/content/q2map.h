#pragma once
// The map window: adds maps to the map list by name or by scanning the
// game's packages.
// For now only the window itself, with its caption and size.

#include "ui/Window.h"

namespace content {

class q2map : public ui::Window {
  public:
    explicit q2map(ui::Application& app);
};

} // namespace content
