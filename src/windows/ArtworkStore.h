#pragma once
// The artwork store: a window that is never shown. It holds the shared button
// pictures (plain ending 0, lit ending 1), the scan mode of the package
// scanner and the readme document.

#include "packages/PackageRules.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace windows {

class ArtworkStore : public ui::Window {
  public:
    explicit ArtworkStore(ui::Application& app);

    // What the package scanner looks for; reading or setting it loads the
    // store, as a touch of one of its controls does.
    packages::ScanMode scanMode();
    void setScanMode(packages::ScanMode mode);

    ui::PictureBox acceptPlain{*this, "accept0"};
    ui::PictureBox acceptLit{*this, "accept1"};
    ui::PictureBox deletePlain{*this, "delete0"};
    ui::PictureBox deleteLit{*this, "delete1"};
    ui::PictureBox loadPlain{*this, "load0"};
    ui::PictureBox loadLit{*this, "load1"};
    ui::PictureBox savePlain{*this, "save0"};
    ui::PictureBox saveLit{*this, "save1"};
    ui::OleContainer readmeDocument{*this, "OLE_readme"};

  protected:
    void onDesignRestored() override;

  private:
    packages::ScanMode scanMode_ = packages::ScanMode::None;
};

} // namespace windows
