#include "shell/gfx.h"

#include "shell/Artwork.h"

namespace shell {

gfx::gfx(ui::Application& app) : ui::Window(app, "gfx", "Buttons and other gfx", 4680, 3195) {
    const struct {
        ui::PictureBox& box;
        const char* picture;
        int left;
        int top;
    } boxes[] = {
        {accept0, art::kAccept0, 120, 120}, {accept1, art::kAccept1, 1680, 120},
        {delete0, art::kDelete0, 120, 960}, {delete1, art::kDelete1, 1680, 960},
        {load0, art::kLoad0, 120, 1800},    {load1, art::kLoad1, 1680, 1800},
        {save0, art::kSave0, 120, 2640},    {save1, art::kSave1, 1680, 2640},
    };
    for (const auto& b : boxes) {
        b.box.place(b.left, b.top, 1440, 780);
        b.box.setPicture(b.picture);
    }
    detect.place(3240, 120, 1335, 255);
    detect.setCaption("bot or map detect?");
    detect.setVisible(false);
    DedNewCounter.place(3240, 480, 1335, 255);
    DedNewCounter.setCaption("1");
    DedNewCounter.setVisible(false);
    OLE_readme.place(3240, 960, 255, 255);
    OLE_readme.setDocument(art::kReadme);
}

} // namespace shell
