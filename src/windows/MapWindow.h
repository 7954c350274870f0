#pragma once
// The map window "Add map": adds to the map catalogue (the main window's
// mapList) by a typed name, by detecting every map of the game's packages
// (the catalogue is rebuilt), or by detecting only the maps of packages that
// are new since the last detection. Every action ends by writing maps.tvd
// and closing the window.
//
// oldmaps.tvd holds the package names of baseq3 as they were at the last
// detection; Detect New skips every package named there. It is written
// only after maps.tvd, so that a catalogue that could not be saved leaves
// its packages new for the next Detect New.

#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"
#include "windows/TabStrip.h"

namespace windows {

class MapWindow : public ui::Window {
  public:
    explicit MapWindow(ui::Application& app);

    // ---- public procedures --------------------------------------------
    void addTypedMapAndSave();        // add the typed name, write maps.tvd, close
    void saveCatalogue();             // after a detection: maps.tvd, then the snapshot; close
    void removeNeighbourDuplicates(); // duplicate pass over the catalogue
    void detectAll();                 // Detect All (saveCatalogue saves it)
    void rememberPackages();          // write the package snapshot
    void detectNew();                 // Detect New (saveCatalogue saves it)

    // ---- controls, in stacking order ----------------------------------
    // Tab strip: the strip picture, the three tabs on it, and the hidden
    // pictures with the first, second or third tab drawn active.
    ui::PictureBox strip{*this, "Picture2"};
    ui::Label addByNameTab{*this, "Label1", &strip}; // tab Single
    ui::Label detectAllTab{*this, "Label3", &strip}; // tab Detect All
    ui::Label detectNewTab{*this, "Label4", &strip}; // tab Detect New
    ui::PictureBox stripSingleActive{*this, "leiste1"};
    ui::PictureBox stripDetectAllActive{*this, "leiste2"};
    ui::PictureBox stripDetectNewActive{*this, "leiste3"};

    // Add by name.
    ui::PictureBox addByNamePage{*this, "mSingle"};
    ui::Image addByNameBackground{*this, "Image1", &addByNamePage}; // background
    ui::Label mapNamePrompt{*this, "Label2", &addByNamePage};
    ui::TextBox mapName{*this, "Text1", &addByNamePage};
    ui::Image addButtonPlain{*this, "Image2", &addByNamePage}; // add, plain
    ui::Image addButtonLit{*this, "Image3", &addByNamePage};   // add, lit

    // Detect All.
    ui::PictureBox detectAllPage{*this, "mDedAll"};
    ui::Image detectAllBackground{*this, "Image7", &detectAllPage}; // background
    ui::Label detectAllWarning{*this, "Label5", &detectAllPage};
    ui::Image detectAllButtonPlain{*this, "Image5", &detectAllPage}; // detect all, plain
    ui::Image detectAllButtonLit{*this, "Image6", &detectAllPage};   // detect all, lit
    ui::Label detectAllTrack{*this, "status1", &detectAllPage};      // progress track
    ui::Label detectAllFill{*this, "status2", &detectAllPage};       // progress fill
    ui::Label detectAllPercent{*this, "status3", &detectAllPage};    // percentage
    ui::DirListBox packageFolder{*this, "Dir1", &detectAllPage};
    ui::FileListBox packageFiles{*this, "File1", &detectAllPage};

    // Detect New.
    ui::PictureBox detectNewPage{*this, "mDedNew"};
    ui::Image detectNewBackground{*this, "Image11", &detectNewPage}; // background
    ui::Label detectNewNote{*this, "Label8", &detectNewPage};
    ui::Image detectNewButtonPlain{*this, "Image9", &detectNewPage}; // detect new, plain
    ui::Image detectNewButtonLit{*this, "Image10", &detectNewPage};  // detect new, lit
    ui::Label detectNewTrack{*this, "status1b", &detectNewPage};
    ui::Label detectNewFill{*this, "status2b", &detectNewPage};
    ui::Label detectNewPercent{*this, "status3b", &detectNewPage};
    ui::ListBox packageSnapshot{*this, "mDedOldList", false, ui::ListBox::Selection::Single,
                                &detectNewPage};

  protected:
    void onLoad() override;
    void onMouseMove() override;

  private:
    void design();
    void bindHandlers();
    windows::TabStrip tabStrip();
    void addClicked();
    // A detection button: the pass, the duplicate pass, saveCatalogue.
    void detectClicked(bool onlyNew);
    void detectNewTabClicked();
    // One detection over packageFiles: Detect All empties the catalogue first,
    // Detect New skips the packages of the snapshot.
    void detect(bool onlyNew);
};

} // namespace windows
