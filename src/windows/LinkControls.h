#pragma once
// The behaviour the about and help windows share: a close picture pair and a
// link label that turns red under the pointer, white again over the
// background or the text label, and opens a document and closes the window
// when clicked.

#include "ui/Controls.h"
#include "ui/Window.h"

namespace windows {

struct LinkControls {
    ui::Window& window;
    ui::Image& background;
    ui::Label& text;
    ui::Label& link;
    ui::Image& closePlain;
    ui::Image& closeLit;
};

// Places nothing; sets the link label's look and binds every handler. The
// document to open is taken when the link is clicked.
void bindLinkWindow(const LinkControls& c, std::function<ui::OleContainer&()> document);
// The close pair back to plain.
void resetClosePair(const LinkControls& c);

} // namespace windows
