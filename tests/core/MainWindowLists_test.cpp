// The main window's lists and buttons: removing maps and mods, the map
// cycle, the tabs, the focus handshake of the mod list.
#include <gtest/gtest.h>

#include "common/SlashList.h"
#include "content/q2map.h"
#include "content/q2maplist.h"
#include "content/q3bots.h"
#include "mods/q2edit.h"
#include "mods/q2mod.h"
#include "shell/Help.h"
#include "shell/copyright.h"
#include "support/MainWindowFixture.h"

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
    q.List1.userClickItem(1); // q3dm17
    q.Command3.userClick();
    EXPECT_EQ(dir.readData("maps.tvd"), "q3dm1/q3dm7/\r\n");
    EXPECT_FALSE(q.Command3.enabled());
    EXPECT_TRUE(messages().empty());

    // Another window rebuilt the list: the button is still enabled, but no
    // map is selected.
    q.List1.userClickItem(0);
    q.List1.clear();
    q.List1.addItems({"q3dm7", "q3dm1"});
    q.Command3.userClick();
    EXPECT_EQ(messages(), Entries{kSelectMap});
    EXPECT_EQ(dir.readData("maps.tvd"), "q3dm1/q3dm7/\r\n");
    EXPECT_FALSE(q.Command3.enabled());

    for (int i = 0; i < 2; ++i) {
        q.List1.userClickItem(0);
        q.Command3.userClick();
    }
    EXPECT_EQ(dir.readData("maps.tvd"), "\r\n");
}

TEST_F(MainWindowLists, cyclePanel) {
    auto& q = open();
    q.Picture2.userClick();
    EXPECT_TRUE(q.cycle.visible());
    EXPECT_FALSE(q.singlemap.visible());
    EXPECT_EQ(common::entriesOf(q.List3c), (Entries{"q3dm1", "Q3DM17", "q3dm7"}));
    EXPECT_FALSE(q.plus.enabled());

    q.List3c.userClickItem(2);
    EXPECT_TRUE(q.plus.enabled());
    q.plus.userClick();
    q.List3c.userClickItem(0);
    q.plus.userClick();
    q.plus.userClick();
    EXPECT_EQ(common::entriesOf(q.List4c), (Entries{"q3dm7", "q3dm1", "q3dm1"}));
    EXPECT_EQ(dir.readData("mapcycle.tvd"), "q3dm7/q3dm1/q3dm1/\r\n");

    q.List4c.userClickItem(0);
    EXPECT_TRUE(q.minus.enabled());
    q.minus.userClick();
    EXPECT_EQ(dir.readData("mapcycle.tvd"), "q3dm1/q3dm1/\r\n");
    EXPECT_FALSE(q.minus.enabled());

    // Leaving and re-entering the cycle tab drops the choice but not plus,
    // which then adds an empty entry.
    q.Picture1.userClick();
    EXPECT_TRUE(q.singlemap.visible());
    EXPECT_EQ(q.Picture1.picture(), q.Picture3a.picture());
    q.Picture2.userClick();
    EXPECT_EQ(q.List3c.listIndex(), -1);
    EXPECT_TRUE(q.plus.enabled());
    q.plus.userClick();
    EXPECT_EQ(dir.readData("mapcycle.tvd"), "q3dm1/q3dm1//\r\n");

    // Clear keeps minus as it is; minus then has nothing to remove.
    q.List4c.userClickItem(0);
    q.clear.userClick();
    EXPECT_EQ(dir.readData("mapcycle.tvd"), "\r\n");
    EXPECT_TRUE(q.minus.enabled());
    q.minus.userClick();
    EXPECT_EQ(messages(), Entries{kSelectMap});
    EXPECT_EQ(dir.readData("mapcycle.tvd"), "\r\n");
    EXPECT_FALSE(q.minus.enabled());
}

TEST_F(MainWindowLists, cycleTabDropsThePlaceholderEntry) {
    auto& q = open();
    // The window came up in single-map mode with the cycle file missing; the
    // load step already dropped the placeholder.
    EXPECT_EQ(q.List4c.listCount(), 0);
    q.List4c.addItem("List4c");
    q.List4c.addItem("q3dm1");
    q.Picture2.userClick();
    EXPECT_EQ(common::entriesOf(q.List4c), Entries{});
}

TEST_F(MainWindowLists, removingTheSelectedMod) {
    dir.writeData("bots.tvd", {"Sarge - 5 - red  - 0  /", "0/"});
    auto& q = open();
    ASSERT_EQ(q.List2.text(), "CTF");
    ASSERT_TRUE(q.Image3.enabled());
    q.Command7.userClick();
    EXPECT_FALSE(dir.exists("Tolvdata/CTF.tvd"));
    EXPECT_TRUE(dir.exists("Tolvdata/Baseq3.tvd"));
    EXPECT_EQ(dir.readData("mods.tvd"), "Baseq3/\r\n");
    EXPECT_EQ(q.sFoldername.caption(), "");
    EXPECT_FALSE(q.sweapons.enabled());
    EXPECT_TRUE(q.Label4.enabled());
    EXPECT_TRUE(q.Command1.enabled());
    EXPECT_FALSE(q.Command7.enabled());
    EXPECT_FALSE(q.Image3.enabled());

    // The next focus of the mod list leaves the launch button off...
    launcher->app.setFocus(&q.List2);
    EXPECT_FALSE(q.Image3.enabled());
    EXPECT_EQ(q.removelb.caption(), "true");
    // ...until a mod is loaded, or the list is focused again.
    q.List2.userClickItem(0);
    EXPECT_TRUE(q.Image3.enabled());
    EXPECT_EQ(q.sFoldername.caption(), "baseq3");
}

