#include "windows/RosterWindow.h"

#include <optional>
#include <string>
#include <vector>

#include "data/BotEntry.h"
#include "data/BotFile.h"
#include "data/NumberText.h"
#include "ui/Application.h"
#include "windows/Artwork.h"
#include "windows/ArtworkStore.h"
#include "windows/BotWindow.h"
#include "windows/HoverPair.h"
#include "windows/MainWindow.h"

namespace windows {

namespace {

constexpr const char* kHeader = "Skill       Team           msec delay";
constexpr ui::Color kEditorBack{94, 0, 0};
constexpr ui::Color kHeaderBack{172, 112, 11};

// Rewrites bots.tvd from the roster; tells the user when that fails. The
// roster on screen stays as it is either way.
void writeRosterFile(RosterWindow& w, data::NoSelection whenNone) {
    data::writeBotFileOrTell(w.app().services(), w.roster, whenNone);
}

// The pieces of one entry into the editor, untrimmed, so that team and
// delay match the combo items. An entry too short to be cut shows whole as
// the name: choosing a skill, team or delay then makes it a complete entry.
void fillEditor(RosterWindow& w, const std::string& entry) {
    const auto bot = data::BotEntry::cut(entry);
    if (!bot) {
        w.editedName.setCaption(entry);
        return;
    }
    w.editedName.setCaption(bot->name);
    w.editedTeam.setText(bot->team);
    w.editedDelay.setText(bot->delay);
    w.editedSkill.setText(bot->skill);
}

// A typed value made to fit its field; a message and nullopt when it is too
// long.
std::optional<std::string> editorField(RosterWindow& w, const std::string& typed, std::size_t width,
                                       const std::string& what) {
    auto fitted = data::fitBotField(typed, width);
    if (!fitted) {
        w.app().services().messages.show(
            "The " + what + " \"" + typed + "\" is too long: it can hold at most " +
            data::plainNumber(static_cast<long long>(width)) +
            (width == 1 ? " character" : " characters") + ". The bot was not changed.");
    }
    return fitted;
}

} // namespace

RosterWindow::RosterWindow(ui::Application& app)
    : ui::Window(app, "q3bots", "Bot Settings", 5385, 4440) {
    design();
    bindHandlers();
}

void RosterWindow::design() {
    const struct {
        ui::Image& image;
        int left;
        int top;
    } decorations[] = {{decorationLower, 2880, 2640},
                       {decorationRight, 4200, 1920},
                       {decorationUpper, 3120, 1440}};
    for (const auto& d : decorations) {
        d.image.place(d.left, d.top, 960, 960);
        d.image.setPicture(windows::art::kBotDecoration);
    }

    roster.place(240, 120, 2415, 3630);

    editedName.place(2880, 120, 2295, 615);
    editedName.setTransparent(false);
    editedName.setBackColor(kEditorBack);
    editorHeader.place(2880, 480, 2295, 255);
    editorHeader.setCaption(kHeader);
    editorHeader.setTransparent(false);
    editorHeader.setBackColor(kHeaderBack);
    editorHeader.setForeColor(ui::kBlack);

    editedSkill.place(2880, 720, 615, 315);
    editedSkill.setText("1");
    editedTeam.place(3480, 720, 975, 315);
    editedTeam.setText("red ");
    editedDelay.place(4440, 720, 735, 315);
    editedDelay.setText("0  ");
    for (ui::ComboBox* combo : {&editedSkill, &editedTeam, &editedDelay}) {
        combo->setBackColor(kEditorBack);
        combo->setForeColor(ui::kWhite);
    }

    selectedCount.place(4200, 3180, 855, 495);
    selectedCount.setCaption("0");
    ui::Font big;
    big.size = 24;
    big.bold = true;
    selectedCount.setFont(big);
    selectedCount.setForeColor(ui::kRed);
    selectedCount.setAlignment(ui::Align::Right);

    clearButton.place(240, 3840, 1215, 255);
    clearButton.setCaption("clear botlist");
    clearButton.setToolTip("Click to clear botlist");
    removeButton.place(240, 4080, 1215, 255);
    removeButton.setCaption("remove bot");
    removeButton.setToolTip("Click to remove the selected bot");
    removeButton.setEnabled(false);
    addBotButton.place(1440, 3840, 1215, 495);
    addBotButton.setCaption("Add bot to list");
    addBotButton.setToolTip("Click to add a bot");
    selectAllButton.place(2880, 3840, 855, 255);
    selectAllButton.setCaption("Select all");
    selectNoneButton.place(2880, 4080, 855, 255);
    selectNoneButton.setCaption("Sel. none");

    // The accept pair sits a few pixels up and left of its old place so that
    // the whole picture fits inside the window's client area.
    acceptButtonPlain.place(3930, 3645, 1440, 795);
    acceptButtonLit.place(3930, 3645, 1440, 795);
    acceptButtonLit.setVisible(false);
}

void RosterWindow::bindHandlers() {
    roster.onClick = [this] { rosterClicked(); };
    selectAllButton.onClick = [this] { selectAllClicked(); };
    selectNoneButton.onClick = [this] { selectNoneClicked(); };
    editedTeam.onClick = [this] { editorFieldChosen(); };
    editedDelay.onClick = [this] { editorFieldChosen(); };
    editedSkill.onClick = [this] { editorFieldChosen(); };
    addBotButton.onClick = [this] { addBotClicked(); };
    clearButton.onClick = [this] { clearClicked(); };
    removeButton.onClick = [this] { removeClicked(); };
    acceptButtonPlain.onClick = [this] { acceptClicked(); };
    acceptButtonLit.onClick = [this] { acceptClicked(); };
    windows::HoverPair(acceptButtonPlain, acceptButtonLit).bind({&decorationLower});
}

void addBotChoices(ui::ComboBox& skill, ui::ComboBox& team, ui::ComboBox& delay) {
    for (const char* s : {"1", "2", "3", "4", "5"})
        skill.addItem(s);
    for (const char* t : {"red ", "blue"})
        team.addItem(t);
    for (const char* d : {"0  ", "25 ", "75 ", "100"})
        delay.addItem(d);
}

void RosterWindow::onLoad() {
    const windows::ArtworkStore& store = app().get<windows::ArtworkStore>();
    windows::HoverPair(acceptButtonPlain, acceptButtonLit)
        .takePictures(store.acceptPlain, store.acceptLit);
    addBotChoices(editedSkill, editedTeam, editedDelay);
    selectedCount.setCaption(data::plainNumber(roster.selCount()));
}

void RosterWindow::onUnload(bool& cancel) {
    (void)cancel;
    updateMainWindowBots();
}

void RosterWindow::onMouseMove() {
    windows::HoverPair(acceptButtonPlain, acceptButtonLit).reset();
}

void RosterWindow::rewriteHighlightedEntry() {
    const int i = roster.listIndex();
    if (i < 0)
        return;
    // A typed value of another width would shift every later cut of the
    // entry: shorter ones are blank-filled, longer ones refused.
    const auto skill = editorField(*this, editedSkill.text(), data::kSkillWidth, "skill");
    if (!skill)
        return;
    const auto team = editorField(*this, editedTeam.text(), data::kTeamWidth, "team");
    if (!team)
        return;
    const auto delay = editorField(*this, editedDelay.text(), data::kDelayWidth, "delay");
    if (!delay)
        return;
    const data::BotEntry bot{editedName.caption(), *skill, *team, *delay};

    operationRunning_ = true;
    const bool wasSelected = roster.selected(i);
    roster.removeItem(i);
    roster.addItem(bot.text(), i);
    roster.setListIndex(i);
    roster.setSelected(i, wasSelected);
    operationRunning_ = false;
    writeRosterFile(*this, data::NoSelection::LetterX);
    // The highlight above refreshed the count while the entry was out of the
    // selection; count again now that it is back.
    selectedCount.setCaption(data::plainNumber(roster.selCount()));
}

void RosterWindow::showHighlightedBot() {
    if (roster.listCount() < 1)
        return;
    // No highlighted entry: nothing to show.
    if (roster.listIndex() < 0)
        return;
    fillEditor(*this, roster.text());
}

void RosterWindow::removeDuplicates(const windows::DuplicatePass& pass) {
    if (pass.removals.empty())
        return;
    for (const int i : pass.newlySelected)
        roster.setSelected(i, true);
    // What the refresh of each removal's click did, in turn: the editor
    // shows an entry whenever the highlighted index changed.
    const auto& entries = roster.state().items;
    bool anySelected = false;
    std::optional<int> shown = shownIndex();
    std::optional<std::string> editor;
    for (const auto& r : pass.removals) {
        anySelected = anySelected || r.selected >= 1;
        const std::string& text = entries[static_cast<std::size_t>(r.index)].text;
        if (shown != r.position && !text.empty())
            editor = text;
        shown = r.position;
    }
    roster.removeInTurn(pass.positions(), true);
    if (anySelected)
        removeButton.setEnabled(true);
    if (editor)
        fillEditor(*this, *editor);
    setShownIndex(*shown);
    selectedCount.setCaption(data::plainNumber(pass.removals.back().selected));
}

void RosterWindow::rosterClicked() {
    refresh();
}

void RosterWindow::selectAllClicked() {
    const int count = roster.listCount();
    for (int i = 0; i < count; ++i)
        roster.setSelected(i, true);
    refresh();
}

void RosterWindow::selectNoneClicked() {
    const int count = roster.listCount();
    for (int i = 0; i < count; ++i)
        roster.setSelected(i, false);
    refresh();
}

void RosterWindow::editorFieldChosen() {
    rewriteHighlightedEntry();
}

void RosterWindow::addBotClicked() {
    app().get<BotWindow>().show();
}

void RosterWindow::clearClicked() {
    roster.clear();
    selectedCount.setCaption("0");
    data::writeClearedBotFileOrTell(app().services());
}

void RosterWindow::removeClicked() {
    const int removed = roster.listIndex();
    if (removed < 0)
        return;
    removeButton.setEnabled(false);
    std::vector<int> noted;
    const int before = roster.listCount();
    for (int n = 0; n < before; ++n) {
        if (roster.selected(n))
            noted.push_back(n);
    }
    operationRunning_ = true;
    roster.removeItem(removed);
    showHighlightedBot();
    // Entries before the removed one keep their index, entries after it move
    // up by one; the removed entry itself is gone.
    const int count = roster.listCount();
    for (int n = 0; n < count; ++n)
        roster.setSelected(n, false);
    for (const int n : noted) {
        if (n < removed)
            roster.setSelected(n, true);
        else if (n > removed && count > 0)
            roster.setSelected(n - 1, true);
    }
    operationRunning_ = false;
    writeRosterFile(*this, data::NoSelection::EmptyLine);
    selectedCount.setCaption(data::plainNumber(roster.selCount()));
}

void RosterWindow::acceptClicked() {
    hide();
    updateMainWindowBots();
}

void RosterWindow::refresh() {
    if (roster.selCount() >= 1)
        removeButton.setEnabled(true);
    const int h = roster.listIndex();
    if (shownIndex() != h && !roster.text().empty())
        fillEditor(*this, roster.text());
    setShownIndex(h);
    if (!operationRunning_)
        writeRosterFile(*this, data::NoSelection::LetterX);
    selectedCount.setCaption(data::plainNumber(roster.selCount()));
}

std::optional<int> RosterWindow::shownIndex() {
    touch();
    return shownIndex_;
}

void RosterWindow::setShownIndex(int index) {
    touch();
    shownIndex_ = index;
}

bool RosterWindow::rosterDiscarded() {
    return roster.listCount() == 0 && !rosterFilled_;
}

void RosterWindow::setRosterFilled() {
    touch();
    rosterFilled_ = true;
}

void RosterWindow::onDesignRestored() {
    shownIndex_.reset();
    rosterFilled_ = false;
}

void RosterWindow::updateMainWindowBots() {
    const int n = roster.selCount();
    windows::MainWindow& main = app().get<windows::MainWindow>();
    main.botCount.setCaption(windows::MainWindow::botCountCaption(n));
    if (main.modList.selCount() == 0 && n >= 1)
        main.withBots.setEnabled(false);
}

} // namespace windows
