#pragma once
// The mod editor: changes the definition of the mod selected in the main
// window's mod list (game folder, options, extra command line: lines 1 to 12
// of its record). Saving rewrites the whole record, with the server settings
// that the main window shows, and closes the editor. A record that cannot be
// read takes the mod out of the mod list.

#include "ui/Controls.h"
#include "ui/Window.h"
#include "windows/ModFields.h"

namespace windows {

class ModEditor : public ui::Window {
  public:
    explicit ModEditor(ui::Application& app);

    // Writes the record of the mod named in modName from the editor and the
    // main window's setting controls. False (the record left as it was, the
    // user told) when it could not be written.
    bool saveRecord();

    // ---- controls, in stacking order --------------------------------------
    ui::Image background{*this, "Image1"}; // background
    ModFields fields{*this, nullptr};
    ui::Image saveButtonPlain{*this, "Image2"}; // save, plain
    ui::Image saveButtonLit{*this, "Image3"};   // save, lit

  protected:
    void onLoad() override;
    void onMouseMove() override;

  private:
    void saveClicked();
    // The record could not be read: the mod leaves the mod list.
    void dropMod(const std::string& name);
};

} // namespace windows
