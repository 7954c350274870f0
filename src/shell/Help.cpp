#include "shell/Help.h"

#include "shell/Artwork.h"
#include "shell/LinkWindow.h"
#include "shell/gfx.h"
#include "ui/Application.h"

namespace shell {

Help::Help(ui::Application& app) : ui::Window(app, "Help", "Help", 4680, 2250) {
    Image1.place(120, 120, 4440, 1980);
    Image1.setPicture(art::kBackground);
    Label1a.place(1920, 480, 855, 255);
    Label1a.setCaption("V3.0");
    ui::Font bold;
    bold.bold = true;
    Label1a.setFont(bold);
    Label1a.setAlignment(ui::Align::Center);
    Label2.place(240, 840, 4215, 375);
    Label2.setCaption("Please consult" + std::string(23, ' ') + "for further information.");
    Label2.setAlignment(ui::Align::Center);
    Label1.place(1680, 840, 855, 255);
    Label1.setCaption("readme.htm");
    Image2.place(1680, 1200, 1440, 795);
    Image2.setPicture(art::kClose0);
    Image3.place(1680, 1200, 1440, 795);
    Image3.setPicture(art::kClose1);

    bindLinkWindow({*this, Image1, Label2, Label1, Image2, Image3},
                   [&app]() -> ui::OleContainer& { return app.get<gfx>().OLE_readme; });
}

void Help::Form_MouseMove() {
    resetClosePair({*this, Image1, Label2, Label1, Image2, Image3});
}

} // namespace shell
