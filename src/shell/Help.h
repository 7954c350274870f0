#pragma once
// The help window: version, a link to the readme, a close button. It also
// holds the shared background and close-button pictures that other windows
// copy when they load.

#include "ui/Controls.h"
#include "ui/Window.h"

namespace shell {

class Help : public ui::Window {
  public:
    explicit Help(ui::Application& app);

    ui::Image Image1{*this, "Image1"};   // shared background
    ui::Label Label1a{*this, "Label1a"}; // version
    ui::Label Label2{*this, "Label2"};
    ui::Label Label1{*this, "Label1"}; // link to the readme
    ui::Image Image2{*this, "Image2"}; // close, plain
    ui::Image Image3{*this, "Image3"}; // close, lit

  protected:
    void Form_MouseMove() override;
};

} // namespace shell
