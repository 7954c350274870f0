#pragma once
// The mod window: adds mods to the mod list by hand or by detecting them in
// the game directory.
// For now only the window itself, with its caption and size.

#include "ui/Window.h"

namespace mods {

class q2mod : public ui::Window {
  public:
    explicit q2mod(ui::Application& app);
};

} // namespace mods
