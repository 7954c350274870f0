#pragma once
// The bot roster window. Its List3 is the roster of the whole program: one
// bot entry per bot, sorted, several selected at once; the selected entries
// are the bots of the next game. The accept button only hides the window, so
// the roster survives; a close from the title bar discards it.

#include "common/DuplicatePass.h"
#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"

namespace content {

class q3bots : public ui::Window {
  public:
    explicit q3bots(ui::Application& app);

    // Rebuilds the highlighted entry from the editor, in place, keeping its
    // selection; writes bots.tvd.
    void list3add();
    // Splits the highlighted entry into the editor.
    void botinfo();
    // Takes the entries of a duplicate pass over List3 out in one change.
    // The roster ends as removing them one by one leaves it: each removal
    // highlights its entry first, as a click does, so the highlight, the
    // editor, the count and the remove button show what the click on the
    // last one left. bots.tvd is left to the caller, which writes it once.
    void removeDuplicates(const common::DuplicatePass& pass);

    // Controls, in stacking order.
    ui::Image Image1{*this, "Image1"};
    ui::Image Image4{*this, "Image4"};
    ui::Image Image5{*this, "Image5"};
    ui::ListBox List3{*this, "List3", true, ui::ListBox::Selection::Multiple};
    ui::Label Label1{*this, "Label1"};             // name of the highlighted bot
    ui::Label Label3{*this, "Label3"};             // column header
    ui::ComboBox Combo3{*this, "Combo3"};          // skill
    ui::ComboBox Combo1{*this, "Combo1"};          // team
    ui::ComboBox Combo2{*this, "Combo2"};          // delay
    ui::Label nr{*this, "nr"};                     // number of selected bots
    ui::Label Label2{*this, "Label2"};             // highlighted index last shown (hidden)
    ui::CommandButton Command2{*this, "Command2"}; // "clear botlist"
    ui::CommandButton Command9{*this, "Command9"}; // "remove bot"
    ui::CommandButton Command1{*this, "Command1"}; // "Add bot to list"
    ui::CommandButton call{*this, "call"};         // "Select all"
    ui::CommandButton cnone{*this, "cnone"};       // "Sel. none"
    ui::Image Image2{*this, "Image2"};             // accept, plain
    ui::Image Image3{*this, "Image3"};             // accept, lit

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Form_MouseMove() override;
    void Form_Deactivate() override;

  private:
    void design();
    void bindHandlers();
    void List3_Click();
    void call_Click();
    void cnone_Click();
    void Combo_Click();
    void Command1_Click();
    void Command2_Click();
    void Command9_Click();
    void accept_Click();
    void refresh();
    void closeSteps();

    // True while an operation of this window runs: a refresh raised inside
    // it leaves the file to the operation, which writes it at its end.
    bool operationRunning_ = false;
    // True while code moves the highlight without the refresh of a click.
    bool quietHighlight_ = false;
};

// The choices of a bot's skill, team and delay boxes.
void addBotChoices(ui::ComboBox& skill, ui::ComboBox& team, ui::ComboBox& delay);

} // namespace content
