// Design of the main window: its controls' places and first states, and the
// binding of their events.
//
// Three columns: the map list or the map cycle on the left (switched by the
// two tab pictures), the mod list in the middle with the launch button below
// it, the server settings on the right.
#include "windows/MainWindow.h"

#include "ui/Application.h"
#include "windows/Artwork.h"

namespace windows {

namespace {

// Left edge of the server-settings column.
constexpr int kSettingsLeft = 6480;

ui::Font boldFont() {
    ui::Font f;
    f.bold = true;
    return f;
}

} // namespace

MainWindow::MainWindow(ui::Application& app)
    : ui::Window(app, "Q2M", "Torvel Arvenix Pro", 9825, 6780) {
    design();
    bindHandlers();
}

void MainWindow::design() {
    designTabs();
    designSingleMapPanel();
    designCyclePanel();
    designMods();
    designServerSettings();
    designDefinitionFrame();
    designLaunchArea();
    designLinkDocument();
}

// Map-mode tabs: the window opens in single-map mode.
void MainWindow::designTabs() {
    singleMapTab.place(120, 120, 1440, 375);
    singleMapTab.setPicture(art::kTabSingleOn);
    cycleTab.place(1560, 120, 1440, 375);
    cycleTab.setPicture(art::kTabCycleOff);
    const struct {
        ui::PictureBox& box;
        const char* picture;
        int left;
    } holders[] = {
        {singleMapTabOff, art::kTabSingleOff, 120},
        {singleMapTabOn, art::kTabSingleOn, 120},
        {cycleTabOff, art::kTabCycleOff, 1560},
        {cycleTabOn, art::kTabCycleOn, 1560},
    };
    for (const auto& h : holders) {
        h.box.place(h.left, 120, 1440, 375);
        h.box.setPicture(h.picture);
        h.box.setVisible(false);
    }
}

// Single-map panel (children placed inside the panel).
void MainWindow::designSingleMapPanel() {
    singleMapPanel.place(120, 555, 2880, 4425);
    selectedMapTitle.place(0, 45, 2880, 255);
    selectedMapTitle.setFont(boldFont());
    selectedMapTitle.setAlignment(ui::Align::Right);
    mapList.place(0, 360, 2880, 3255);
    addMapButton.place(0, 3720, 1395, 315);
    addMapButton.setCaption("Add map to list");
    addMapButton.setToolTip("Click to add a map");
    removeMapButton.place(1485, 3720, 1395, 315);
    removeMapButton.setCaption("Remove map");
    removeMapButton.setToolTip("Click to remove selected map");
    removeMapButton.setEnabled(false);
    loadSaveMapsButton.place(0, 4080, 2880, 315);
    loadSaveMapsButton.setCaption("Load/Save");
    loadSaveMapsButton.setToolTip("Click to Load/Save Maplist");
}

// Cycle panel, at the same place, hidden.
void MainWindow::designCyclePanel() {
    cyclePanel.place(120, 555, 2880, 4425);
    cyclePanel.setVisible(false);
    availableMapsHeading.place(0, 45, 2880, 255);
    availableMapsHeading.setCaption("Available Maps");
    availableMapsHeading.setFont(boldFont());
    availableMapsHeading.setAlignment(ui::Align::Center);
    availableMaps.place(0, 360, 2880, 1575);
    addToCycleButton.place(0, 2010, 930, 315);
    addToCycleButton.setCaption("\\/");
    addToCycleButton.setToolTip("Add to cycle list");
    addToCycleButton.setEnabled(false);
    removeFromCycleButton.place(975, 2010, 930, 315);
    removeFromCycleButton.setCaption("/\\");
    removeFromCycleButton.setToolTip("Remove from cycle list");
    removeFromCycleButton.setEnabled(false);
    clearCycleButton.place(1950, 2010, 930, 315);
    clearCycleButton.setCaption("Clear");
    clearCycleButton.setToolTip("Clear Cycle List");
    selectedMapsHeading.place(0, 2415, 2880, 255);
    selectedMapsHeading.setCaption("Selected Maps");
    selectedMapsHeading.setFont(boldFont());
    selectedMapsHeading.setAlignment(ui::Align::Center);
    cycleMaps.place(0, 2700, 2880, 1695);
    cycleMaps.addItem("List4c");
}

// Mods.
void MainWindow::designMods() {
    modsHeading.place(3240, 165, 3000, 255);
    modsHeading.setCaption("Mods");
    modList.place(3240, 480, 3000, 2895);
    addModButton.place(3240, 3480, 1455, 315);
    addModButton.setCaption("Add mod to list");
    addModButton.setToolTip("Click to add a mod");
    removeModButton.place(4785, 3480, 1455, 315);
    removeModButton.setCaption("Remove mod");
    removeModButton.setToolTip("Click to remove selected mod");
    removeModButton.setEnabled(false);
    editModButton.place(3240, 3840, 3000, 315);
    editModButton.setCaption("Edit mod");
    editModButton.setToolTip("Click to edit selected mod");
    editModButton.setEnabled(false);
    gameFolderCaption.place(3240, 4275, 1020, 255);
    gameFolderCaption.setCaption("Game folder:");
    gameFolder.place(4320, 4275, 1920, 255);
    gameFolder.setFont(boldFont());
}

// Server settings.
void MainWindow::designServerSettings() {
    constexpr int labelLeft = kSettingsLeft;
    constexpr int labelWidth = 2400;
    constexpr int boxLeft = 8985;
    constexpr int boxWidth = 720;
    hostNameCaption.place(labelLeft, 165, 3225, 255);
    hostNameCaption.setCaption("Hostname:");
    hostName.place(labelLeft, 480, 3225, 285);

    const struct {
        ui::Label& label;
        const char* caption;
        ui::TextBox& box;
        int top;
    } numberRows[] = {
        {fragLimitCaption, "Fraglimit (0 = off)", fragLimit, 900},
        {timeLimitCaption, "Timelimit (0 = off)", timeLimit, 1260},
        {maxClientsCaption, "Max. Clients", maxClients, 1620},
        {optionCaption1, "Option 1", optionValue1, 1980},
        {optionCaption2, "Option 2", optionValue2, 2340},
        {optionCaption3, "Option 3", optionValue3, 2700},
    };
    for (const auto& r : numberRows) {
        r.label.place(labelLeft, r.top + 15, labelWidth, 255);
        r.label.setCaption(r.caption);
        r.box.place(boxLeft, r.top, boxWidth, 285);
        r.box.setText("0");
        r.box.setAlignment(ui::Align::Center);
        r.box.setEnabled(false);
    }
    for (ui::TextBox* box : {&fragLimit, &timeLimit, &maxClients})
        box->setMaxLength(3);
    for (ui::Label* caption : {&optionCaption1, &optionCaption2, &optionCaption3})
        caption->setVisible(false);
    for (ui::TextBox* box : {&optionValue1, &optionValue2, &optionValue3})
        box->setVisible(false);

    // Check boxes carry no text; the label to their right is their caption.
    const struct {
        ui::CheckBox& box;
        ui::Label& label;
        const char* caption;
        int top;
    } checkRows[] = {
        {dedicatedServer, dedicatedServerCaption, "run dedicated server on/off", 3105},
        {pureServer, pureServerCaption, "pure server on/off", 3465},
        {closeOnLaunch, closeOnLaunchCaption, "close when launching Q3A", 3825},
        {withBots, botCount, "Game with  0 bots", 4185},
    };
    for (const auto& r : checkRows) {
        r.box.place(labelLeft, r.top, 195, 195);
        r.box.setEnabled(false);
        r.label.place(labelLeft + 270, r.top - 30, labelWidth - 270, 255);
        r.label.setCaption(r.caption);
    }
    botCount.setEnabled(false);
    editRosterButton.place(boxLeft, 4110, boxWidth, 315);
    editRosterButton.setCaption("Edit");
    editRosterButton.setEnabled(false);
}

// The selected mod's definition, never seen by the user.
void MainWindow::designDefinitionFrame() {
    modDefinitionFrame.place(kSettingsLeft, 4680, 3225, 1095);
    modDefinitionFrame.setVisible(false);
    optionPrefix1.place(120, 240, 1455, 285);
    optionPrefix2.place(1650, 240, 1455, 285);
    optionPrefix3.place(120, 600, 1455, 285);
    extraCommandLineOn.place(1650, 645, 195, 195);
    extraCommandLine.place(1920, 600, 1185, 285);
}

// Around the launch button.
void MainWindow::designLaunchArea() {
    launchHoverTop.place(3120, 4680, 3600, 255);
    execConfig.place(4200, 5040, 195, 195);
    execConfig.setEnabled(false);
    execConfigCaption.place(4470, 5010, 1170, 255);
    execConfigCaption.setCaption("exec cfg:");
    configFile.place(4200, 5400, 1440, 285);
    configFile.setText("config.cfg");
    configFile.setEnabled(false);
    launchHoverUpperRight.place(5640, 5010, 1080, 675);
    launchHoverLowerLeft.place(3120, 5880, 1080, 780);
    launchHoverLowerRight.place(5640, 5880, 1080, 780);
    launchHoverBottom.place(0, 6660, 9825, 120);
    launchClickArea.place(4200, 5880, 1440, 735);
    launchButtonPlain.place(4200, 5880, 1440, 780);
    launchButtonPlain.setPicture(art::kLaunchPlain);
    launchButtonLit.place(4200, 5880, 1440, 780);
    launchButtonLit.setPicture(art::kLaunchLit);
    launchButtonLit.setVisible(false);
    launchButtonLit.setEnabled(false);

    aboutButton.place(120, 6165, 375, 375);
    aboutButton.setCaption("©");
    aboutButton.setToolTip("Click here for Copyright information");
    helpButton.place(555, 6165, 375, 375);
    helpButton.setCaption("?");
    helpButton.setToolTip("Click here for ReadMe-file");
}

// The link document, never seen.
void MainWindow::designLinkDocument() {
    linkPageDocument.place(9480, 6240, 255, 255);
    linkPageDocument.setDocument(art::kLinkPage);
    linkPageDocument.setVisible(false);
}

void MainWindow::bindHandlers() {
    editRosterButton.onClick = [this] { editRosterClicked(); };
    addMapButton.onClick = [this] { addMapClicked(); };
    removeMapButton.onClick = [this] { removeMapClicked(); };
    aboutButton.onClick = [this] { aboutClicked(); };
    helpButton.onClick = [this] { helpClicked(); };
    addModButton.onClick = [this] { addModClicked(); };
    removeModButton.onClick = [this] { removeModClicked(); };
    editModButton.onClick = [this] { editModClicked(); };
    loadSaveMapsButton.onClick = [this] { loadSaveMapsClicked(); };

    mapList.onClick = [this] { mapListClicked(); };
    modList.onClick = [this] { modListClicked(); };
    modList.onGotFocus = [this] { modListFocused(); };
    modList.onLostFocus = [this] { modListFocusLost(); };
    availableMaps.onClick = [this] { availableMapsClicked(); };
    cycleMaps.onClick = [this] { cycleMapsClicked(); };
    addToCycleButton.onClick = [this] { addToCycleClicked(); };
    removeFromCycleButton.onClick = [this] { removeFromCycleClicked(); };
    clearCycleButton.onClick = [this] { clearCycleClicked(); };
    singleMapTab.onClick = [this] { singleMapTabClicked(); };
    cycleTab.onClick = [this] { cycleTabClicked(); };

    // Every change of a server setting saves the record (while the user
    // works in the settings).
    for (ui::TextBox* box : {&fragLimit, &timeLimit, &maxClients, &optionValue1, &optionValue2,
                             &optionValue3, &configFile})
        box->onChange = [this] { settingChanged(); };
    for (ui::CheckBox* box :
         {&withBots, &dedicatedServer, &execConfig, &closeOnLaunch, &pureServer})
        box->onClick = [this] { settingChanged(); };

    launchButtonPlain.onClick = [this] { launchButtonPlainClicked(); };
    launchButtonLit.onClick = [this] { launchButtonLitClicked(); };
    launchClickArea.onClick = [this] { launchClickAreaClicked(); };
    launchButtonPlain.onMouseMove = [this] { launchButtonPlainHovered(); };
    for (ui::Control* around : std::initializer_list<ui::Control*>{
             &launchHoverBottom, &execConfigCaption, &launchHoverTop, &launchHoverUpperRight,
             &launchHoverLowerLeft, &launchHoverLowerRight, &configFile})
        around->onMouseMove = [this] { resetLaunchPicture(); };
}

// ---- State no user sees --------------------------------------------------
// Each accessor touches the window first, as reading or setting a control
// does, so a first use loads the window before the value is read or set.

MainWindow::SettingsFlow MainWindow::settingsFlow() {
    touch();
    return flags_.settingsFlow;
}

void MainWindow::setSettingsFlow(SettingsFlow flow) {
    touch();
    flags_.settingsFlow = flow;
}

bool MainWindow::enablesLaunchOnModFocus() {
    touch();
    return flags_.enablesLaunchOnModFocus;
}

void MainWindow::setEnablesLaunchOnModFocus(bool enables) {
    touch();
    flags_.enablesLaunchOnModFocus = enables;
}

MainWindow::CycleConfigWrite MainWindow::cycleConfigWrite() {
    touch();
    return flags_.cycleConfigWrite;
}

void MainWindow::setCycleConfigWrite(CycleConfigWrite outcome) {
    touch();
    flags_.cycleConfigWrite = outcome;
}

void MainWindow::onDesignRestored() {
    flags_ = Flags{};
}

} // namespace windows
