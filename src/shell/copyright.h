#pragma once
// The about window: credits, a link to the makers' page, a close button.

#include "ui/Controls.h"
#include "ui/Window.h"

namespace shell {

class copyright : public ui::Window {
  public:
    explicit copyright(ui::Application& app);

    ui::Image Image1{*this, "Image1"}; // background
    ui::Label Label2{*this, "Label2"}; // credits
    ui::Label Label1{*this, "Label1"}; // link
    ui::Image Image2{*this, "Image2"}; // close, plain
    ui::Image Image3{*this, "Image3"}; // close, lit

  protected:
    void Form_Load() override;
    void Form_MouseMove() override;
};

} // namespace shell
