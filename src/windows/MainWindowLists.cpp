// The main window's lists and buttons: the buttons that open the other
// windows, removing a map or a mod, the map-cycle panel, the two map-mode
// tabs, and the focus handshake of the mod list that decides whether the
// settings controls take the mod's record or save into it.
#include "data/DataFolder.h"
#include "data/MapTitles.h"
#include "data/SlashList.h"
#include "data/WriteFailure.h"
#include "ui/Application.h"
#include "ui/Errors.h"
#include "windows/AboutWindow.h"
#include "windows/HelpWindow.h"
#include "windows/MainWindow.h"
#include "windows/MapListsWindow.h"
#include "windows/MapWindow.h"
#include "windows/ModEditor.h"
#include "windows/ModWindow.h"
#include "windows/RosterWindow.h"

namespace windows {

namespace {

constexpr const char* kSelectMap = "Please select a map and try again.";

// Rewrites a list file from its list. A write that fails leaves the file as
// it was and tells the user; the list keeps its change.
void writeList(ui::Application& app, const char* fileName, const ui::ListBox& list) {
    auto& services = app.services();
    data::writeListOrTell(services, data::dataFile(services.files, fileName), data::entriesOf(list),
                          data::kListKeptUnsaved);
}

// Removes the highlighted entry; false when none is highlighted.
bool removeHighlighted(ui::ListBox& list) {
    return ui::skip([&] { list.removeItem(list.listIndex()); });
}

} // namespace

// ---- Buttons that open other windows ----------------------------------

void MainWindow::addMapClicked() {
    app().get<windows::MapWindow>().show();
}

void MainWindow::loadSaveMapsClicked() {
    app().get<windows::MapListsWindow>().show();
}

void MainWindow::aboutClicked() {
    app().get<AboutWindow>().show();
}

void MainWindow::helpClicked() {
    app().get<HelpWindow>().show();
}

void MainWindow::addModClicked() {
    disableModControls();
    app().get<windows::ModWindow>().show();
}

void MainWindow::editModClicked() {
    ui::skip([&] { disableModControls(); });
    ui::skip([&] { app().get<windows::ModEditor>().show(); });
}

void MainWindow::editRosterClicked() {
    auto& roster = app().get<windows::RosterWindow>();
    if (roster.roster.listCount() == 0)
        loadBotFile();
    roster.show();
    roster.showHighlightedBot();
}

// ---- Maps ---------------------------------------------------------------

void MainWindow::removeMapClicked() {
    if (!removeHighlighted(mapList))
        app().services().messages.show(kSelectMap);
    writeList(app(), data::kMapsFile, mapList);
    removeMapButton.setEnabled(false);
}

void MainWindow::mapListClicked() {
    showMapTitle();
}

void MainWindow::showMapTitle() {
    showMapTitleOf(mapList.text());
}

void MainWindow::showMapTitleOf(const std::string& entry) {
    selectedMapTitle.setCaption(data::mapTitle(entry));
    if (!selectedMapTitle.caption().empty())
        removeMapButton.setEnabled(true);
}

void MainWindow::catalogueReplaced() {
    // The remove button stays as it is: a highlight that survived the
    // replacement enabled it when it was made.
    selectedMapTitle.setCaption(data::mapTitle(mapList.text()));
}

// ---- Mods ---------------------------------------------------------------

void MainWindow::removeModClicked() {
    deleteModRecord();
    disableModControls();
    gameFolder.setCaption("");
    removeHighlighted(modList);
    writeList(app(), data::kModsFile, modList);
    // The next focus of the mod list leaves the launch button disabled.
    setEnablesLaunchOnModFocus(false);
    if (modList.selCount() == 0)
        applyNoModState();
}

void MainWindow::modListClicked() {
    loadModRecord();
}

void MainWindow::modListFocused() {
    setSettingsFlow(SettingsFlow::LoadRecord);
    if (enablesLaunchOnModFocus())
        launchButtonPlain.setEnabled(true);
    setEnablesLaunchOnModFocus(true);
}

void MainWindow::modListFocusLost() {
    setSettingsFlow(SettingsFlow::SaveEdits);
}

// ---- Map cycle ----------------------------------------------------------

void MainWindow::availableMapsClicked() {
    if (availableMaps.selCount() == 1)
        addToCycleButton.setEnabled(true);
}

void MainWindow::cycleMapsClicked() {
    if (cycleMaps.selCount() == 1)
        removeFromCycleButton.setEnabled(true);
}

void MainWindow::addToCycleClicked() {
    // With nothing chosen this adds an empty entry, as the text is empty.
    cycleMaps.addItem(availableMaps.text());
    writeList(app(), data::kCycleFile, cycleMaps);
}

void MainWindow::removeFromCycleClicked() {
    if (!removeHighlighted(cycleMaps))
        app().services().messages.show(kSelectMap);
    writeList(app(), data::kCycleFile, cycleMaps);
    removeFromCycleButton.setEnabled(false);
}

void MainWindow::clearCycleClicked() {
    cycleMaps.clear();
    writeList(app(), data::kCycleFile, cycleMaps);
}

// ---- Map-mode tabs ------------------------------------------------------

void MainWindow::singleMapTabClicked() {
    setSingleMapMode();
}

void MainWindow::cycleTabClicked() {
    removeCyclePlaceholder();
    copyCatalogueToAvailable();
    setCycleMode();
}

void MainWindow::copyCatalogueToAvailable() {
    availableMaps.replaceWithEntriesOf(mapList);
}

void MainWindow::refreshAvailableMaps() {
    // A window still to load takes the copy at its load.
    if (isLoaded() && !singleMapMode())
        copyCatalogueToAvailable();
}

void MainWindow::removeCyclePlaceholder() {
    // The entry the cycle list holds in the window's design.
    if (cycleMaps.list(0) == "List4c")
        cycleMaps.clear();
}

} // namespace windows
