#pragma once
// The mod window: grows the mod list by one mod entered by hand, or by
// detecting mods in the sub-folders of the game directory, all of them or
// those that are new since the last detection. It owns the writers of
// mods.tvd that rebuild the main window's mod list after every change, and
// the snapshot of the game directory's folders (oldmods.tvd) that the next
// Detect New compares against.
//
// The detection runs inside the click on a Detect button, or inside the
// first-run pass on the loaded but hidden window (then always Detect All,
// as the Detect New panel is hidden). The window has no strip pictures of
// its own: its tabs show the map window's.

#include <string>
#include <vector>

#include "mods/ModFields.h"
#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"

namespace mods {

class q2mod : public ui::Window {
  public:
    explicit q2mod(ui::Application& app);

    // ---- public procedures ------------------------------------------------
    // Removes adjacent equal entries from the main window's mod list.
    void doppelte_Mods();
    // Detects the mods of the game directory (Detect New while the Detect
    // New panel is shown, else Detect All), rewrites mods.tvd and, once that
    // is written, the snapshot. Folders that cannot be listed are left out
    // and named to the user. False when it stopped on a record it could not
    // write (the user has been told).
    bool Autodetect_Mods();
    // The game directory's folders into oldmods.tvd and, once written, into
    // mDedOldList.
    void oldmodspk3();
    // Writes the record of the typed mod and lists it.
    void addmod();
    // mods.tvd from the mod list with the typed name added; closes the window.
    void q2modlist();
    // mods.tvd from the mod list as it stands; closes the window. False when
    // mods.tvd could not be written (the list on screen is kept all the same).
    bool q2modlist2();

    // ---- controls, in stacking order --------------------------------------
    // The tab strip: three transparent labels on the strip picture.
    ui::PictureBox Picture2{*this, "Picture2"};
    ui::Label Label7{*this, "Label7", &Picture2};   // add by hand
    ui::Label Label8{*this, "Label8", &Picture2};   // Detect All
    ui::Label Label12{*this, "Label12", &Picture2}; // Detect New

    // Page 1: add a mod by hand.
    ui::PictureBox mSingle{*this, "mSingle"};
    ui::Image Image1{*this, "Image1", &mSingle}; // page background
    ModFields fields{*this, &mSingle};
    ui::Image Image2{*this, "Image2", &mSingle}; // accept, plain
    ui::Image Image3{*this, "Image3", &mSingle}; // accept, lit

    // Page 2: detection.
    ui::PictureBox mDedAll{*this, "mDedAll"};
    ui::Image Image6{*this, "Image6", &mDedAll}; // page background
    ui::DirListBox Dir1{*this, "Dir1", &mDedAll};
    ui::Label txt_AllNew{*this, "txt_AllNew", &mDedAll};
    ui::Label cpt_Detected{*this, "cpt_Detected", &mDedAll};
    ui::Label txt_detected{*this, "txt_detected", &mDedAll};
    ui::Label cpt_remaining{*this, "cpt_remaining", &mDedAll};
    ui::Label txt_remaining{*this, "txt_remaining", &mDedAll};
    ui::Label txt_detecting{*this, "txt_detecting", &mDedAll};
    ui::Label status1b{*this, "status1b", &mDedAll}; // track
    ui::Label status2b{*this, "status2b", &mDedAll}; // fill
    ui::Label status3b{*this, "status3b", &mDedAll}; // percentage
    ui::Label Label13{*this, "Label13", &mDedAll};   // Detect All notice
    ui::Image Image4{*this, "Image4", &mDedAll};     // Detect All, plain
    ui::Image Image5{*this, "Image5", &mDedAll};     // Detect All, lit

    // Over the lower part of page 2 in Detect New mode.
    ui::PictureBox mDedNew{*this, "mDedNew"};
    ui::Image Image9{*this, "Image9", &mDedNew};   // the page background's lower part
    ui::Label Label21{*this, "Label21", &mDedNew}; // Detect New notice
    ui::Image Image7{*this, "Image7", &mDedNew};   // Detect New, plain
    ui::Image Image8{*this, "Image8", &mDedNew};   // Detect New, lit

    // The folder names of the last detection.
    ui::ListBox mDedOldList{*this, "mDedOldList", false};

  protected:
    void Form_Load() override;

  private:
    void design();
    void designDetectionPage();
    void bindHandlers();

    void Label7_Click();
    void Label8_Click();
    void Label12_Click();
    void Image5_Click();
    void Image8_Click();

    // Writes mods.tvd as `line` and rebuilds the mod list from it; see
    // q2modlist2. A failed write tells the user, with `consequence`.
    bool rebuildModList(const std::string& line, const std::string& consequence);
};

} // namespace mods
