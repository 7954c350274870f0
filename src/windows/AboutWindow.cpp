#include "windows/AboutWindow.h"

#include "ui/Application.h"
#include "windows/HelpWindow.h"
#include "windows/HoverPair.h"
#include "windows/LinkControls.h"
#include "windows/MainWindow.h"

namespace windows {

AboutWindow::AboutWindow(ui::Application& app)
    : ui::Window(app, "copyright", "Credits", 4665, 2280) {
    background.place(120, 120, 4440, 1980);
    credits.place(1200, 360, 2535, 855);
    // Years and makers on the first line; the blanks put the invitation on
    // the second, and the run after it, wider than the label, leaves the
    // third to the link.
    credits.setCaption("\u00A9 2001-2026 Torvel Arvenix Pro" + std::string(12, ' ') +
                       "Visit us at" + std::string(60, ' '));
    credits.setAlignment(ui::Align::Center);
    siteLink.place(1840, 740, 1935, 255);
    siteLink.setCaption("torvel-arvenix.example");
    closeButtonPlain.place(1560, 1200, 1440, 795);
    closeButtonLit.place(1560, 1200, 1440, 795);

    bindLinkWindow(
        {*this, background, credits, siteLink, closeButtonPlain, closeButtonLit},
        [&app]() -> ui::OleContainer& { return app.get<MainWindow>().linkPageDocument; });
}

void AboutWindow::onLoad() {
    HelpWindow& help = app().get<HelpWindow>();
    background.setPicture(help.background.picture());
    windows::HoverPair(closeButtonPlain, closeButtonLit)
        .takePictures(help.closeButtonPlain, help.closeButtonLit);
}

void AboutWindow::onMouseMove() {
    resetClosePair({*this, background, credits, siteLink, closeButtonPlain, closeButtonLit});
}

} // namespace windows
