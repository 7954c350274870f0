// The main window coming up and going away: the list files and the bot file
// read at load, the bot count label, settings.tvd (selected map, selected
// mod, host name, map mode), the map mode with its tab pictures and the
// state with no mod selected.
#include <limits>

#include "data/BotFile.h"
#include "data/DataFolder.h"
#include "data/NumberText.h"
#include "data/SettingsFile.h"
#include "data/SlashList.h"
#include "data/WriteFailure.h"
#include "ui/Application.h"
#include "ui/Errors.h"
#include "windows/AllWindows.h"
#include "windows/MainWindow.h"
#include "windows/RosterWindow.h"

namespace windows {

namespace {

constexpr const char* kDefaultHostName = "Torvel Arvenix Pro Server";

// Selects the entry a stored index names ("-1": none). Throws for an index
// outside the list, so the caller can skip it.
void selectStored(ui::ListBox& list, const std::string& line) {
    const long long n = data::leadingNumber(line);
    if (n < -1 || n > std::numeric_limits<int>::max())
        throw ui::RuntimeError(ui::kInvalidValue, "Invalid property value");
    list.setListIndex(static_cast<int>(n));
}

} // namespace

void MainWindow::createDataFolder() {
    auto& fs = app().services().files;
    fs.createDirectory(data::dataFolder(fs));
}

void MainWindow::takeReadAheadCatalogue(std::unique_ptr<data::ListFileReadAhead> catalogue) {
    readAheadCatalogue_ = std::move(catalogue);
}

void MainWindow::loadMapsFile() {
    const auto& fs = app().services().files;
    const std::string path = data::dataFile(fs, data::kMapsFile);
    // Read ahead only for the first load: the file may change later on.
    const auto readAhead = std::move(readAheadCatalogue_);
    if (readAhead && readAhead->appendTo(path, mapList))
        return;
    data::appendSlashListFile(fs, path, mapList);
}

void MainWindow::loadModsFile() {
    const auto& fs = app().services().files;
    data::appendSlashListFile(fs, data::dataFile(fs, data::kModsFile), modList);
}

void MainWindow::loadCycleFile() {
    const auto& fs = app().services().files;
    data::appendSlashListFile(fs, data::dataFile(fs, data::kCycleFile), cycleMaps);
}

void MainWindow::loadBotFile() {
    // Touching the roster loads the roster window, hidden; its count label
    // is set at that load, before the selection is restored, so it is set
    // again here.
    auto& bots = app().get<windows::RosterWindow>();
    data::restoreRoster(app().services().files, bots.roster);
    bots.setRosterFilled();
    bots.selectedCount.setCaption(data::plainNumber(bots.roster.selCount()));
}

std::string MainWindow::botCountCaption(int selected) {
    return "Game with " + data::signPaddedNumber(selected) + (selected == 1 ? " bot" : " bots");
}

void MainWindow::onLoad() {
    // The catalogues, when the window comes up empty.
    if (mapList.listCount() == 0) {
        createDataFolder();
        loadMapsFile();
        loadModsFile();
        loadBotFile();
    }
    removeCyclePlaceholder();
    loadCycleFile();
    botCount.setCaption(botCountCaption(app().get<windows::RosterWindow>().roster.selCount()));

    // From here on a failing statement is passed over.
    data::SettingsFile stored;
    ui::skip([&] { stored = data::SettingsFile::read(app().services().files); });
    ui::skip([&] { selectStored(mapList, stored.mapIndex); });
    // Loads nothing yet: the settings flow is still SaveEdits.
    ui::skip([&] { selectStored(modList, stored.modIndex); });
    ui::skip([&] { hostName.setText(stored.hostName); });
    ui::skip([&] {
        // The stored value itself, not its rounding: "0.4" is above 0.
        if (data::leadingValue(stored.modIndex) <= 0 && modList.selCount() == 0)
            applyNoModState();
    });
    ui::skip([&] {
        if (stored.hostName.empty())
            hostName.setText(kDefaultHostName);
    });
    ui::skip([&] {
        if (stored.singleMap()) {
            setSingleMapMode();
        } else {
            copyCatalogueToAvailable();
            setCycleMode();
        }
    });
    ui::skip([&] { setSettingsFlow(SettingsFlow::LoadRecord); });
    ui::skip([&] { loadModRecord(); });
    ui::skip([&] { showMapTitle(); });
}

void MainWindow::onUnload(bool& cancel) {
    (void)cancel; // closing the main window is never refused
    ui::skip([&] {
        auto& services = app().services();
        data::tellIfFailed(services, data::dataFile(services.files, data::kSettingsFile),
                           data::SettingsFile::of(mapList.listIndex(), modList.listIndex(),
                                                  hostName.text(), singleMapMode())
                               .write(services.files),
                           "The choices of this session are not kept for the next start.");
    });
    // Every other window, then this one (whose nested unload is passed over
    // while this step runs).
    ui::skip([&] { unloadEveryWindow(app()); });
}

void MainWindow::setSingleMapMode() {
    singleMapPanel.setVisible(true);
    cyclePanel.setVisible(false);
    singleMapTab.setPicture(singleMapTabOn.picture());
    cycleTab.setPicture(cycleTabOff.picture());
}

void MainWindow::setCycleMode() {
    singleMapPanel.setVisible(false);
    cyclePanel.setVisible(true);
    singleMapTab.setPicture(singleMapTabOff.picture());
    cycleTab.setPicture(cycleTabOn.picture());
}

bool MainWindow::singleMapMode() const {
    return singleMapPanel.state().visible;
}

void MainWindow::applyNoModState() {
    setSettingsFlow(SettingsFlow::LoadRecord);
    withBots.setEnabled(false);
    botCount.setEnabled(true);
    editRosterButton.setEnabled(true);
    loadModRecord();
}

} // namespace windows
