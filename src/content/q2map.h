#pragma once
// The map window "Add map": adds to the map catalogue (the main window's
// List1) by a typed name, by detecting every map of the game's packages
// (the catalogue is rebuilt), or by detecting only the maps of packages that
// are new since the last detection. Every action ends by writing maps.tvd
// and closing the window.
//
// oldmaps.tvd holds the package names of baseq3 as they were at the last
// detection; Detect New skips every package named there. It is written
// only after maps.tvd, so that a catalogue that could not be saved leaves
// its packages new for the next Detect New.

#include "common/TabStrip.h"
#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"

namespace content {

class q2map : public ui::Window {
  public:
    explicit q2map(ui::Application& app);

    // ---- public procedures --------------------------------------------
    void maplist();       // add the typed name, write maps.tvd, close
    void maplist2();      // after a detection: maps.tvd, then the snapshot; close
    void doppelte_Maps(); // duplicate pass over the catalogue
    void automap();       // Detect All (maplist2 saves it)
    void oldmapspk3();    // write the package snapshot
    void automap2();      // Detect New (maplist2 saves it)

    // ---- controls, in stacking order ----------------------------------
    // Tab strip: the strip picture, the three tabs on it, and the hidden
    // pictures with the first, second or third tab drawn active.
    ui::PictureBox Picture2{*this, "Picture2"};
    ui::Label Label1{*this, "Label1", &Picture2}; // tab Single
    ui::Label Label3{*this, "Label3", &Picture2}; // tab Detect All
    ui::Label Label4{*this, "Label4", &Picture2}; // tab Detect New
    ui::PictureBox leiste1{*this, "leiste1"};
    ui::PictureBox leiste2{*this, "leiste2"};
    ui::PictureBox leiste3{*this, "leiste3"};

    // Add by name.
    ui::PictureBox mSingle{*this, "mSingle"};
    ui::Image Image1{*this, "Image1", &mSingle}; // background
    ui::Label Label2{*this, "Label2", &mSingle};
    ui::TextBox Text1{*this, "Text1", &mSingle};
    ui::Image Image2{*this, "Image2", &mSingle}; // add, plain
    ui::Image Image3{*this, "Image3", &mSingle}; // add, lit

    // Detect All.
    ui::PictureBox mDedAll{*this, "mDedAll"};
    ui::Image Image7{*this, "Image7", &mDedAll}; // background
    ui::Label Label5{*this, "Label5", &mDedAll};
    ui::Image Image5{*this, "Image5", &mDedAll};   // detect all, plain
    ui::Image Image6{*this, "Image6", &mDedAll};   // detect all, lit
    ui::Label status1{*this, "status1", &mDedAll}; // progress track
    ui::Label status2{*this, "status2", &mDedAll}; // progress fill
    ui::Label status3{*this, "status3", &mDedAll}; // percentage
    ui::DirListBox Dir1{*this, "Dir1", &mDedAll};
    ui::FileListBox File1{*this, "File1", &mDedAll};

    // Detect New.
    ui::PictureBox mDedNew{*this, "mDedNew"};
    ui::Image Image11{*this, "Image11", &mDedNew}; // background
    ui::Label Label8{*this, "Label8", &mDedNew};
    ui::Image Image9{*this, "Image9", &mDedNew};   // detect new, plain
    ui::Image Image10{*this, "Image10", &mDedNew}; // detect new, lit
    ui::Label status1b{*this, "status1b", &mDedNew};
    ui::Label status2b{*this, "status2b", &mDedNew};
    ui::Label status3b{*this, "status3b", &mDedNew};
    ui::ListBox mDedOldList{*this, "mDedOldList", false, ui::ListBox::Selection::Single, &mDedNew};

  protected:
    void Form_Load() override;
    void Form_MouseMove() override;

  private:
    void design();
    void bindHandlers();
    common::TabStrip tabStrip();
    void addByName();
    // A detection button: the pass, the duplicate pass, maplist2.
    void detectClicked(bool onlyNew);
    void Label4_Click();
    // One detection over File1: Detect All empties the catalogue first,
    // Detect New skips the packages of the snapshot.
    void detect(bool onlyNew);
};

} // namespace content
