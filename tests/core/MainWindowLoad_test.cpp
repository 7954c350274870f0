// The main window coming up from its files and going away again.
#include <gtest/gtest.h>

#include "common/SlashList.h"
#include "content/q3bots.h"
#include "support/MainWindowFixture.h"

namespace {

using testsupport::MainWindowTest;
using Entries = std::vector<std::string>;

struct MainWindowLoad : MainWindowTest {
    void SetUp() override {
        // Sorted: q3dm1, q3dm17, q3dm2, q3dm7.
        catalogues("q3dm7/q3dm1/q3dm17/q3dm2/", {"Baseq3", "CTF"});
    }
};

TEST_F(MainWindowLoad, restoresSelectionsHostNameModeAndTheModsRecord) {
    const auto recordBefore = dir.readData("CTF.tvd");
    settings({"3", "1", "My Server", "S"});
    auto& q = open();
    EXPECT_EQ(q.List1.text(), "q3dm7");
    EXPECT_EQ(q.m.caption(), "Temple Of Retribution");
    EXPECT_TRUE(q.Command3.enabled());
    EXPECT_EQ(q.List2.text(), "CTF");
    EXPECT_EQ(q.Text1.text(), "My Server");
    EXPECT_TRUE(q.singlemap.visible());
    EXPECT_FALSE(q.cycle.visible());
    EXPECT_EQ(q.Picture1.picture(), q.Picture3a.picture());
    EXPECT_EQ(q.Picture2.picture(), q.Picture4.picture());
    EXPECT_EQ(q.List3c.listCount(), 0); // filled only by the cycle tab
    // The record is in the settings controls, which are usable...
    EXPECT_EQ(q.sFoldername.caption(), "ctf");
    EXPECT_EQ(q.sfrag.text(), "20");
    EXPECT_EQ(q.scfgfile.text(), "my.cfg");
    EXPECT_EQ(q.sv_pure.value(), 1);
    EXPECT_TRUE(q.mop1.visible());
    EXPECT_FALSE(q.mop2.visible());
    EXPECT_TRUE(q.sfrag.enabled());
    EXPECT_TRUE(q.Command7.enabled());
    EXPECT_EQ(q.focuscontr.caption(), "true");
    // ...and loading it never wrote it back.
    EXPECT_EQ(dir.readData("CTF.tvd"), recordBefore);
}

TEST_F(MainWindowLoad, storedIndexesAreReadAsNumbers) {
    struct Case {
        const char* line;
        int index; // -1: no map selected
    } cases[] = {
        {"1.5", 2}, {"2.5", 2}, {" 2", 2},  {"3abc", 3},         {"abc", 0},  {"", 0},
        {"-1", -1}, {"4", -1},  {"-2", -1}, {"99999999999", -1}, {"1e1", -1}, {"0.5", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        settings({c.line, "0", "Host", "S"});
        auto& q = open();
        EXPECT_EQ(q.List1.listIndex(), c.index);
        if (c.index == -1) {
            EXPECT_EQ(q.m.caption(), "");
            EXPECT_FALSE(q.Command3.enabled());
        }
    }
}

TEST_F(MainWindowLoad, onlyAnExactCapitalSMeansSingleMapMode) {
    for (const char* mode : {"s", "S ", "C", "x"}) {
        SCOPED_TRACE(mode);
        settings({"0", "0", "Host", mode});
        auto& q = open();
        EXPECT_FALSE(q.singlemap.visible());
        EXPECT_TRUE(q.cycle.visible());
        EXPECT_EQ(q.Picture1.picture(), q.Picture3.picture());
        EXPECT_EQ(q.Picture2.picture(), q.Picture4a.picture());
        // Cycle mode at start copies the map list, in the same order.
        EXPECT_EQ(common::entriesOf(q.List3c), common::entriesOf(q.List1));
    }
}

TEST_F(MainWindowLoad, withoutSettingsTheFirstEntriesAndTheDefaultHostName) {
    auto& q = open();
    EXPECT_EQ(q.List1.listIndex(), 0);
    EXPECT_EQ(q.List2.text(), "Baseq3");
    EXPECT_EQ(q.Text1.text(), "Torvel Arvenix Pro Server");
    EXPECT_TRUE(q.cycle.visible());
    EXPECT_EQ(q.sFoldername.caption(), "baseq3");
}

TEST_F(MainWindowLoad, noModStateWhenNoModIsSelected) {
    auto expectNoMod = [](shell::Q2M& q) {
        EXPECT_EQ(q.List2.listIndex(), -1);
        EXPECT_EQ(q.focuscontr.caption(), "true");
        EXPECT_FALSE(q.sweapons.enabled());
        EXPECT_TRUE(q.Label4.enabled());
        EXPECT_TRUE(q.Command1.enabled());
        EXPECT_FALSE(q.sfrag.enabled()); // nothing loaded, nothing enabled
        EXPECT_EQ(q.sfrag.text(), "0");
        EXPECT_EQ(q.scfgfile.text(), "");
    };
    settings({"0", "-1", "Host", "S"});
    expectNoMod(open());

    // "0" with an empty mod list: the selection fails.
    dir.writeData("mods.tvd", {""});
    settings({"0", "0", "Host", "S"});
    expectNoMod(open());

    // Above 0 before any rounding ("0.4"), or beyond the last mod: no
    // selection, but no no-mod state either.
    for (const char* stored : {"0.4", "5"}) {
        SCOPED_TRACE(stored);
        catalogues("q3dm1/", stored == std::string("5") ? Entries{"Baseq3", "CTF"} : Entries{});
        settings({"0", stored, "Host", "S"});
        auto& q = open();
        EXPECT_EQ(q.List2.listIndex(), -1);
        EXPECT_FALSE(q.Command1.enabled());
        EXPECT_FALSE(q.Label4.enabled());
        EXPECT_EQ(q.sfrag.text(), "0");
        EXPECT_TRUE(q.Image3.enabled());
    }
}

TEST_F(MainWindowLoad, settingsWithLoneCrLineEndsAndAByteOrderMark) {
    dir.writeRaw("Tolvdata/settings.tvd", "\xEF\xBB\xBF"
                                          "3\r1\rMy Server\rS");
    auto& q = open();
    EXPECT_EQ(q.List1.text(), "q3dm7");
    EXPECT_EQ(q.List2.text(), "CTF");
    EXPECT_EQ(q.Text1.text(), "My Server");
    EXPECT_TRUE(q.singlemap.visible());
}

TEST_F(MainWindowLoad, hostNameDefaultAndTrimmedOnClose) {
    settings({"0", "0", "", "S"});
    EXPECT_EQ(open().Text1.text(), "Torvel Arvenix Pro Server");

    settings({"0", "0", "  Spaced Host  ", "S"});
    auto& q = open();
    EXPECT_EQ(q.Text1.text(), "  Spaced Host  ");
    q.userClose();
    EXPECT_EQ(dataLines("settings.tvd")[2], "Spaced Host");
    EXPECT_EQ(open().Text1.text(), "Spaced Host");
}

TEST_F(MainWindowLoad, cycleListLosesItsPlaceholderAndTakesTheCycleFileInOrder) {
    dir.writeData("mapcycle.tvd", {"q3dm7/q3dm1/q3dm7/"});
    auto& q = open();
    EXPECT_EQ(common::entriesOf(q.List4c), (Entries{"q3dm7", "q3dm1", "q3dm7"}));

    dir.writeData("mapcycle.tvd", {""});
    EXPECT_EQ(open().List4c.listCount(), 0);
}

TEST_F(MainWindowLoad, botCountLabelCountsTheSelectedRosterEntries) {
    const std::string roster = "Sarge - 5 - red  - 0  /Anarki - 5 - red  - 0  /";
    dir.writeData("bots.tvd", {roster, "0/1/"});
    EXPECT_EQ(open().Label4.caption(), "Game with  2 bots");
    dir.writeData("bots.tvd", {roster, "1/"});
    EXPECT_EQ(open().Label4.caption(), "Game with  1 bot");
    dir.writeData("bots.tvd", {roster, "x"});
    EXPECT_EQ(open().Label4.caption(), "Game with  0 bots");
}

TEST_F(MainWindowLoad, closingWritesTheSettingsAndEndsTheProgram) {
    settings({"3", "1", "My Server", "S"});
    auto& q = open();
    launcher->get<content::q3bots>().show(); // one other window open
    q.userClose();
    EXPECT_EQ(dir.readData("settings.tvd"), "3\r\n1\r\nMy Server\r\nS\r\n");
    EXPECT_TRUE(launcher->app.ended());
    EXPECT_FALSE(launcher->app.anyLoaded());

    // Cycle mode and no selections.
    settings({"-1", "-1", "Host", "C"});
    open().userClose();
    EXPECT_EQ(dir.readData("settings.tvd"), "-1\r\n-1\r\nHost\r\nC\r\n");
}

TEST_F(MainWindowLoad, aSettingsFileThatCannotBeWrittenIsReportedAndStillEndsTheProgram) {
    settings({"3", "1", "My Server", "S"});
    auto& q = open();
    launcher->files.failWritesTo("settings.tvd");
    q.List1.setListIndex(0);
    q.userClose();
    EXPECT_TRUE(launcher->app.ended());
    EXPECT_EQ(dir.readData("settings.tvd"), "3\r\n1\r\nMy Server\r\nS\r\n");
    ASSERT_EQ(launcher->messages.shown.size(), 1u);
    EXPECT_NE(launcher->messages.shown[0].find("settings.tvd (No space left on device)"),
              std::string::npos);
}

} // namespace
