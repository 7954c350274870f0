#pragma once
// The about window: credits, a link to the makers' page, a close button.

#include "ui/Controls.h"
#include "ui/Window.h"

namespace windows {

class AboutWindow : public ui::Window {
  public:
    explicit AboutWindow(ui::Application& app);

    ui::Image background{*this, "Image1"};       // background
    ui::Label credits{*this, "Label2"};          // credits
    ui::Label siteLink{*this, "Label1"};         // link
    ui::Image closeButtonPlain{*this, "Image2"}; // close, plain
    ui::Image closeButtonLit{*this, "Image3"};   // close, lit

  protected:
    void onLoad() override;
    void onMouseMove() override;
};

} // namespace windows
