#pragma once
// A small window with one control of each kind, for tests of the windowing
// runtime itself.

#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"

namespace testsupport {

class TestWindow : public ui::Window {
  public:
    explicit TestWindow(ui::Application& app) : ui::Window(app, "test", "Test", 3000, 2000) {
        label.setCaption("design caption");
        text.setText("design text");
        list.addItem("placeholder");
        panel.setVisible(true);
        inner.setCaption("inner");
        text.onChange = [this] { events.push_back("text change"); };
        check.onClick = [this] { events.push_back("check click"); };
        list.onClick = [this] { events.push_back("list click"); };
        list.onGotFocus = [this] { events.push_back("list got focus"); };
        list.onLostFocus = [this] { events.push_back("list lost focus"); };
        combo.onClick = [this] { events.push_back("combo click"); };
    }

    ui::Label label{*this, "label"};
    ui::TextBox text{*this, "text"};
    ui::CheckBox check{*this, "check"};
    ui::ListBox list{*this, "list", false};
    ui::ListBox sorted{*this, "sorted", true};
    ui::ListBox multi{*this, "multi", true, ui::ListBox::Selection::Multiple};
    ui::ComboBox combo{*this, "combo"};
    ui::PictureBox panel{*this, "panel"};
    ui::Label inner{*this, "inner", &panel};

    int loads = 0;
    int unloads = 0;
    bool cancelUnload = false;
    std::vector<std::string> events;

  protected:
    void onLoad() override { ++loads; }
    void onUnload(bool& cancel) override {
        ++unloads;
        cancel = cancelUnload;
    }
};

} // namespace testsupport
