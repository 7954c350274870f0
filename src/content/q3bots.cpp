#include "content/q3bots.h"

#include <optional>
#include <string>
#include <vector>

#include "common/BotEntry.h"
#include "common/BotFile.h"
#include "common/HoverPair.h"
#include "common/NumberText.h"
#include "content/q2bot.h"
#include "shell/Artwork.h"
#include "shell/Q2M.h"
#include "shell/gfx.h"
#include "ui/Application.h"

namespace content {

namespace {

constexpr const char* kHeader = "Skill       Team           msec delay";
constexpr ui::Color kEditorBack{94, 0, 0};
constexpr ui::Color kHeaderBack{172, 112, 11};

// Rewrites bots.tvd from the roster; tells the user when that fails. The
// roster on screen stays as it is either way.
void saveRoster(q3bots& w, common::NoSelection whenNone) {
    auto& services = w.app().services();
    if (!common::writeBotFile(services.files, w.List3, whenNone))
        services.messages.show(common::botFileWriteFailedMessage(services.files));
}

// The pieces of one entry into the editor, untrimmed, so that team and
// delay match the combo items. An entry too short to be cut shows whole as
// the name: choosing a skill, team or delay then makes it a complete entry.
void fillEditor(q3bots& w, const std::string& entry) {
    const auto bot = common::BotEntry::cut(entry);
    if (!bot) {
        w.Label1.setCaption(entry);
        return;
    }
    w.Label1.setCaption(bot->name);
    w.Combo1.setText(bot->team);
    w.Combo2.setText(bot->delay);
    w.Combo3.setText(bot->skill);
}

// A typed value made to fit its field; a message and nullopt when it is too
// long.
std::optional<std::string> editorField(q3bots& w, const std::string& typed, std::size_t width,
                                       const std::string& what) {
    auto fitted = common::fitBotField(typed, width);
    if (!fitted) {
        w.app().services().messages.show(
            "The " + what + " \"" + typed + "\" is too long: it can hold at most " +
            common::plainNumber(static_cast<long long>(width)) +
            (width == 1 ? " character" : " characters") + ". The bot was not changed.");
    }
    return fitted;
}

} // namespace

q3bots::q3bots(ui::Application& app) : ui::Window(app, "q3bots", "Bot Settings", 5385, 4440) {
    design();
    bindHandlers();
}

void q3bots::design() {
    const struct {
        ui::Image& image;
        int left;
        int top;
    } decorations[] = {{Image1, 2880, 2640}, {Image4, 4200, 1920}, {Image5, 3120, 1440}};
    for (const auto& d : decorations) {
        d.image.place(d.left, d.top, 960, 960);
        d.image.setPicture(shell::art::kBotDecoration);
    }

    List3.place(240, 120, 2415, 3630);

    Label1.place(2880, 120, 2295, 615);
    Label1.setTransparent(false);
    Label1.setBackColor(kEditorBack);
    Label3.place(2880, 480, 2295, 255);
    Label3.setCaption(kHeader);
    Label3.setTransparent(false);
    Label3.setBackColor(kHeaderBack);
    Label3.setForeColor(ui::kBlack);

    Combo3.place(2880, 720, 615, 315);
    Combo3.setText("1");
    Combo1.place(3480, 720, 975, 315);
    Combo1.setText("red ");
    Combo2.place(4440, 720, 735, 315);
    Combo2.setText("0  ");
    for (ui::ComboBox* combo : {&Combo3, &Combo1, &Combo2}) {
        combo->setBackColor(kEditorBack);
        combo->setForeColor(ui::kWhite);
    }

    nr.place(4200, 3180, 855, 495);
    nr.setCaption("0");
    ui::Font big;
    big.size = 24;
    big.bold = true;
    nr.setFont(big);
    nr.setForeColor(ui::kRed);
    nr.setAlignment(ui::Align::Right);

    // Out of sight, left of the client area: a value, not a caption.
    Label2.place(-2000, 0, 1215, 255);
    Label2.setCaption("Label2");

    Command2.place(240, 3840, 1215, 255);
    Command2.setCaption("clear botlist");
    Command2.setToolTip("Click to clear botlist");
    Command9.place(240, 4080, 1215, 255);
    Command9.setCaption("remove bot");
    Command9.setToolTip("Click to remove the selected bot");
    Command9.setEnabled(false);
    Command1.place(1440, 3840, 1215, 495);
    Command1.setCaption("Add bot to list");
    Command1.setToolTip("Click to add a bot");
    call.place(2880, 3840, 855, 255);
    call.setCaption("Select all");
    cnone.place(2880, 4080, 855, 255);
    cnone.setCaption("Sel. none");

    // The accept pair sits a few pixels up and left of its old place so that
    // the whole picture fits inside the window's client area.
    Image2.place(3930, 3645, 1440, 795);
    Image3.place(3930, 3645, 1440, 795);
    Image3.setVisible(false);
}

void q3bots::bindHandlers() {
    List3.onClick = [this] { List3_Click(); };
    call.onClick = [this] { call_Click(); };
    cnone.onClick = [this] { cnone_Click(); };
    Combo1.onClick = [this] { Combo_Click(); };
    Combo2.onClick = [this] { Combo_Click(); };
    Combo3.onClick = [this] { Combo_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command9.onClick = [this] { Command9_Click(); };
    Image2.onClick = [this] { accept_Click(); };
    Image3.onClick = [this] { accept_Click(); };
    common::HoverPair(Image2, Image3).bind({&Image1});
}

void addBotChoices(ui::ComboBox& skill, ui::ComboBox& team, ui::ComboBox& delay) {
    for (const char* s : {"1", "2", "3", "4", "5"})
        skill.addItem(s);
    for (const char* t : {"red ", "blue"})
        team.addItem(t);
    for (const char* d : {"0  ", "25 ", "75 ", "100"})
        delay.addItem(d);
}

void q3bots::Form_Load() {
    const shell::gfx& store = app().get<shell::gfx>();
    common::HoverPair(Image2, Image3).takePictures(store.accept0, store.accept1);
    addBotChoices(Combo3, Combo1, Combo2);
    nr.setCaption(common::plainNumber(List3.selCount()));
}

void q3bots::Form_Unload(bool& cancel) {
    (void)cancel;
    closeSteps();
}

void q3bots::Form_MouseMove() {
    common::HoverPair(Image2, Image3).reset();
}

// Nothing in the launcher depends on the window losing the focus.
void q3bots::Form_Deactivate() {}

void q3bots::list3add() {
    const int i = List3.listIndex();
    if (i < 0)
        return;
    // A typed value of another width would shift every later cut of the
    // entry: shorter ones are blank-filled, longer ones refused.
    const auto skill = editorField(*this, Combo3.text(), common::kSkillWidth, "skill");
    if (!skill)
        return;
    const auto team = editorField(*this, Combo1.text(), common::kTeamWidth, "team");
    if (!team)
        return;
    const auto delay = editorField(*this, Combo2.text(), common::kDelayWidth, "delay");
    if (!delay)
        return;
    const common::BotEntry bot{Label1.caption(), *skill, *team, *delay};

    operationRunning_ = true;
    const bool wasSelected = List3.selected(i);
    List3.removeItem(i);
    List3.addItem(bot.text(), i);
    List3.setListIndex(i);
    List3.setSelected(i, wasSelected);
    operationRunning_ = false;
    saveRoster(*this, common::NoSelection::X);
    // The highlight above refreshed the count while the entry was out of the
    // selection; count again now that it is back.
    nr.setCaption(common::plainNumber(List3.selCount()));
}

void q3bots::botinfo() {
    if (List3.listCount() < 1)
        return;
    // No highlighted entry: nothing to show.
    if (List3.listIndex() < 0)
        return;
    fillEditor(*this, List3.text());
}

void q3bots::removeDuplicates(const common::DuplicatePass& pass) {
    if (pass.removals.empty())
        return;
    for (const int i : pass.newlySelected)
        List3.setSelected(i, true);
    // What the refresh of each removal's click did, in turn: the editor
    // shows an entry whenever the highlighted index changed.
    const auto& entries = List3.state().items;
    bool anySelected = false;
    std::string shown = Label2.caption();
    std::optional<std::string> editor;
    for (const auto& r : pass.removals) {
        anySelected = anySelected || r.selected >= 1;
        std::string h = common::numberText(r.position);
        const std::string& text = entries[static_cast<std::size_t>(r.index)].text;
        if (shown != h && !text.empty())
            editor = text;
        shown = std::move(h);
    }
    quietHighlight_ = true;
    List3.setListIndex(pass.removals.back().index);
    quietHighlight_ = false;
    List3.removeItems(pass.indices());
    if (anySelected)
        Command9.setEnabled(true);
    if (editor)
        fillEditor(*this, *editor);
    Label2.setCaption(shown);
    nr.setCaption(common::plainNumber(pass.removals.back().selected));
}

void q3bots::List3_Click() {
    if (!quietHighlight_)
        refresh();
}

void q3bots::call_Click() {
    const int count = List3.listCount();
    for (int i = 0; i < count; ++i)
        List3.setSelected(i, true);
    refresh();
}

void q3bots::cnone_Click() {
    const int count = List3.listCount();
    for (int i = 0; i < count; ++i)
        List3.setSelected(i, false);
    refresh();
}

void q3bots::Combo_Click() {
    list3add();
}

void q3bots::Command1_Click() {
    app().get<q2bot>().show();
}

void q3bots::Command2_Click() {
    List3.clear();
    nr.setCaption("0");
    auto& services = app().services();
    if (!common::writeClearedBotFile(services.files))
        services.messages.show(common::botFileWriteFailedMessage(services.files));
}

void q3bots::Command9_Click() {
    const int removed = List3.listIndex();
    if (removed < 0)
        return;
    Command9.setEnabled(false);
    std::vector<int> noted;
    const int before = List3.listCount();
    for (int n = 0; n < before; ++n) {
        if (List3.selected(n))
            noted.push_back(n);
    }
    operationRunning_ = true;
    List3.removeItem(removed);
    botinfo();
    // Entries before the removed one keep their index, entries after it move
    // up by one; the removed entry itself is gone.
    const int count = List3.listCount();
    for (int n = 0; n < count; ++n)
        List3.setSelected(n, false);
    for (const int n : noted) {
        if (n < removed)
            List3.setSelected(n, true);
        else if (n > removed && count > 0)
            List3.setSelected(n - 1, true);
    }
    operationRunning_ = false;
    saveRoster(*this, common::NoSelection::EmptyLine);
    nr.setCaption(common::plainNumber(List3.selCount()));
}

void q3bots::accept_Click() {
    hide();
    closeSteps();
}

void q3bots::refresh() {
    if (List3.selCount() >= 1)
        Command9.setEnabled(true);
    const std::string h = common::numberText(List3.listIndex());
    if (Label2.caption() != h && !List3.text().empty())
        fillEditor(*this, List3.text());
    Label2.setCaption(h);
    if (!operationRunning_)
        saveRoster(*this, common::NoSelection::X);
    nr.setCaption(common::plainNumber(List3.selCount()));
}

void q3bots::closeSteps() {
    const int n = List3.selCount();
    shell::Q2M& main = app().get<shell::Q2M>();
    main.Label4.setCaption(shell::Q2M::botCountCaption(n));
    if (main.List2.selCount() == 0 && n >= 1)
        main.sweapons.setEnabled(false);
}

} // namespace content
