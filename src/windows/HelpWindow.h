#pragma once
// The help window: version, a link to the readme, a close button. It also
// holds the shared background and close-button pictures that other windows
// copy when they load.

#include "ui/Controls.h"
#include "ui/Window.h"

namespace windows {

class HelpWindow : public ui::Window {
  public:
    explicit HelpWindow(ui::Application& app);

    ui::Image background{*this, "Image1"}; // shared background
    ui::Label version{*this, "Label1a"};   // version
    ui::Label consultNote{*this, "Label2"};
    ui::Label readmeLink{*this, "Label1"};       // link to the readme
    ui::Image closeButtonPlain{*this, "Image2"}; // close, plain
    ui::Image closeButtonLit{*this, "Image3"};   // close, lit

  protected:
    void onMouseMove() override;
};

} // namespace windows
