// The main window coming up from its files and going away again.
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/mman.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "data/ListFileReadAhead.h"
#include "data/SlashList.h"
#include "support/MainWindowFixture.h"
#include "windows/RosterWindow.h"

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
    EXPECT_EQ(q.mapList.text(), "q3dm7");
    EXPECT_EQ(q.selectedMapTitle.caption(), "Temple Of Retribution");
    EXPECT_TRUE(q.removeMapButton.enabled());
    EXPECT_EQ(q.modList.text(), "CTF");
    EXPECT_EQ(q.hostName.text(), "My Server");
    EXPECT_TRUE(q.singleMapPanel.visible());
    EXPECT_FALSE(q.cyclePanel.visible());
    EXPECT_EQ(q.singleMapTab.picture(), q.singleMapTabOn.picture());
    EXPECT_EQ(q.cycleTab.picture(), q.cycleTabOff.picture());
    EXPECT_EQ(q.availableMaps.listCount(), 0); // filled only by the cycle tab
    // The record is in the settings controls, which are usable...
    EXPECT_EQ(q.gameFolder.caption(), "ctf");
    EXPECT_EQ(q.fragLimit.text(), "20");
    EXPECT_EQ(q.configFile.text(), "my.cfg");
    EXPECT_EQ(q.pureServer.value(), 1);
    EXPECT_TRUE(q.optionCaption1.visible());
    EXPECT_FALSE(q.optionCaption2.visible());
    EXPECT_TRUE(q.fragLimit.enabled());
    EXPECT_TRUE(q.removeModButton.enabled());
    EXPECT_EQ(q.settingsFlow(), windows::MainWindow::SettingsFlow::LoadRecord);
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
        EXPECT_EQ(q.mapList.listIndex(), c.index);
        if (c.index == -1) {
            EXPECT_EQ(q.selectedMapTitle.caption(), "");
            EXPECT_FALSE(q.removeMapButton.enabled());
        }
    }
}

TEST_F(MainWindowLoad, onlyAnExactCapitalSMeansSingleMapMode) {
    for (const char* mode : {"s", "S ", "C", "x"}) {
        SCOPED_TRACE(mode);
        settings({"0", "0", "Host", mode});
        auto& q = open();
        EXPECT_FALSE(q.singleMapPanel.visible());
        EXPECT_TRUE(q.cyclePanel.visible());
        EXPECT_EQ(q.singleMapTab.picture(), q.singleMapTabOff.picture());
        EXPECT_EQ(q.cycleTab.picture(), q.cycleTabOn.picture());
        // Cycle mode at start copies the map list, in the same order.
        EXPECT_EQ(data::entriesOf(q.availableMaps), data::entriesOf(q.mapList));
    }
}

TEST_F(MainWindowLoad, withoutSettingsTheFirstEntriesAndTheDefaultHostName) {
    auto& q = open();
    EXPECT_EQ(q.mapList.listIndex(), 0);
    EXPECT_EQ(q.modList.text(), "Baseq3");
    EXPECT_EQ(q.hostName.text(), "Torvel Arvenix Pro Server");
    EXPECT_TRUE(q.cyclePanel.visible());
    EXPECT_EQ(q.gameFolder.caption(), "baseq3");
}

TEST_F(MainWindowLoad, noModStateWhenNoModIsSelected) {
    auto expectNoMod = [](windows::MainWindow& q) {
        EXPECT_EQ(q.modList.listIndex(), -1);
        EXPECT_EQ(q.settingsFlow(), windows::MainWindow::SettingsFlow::LoadRecord);
        EXPECT_FALSE(q.withBots.enabled());
        EXPECT_TRUE(q.botCount.enabled());
        EXPECT_TRUE(q.editRosterButton.enabled());
        EXPECT_FALSE(q.fragLimit.enabled()); // nothing loaded, nothing enabled
        EXPECT_EQ(q.fragLimit.text(), "0");
        EXPECT_EQ(q.configFile.text(), "");
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
        EXPECT_EQ(q.modList.listIndex(), -1);
        EXPECT_FALSE(q.editRosterButton.enabled());
        EXPECT_FALSE(q.botCount.enabled());
        EXPECT_EQ(q.fragLimit.text(), "0");
        EXPECT_TRUE(q.launchButtonPlain.enabled());
    }
}

TEST_F(MainWindowLoad, settingsWithLoneCrLineEndsAndAByteOrderMark) {
    dir.writeRaw("Tolvdata/settings.tvd", "\xEF\xBB\xBF"
                                          "3\r1\rMy Server\rS");
    auto& q = open();
    EXPECT_EQ(q.mapList.text(), "q3dm7");
    EXPECT_EQ(q.modList.text(), "CTF");
    EXPECT_EQ(q.hostName.text(), "My Server");
    EXPECT_TRUE(q.singleMapPanel.visible());
}

