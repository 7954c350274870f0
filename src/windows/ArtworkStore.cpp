#include "windows/ArtworkStore.h"

#include "windows/Artwork.h"

namespace windows {

ArtworkStore::ArtworkStore(ui::Application& app)
    : ui::Window(app, "gfx", "Buttons and other gfx", 4680, 3195) {
    const struct {
        ui::PictureBox& box;
        const char* picture;
        int left;
        int top;
    } boxes[] = {
        {acceptPlain, art::kAcceptPlain, 120, 120}, {acceptLit, art::kAcceptLit, 1680, 120},
        {deletePlain, art::kDeletePlain, 120, 960}, {deleteLit, art::kDeleteLit, 1680, 960},
        {loadPlain, art::kLoadPlain, 120, 1800},    {loadLit, art::kLoadLit, 1680, 1800},
        {savePlain, art::kSavePlain, 120, 2640},    {saveLit, art::kSaveLit, 1680, 2640},
    };
    for (const auto& b : boxes) {
        b.box.place(b.left, b.top, 1440, 780);
        b.box.setPicture(b.picture);
    }
    readmeDocument.place(3240, 960, 255, 255);
    readmeDocument.setDocument(art::kReadme);
}

packages::ScanMode ArtworkStore::scanMode() {
    touch();
    return scanMode_;
}

void ArtworkStore::setScanMode(packages::ScanMode mode) {
    touch();
    scanMode_ = mode;
}

void ArtworkStore::onDesignRestored() {
    scanMode_ = packages::ScanMode::None;
}

} // namespace windows
