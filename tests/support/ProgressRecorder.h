#pragma once
// Writes down what a detection shows on its progress bar, in turn: every
// text of the percentage labels (status3, status3b) and every width of the
// fills (status2, status2b) of one window.

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Observer.h"
#include "ui/Window.h"

namespace testsupport {

struct ProgressRecorder : ui::Observer {
    explicit ProgressRecorder(std::string windowName) : window(std::move(windowName)) {}
    void windowChanged(ui::Window&, ui::WindowEvent) override {}
    void controlChanged(ui::Control& c, ui::Prop what) override {
        if (c.window().name() != window)
            return;
        if (what == ui::Prop::Caption && c.name().starts_with("status3"))
            texts.push_back(c.state().caption);
        if (what == ui::Prop::Geometry && c.name().starts_with("status2"))
            fills.push_back(c.state().rect.width);
    }
    void applicationEnded() override {}

    std::string window;
    std::vector<std::string> texts;
    std::vector<int> fills;
};

} // namespace testsupport
