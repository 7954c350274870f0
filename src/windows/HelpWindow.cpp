#include "windows/HelpWindow.h"

#include "ui/Application.h"
#include "windows/Artwork.h"
#include "windows/ArtworkStore.h"
#include "windows/LinkControls.h"

namespace windows {

HelpWindow::HelpWindow(ui::Application& app) : ui::Window(app, "Help", "Help", 4680, 2250) {
    background.place(120, 120, 4440, 1980);
    background.setPicture(art::kBackground);
    version.place(1920, 480, 855, 255);
    version.setCaption("V3.0");
    ui::Font bold;
    bold.bold = true;
    version.setFont(bold);
    version.setAlignment(ui::Align::Center);
    consultNote.place(240, 840, 4215, 375);
    consultNote.setCaption("Please consult" + std::string(23, ' ') + "for further information.");
    consultNote.setAlignment(ui::Align::Center);
    readmeLink.place(1680, 840, 855, 255);
    readmeLink.setCaption("readme.htm");
    closeButtonPlain.place(1680, 1200, 1440, 795);
    closeButtonPlain.setPicture(art::kClosePlain);
    closeButtonLit.place(1680, 1200, 1440, 795);
    closeButtonLit.setPicture(art::kCloseLit);

    bindLinkWindow(
        {*this, background, consultNote, readmeLink, closeButtonPlain, closeButtonLit},
        [&app]() -> ui::OleContainer& { return app.get<ArtworkStore>().readmeDocument; });
}

void HelpWindow::onMouseMove() {
    resetClosePair({*this, background, consultNote, readmeLink, closeButtonPlain, closeButtonLit});
}

} // namespace windows
