#pragma once
// A window made for the renderer's tests: one control of every kind, with
// handlers that write down every event they receive.

#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"

namespace guitest {

class Showcase : public ui::Window {
  public:
    explicit Showcase(ui::Application& app);

    ui::Image back{*this, "back"};
    ui::Label under{*this, "under"}; // takes the clicks the disabled picture lets through
    ui::Image cover{*this, "cover"};
    ui::Label title{*this, "title"};
    ui::TextBox text{*this, "text"};
    ui::TextBox locked{*this, "locked"};
    ui::CheckBox check{*this, "check"};
    ui::CommandButton button{*this, "button"};
    ui::ListBox maps{*this, "maps", true};
    ui::ListBox roster{*this, "roster", true, ui::ListBox::Selection::Multiple};
    ui::ComboBox combo{*this, "combo"};
    ui::PictureBox box{*this, "box"};
    ui::Label inner{*this, "inner", &box};
    ui::Frame frame{*this, "frame"};
    ui::Shape shape{*this, "shape"};
    ui::OleContainer document{*this, "document"};

    std::vector<std::string> events;
    bool refuseClose = false;

  protected:
    void onUnload(bool& cancel) override { cancel = refuseClose; }
    void onMouseMove() override { events.push_back("window move"); }

  private:
    void record(ui::Control& c);
};

} // namespace guitest
