#include "windows/BotWindow.h"

#include <string>
#include <vector>

#include "data/BotFile.h"
#include "data/DataFolder.h"
#include "data/NumberText.h"
#include "data/SlashList.h"
#include "platform/FileSystem.h"
#include "ui/Application.h"
#include "ui/Errors.h"
#include "windows/Artwork.h"
#include "windows/ArtworkStore.h"
#include "windows/DuplicatePass.h"
#include "windows/HelpWindow.h"
#include "windows/HoverPair.h"
#include "windows/MainWindow.h"
#include "windows/PackageDetection.h"
#include "windows/ProgressBar.h"
#include "windows/RosterWindow.h"
#include "windows/TabStrip.h"

namespace windows {

namespace {

// Every page lies at the same place, under the strip.
constexpr int kPageWidth = 4455;
constexpr int kPageHeight = 2055;
// The action button, centred near the foot of each page.
constexpr int kButtonLeft = (kPageWidth - 1440) / 2;
constexpr int kButtonTop = 1245;
// The progress bar of the two detection pages.
constexpr int kTrackLeft = (kPageWidth - 3375) / 2;
constexpr int kTrackTop = 900;
constexpr ui::Color kFieldBack{102, 0, 0};

constexpr const char* kSlashInName =
    "A bot name can't hold the character \"/\": the bot list keeps its entries apart with "
    "it. Please type the name without \"/\".";

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

void placeProgress(ui::Label& track, ui::Label& fill, ui::Shape& frame, ui::Label& percent) {
    windows::ProgressBar(track, fill, percent).place(kTrackLeft, kTrackTop, 3375, 55);
    frame.place(kTrackLeft, kTrackTop, 3375, 255);
    frame.setForeColor(ui::Color{128, 128, 128});
}

bool blankName(const std::string& name) {
    return name.find_first_not_of(" \t") == std::string::npos;
}

// The text of the add page.
std::string addInstructionsText() {
    return blanks(17) + "Please fill in the name of the" + blanks(20) +
           "bot, its skill, team and msec delay";
}

} // namespace

BotWindow::BotWindow(ui::Application& app) : ui::Window(app, "q2bot", "Add bot", 4650, 2865) {
    design();
    bindHandlers();
}

void BotWindow::design() {
    windows::TabStrip tabs = tabStrip();
    tabs.place(150, {&addByNameTab, &detectAllTab, &detectNewTab},
               {windows::art::kBotStripSingle, windows::art::kBotStripDetectAll,
                windows::art::kBotStripDetectNew});
    tabs.placePages(kPageWidth, kPageHeight,
                    {&addByNameBackground, &detectAllBackground, &detectNewBackground});

    // Add by name.
    // The widths make the runs of blanks break the texts into their lines.
    addInstructions.place(727, 165, 3000, 495);
    addInstructions.setCaption(addInstructionsText());
    botFieldsFrame.place(180, 780, 4095, 435);
    botFieldsFrame.setForeColor(ui::Color{128, 128, 128});
    botName.place(240, 840, 1815, 315);
    botName.setText("Botname");
    const struct {
        ui::ComboBox& combo;
        int left;
        int width;
        const char* text;
    } combos[] = {
        {botSkill, 2160, 555, "1"}, {botTeam, 2775, 735, "red "}, {botDelay, 3570, 645, "0  "}};
    for (const auto& c : combos) {
        c.combo.place(c.left, 840, c.width, 315);
        c.combo.setText(c.text);
        c.combo.setBackColor(kFieldBack);
        c.combo.setForeColor(ui::kWhite);
    }

    // Detect All and Detect New.
    detectAllWarning.place(727, 45, 3000, 825);
    detectAllWarning.setCaption(detectAllText("Bot"));
    detectNewNote.place(877, 45, 2700, 825);
    detectNewNote.setCaption(detectNewText("Bot"));
    placeProgress(detectAllTrack, detectAllFill, detectAllFrame, detectAllPercent);
    placeProgress(detectNewTrack, detectNewFill, detectNewFrame, detectNewPercent);

    for (ui::Image* button : {&addButtonPlain, &addButtonLit, &detectAllButtonPlain,
                              &detectAllButtonLit, &detectNewButtonPlain, &detectNewButtonLit})
        button->place(kButtonLeft, kButtonTop, 1440, 780);
    for (ui::Image* lit : {&addButtonLit, &detectAllButtonLit, &detectNewButtonLit})
        lit->setVisible(false);

    packageFolder.place(0, 0, 1215, 390);
    packageFolder.setVisible(false);
    packageFiles.place(0, 480, 1215, 390);
    packageFiles.setPattern("*.pk3");
    packageFiles.setVisible(false);
    packageSnapshot.place(1320, 0, 1215, 390);
    packageSnapshot.setVisible(false);
}

void BotWindow::bindHandlers() {
    addByNameTab.onClick = [this] { showPage(0); };
    detectAllTab.onClick = [this] { showPage(1); };
    detectNewTab.onClick = [this] { detectNewTabClicked(); };

    addButtonLit.onClick = [this] { addClicked(); };
    botName.onKeyDown = [this](int key) {
        if (key == 13)
            addClicked();
    };
    detectAllButtonPlain.onClick = [this] { detectClicked(false); };
    detectAllButtonLit.onClick = [this] { detectClicked(false); };
    detectNewButtonPlain.onClick = [this] { detectClicked(true); };
    detectNewButtonLit.onClick = [this] { detectClicked(true); };

    // The pointer over a plain picture lights it; the areas around reset it.
    windows::HoverPair(addButtonPlain, addButtonLit).bind({&addByNameBackground, &addInstructions});
    windows::HoverPair(detectAllButtonPlain, detectAllButtonLit)
        .bind({&detectAllBackground, &detectAllTrack, &detectAllPercent});
    windows::HoverPair(detectNewButtonPlain, detectNewButtonLit)
        .bind({&detectNewBackground, &detectNewTrack, &detectNewPercent});
}

void BotWindow::onLoad() {
    // Every failing statement of the load step is passed over.
    const std::string wd = app().services().files.workingDirectory();
    ui::skip([&] { packageFolder.setPath(platform::joinPath(wd, "baseq3")); });
    ui::skip([&] { packageFiles.setPath(packageFolder.path()); });

    const std::string background = app().get<windows::HelpWindow>().background.picture();
    for (ui::Image* page : {&addByNameBackground, &detectAllBackground, &detectNewBackground})
        page->setPicture(background);
    const windows::ArtworkStore& store = app().get<windows::ArtworkStore>();
    windows::HoverPair(addButtonPlain, addButtonLit)
        .takePictures(store.acceptPlain, store.acceptLit);
    windows::HoverPair(detectAllButtonPlain, detectAllButtonLit)
        .takePictures(store.acceptPlain, store.acceptLit);
    windows::HoverPair(detectNewButtonPlain, detectNewButtonLit)
        .takePictures(store.acceptPlain, store.acceptLit);

    addBotChoices(botSkill, botTeam, botDelay);
    // The fifth skill is the one the window opens with.
    botSkill.setText(botSkill.list(4));
}

void BotWindow::onMouseMove() {
    windows::HoverPair(detectAllButtonPlain, detectAllButtonLit).reset();
}

windows::TabStrip BotWindow::tabStrip() {
    return {strip,
            {&addByNamePage, &detectAllPage, &detectNewPage},
            {&stripSingleActive, &stripDetectAllActive, &stripDetectNewActive}};
}

void BotWindow::showPage(int page) {
    tabStrip().select(page);
}

void BotWindow::detectNewTabClicked() {
    showPage(2);
    // The packages of the last detection; a missing file adds nothing. The
    // list is not emptied first.
    const auto& files = app().services().files;
    data::appendSlashListFile(files, data::dataFile(files, data::kOldBotsFile), packageSnapshot);
}

void BotWindow::addClicked() {
    // A blank name adds nothing and leaves the roster as it is, duplicates
    // included.
    if (blankName(botName.text())) {
        unload();
        return;
    }
    // "/" separates the entries of bots.tvd: such a name would come back as
    // two bots. The window stays open so that the name can be corrected.
    if (botName.text().find('/') != std::string::npos) {
        app().services().messages.show(kSlashInName);
        return;
    }
    takeRoster();
    removeNeighbourDuplicates();
    addTypedBotAndSave();
    app().get<RosterWindow>().showHighlightedBot();
    unload();
}

void BotWindow::detectClicked(bool onlyNew) {
    const platform::WriteBatch batch(app().services().files);
    if (!packageFolderReadable(
            app(), packageFiles,
            "The bot list and the packages of the last detection stay as they were.")) {
        unload();
        return;
    }
    if (onlyNew) {
        takeRoster();
        detectNew();
    } else {
        detectAll();
    }
    removeNeighbourDuplicates();
    saveRoster();
    app().get<RosterWindow>().showHighlightedBot();
    unload();
}

void BotWindow::takeRoster() {
    if (app().get<RosterWindow>().rosterDiscarded())
        app().get<windows::MainWindow>().loadBotFile();
}

bool BotWindow::writeRosterFile(bool xWhenNone, const std::string& alsoLost) {
    const auto whenNone = xWhenNone ? data::NoSelection::LetterX : data::NoSelection::EmptyLine;
    return data::writeBotFileOrTell(app().services(), app().get<RosterWindow>().roster, whenNone,
                                    alsoLost);
}

void BotWindow::addTypedBotAndSave() {
    // An empty or blank name makes no bot; a name with "/" would split the
    // roster line in two.
    const std::string name = botName.text();
    if (blankName(name) || name.find('/') != std::string::npos)
        return;
    ui::ListBox& roster = app().get<RosterWindow>().roster;
    // The selection before the new entry comes in.
    std::vector<int> selected;
    std::vector<std::string> before;
    const int count = roster.listCount();
    for (int i = 0; i < count; ++i) {
        before.push_back(roster.list(i));
        if (roster.selected(i))
            selected.push_back(i);
    }
    // The entry as typed and as the combos show, at its sorted place (after
    // any equal entries, so the first text that differs is the new one).
    const std::string entry =
        name + " - " + botSkill.text() + " - " + botTeam.text() + " - " + botDelay.text();
    roster.addItem(entry);
    int inserted = 0;
    while (inserted < count && roster.list(inserted) == before[static_cast<std::size_t>(inserted)])
        ++inserted;
    app().get<RosterWindow>().showHighlightedBot();
    // The same bots selected again: those after the new entry moved down.
    for (const int n : selected)
        roster.setSelected(n < inserted ? n : n + 1, true);
    writeRosterFile(false);
}

void BotWindow::saveRoster() {
    app().get<RosterWindow>().showHighlightedBot();
    if (writeRosterFile(true, kPackagesNotRemembered))
        rememberPackages();
}

void BotWindow::removeNeighbourDuplicates() {
    RosterWindow& bots = app().get<RosterWindow>();
    // While the add page shows, an entry equal to the whole name box goes
    // too. The copy that stays takes over the selection of the one that
    // goes: a bot found again stays in the next game.
    const std::string nameBox = botName.text();
    windows::DuplicateRules rules;
    rules.typed = addByNamePage.visible() ? &nameBox : nullptr;
    rules.handOnSelection = true;
    bots.roster.listCount();
    bots.removeDuplicates(windows::duplicatePass(bots.roster.state().items, rules));
}

} // namespace windows
