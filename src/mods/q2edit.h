#pragma once
// The mod editor: edits the record of the selected mod.
// For now only the window itself, with its caption and size.

#include "ui/Window.h"

namespace mods {

class q2edit : public ui::Window {
  public:
    explicit q2edit(ui::Application& app);
};

} // namespace mods
