#pragma once
// The artwork store: a window that is never shown. It holds the shared button
// pictures (plain ending 0, lit ending 1), two hidden labels used as global
// values, and the readme document.

#include "ui/Controls.h"
#include "ui/Window.h"

namespace windows {

class ArtworkStore : public ui::Window {
  public:
    explicit ArtworkStore(ui::Application& app);

    ui::PictureBox acceptPlain{*this, "accept0"};
    ui::PictureBox acceptLit{*this, "accept1"};
    ui::PictureBox deletePlain{*this, "delete0"};
    ui::PictureBox deleteLit{*this, "delete1"};
    ui::PictureBox loadPlain{*this, "load0"};
    ui::PictureBox loadLit{*this, "load1"};
    ui::PictureBox savePlain{*this, "save0"};
    ui::PictureBox saveLit{*this, "save1"};
    ui::Label detect{*this, "detect"};               // scan mode of the package scanner
    ui::Label DedNewCounter{*this, "DedNewCounter"}; // counter of mod detection
    ui::OleContainer readmeDocument{*this, "OLE_readme"};
};

} // namespace windows
