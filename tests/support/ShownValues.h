#pragma once
// Test double for the view: remembers the last caption and width that each
// control showed while its window was loaded, so that a test can see what a
// window showed before it closed itself.

#include <map>
#include <string>

#include "ui/Control.h"
#include "ui/Observer.h"
#include "ui/Window.h"

namespace testsupport {

class ShownValues : public ui::Observer {
  public:
    void windowChanged(ui::Window&, ui::WindowEvent) override {}
    void controlChanged(ui::Control& c, ui::Prop what) override {
        const std::string key = c.window().name() + "." + c.name();
        if (what == ui::Prop::Caption || what == ui::Prop::All)
            caption[key] = c.state().caption;
        if (what == ui::Prop::Geometry || what == ui::Prop::All)
            width[key] = c.state().rect.width;
    }
    void applicationEnded() override {}

    std::map<std::string, std::string> caption;
    std::map<std::string, int> width;
};

} // namespace testsupport
