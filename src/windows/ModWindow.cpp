#include "windows/ModWindow.h"

#include "data/DataFolder.h"
#include "data/NumberText.h"
#include "data/SlashList.h"
#include "data/WriteFailure.h"
#include "ui/Application.h"
#include "ui/Errors.h"
#include "windows/Artwork.h"
#include "windows/ArtworkStore.h"
#include "windows/DuplicatePass.h"
#include "windows/HoverPair.h"
#include "windows/MainWindow.h"
#include "windows/MapWindow.h"
#include "windows/TabStrip.h"

namespace windows {

namespace {

using data::ModRecord;

constexpr const char* kNoName = "Please insert a valid Mod-name.";

// The title of the detection page in each mode.
constexpr const char* kDetectAllTitle = "Detect All";
constexpr const char* kDetectNewTitle = "Detect New";

// Page area below the strip, shared by the three pages.
constexpr int kPageLeft = 120;
constexpr int kPageTop = 495;
constexpr int kPageWidth = 6060;
constexpr int kPageHeight = 3915;
// The Detect New panel covers the detection page from here down.
constexpr int kNewPanelTop = 2610;

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

std::string unusableName(const std::string& name) {
    return "The name " + quoted(name) +
           " cannot be used for a mod: a mod name must not be \".\" or \"..\", must not hold "
           "\"/\" or \"\\\" and must not be the name of one of the launcher's own files.";
}

ui::Font font(bool bold, bool italic) {
    ui::Font f;
    f.bold = bold;
    f.italic = italic;
    return f;
}

} // namespace

ModWindow::ModWindow(ui::Application& app) : ui::Window(app, "q2mod", "Add mod", 6300, 4530) {
    design();
    bindHandlers();
}

void ModWindow::design() {
    windows::TabStrip::placeStrip(strip, kPageLeft, windows::art::kMapStripSingle,
                                  {&addByNameTab, &detectAllTab, &detectNewTab});

    addByNamePage.place(kPageLeft, kPageTop, kPageWidth, kPageHeight);
    addByNameBackground.place(0, 0, kPageWidth, kPageHeight);
    addByNameBackground.setPicture(windows::art::kBackground);
    fields.design({"baseq3", "+", "extra commandline (eg +exec instagib.cfg)", true});
    addButtonPlain.place(4440, 3015, 1440, 780);
    addButtonLit.place(4440, 3015, 1440, 780);
    addButtonLit.setVisible(false);

    designDetectionPage();

    folderSnapshot.place(-3000, 0, 1215, 255);
    folderSnapshot.setVisible(false);
}

void ModWindow::designDetectionPage() {
    detectionPage.place(kPageLeft, kPageTop, kPageWidth, kPageHeight);
    detectionPage.setVisible(false);
    detectionBackground.place(0, 0, kPageWidth, kPageHeight);
    detectionBackground.setPicture(windows::art::kBackground);
    gameFolders.place(-3000, 0, 1215, 255);
    gameFolders.setVisible(false);

    detectionTitle.place(360, 300, 3000, 255);
    detectionTitle.setCaption(kDetectAllTitle);
    detectionTitle.setFont(font(true, false));
    const struct {
        ui::Label& caption;
        const char* text;
        ui::Label& count;
        int top;
    } counts[] = {{detectedCaption, "Detected", detectedCount, 780},
                  {remainingCaption, "Remaining", remainingCount, 1080}};
    for (const auto& c : counts) {
        c.caption.place(360, c.top, 1095, 255);
        c.caption.setCaption(c.text);
        c.count.place(1500, c.top, 855, 255);
        c.count.setCaption("0");
    }
    detectingStatus.place(3360, 780, 1935, 255);
    detectingStatus.setCaption("Detecting...");
    detectingStatus.setFont(font(false, true));
    detectingStatus.setVisible(false);

    progress().place(360, 1620, 2895, 30);

    // Narrower than the Detect New notice: the runs of blanks in the text
    // end its lines.
    detectAllNotice.place(360, kNewPanelTop + 120, 3000, 915);
    detectAllNotice.setCaption("Detects all installed Mods." + std::string(21, ' ') +
                               "NOTICE: This operation clears Modlist! Make sure to make backups." +
                               std::string(17, ' ') + "More Mods will be supported soon!");
    detectAllNotice.setFont(font(false, true));
    detectAllButtonPlain.place(4440, kNewPanelTop + 120, 1440, 780);
    detectAllButtonLit.place(4440, kNewPanelTop + 120, 1440, 780);
    detectAllButtonLit.setVisible(false);

    detectNewPanel.place(kPageLeft, kPageTop + kNewPanelTop, kPageWidth,
                         kPageHeight - kNewPanelTop);
    detectNewPanel.setVisible(false);
    // The page background continues under the panel.
    detectNewBackground.place(0, -kNewPanelTop, kPageWidth, kPageHeight);
    detectNewBackground.setPicture(windows::art::kBackground);
    detectNewNotice.place(360, 180, 3840, 855);
    detectNewNotice.setCaption(
        "Detects all installed Mods since last Detect operation. NOTICE: This "
        "operation clears Modlist! More Mods" +
        std::string(4, ' ') + "will be supported soon." + std::string(33, ' '));
    detectNewNotice.setFont(font(false, true));
    detectNewButtonPlain.place(4440, 120, 1440, 780);
    detectNewButtonLit.place(4440, 120, 1440, 780);
    detectNewButtonLit.setVisible(false);
}

void ModWindow::bindHandlers() {
    fields.bindHandlers();
    addByNameTab.onClick = [this] { addByNameTabClicked(); };
    detectAllTab.onClick = [this] { detectAllTabClicked(); };
    detectNewTab.onClick = [this] { detectNewTabClicked(); };
    addButtonPlain.onClick = [this] { addTypedMod(); };
    addButtonLit.onClick = [this] { addTypedMod(); };
    detectAllButtonLit.onClick = [this] { detectAllClicked(); };
    detectNewButtonLit.onClick = [this] { detectNewClicked(); };

    windows::HoverPair(addButtonPlain, addButtonLit).bind({&addByNamePage, &addByNameBackground});
    windows::HoverPair(detectAllButtonPlain, detectAllButtonLit)
        .bind({&detectionPage, &detectionBackground});
    windows::HoverPair(detectNewButtonPlain, detectNewButtonLit)
        .bind({&detectNewPanel, &detectNewBackground});
}

void ModWindow::onLoad() {
    ui::skip([&] { gameFolders.setPath(app().services().files.workingDirectory()); });
    const windows::ArtworkStore& store = app().get<windows::ArtworkStore>();
    for (ui::Image* plain : {&addButtonPlain, &detectAllButtonPlain, &detectNewButtonPlain})
        plain->setPicture(store.acceptPlain.picture());
    for (ui::Image* lit : {&addButtonLit, &detectAllButtonLit, &detectNewButtonLit})
        lit->setPicture(store.acceptLit.picture());
}

// ---- Tabs -------------------------------------------------------------------

void ModWindow::addByNameTabClicked() {
    addByNamePage.setVisible(true);
    detectionPage.setVisible(false);
    detectNewPanel.setVisible(false);
    strip.setPicture(app().get<windows::MapWindow>().stripSingleActive.picture());
}

void ModWindow::detectAllTabClicked() {
    addByNamePage.setVisible(false);
    detectionPage.setVisible(true);
    detectNewPanel.setVisible(false);
    detectionTitle.setCaption(kDetectAllTitle);
    strip.setPicture(app().get<windows::MapWindow>().stripDetectAllActive.picture());
}

void ModWindow::detectNewTabClicked() {
    addByNamePage.setVisible(false);
    detectionPage.setVisible(true);
    detectNewPanel.setVisible(true);
    detectionTitle.setCaption(kDetectNewTitle);
    strip.setPicture(app().get<windows::MapWindow>().stripDetectNewActive.picture());
    // Not emptied first: every click adds the names again.
    auto& fs = app().services().files;
    data::appendSlashListFile(fs, data::dataFile(fs, data::kOldModsFile), folderSnapshot);
}

// ---- Buttons ----------------------------------------------------------------

void ModWindow::detectAllClicked() {
    detectMods();
    unload();
}

void ModWindow::detectNewClicked() {
    detectMods();
    removeNeighbourDuplicates();
    unload();
}

void ModWindow::addTypedMod() {
    auto& main = app().get<windows::MainWindow>();
    auto& services = app().services();
    const std::string typed = fields.modName.text();
    const std::string name = data::trimmed(typed);
    if (typed.empty() || name.empty()) {
        services.messages.show(kNoName);
    } else if (!ModRecord::path(services.files, name)) {
        services.messages.show(unusableName(name));
    } else {
        main.createDataFolder();
        // A new mod starts with every setting off and no config file.
        if (data::writeRecordOrTell(services, fields.definition(), name,
                                    "The mod was not added.")) {
            listTypedModAndSave();
            unload();
        }
    }
    main.gameFolder.setCaption("");
}

// ---- The mod list -----------------------------------------------------------

void ModWindow::listTypedModAndSave() {
    auto entries = data::entriesOf(app().get<windows::MainWindow>().modList);
    entries.push_back(data::trimmed(fields.modName.text()));
    rebuildModList(data::slashListLine(entries), data::kListKeptUnsaved);
}

bool ModWindow::rebuildModList(const std::string& line, const std::string& consequence) {
    auto& main = app().get<windows::MainWindow>();
    auto& services = app().services();
    main.modList.clear();
    main.modList.addItems(data::parseSlashList(line));
    // A list that cannot be saved is kept on screen all the same.
    const bool written = data::writeLinesOrTell(
        services, data::dataFile(services.files, data::kModsFile), {line}, consequence);
    unload();
    if (main.modList.selCount() == 0)
        main.applyNoModState();
    return written;
}

void ModWindow::removeNeighbourDuplicates() {
    ui::ListBox& list = app().get<windows::MainWindow>().modList;
    list.listCount();
    // Removed without highlighting them first: the mod list stays without a
    // selection and the main window in its no-mod state.
    list.removeInTurn(windows::duplicatePass(list.state().items, {}).positions(), false);
}

} // namespace windows
