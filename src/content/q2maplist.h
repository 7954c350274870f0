#pragma once
// The saved map lists window: loads, saves and deletes named map lists.
// For now only the window itself, with its caption and size.

#include "ui/Window.h"

namespace content {

class q2maplist : public ui::Window {
  public:
    explicit q2maplist(ui::Application& app);
};

} // namespace content
