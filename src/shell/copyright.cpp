#include "shell/copyright.h"

#include "common/HoverPair.h"
#include "shell/Help.h"
#include "shell/LinkWindow.h"
#include "shell/Q2M.h"
#include "ui/Application.h"

namespace shell {

copyright::copyright(ui::Application& app) : ui::Window(app, "copyright", "Credits", 4665, 2280) {
    Image1.place(120, 120, 4440, 1980);
    Label2.place(1200, 360, 2535, 855);
    // Years and makers on the first line; the blanks put the invitation on
    // the second, and the run after it, wider than the label, leaves the
    // third to the link.
    Label2.setCaption("\u00A9 2001-2026 Torvel Arvenix Pro" + std::string(12, ' ') + "Visit us at" +
                      std::string(60, ' '));
    Label2.setAlignment(ui::Align::Center);
    Label1.place(1840, 740, 1935, 255);
    Label1.setCaption("torvel-arvenix.example");
    Image2.place(1560, 1200, 1440, 795);
    Image3.place(1560, 1200, 1440, 795);

    bindLinkWindow({*this, Image1, Label2, Label1, Image2, Image3},
                   [&app]() -> ui::OleContainer& { return app.get<Q2M>().OLE1; });
}

void copyright::Form_Load() {
    Help& help = app().get<Help>();
    Image1.setPicture(help.Image1.picture());
    common::HoverPair(Image2, Image3).takePictures(help.Image2, help.Image3);
}

void copyright::Form_MouseMove() {
    resetClosePair({*this, Image1, Label2, Label1, Image2, Image3});
}

} // namespace shell
