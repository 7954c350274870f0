// A mod's record file moving into the settings controls and back.
#include <gtest/gtest.h>

#include "data/SlashList.h"
#include "support/MainWindowFixture.h"

namespace {

using testsupport::MainWindowTest;
using Entries = std::vector<std::string>;

struct ModRecord : MainWindowTest {
    // One mod "Mod" with this record, selected at start.
    windows::MainWindow& openWith(const std::vector<std::string>& record,
                                  const std::string& mod = "Mod") {
        dir.writeData("maps.tvd", {"q3dm1/"});
        dir.writeData("mods.tvd", {mod + "/"});
        dir.writeData(mod + ".tvd", record);
        settings({"0", "0", "Host", "S"});
        return open();
    }
    // Moves the focus from the mod list to the settings and types a value.
    void edit(windows::MainWindow& q, const std::string& frag) {
        launcher->app.setFocus(&q.modList);
        q.fragLimit.userType(frag);
    }
    static std::string cantFind(const std::string& path, const std::string& mod) {
        return "Torvel Arvenix can't find the file " + path + ". Please add the mod '" + mod +
               "' a second time.";
    }
};

TEST_F(ModRecord, longRecordUsesTwentyFourLinesAndSavesExactlyThose) {
    auto record = testsupport::modRecord("ctf");
    for (int i = 0; i < 6; ++i)
        record.push_back("beyond " + std::to_string(i));
    auto& q = openWith(record);
    EXPECT_EQ(q.pureServer.value(), 1); // line 24
    EXPECT_EQ(dataLines("Mod.tvd").size(), 30u);

    edit(q, "7");
    const auto saved = dataLines("Mod.tvd");
    ASSERT_EQ(saved.size(), 24u);
    EXPECT_EQ(Entries(saved.begin(), saved.begin() + 12),
              Entries(record.begin(), record.begin() + 12));
    EXPECT_EQ(saved[12], "7");
    EXPECT_EQ(Entries(saved.begin() + 13, saved.end()),
              Entries(record.begin() + 13, record.begin() + 24));
}

TEST_F(ModRecord, shortRecordGivesDefaultsAndTheFirstEditDropsTheMod) {
    auto record = testsupport::modRecord("ctf");
    record.resize(11);
    auto& q = openWith(record);
    EXPECT_EQ(q.fragLimit.text(), "0");
    EXPECT_EQ(q.pureServer.value(), 0);
    EXPECT_EQ(q.configFile.text(), "");
    EXPECT_EQ(q.gameFolder.caption(), "");      // the definition is not taken either
    EXPECT_TRUE(q.launchButtonPlain.enabled()); // a mod is selected: launching allowed

    edit(q, "5");
    EXPECT_EQ(messages(), Entries{cantFind(dir.data("Mod.tvd"), "Mod")});
    EXPECT_EQ(q.modList.listCount(), 0);
    EXPECT_EQ(dir.readData("mods.tvd"), "\r\n");
    EXPECT_EQ(dataLines("Mod.tvd").size(), 11u); // the record itself stays
    EXPECT_FALSE(q.launchButtonPlain.enabled());
    EXPECT_FALSE(q.fragLimit.enabled());
}

TEST_F(ModRecord, recordOfTwentyThreeLinesGivesDefaultsButSavesWhole) {
    auto record = testsupport::modRecord("ctf");
    record.resize(23);
    auto& q = openWith(record);
    EXPECT_EQ(q.gameFolder.caption(), "");
    EXPECT_EQ(q.fragLimit.text(), "0");
    EXPECT_EQ(q.configFile.text(), "");

    // Lines 1 to 12 are all a save needs: the record comes back whole.
    edit(q, "6");
    EXPECT_TRUE(messages().empty());
    auto saved = record;
    saved.resize(12);
    for (const char* line : {"6", "0", "0", "0", "0", "0", "0", "0", "0", "", "0", "0"})
        saved.push_back(line);
    EXPECT_EQ(dataLines("Mod.tvd"), saved);
}

TEST_F(ModRecord, flagAndCheckBoxLines) {
    auto record = testsupport::modRecord("ctf");
    record[3] = "1 "; // option 1 shown only for exactly "1"
    record[6] = "1";
    record[18] = "2"; // bots greyed, from a hand-edited record
    record[19] = " 1 ";
    auto& q = openWith(record);
    EXPECT_FALSE(q.optionCaption1.visible());
    EXPECT_FALSE(q.optionValue1.visible());
    EXPECT_TRUE(q.optionCaption2.visible());
    EXPECT_TRUE(q.optionValue2.visible());
    EXPECT_EQ(q.withBots.value(), 2);
    EXPECT_EQ(q.dedicatedServer.value(), 1);
    edit(q, "9");
    EXPECT_EQ(dataLines("Mod.tvd")[18], "2");
    EXPECT_EQ(dataLines("Mod.tvd")[19], "1");

    // A check-box line the box refuses: defaults for the settings, while
    // what was set before it stays.
    for (const char* bad : {"x", "3", ""}) {
        SCOPED_TRACE(bad);
        record = testsupport::modRecord("ctf");
        record[22] = bad;
        auto& q2 = openWith(record);
        EXPECT_EQ(q2.gameFolder.caption(), "ctf");
        EXPECT_EQ(q2.fragLimit.text(), "0");
        EXPECT_EQ(q2.configFile.text(), "");
        EXPECT_EQ(q2.pureServer.value(), 0);
    }
}

TEST_F(ModRecord, disablingLeavesConfigBotLabelAndBotsButtonOn) {
    auto& q = openWith(testsupport::modRecord("ctf"));
    q.disableModControls();
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &q.removeModButton, &q.editModButton, &q.fragLimit, &q.timeLimit, &q.withBots,
             &q.dedicatedServer, &q.maxClients, &q.execConfig, &q.closeOnLaunch, &q.pureServer,
             &q.optionValue1, &q.optionValue2, &q.optionValue3, &q.launchButtonPlain})
        EXPECT_FALSE(c->enabled()) << c->name();
    EXPECT_TRUE(q.configFile.enabled());
    EXPECT_TRUE(q.botCount.enabled());
    EXPECT_TRUE(q.editRosterButton.enabled());
}