TEST_F(MainWindowLists, focusHandshakeLoadsOnFocusAndSavesAfterIt) {
    dir.writeData("Baseq3.tvd", testsupport::modRecord("baseq3", {"1", "2", "3", "4", "5", "6", "0",
                                                                  "0", "0", "a.cfg", "0", "0"}));
    auto& q = open();
    const auto ctfBefore = dir.readData("CTF.tvd");

    // Clicking into the list loads the mod without saving anything.
    q.List2.userClickItem(0);
    EXPECT_EQ(q.focuscontr.caption(), "true");
    EXPECT_EQ(q.sfrag.text(), "1");
    EXPECT_EQ(q.scfgfile.text(), "a.cfg");
    EXPECT_EQ(dir.readData("CTF.tvd"), ctfBefore);

    // Typing "25" saves after each keystroke.
    q.sfrag.userType("2");
    EXPECT_EQ(q.focuscontr.caption(), "false");
    EXPECT_EQ(dataLines("Baseq3.tvd")[12], "2");
    q.sfrag.userType("25");
    auto record = dataLines("Baseq3.tvd");
    ASSERT_EQ(record.size(), 24u);
    EXPECT_EQ(record[12], "25");
    EXPECT_EQ(record[21], "a.cfg");
    q.sded.userClick();
    EXPECT_EQ(dataLines("Baseq3.tvd")[19], "1");

    // While the focus is elsewhere, selecting a mod from code loads nothing.
    q.List2.setListIndex(1);
    EXPECT_EQ(q.sFoldername.caption(), "baseq3");
    EXPECT_EQ(q.sfrag.text(), "25");
}

TEST_F(MainWindowLists, failedListWritesKeepTheChangeAndTheOldFile) {
    dir.writeData("mapcycle.tvd", {"q3dm1/"});
    auto& q = open();
    launcher->files.failWritesTo("maps.tvd");
    launcher->files.failWritesTo("mods.tvd");
    launcher->files.failWritesTo("mapcycle.tvd");

    q.List1.userClickItem(0);
    q.Command3.userClick();
    EXPECT_EQ(q.List1.listCount(), 2);
    EXPECT_EQ(dir.readData("maps.tvd"), "q3dm7/q3dm1/Q3DM17/\r\n");

    q.Command7.userClick();
    EXPECT_EQ(common::entriesOf(q.List2), Entries{"Baseq3"});
    EXPECT_EQ(dir.readData("mods.tvd"), "Baseq3/CTF/\r\n");

    q.Picture2.userClick();
    q.clear.userClick();
    EXPECT_EQ(q.List4c.listCount(), 0);
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
    } cases[] = {{q.Command2, launcher->get<content::q2map>()},
                 {q.Command10, launcher->get<content::q2maplist>()},
                 {q.Command4, launcher->get<shell::copyright>()},
                 {q.Command5, launcher->get<shell::Help>()},
                 {q.Command6, launcher->get<mods::q2mod>()},
                 {q.Command1, launcher->get<content::q3bots>()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window.name());
        c.button.userClick();
        EXPECT_TRUE(c.window.isVisible());
    }
    // Add mod disabled the mod-dependent controls first; the launch button
    // stays off after the window closes, until a mod is selected again.
    EXPECT_FALSE(q.Image3.enabled());
    EXPECT_FALSE(q.Command8.enabled());
    launcher->get<mods::q2mod>().userClose();
    EXPECT_FALSE(q.Image3.enabled());

    q.List2.userClickItem(0);
    EXPECT_TRUE(q.Image3.enabled());
    q.Command8.userClick();
    EXPECT_TRUE(launcher->get<mods::q2edit>().isVisible());
    EXPECT_FALSE(q.sfrag.enabled());
}

TEST_F(MainWindowLists, botsButtonReadsTheBotFileOnlyIntoAnEmptyRoster) {
    dir.writeData("bots.tvd", {"Sarge - 5 - red  - 0  /", "x"});
    auto& q = open();
    auto& roster = launcher->get<content::q3bots>();
    roster.List3.clear();
    q.Command1.setEnabled(true);
    q.Command1.userClick();
    EXPECT_EQ(roster.List3.listCount(), 1);
    q.Command1.userClick();
    EXPECT_EQ(roster.List3.listCount(), 1);
    EXPECT_TRUE(roster.isVisible());
}

} // namespace