TEST_F(MainWindowLoad, hostNameDefaultAndTrimmedOnClose) {
    settings({"0", "0", "", "S"});
    EXPECT_EQ(open().hostName.text(), "Torvel Arvenix Pro Server");

    settings({"0", "0", "  Spaced Host  ", "S"});
    auto& q = open();
    EXPECT_EQ(q.hostName.text(), "  Spaced Host  ");
    q.userClose();
    EXPECT_EQ(dataLines("settings.tvd")[2], "Spaced Host");
    EXPECT_EQ(open().hostName.text(), "Spaced Host");
}

TEST_F(MainWindowLoad, cycleListLosesItsPlaceholderAndTakesTheCycleFileInOrder) {
    dir.writeData("mapcycle.tvd", {"q3dm7/q3dm1/q3dm7/"});
    auto& q = open();
    EXPECT_EQ(data::entriesOf(q.cycleMaps), (Entries{"q3dm7", "q3dm1", "q3dm7"}));

    dir.writeData("mapcycle.tvd", {""});
    EXPECT_EQ(open().cycleMaps.listCount(), 0);
}

TEST_F(MainWindowLoad, botCountLabelCountsTheSelectedRosterEntries) {
    const std::string roster = "Sarge - 5 - red  - 0  /Anarki - 5 - red  - 0  /";
    dir.writeData("bots.tvd", {roster, "0/1/"});
    EXPECT_EQ(open().botCount.caption(), "Game with  2 bots");
    dir.writeData("bots.tvd", {roster, "1/"});
    EXPECT_EQ(open().botCount.caption(), "Game with  1 bot");
    dir.writeData("bots.tvd", {roster, "x"});
    EXPECT_EQ(open().botCount.caption(), "Game with  0 bots");
}

// maps.tvd read ahead while the program starts (the first-run pass may
// write the file before the main window loads): what was read is shown only
// while the file holds exactly what was read.
TEST_F(MainWindowLoad, aCatalogueReadAheadIsShownOnlyWhileTheFileIsAsItWasRead) {
    const auto replace = [this](const std::string& line) {
        dir.writeData("maps.new", {line});
        std::filesystem::rename(dir.data("maps.new"), dir.data("maps.tvd"));
    };
    struct Case {
        const char* what;
        const char* readAhead;
        std::function<void()> between;
        Entries shown;
        std::function<void()> beforeReading = {};
    };
    // Stores through a shared mapping stamp the file only when they first
    // dirty its page: the next changes its bytes under the same size and
    // times, as a file system with a coarse clock does.
    char* mapped = nullptr;
    const auto mapCatalogue = [&] {
        const int fd = ::open(dir.data("maps.tvd").c_str(), O_RDWR);
        mapped = static_cast<char*>(::mmap(nullptr, 6, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0));
        ::close(fd);
        ASSERT_NE(mapped, MAP_FAILED);
        std::memcpy(mapped, "q3dm7/", 6); // what it holds already
    };
    const Case cases[] = {
        {"unchanged", "maps.tvd", [] {}, {"q3dm1", "q3dm17", "q3dm2", "q3dm7"}},
        {"replaced, same size",
         "maps.tvd",
         [&] { replace("q3dm8/q3dm1/q3dm17/q3dm2/"); },
         {"q3dm1", "q3dm17", "q3dm2", "q3dm8"}},
        {"written over", "maps.tvd", [this] { dir.writeData("maps.tvd", {"ztn3/"}); }, {"ztn3"}},
        {"removed", "maps.tvd", [this] { std::filesystem::remove(dir.data("maps.tvd")); }, {}},
        {"written in place to the same size with the same stamp",
         "maps.tvd",
         [&] { std::memcpy(mapped, "q3dm8/", 6); },
         {"q3dm1", "q3dm17", "q3dm2", "q3dm8"},
         mapCatalogue},
        {"another file", "mapcycle.tvd", [] {}, {"q3dm1", "q3dm17", "q3dm2", "q3dm7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        catalogues("q3dm7/q3dm1/q3dm17/q3dm2/", {"Baseq3", "CTF"});
        dir.writeData("mapcycle.tvd", {"cpm22/"});
        if (c.beforeReading)
            c.beforeReading();
        auto readAhead = std::make_unique<data::ListFileReadAhead>(dir.data(c.readAhead));
        readAhead->finishReading();
        c.between();
        launcher = std::make_unique<testsupport::Launcher>(dir.path());
        auto& q = launcher->get<windows::MainWindow>();
        q.takeReadAheadCatalogue(std::move(readAhead));
        q.show();
        EXPECT_EQ(data::entriesOf(q.mapList), c.shown);
    }
    ::munmap(mapped, 6);
}

TEST_F(MainWindowLoad, closingWritesTheSettingsAndEndsTheProgram) {
    settings({"3", "1", "My Server", "S"});
    auto& q = open();
    launcher->get<windows::RosterWindow>().show(); // one other window open
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
    q.mapList.setListIndex(0);
    q.userClose();
    EXPECT_TRUE(launcher->app.ended());
    EXPECT_EQ(dir.readData("settings.tvd"), "3\r\n1\r\nMy Server\r\nS\r\n");
    ASSERT_EQ(launcher->messages.shown.size(), 1u);
    EXPECT_NE(launcher->messages.shown[0].find("settings.tvd (No space left on device)"),
              std::string::npos);
}

} // namespace