TEST_F(ModRecord, aNameThatWouldLeaveTheDataFolderNamesNoRecord) {
    // On the game's own platform a backslash would lead out of the folder.
    const std::string mod = "..\\outside";
    dir.writeData("maps.tvd", {"q3dm1/"});
    dir.writeData("mods.tvd", {mod + "/"});
    dir.writeData(mod + ".tvd", testsupport::modRecord("evil"));
    dir.write("outside.tvd", testsupport::modRecord("evil"));
    settings({"0", "0", "Host", "S"});
    auto& q = open();
    EXPECT_EQ(q.modList.text(), mod);
    EXPECT_EQ(q.gameFolder.caption(), ""); // nothing read
    EXPECT_EQ(q.fragLimit.text(), "0");

    edit(q, "5");
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(q.modList.listCount(), 0);
    EXPECT_EQ(dir.readData("mods.tvd"), "\r\n");
    EXPECT_EQ(testsupport::linesOf(dir.read("outside.tvd"))[12], "20");

    // Removing such a mod deletes nothing.
    q.modList.addItem(mod);
    q.modList.setListIndex(0);
    q.removeModButton.setEnabled(true);
    q.removeModButton.userClick();
    EXPECT_TRUE(dir.exists("outside.tvd"));
    EXPECT_TRUE(dir.exists("Tolvdata/" + mod + ".tvd"));
}

TEST_F(ModRecord, aNameOfOneOfTheLauncherFilesNamesNoRecord) {
    // Names match files ignoring case, so "Settings" would be settings.tvd.
    const struct {
        const char* mod;
        const char* file;
    } cases[] = {{"maps", "maps.tvd"},
                 {"Settings", "settings.tvd"},
                 {"BOTS", "bots.tvd"},
                 {"Mapcycle", "mapcycle.tvd"},
                 {"launch_stat", "launch_stat.tvd"},
                 {"oldMods", "oldmods.tvd"},
                 {"OLDMAPS", "oldmaps.tvd"},
                 {"oldbots", "oldbots.tvd"},
                 {"Mods", "mods.tvd"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mod);
        const std::string mod = c.mod;
        dir.writeData("maps.tvd", {"q3dm1/"});
        dir.writeData("mods.tvd", {mod + "/"});
        settings({"0", "0", "Host", "S"});
        if (!dir.exists(std::string("Tolvdata/") + c.file))
            dir.writeData(c.file, testsupport::modRecord("evil"));
        const std::string before = dir.readData(c.file);
        auto& q = open();
        EXPECT_EQ(q.modList.text(), mod);
        EXPECT_EQ(q.gameFolder.caption(), ""); // nothing read
        EXPECT_EQ(q.fragLimit.text(), "0");

        edit(q, "5");
        EXPECT_EQ(messages(), Entries{cantFind(dir.data(mod + ".tvd"), mod)});
        EXPECT_EQ(q.modList.listCount(), 0);

        // Removing such a mod deletes nothing.
        q.modList.addItem(mod);
        q.modList.setListIndex(0);
        q.removeModButton.setEnabled(true);
        q.removeModButton.userClick();
        if (mod == "Mods")
            EXPECT_EQ(dir.readData(c.file), "\r\n"); // rewritten as the emptied list
        else
            EXPECT_EQ(dir.readData(c.file), before);
    }
}

TEST_F(ModRecord, aRecordNamedOnWindowsIsUsedUnderItsNameOnDisk) {
    const std::string onDisk = "Caf\xE9"; // "Café" in Windows-1252
    auto& q = openWith(testsupport::modRecord("cafe"), onDisk);
    EXPECT_EQ(q.modList.text(), "Caf\u00E9");
    EXPECT_EQ(q.gameFolder.caption(), "cafe");

    edit(q, "5");
    EXPECT_EQ(messages(), Entries{});
    EXPECT_EQ(dir.readData("mods.tvd"), onDisk + "/\r\n");
    EXPECT_EQ(dataLines(onDisk + ".tvd")[12], "5");
    EXPECT_FALSE(dir.exists("Tolvdata/Caf\u00E9.tvd"));

    q.removeModButton.userClick();
    EXPECT_FALSE(dir.exists("Tolvdata/" + onDisk + ".tvd"));
}

TEST_F(ModRecord, recordThatCannotBeWrittenStaysAndTheModStaysListed) {
    auto& q = openWith(testsupport::modRecord("ctf"));
    launcher->files.failWritesTo("Mod.tvd");
    edit(q, "5");
    EXPECT_EQ(messages(), Entries{"Torvel Arvenix can't save the settings of the mod 'Mod' to the "
                                  "file " +
                                  dir.data("Mod.tvd") + ": No space left on device."});
    EXPECT_EQ(q.modList.text(), "Mod");
    EXPECT_EQ(dir.readData("mods.tvd"), "Mod/\r\n");
    EXPECT_EQ(dataLines("Mod.tvd"), testsupport::modRecord("ctf"));
    EXPECT_TRUE(q.fragLimit.enabled());
    EXPECT_TRUE(q.launchButtonPlain.enabled());

    // Once the disk takes writes again, the next change is saved.
    launcher->files.clearFailures();
    q.fragLimit.userType("57");
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(dataLines("Mod.tvd")[12], "57");
}

} // namespace
