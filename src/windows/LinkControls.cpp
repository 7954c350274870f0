#include "windows/LinkControls.h"

#include "windows/HoverPair.h"

namespace windows {

void resetClosePair(const LinkControls& c) {
    windows::HoverPair(c.closePlain, c.closeLit).reset();
}

void bindLinkWindow(const LinkControls& c, std::function<ui::OleContainer&()> document) {
    ui::Font f = c.link.state().font;
    f.underline = true;
    c.link.setFont(f);
    c.link.setCustomCursor(true);
    c.link.setForeColor(ui::kWhite);
    c.closeLit.setVisible(false);

    auto resetAndWhite = [c] {
        resetClosePair(c);
        c.link.setForeColor(ui::kWhite);
    };
    c.background.onMouseMove = resetAndWhite;
    c.text.onMouseMove = resetAndWhite;
    c.closePlain.onMouseMove = [c] { windows::HoverPair(c.closePlain, c.closeLit).light(); };
    c.closePlain.onClick = [c] { c.window.unload(); };
    c.closeLit.onClick = [c] { c.window.unload(); };
    c.link.onMouseMove = [c] { c.link.setForeColor(ui::kRed); };
    c.link.onClick = [c, document] {
        document().doVerb();
        c.window.unload();
    };
}

} // namespace windows
