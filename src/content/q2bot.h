#pragma once
// The bot window: puts bots into the roster (the roster window's List3).
// Three pages behind a tab strip: add one bot by name, skill, team and
// delay; Detect All, which clears the roster and rebuilds it from the
// packages of baseq3; Detect New, which adds the bots of the packages that
// came since the last detection. Every action writes bots.tvd, refreshes the
// roster window's editor and unloads this window.

#include "common/TabStrip.h"
#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"

namespace content {

class q2bot : public ui::Window {
  public:
    explicit q2bot(ui::Application& app);

    // ---- public procedures --------------------------------------------
    // Add by name: the entry from the name box and the combos goes to its
    // sorted place in the roster; the selection stays on the same bots;
    // bots.tvd is written (line 2 empty when nothing is selected).
    void botlist2();
    // After a detection: refreshes the roster window's editor, writes
    // bots.tvd from the roster ("x" when nothing is selected) and, only when
    // that worked, the package snapshot.
    void botlist2b();
    // Removes one of every two equal neighbours from the roster; the one
    // that stays carries the selection.
    void doppelte_Bots();
    // Detect All: clears the roster and fills it from every package
    // (botlist2b saves it).
    void autobot();
    // Writes oldbots.tvd (the packages of baseq3) and refills mDedOldList.
    void oldbotspk3();
    // Detect New: adds the bots of the packages missing from mDedOldList
    // (botlist2b saves it).
    void autobot2();

    // ---- controls, in stacking order ------------------------------------
    // Tab strip: the picture, its three tabs, and the three strip pictures.
    ui::PictureBox Picture2{*this, "Picture2"};
    ui::Label Label1{*this, "Label1", &Picture2}; // tab: add by name
    ui::Label Label3{*this, "Label3", &Picture2}; // tab: Detect All
    ui::Label Label4{*this, "Label4", &Picture2}; // tab: Detect New
    ui::PictureBox leiste1{*this, "leiste1"};
    ui::PictureBox leiste2{*this, "leiste2"};
    ui::PictureBox leiste3{*this, "leiste3"};

    // Add by name.
    ui::PictureBox mSingle{*this, "mSingle"};
    ui::Image Image1{*this, "Image1", &mSingle}; // background
    ui::Shape Shape1{*this, "Shape1", &mSingle};
    ui::Label Label2{*this, "Label2", &mSingle};
    ui::TextBox Text1{*this, "Text1", &mSingle};    // bot name
    ui::ComboBox Combo3{*this, "Combo3", &mSingle}; // skill
    ui::ComboBox Combo1{*this, "Combo1", &mSingle}; // team
    ui::ComboBox Combo2{*this, "Combo2", &mSingle}; // delay
    ui::Image Image2{*this, "Image2", &mSingle};    // add, plain
    ui::Image Image3{*this, "Image3", &mSingle};    // add, lit

    // Detect All.
    ui::PictureBox mDedAll{*this, "mDedAll"};
    ui::Image Image7{*this, "Image7", &mDedAll}; // background
    ui::Label Label5{*this, "Label5", &mDedAll};
    ui::Label status1{*this, "status1", &mDedAll}; // progress track
    ui::Label status2{*this, "status2", &mDedAll}; // progress fill
    ui::Shape Shape2{*this, "Shape2", &mDedAll};
    ui::Label status3{*this, "status3", &mDedAll}; // percentage
    ui::Image Image5{*this, "Image5", &mDedAll};   // Detect All, plain
    ui::Image Image6{*this, "Image6", &mDedAll};   // Detect All, lit

    // Detect New.
    ui::PictureBox mDedNew{*this, "mDedNew"};
    ui::Image Image11{*this, "Image11", &mDedNew}; // background
    ui::Label Label8{*this, "Label8", &mDedNew};
    ui::Label status1b{*this, "status1b", &mDedNew};
    ui::Label status2b{*this, "status2b", &mDedNew};
    ui::Shape Shape3{*this, "Shape3", &mDedNew};
    ui::Label status3b{*this, "status3b", &mDedNew};
    ui::Image Image9{*this, "Image9", &mDedNew};   // Detect New, plain
    ui::Image Image10{*this, "Image10", &mDedNew}; // Detect New, lit

    // Hidden: the packages of baseq3, and those of the last detection.
    ui::DirListBox Dir1{*this, "Dir1"};
    ui::FileListBox File1{*this, "File1"};
    ui::ListBox mDedOldList{*this, "mDedOldList", false};

    // The text of the add page.
    static std::string addText();

  protected:
    void Form_Load() override;
    void Form_MouseMove() override;

  private:
    void design();
    void bindHandlers();
    void Label4_Click();
    void add_Click();
    void detect_Click(bool onlyNew);
    // Reads bots.tvd into a roster that a title-bar close of the roster
    // window discarded, as the main window's bots button does, so that an
    // addition never writes a roster of the new bots alone.
    void takeRoster();
    common::TabStrip tabStrip();
    // Which page shows, with its strip picture: 0, 1 or 2.
    void showPage(int page);
    // Writes bots.tvd; a message, with `alsoLost`, when that fails.
    bool saveRoster(bool xWhenNone, const std::string& alsoLost = {});
};

} // namespace content
