#pragma once
// The bot roster window. Its roster is the one of the whole program: one
// bot entry per bot, sorted, several selected at once; the selected entries
// are the bots of the next game. The accept button only hides the window, so
// the roster survives; a close from the title bar discards it.

#include <optional>

#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"
#include "windows/DuplicatePass.h"

namespace windows {

class RosterWindow : public ui::Window {
  public:
    explicit RosterWindow(ui::Application& app);

    // Rebuilds the highlighted entry from the editor, in place, keeping its
    // selection; writes bots.tvd.
    void rewriteHighlightedEntry();
    // Splits the highlighted entry into the editor.
    void showHighlightedBot();
    // Takes the entries of a duplicate pass over the roster out in one change.
    // The roster ends as removing them one by one leaves it: each removal
    // highlights its entry first, as a click does, so the highlight, the
    // editor, the count and the remove button show what the click on the
    // last one left. bots.tvd is left to the caller, which writes it once.
    void removeDuplicates(const windows::DuplicatePass& pass);
    // The highlighted index when the window last refreshed; none before its
    // first refresh. Reading it loads the window.
    std::optional<int> shownIndex();
    // True when the roster is empty because unloading the window discarded
    // it (a close from the title bar), not because the user emptied it: it
    // was not filled (from bots.tvd, or by a detection that replaced it)
    // since the window last loaded. Calling it loads the window.
    bool rosterDiscarded();
    // Notes that the roster was just filled; loads the window.
    void setRosterFilled();

    // Controls, in stacking order.
    ui::Image decorationLower{*this, "Image1"};
    ui::Image decorationRight{*this, "Image4"};
    ui::Image decorationUpper{*this, "Image5"};
    ui::ListBox roster{*this, "List3", true, ui::ListBox::Selection::Multiple};
    ui::Label editedName{*this, "Label1"};              // name of the highlighted bot
    ui::Label editorHeader{*this, "Label3"};            // column header
    ui::ComboBox editedSkill{*this, "Combo3"};          // skill
    ui::ComboBox editedTeam{*this, "Combo1"};           // team
    ui::ComboBox editedDelay{*this, "Combo2"};          // delay
    ui::Label selectedCount{*this, "nr"};               // number of selected bots
    ui::CommandButton clearButton{*this, "Command2"};   // "clear botlist"
    ui::CommandButton removeButton{*this, "Command9"};  // "remove bot"
    ui::CommandButton addBotButton{*this, "Command1"};  // "Add bot to list"
    ui::CommandButton selectAllButton{*this, "call"};   // "Select all"
    ui::CommandButton selectNoneButton{*this, "cnone"}; // "Sel. none"
    ui::Image acceptButtonPlain{*this, "Image2"};       // accept, plain
    ui::Image acceptButtonLit{*this, "Image3"};         // accept, lit

  protected:
    void onLoad() override;
    void onUnload(bool& cancel) override;
    void onMouseMove() override;
    void onDesignRestored() override;

  private:
    void design();
    void bindHandlers();
    void rosterClicked();
    void selectAllClicked();
    void selectNoneClicked();
    void editorFieldChosen();
    void addBotClicked();
    void clearClicked();
    void removeClicked();
    void acceptClicked();
    void refresh();
    void updateMainWindowBots();
    void setShownIndex(int index);

    // True while an operation of this window runs: a refresh raised inside
    // it leaves the file to the operation, which writes it at its end.
    bool operationRunning_ = false;
    std::optional<int> shownIndex_;
    bool rosterFilled_ = false;
};

// The choices of a bot's skill, team and delay boxes.
void addBotChoices(ui::ComboBox& skill, ui::ComboBox& team, ui::ComboBox& delay);

} // namespace windows
