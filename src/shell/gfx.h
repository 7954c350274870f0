#pragma once
// The artwork store: a window that is never shown. It holds the shared button
// pictures (plain ending 0, lit ending 1), two hidden labels used as global
// values, and the readme document.

#include "ui/Controls.h"
#include "ui/Window.h"

namespace shell {

class gfx : public ui::Window {
  public:
    explicit gfx(ui::Application& app);

    ui::PictureBox accept0{*this, "accept0"};
    ui::PictureBox accept1{*this, "accept1"};
    ui::PictureBox delete0{*this, "delete0"};
    ui::PictureBox delete1{*this, "delete1"};
    ui::PictureBox load0{*this, "load0"};
    ui::PictureBox load1{*this, "load1"};
    ui::PictureBox save0{*this, "save0"};
    ui::PictureBox save1{*this, "save1"};
    ui::Label detect{*this, "detect"};               // scan mode of the package scanner
    ui::Label DedNewCounter{*this, "DedNewCounter"}; // counter of mod detection
    ui::OleContainer OLE_readme{*this, "OLE_readme"};
};

} // namespace shell
