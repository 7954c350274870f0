// The main window's lists and buttons: removing maps and mods, the map
// cycle, the tabs, the focus handshake of the mod list.
#include <gtest/gtest.h>

#include "data/SlashList.h"
#include "support/MainWindowFixture.h"
#include "windows/AboutWindow.h"
#include "windows/HelpWindow.h"
#include "windows/MapListsWindow.h"
#include "windows/MapWindow.h"
#include "windows/ModEditor.h"
#include "windows/ModWindow.h"
#include "windows/RosterWindow.h"

namespace {

using testsupport::MainWindowTest;
using Entries = std::vector<std::string>;
constexpr const char* kSelectMap = "Please select a map and try again.";

struct MainWindowLists : MainWindowTest {
    void SetUp() override {
        catalogues("q3dm7/q3dm1/Q3DM17/", {"Baseq3", "CTF"});
        settings({"0", "1", "Host", "S"});
    }
};

TEST_F(MainWindowLists, removingMaps) {
    auto& q = open();
    q.mapList.userClickItem(1); // q3dm17
    q.removeMapButton.userClick();
    EXPECT_EQ(dir.readData("maps.tvd"), "q3dm1/q3dm7/\r\n");
    EXPECT_FALSE(q.removeMapButton.enabled());
    EXPECT_TRUE(messages().empty());

    // Another window rebuilt the list: the button is still enabled, but no
    // map is selected.
    q.mapList.userClickItem(0);
    q.mapList.clear();
    q.mapList.addItems({"q3dm7", "q3dm1"});
    q.removeMapButton.userClick();
    EXPECT_EQ(messages(), Entries{kSelectMap});
    EXPECT_EQ(dir.readData("maps.tvd"), "q3dm1/q3dm7/\r\n");
    EXPECT_FALSE(q.removeMapButton.enabled());

    for (int i = 0; i < 2; ++i) {
        q.mapList.userClickItem(0);
        q.removeMapButton.userClick();
    }
    EXPECT_EQ(dir.readData("maps.tvd"), "\r\n");
}

TEST_F(MainWindowLists, cyclePanel) {
    auto& q = open();
    q.cycleTab.userClick();
    EXPECT_TRUE(q.cyclePanel.visible());
    EXPECT_FALSE(q.singleMapPanel.visible());
    EXPECT_EQ(data::entriesOf(q.availableMaps), (Entries{"q3dm1", "Q3DM17", "q3dm7"}));
    EXPECT_FALSE(q.addToCycleButton.enabled());

    q.availableMaps.userClickItem(2);
    EXPECT_TRUE(q.addToCycleButton.enabled());
    q.addToCycleButton.userClick();
    q.availableMaps.userClickItem(0);
    q.addToCycleButton.userClick();
    q.addToCycleButton.userClick();
    EXPECT_EQ(data::entriesOf(q.cycleMaps), (Entries{"q3dm7", "q3dm1", "q3dm1"}));
    EXPECT_EQ(dir.readData("mapcycle.tvd"), "q3dm7/q3dm1/q3dm1/\r\n");

    q.cycleMaps.userClickItem(0);
    EXPECT_TRUE(q.removeFromCycleButton.enabled());
    q.removeFromCycleButton.userClick();
    EXPECT_EQ(dir.readData("mapcycle.tvd"), "q3dm1/q3dm1/\r\n");
    EXPECT_FALSE(q.removeFromCycleButton.enabled());

    // Leaving and re-entering the cycle tab drops the choice but not plus,
    // which then adds an empty entry.
    q.singleMapTab.userClick();
    EXPECT_TRUE(q.singleMapPanel.visible());
    EXPECT_EQ(q.singleMapTab.picture(), q.singleMapTabOn.picture());
    q.cycleTab.userClick();
    EXPECT_EQ(q.availableMaps.listIndex(), -1);
    EXPECT_TRUE(q.addToCycleButton.enabled());
    q.addToCycleButton.userClick();
    EXPECT_EQ(dir.readData("mapcycle.tvd"), "q3dm1/q3dm1//\r\n");

    // Clear keeps minus as it is; minus then has nothing to remove.
    q.cycleMaps.userClickItem(0);
    q.clearCycleButton.userClick();
    EXPECT_EQ(dir.readData("mapcycle.tvd"), "\r\n");
    EXPECT_TRUE(q.removeFromCycleButton.enabled());
    q.removeFromCycleButton.userClick();
    EXPECT_EQ(messages(), Entries{kSelectMap});
    EXPECT_EQ(dir.readData("mapcycle.tvd"), "\r\n");
    EXPECT_FALSE(q.removeFromCycleButton.enabled());
}

TEST_F(MainWindowLists, cycleTabDropsThePlaceholderEntry) {
    auto& q = open();
    // The window came up in single-map mode with the cycle file missing; the
    // load step already dropped the placeholder.
    EXPECT_EQ(q.cycleMaps.listCount(), 0);
    q.cycleMaps.addItem("List4c");
    q.cycleMaps.addItem("q3dm1");
    q.cycleTab.userClick();
    EXPECT_EQ(data::entriesOf(q.cycleMaps), Entries{});
}

TEST_F(MainWindowLists, removingTheSelectedMod) {
    dir.writeData("bots.tvd", {"Sarge - 5 - red  - 0  /", "0/"});
    auto& q = open();
    ASSERT_EQ(q.modList.text(), "CTF");
    ASSERT_TRUE(q.launchButtonPlain.enabled());
    q.removeModButton.userClick();
    EXPECT_FALSE(dir.exists("Tolvdata/CTF.tvd"));
    EXPECT_TRUE(dir.exists("Tolvdata/Baseq3.tvd"));
    EXPECT_EQ(dir.readData("mods.tvd"), "Baseq3/\r\n");
    EXPECT_EQ(q.gameFolder.caption(), "");
    EXPECT_FALSE(q.withBots.enabled());
    EXPECT_TRUE(q.botCount.enabled());
    EXPECT_TRUE(q.editRosterButton.enabled());
    EXPECT_FALSE(q.removeModButton.enabled());
    EXPECT_FALSE(q.launchButtonPlain.enabled());

    // The next focus of the mod list leaves the launch button off...
    launcher->app.setFocus(&q.modList);
    EXPECT_FALSE(q.launchButtonPlain.enabled());
    EXPECT_TRUE(q.enablesLaunchOnModFocus());
    // ...until a mod is loaded, or the list is focused again.
    q.modList.userClickItem(0);
    EXPECT_TRUE(q.launchButtonPlain.enabled());
    EXPECT_EQ(q.gameFolder.caption(), "baseq3");
}

TEST_F(MainWindowLists, focusHandshakeLoadsOnFocusAndSavesAfterIt) {
    dir.writeData("Baseq3.tvd", testsupport::modRecord("baseq3", {"1", "2", "3", "4", "5", "6", "0",
                                                                  "0", "0", "a.cfg", "0", "0"}));
    auto& q = open();
    const auto ctfBefore = dir.readData("CTF.tvd");

    // Clicking into the list loads the mod without saving anything.
    q.modList.userClickItem(0);
    EXPECT_EQ(q.settingsFlow(), windows::MainWindow::SettingsFlow::LoadRecord);
    EXPECT_EQ(q.fragLimit.text(), "1");
    EXPECT_EQ(q.configFile.text(), "a.cfg");
    EXPECT_EQ(dir.readData("CTF.tvd"), ctfBefore);

    // Typing "25" saves after each keystroke.
    q.fragLimit.userType("2");
    EXPECT_EQ(q.settingsFlow(), windows::MainWindow::SettingsFlow::SaveEdits);
    EXPECT_EQ(dataLines("Baseq3.tvd")[12], "2");
    q.fragLimit.userType("25");
    auto record = dataLines("Baseq3.tvd");
    ASSERT_EQ(record.size(), 24u);
    EXPECT_EQ(record[12], "25");
    EXPECT_EQ(record[21], "a.cfg");
    q.dedicatedServer.userClick();
    EXPECT_EQ(dataLines("Baseq3.tvd")[19], "1");

    // While the focus is elsewhere, selecting a mod from code loads nothing.
    q.modList.setListIndex(1);
    EXPECT_EQ(q.gameFolder.caption(), "baseq3");
    EXPECT_EQ(q.fragLimit.text(), "25");
}

TEST_F(MainWindowLists, failedListWritesKeepTheChangeAndTheOldFile) {
    dir.writeData("mapcycle.tvd", {"q3dm1/"});
    auto& q = open();
    launcher->files.failWritesTo("maps.tvd");
    launcher->files.failWritesTo("mods.tvd");
    launcher->files.failWritesTo("mapcycle.tvd");

    q.mapList.userClickItem(0);
    q.removeMapButton.userClick();
    EXPECT_EQ(q.mapList.listCount(), 2);
    EXPECT_EQ(dir.readData("maps.tvd"), "q3dm7/q3dm1/Q3DM17/\r\n");

    q.removeModButton.userClick();
    EXPECT_EQ(data::entriesOf(q.modList), Entries{"Baseq3"});
    EXPECT_EQ(dir.readData("mods.tvd"), "Baseq3/CTF/\r\n");

    q.cycleTab.userClick();
    q.clearCycleButton.userClick();
    EXPECT_EQ(q.cycleMaps.listCount(), 0);
    EXPECT_EQ(dir.readData("mapcycle.tvd"), "q3dm1/\r\n");
    // One message for each write, naming its file.
    ASSERT_EQ(messages().size(), 3u);
    for (const auto& [message, file] :
         {std::pair{messages()[0], "maps.tvd"}, std::pair{messages()[1], "mods.tvd"},
          std::pair{messages()[2], "mapcycle.tvd"}})
        EXPECT_NE(message.find(std::string(file) + " (No space left on device)"), std::string::npos)
            << message;
}

TEST_F(MainWindowLists, buttonsOpenTheirWindows) {
    auto& q = open();
    struct Case {
        ui::CommandButton& button;
        ui::Window& window;
    } cases[] = {{q.addMapButton, launcher->get<windows::MapWindow>()},
                 {q.loadSaveMapsButton, launcher->get<windows::MapListsWindow>()},
                 {q.aboutButton, launcher->get<windows::AboutWindow>()},
                 {q.helpButton, launcher->get<windows::HelpWindow>()},
                 {q.addModButton, launcher->get<windows::ModWindow>()},
                 {q.editRosterButton, launcher->get<windows::RosterWindow>()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window.name());
        c.button.userClick();
        EXPECT_TRUE(c.window.isVisible());
    }
    // Add mod disabled the mod-dependent controls first; the launch button
    // stays off after the window closes, until a mod is selected again.
    EXPECT_FALSE(q.launchButtonPlain.enabled());
    EXPECT_FALSE(q.editModButton.enabled());
    launcher->get<windows::ModWindow>().userClose();
    EXPECT_FALSE(q.launchButtonPlain.enabled());

    q.modList.userClickItem(0);
    EXPECT_TRUE(q.launchButtonPlain.enabled());
    q.editModButton.userClick();
    EXPECT_TRUE(launcher->get<windows::ModEditor>().isVisible());
    EXPECT_FALSE(q.fragLimit.enabled());
}

TEST_F(MainWindowLists, botsButtonReadsTheBotFileOnlyIntoAnEmptyRoster) {
    dir.writeData("bots.tvd", {"Sarge - 5 - red  - 0  /", "x"});
    auto& q = open();
    auto& roster = launcher->get<windows::RosterWindow>();
    roster.roster.clear();
    q.editRosterButton.setEnabled(true);
    q.editRosterButton.userClick();
    EXPECT_EQ(roster.roster.listCount(), 1);
    q.editRosterButton.userClick();
    EXPECT_EQ(roster.roster.listCount(), 1);
    EXPECT_TRUE(roster.isVisible());
}

} // namespace
