#pragma once
// The bot window: puts bots into the roster (the roster window's roster).
// Three pages behind a tab strip: add one bot by name, skill, team and
// delay; Detect All, which clears the roster and rebuilds it from the
// packages of baseq3; Detect New, which adds the bots of the packages that
// came since the last detection. Every action writes bots.tvd, refreshes the
// roster window's editor and unloads this window.

#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"
#include "windows/TabStrip.h"

namespace windows {

class BotWindow : public ui::Window {
  public:
    explicit BotWindow(ui::Application& app);

    // ---- public procedures --------------------------------------------
    // Add by name: the entry from the name box and the combos goes to its
    // sorted place in the roster; the selection stays on the same bots;
    // bots.tvd is written (line 2 empty when nothing is selected).
    void addTypedBotAndSave();
    // After a detection: refreshes the roster window's editor, writes
    // bots.tvd from the roster ("x" when nothing is selected) and, only when
    // that worked, the package snapshot.
    void saveRoster();
    // Removes one of every two equal neighbours from the roster; the one
    // that stays carries the selection.
    void removeNeighbourDuplicates();
    // Detect All: clears the roster and fills it from every package
    // (saveRoster saves it).
    void detectAll();
    // Writes oldbots.tvd (the packages of baseq3) and refills packageSnapshot.
    void rememberPackages();
    // Detect New: adds the bots of the packages missing from packageSnapshot
    // (saveRoster saves them).
    void detectNew();

    // ---- controls, in stacking order ------------------------------------
    // Tab strip: the picture, its three tabs, and the three strip pictures.
    ui::PictureBox strip{*this, "Picture2"};
    ui::Label addByNameTab{*this, "Label1", &strip}; // tab: add by name
    ui::Label detectAllTab{*this, "Label3", &strip}; // tab: Detect All
    ui::Label detectNewTab{*this, "Label4", &strip}; // tab: Detect New
    ui::PictureBox stripSingleActive{*this, "leiste1"};
    ui::PictureBox stripDetectAllActive{*this, "leiste2"};
    ui::PictureBox stripDetectNewActive{*this, "leiste3"};

    // Add by name.
    ui::PictureBox addByNamePage{*this, "mSingle"};
    ui::Image addByNameBackground{*this, "Image1", &addByNamePage}; // background
    ui::Shape botFieldsFrame{*this, "Shape1", &addByNamePage};
    ui::Label addInstructions{*this, "Label2", &addByNamePage};
    ui::TextBox botName{*this, "Text1", &addByNamePage};       // bot name
    ui::ComboBox botSkill{*this, "Combo3", &addByNamePage};    // skill
    ui::ComboBox botTeam{*this, "Combo1", &addByNamePage};     // team
    ui::ComboBox botDelay{*this, "Combo2", &addByNamePage};    // delay
    ui::Image addButtonPlain{*this, "Image2", &addByNamePage}; // add, plain
    ui::Image addButtonLit{*this, "Image3", &addByNamePage};   // add, lit

    // Detect All.
    ui::PictureBox detectAllPage{*this, "mDedAll"};
    ui::Image detectAllBackground{*this, "Image7", &detectAllPage}; // background
    ui::Label detectAllWarning{*this, "Label5", &detectAllPage};
    ui::Label detectAllTrack{*this, "status1", &detectAllPage}; // progress track
    ui::Label detectAllFill{*this, "status2", &detectAllPage};  // progress fill
    ui::Shape detectAllFrame{*this, "Shape2", &detectAllPage};
    ui::Label detectAllPercent{*this, "status3", &detectAllPage};    // percentage
    ui::Image detectAllButtonPlain{*this, "Image5", &detectAllPage}; // Detect All, plain
    ui::Image detectAllButtonLit{*this, "Image6", &detectAllPage};   // Detect All, lit

    // Detect New.
    ui::PictureBox detectNewPage{*this, "mDedNew"};
    ui::Image detectNewBackground{*this, "Image11", &detectNewPage}; // background
    ui::Label detectNewNote{*this, "Label8", &detectNewPage};
    ui::Label detectNewTrack{*this, "status1b", &detectNewPage};
    ui::Label detectNewFill{*this, "status2b", &detectNewPage};
    ui::Shape detectNewFrame{*this, "Shape3", &detectNewPage};
    ui::Label detectNewPercent{*this, "status3b", &detectNewPage};
    ui::Image detectNewButtonPlain{*this, "Image9", &detectNewPage}; // Detect New, plain
    ui::Image detectNewButtonLit{*this, "Image10", &detectNewPage};  // Detect New, lit

    // Hidden: the packages of baseq3, and those of the last detection.
    ui::DirListBox packageFolder{*this, "Dir1"};
    ui::FileListBox packageFiles{*this, "File1"};
    ui::ListBox packageSnapshot{*this, "mDedOldList", false};

  protected:
    void onLoad() override;
    void onMouseMove() override;

  private:
    void design();
    void bindHandlers();
    void detectNewTabClicked();
    void addClicked();
    void detectClicked(bool onlyNew);
    // Reads bots.tvd into a roster that a title-bar close of the roster
    // window discarded, so that an addition never writes a roster of the new
    // bots alone; a roster the user emptied stays empty.
    void takeRoster();
    windows::TabStrip tabStrip();
    // Which page shows, with its strip picture: 0, 1 or 2.
    void showPage(int page);
    // Writes bots.tvd; a message, with `alsoLost`, when that fails.
    bool writeRosterFile(bool xWhenNone, const std::string& alsoLost = {});
};

} // namespace windows
