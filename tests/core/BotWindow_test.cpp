#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/GameDir.h"
#include "support/Launcher.h"
#include "support/Packages.h"
#include "support/ProgressRecorder.h"
#include "windows/BotWindow.h"
#include "windows/MainWindow.h"
#include "windows/RosterWindow.h"

using testsupport::GameDir;
using testsupport::Launcher;
using testsupport::ProgressRecorder;

namespace {

const std::string A = "Anarki - 3 - blue - 25 ";
const std::string S = "Sarge - 5 - red  - 0  ";
const std::string X = "Xaero - 1 - red  - 100";

std::string bot(const std::string& name) {
    return name + " - 5 - red  - 0  ";
}

class BotWindow : public ::testing::Test {
  protected:
    BotWindow() {
        std::filesystem::create_directories(dir.data(""));
        w.show();
    }

    void fill(const std::vector<std::string>& entries, const std::vector<int>& selected = {}) {
        for (const auto& e : entries)
            roster.roster.addItem(e);
        for (const int i : selected)
            roster.roster.setSelected(i, true);
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> out;
        for (int i = 0; i < roster.roster.listCount(); ++i)
            out.push_back(roster.roster.list(i));
        return out;
    }
    std::vector<int> selection() const {
        std::vector<int> out;
        for (int i = 0; i < roster.roster.listCount(); ++i) {
            if (roster.roster.selected(i))
                out.push_back(i);
        }
        return out;
    }
    std::string botsFile() const { return dir.readData("bots.tvd"); }
    // A package in baseq3 holding these entries.
    void package(const std::string& name, const std::vector<std::string>& entries) {
        std::vector<testsupport::PackageFile> files;
        for (const auto& e : entries)
            files.push_back({e});
        ASSERT_TRUE(testsupport::makePackage(dir.path() + "/baseq3/" + name, files));
    }
    // Opens the window afresh, so that it lists the packages as they are now.
    void reopen() {
        w.unload();
        w.show();
    }

    GameDir dir;
    Launcher l{dir.path()};
    windows::BotWindow& w = l.get<windows::BotWindow>();
    windows::RosterWindow& roster = l.get<windows::RosterWindow>();
};

} // namespace

TEST_F(BotWindow, opensOnTheAddPageAndTheTabsSwitchPages) {
    EXPECT_EQ(w.botName.text(), "Botname");
    EXPECT_EQ(w.botSkill.text(), "5");
    EXPECT_EQ(w.botSkill.listCount(), 5);
    EXPECT_EQ(w.botTeam.text(), "red ");
    EXPECT_EQ(w.botDelay.text(), "0  ");
    EXPECT_EQ(w.botDelay.list(3), "100");
    // The runs of blanks are part of the texts.
    EXPECT_EQ(w.addInstructions.caption().size(), 102u);
    EXPECT_EQ(w.detectAllWarning.caption().size(), 169u);
    EXPECT_EQ(w.detectNewNote.caption().size(), 176u);

    dir.writeData("oldbots.tvd", {"pak0.pk3/zpack.pk3/dropped"});
    const struct {
        ui::Label& tab;
        ui::PictureBox& page;
        ui::PictureBox& strip;
    } tabs[] = {{w.detectAllTab, w.detectAllPage, w.stripDetectAllActive},
                {w.detectNewTab, w.detectNewPage, w.stripDetectNewActive},
                {w.detectNewTab, w.detectNewPage, w.stripDetectNewActive},
                {w.addByNameTab, w.addByNamePage, w.stripSingleActive}};
    for (const auto& t : tabs) {
        t.tab.userClick();
        for (ui::PictureBox* page : {&w.addByNamePage, &w.detectAllPage, &w.detectNewPage})
            EXPECT_EQ(page->visible(), page == &t.page) << t.tab.name() << " " << page->name();
        EXPECT_EQ(w.strip.picture(), t.strip.picture());
    }
    // Each opening of the Detect New tab adds the snapshot again; the text
    // after the last "/" is dropped.
    ASSERT_EQ(w.packageSnapshot.listCount(), 4);
    EXPECT_EQ(w.packageSnapshot.list(1), "zpack.pk3");
    EXPECT_EQ(w.packageSnapshot.list(2), "pak0.pk3");
}

TEST_F(BotWindow, hoverPairsLightResetAndAct) {
    struct Pair {
        ui::Label& tab;
        ui::Image& plain;
        ui::Image& lit;
        std::vector<ui::Control*> resetters;
    };
    const Pair pairs[] = {{w.addByNameTab,
                           w.addButtonPlain,
                           w.addButtonLit,
                           {&w.addByNameBackground, &w.addInstructions}},
                          {w.detectAllTab,
                           w.detectAllButtonPlain,
                           w.detectAllButtonLit,
                           {&w.detectAllBackground, &w.detectAllTrack, &w.detectAllPercent}},
                          {w.detectNewTab,
                           w.detectNewButtonPlain,
                           w.detectNewButtonLit,
                           {&w.detectNewBackground, &w.detectNewTrack, &w.detectNewPercent}}};
    for (const auto& p : pairs) {
        p.tab.userClick();
        for (ui::Control* resetter : p.resetters) {
            p.plain.userMouseMove();
            EXPECT_FALSE(p.plain.visible());
            EXPECT_TRUE(p.lit.visible());
            resetter->userMouseMove();
            EXPECT_TRUE(p.plain.visible()) << resetter->name();
            EXPECT_FALSE(p.lit.visible()) << resetter->name();
        }
    }
    // The window itself resets the Detect All pair only.
    w.detectAllTab.userClick();
    w.detectAllButtonPlain.userMouseMove();
    w.userMouseMove();
    EXPECT_TRUE(w.detectAllButtonPlain.visible());

    // Of the add pair only the lit picture adds.
    w.addByNameTab.userClick();
    w.botName.setText("Klesk");
    w.addButtonPlain.userClick();
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(roster.roster.listCount(), 0);
    w.addButtonPlain.userMouseMove();
    w.addButtonLit.userClick();
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(entries(), std::vector<std::string>{"Klesk - 5 - red  - 0  "});
}

TEST_F(BotWindow, addByNameKeepsTheSelectionOnTheSameBots) {
    struct Case {
        std::vector<int> selectedBefore;
        std::string name;
        int team; // item of the team combo chosen, -1: as shown
        std::vector<std::string> after;
        std::vector<int> selectedAfter;
        std::string line2;
    } cases[] = {
        // Nothing selected: line 2 is empty, not "x".
        {{}, "Klesk", -1, {A, "Klesk - 5 - red  - 0  ", S, X}, {}, ""},
        // Indexes past the new entry move up by one.
        {{0, 2}, "Klesk", 1, {A, "Klesk - 5 - blue - 0  ", S, X}, {0, 3}, "0/3/"},
        // Blanks around the name are kept; a blank sorts first.
        {{1}, " Zed ", -1, {" Zed  - 5 - red  - 0  ", A, S, X}, {2}, "2/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        roster.roster.clear();
        fill({A, S, X}, c.selectedBefore);
        w.botName.setText(c.name);
        if (c.team >= 0)
            w.botTeam.userChoose(c.team);
        w.botName.userKeyDown(65); // any other key only edits
        EXPECT_TRUE(w.isLoaded());
        w.botName.userKeyDown(13);
        EXPECT_FALSE(w.isLoaded());
        EXPECT_EQ(entries(), c.after);
        EXPECT_EQ(selection(), c.selectedAfter);
        std::string line1;
        for (const auto& e : c.after)
            line1 += e + "/";
        EXPECT_EQ(botsFile(), line1 + "\r\n" + c.line2 + "\r\n");
        w.show();
    }
}

TEST_F(BotWindow, refusedNamesAndFailedWritesLeaveFileAndRoster) {
    fill({A, A, S}, {2});
    dir.writeData("bots.tvd", {"kept/", "x"});
    const std::string kept = botsFile();

    // An empty or blank name adds nothing, writes nothing and closes as an
    // add does.
    for (const char* name : {"", "   "}) {
        w.show();
        w.botName.setText(name);
        w.botName.userKeyDown(13);
        EXPECT_FALSE(w.isLoaded());
    }
    // A name with "/" is refused; the window stays with the name to correct.
    w.botName.setText("Sar/ge");
    w.botName.userKeyDown(13);
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(w.botName.text(), "Sar/ge");
    ASSERT_EQ(l.messages.shown.size(), 1u);
    EXPECT_NE(l.messages.shown[0].find("\"/\""), std::string::npos);
    EXPECT_EQ(entries(), (std::vector<std::string>{A, A, S}));
    EXPECT_EQ(botsFile(), kept);
    roster.roster.removeItem(0);

    // A failed write is told; the roster on screen keeps the new bot.
    l.files.failWritesTo("bots.tvd");
    w.botName.setText("Klesk");
    w.botName.userKeyDown(13);
    ASSERT_EQ(l.messages.shown.size(), 2u);
    EXPECT_NE(l.messages.shown[1].find("bots.tvd"), std::string::npos);
    EXPECT_EQ(botsFile(), kept);
    EXPECT_EQ(entries(), (std::vector<std::string>{A, "Klesk - 5 - red  - 0  ", S}));
    EXPECT_EQ(selection(), std::vector<int>{2});
}

TEST_F(BotWindow, duplicatePassRemovesOneOfEveryEqualNeighbourPair) {
    const std::string a = "anarki - 3 - blue - 25 ";
    struct Case {
        std::vector<std::string> before;
        std::string nameBox;
        bool addPageShowing;
        std::vector<std::string> after;
    } cases[] = {
        // Of three equal neighbours two remain.
        {{A, A, A, S, S}, "Botname", true, {A, A, S}},
        // Letter case counts.
        {{a, A}, "Botname", true, {A, a}},
        // An entry equal to the whole name box goes while the add page shows.
        {{A, S, X}, S, true, {A, X}},
        {{A, S, X}, S, false, {A, S, X}},
        {{A, A, S}, S, true, {A}},
    };
    for (const auto& c : cases) {
        roster.roster.clear();
        fill(c.before);
        (c.addPageShowing ? w.addByNameTab : w.detectAllTab).userClick();
        w.botName.setText(c.nameBox);
        w.removeNeighbourDuplicates();
        EXPECT_EQ(entries(), c.after);
    }
}

TEST_F(BotWindow, detectAllOverNoPackage) {
    fill({A, S}, {1});
    reopen();
    ProgressRecorder progress{"q2bot"};
    l.app.setObserver(&progress);
    w.detectAllTab.userClick();
    w.detectAllButtonPlain.userClick();
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(roster.roster.listCount(), 0);
    EXPECT_EQ(roster.selectedCount.caption(), "0");
    EXPECT_EQ(progress.texts, std::vector<std::string>{"DONE"});
    EXPECT_EQ(dir.readData("oldbots.tvd"), "\r\n");
    EXPECT_EQ(botsFile(), "\r\nx\r\n");
    l.app.setObserver(nullptr);
}

TEST_F(BotWindow, detectAllKnowsPackagesByTheirExactNameAndScansTheRest) {
    // The stock package is never opened: an empty file stands in for it.
    dir.writeRaw("baseq3/pak0.pk3", "");
    dir.writeRaw("baseq3/pak3.pk3", "");
    dir.writeRaw("baseq3/q3_harley_bot.pk3", "");
    package("PAK0.PK3", {"botfiles/bots/grunt_c.c", "botfiles/bots/zed_c.c"});
    package("zpack.pk3", {"maps/zdm1.bsp", "botfiles/bots/sarge_c.c", "botfiles/bots/Sarge_c.c",
                          "botfiles/bots/zed_c.c"});
    fill({A});
    reopen();
    ProgressRecorder progress{"q2bot"};
    l.app.setObserver(&progress);
    w.detectAllTab.userClick();
    w.detectAllButtonPlain.userMouseMove();
    w.detectAllButtonLit.userClick();
    l.app.setObserver(nullptr);

    EXPECT_EQ(progress.texts,
              (std::vector<std::string>{" 0%", " 25%", " 50%", " 75%", " 100%", "DONE"}));
    EXPECT_EQ(progress.fills.front(), 0);
    EXPECT_EQ(progress.fills.back(), 3375);
    // 32 stock bots and Harley; Grunt, Zed twice and Sarge twice from the
    // scans. The duplicate pass leaves one of every pair of equal
    // neighbours, so of the three Sarges two remain.
    const auto all = entries();
    EXPECT_EQ(all.size(), 32u + 1u + 2u);
    EXPECT_EQ(std::count(all.begin(), all.end(), bot("Zed")), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), bot("Grunt")), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), bot("Harley")), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), bot("Sarge")), 2);
    EXPECT_TRUE(l.get<windows::MainWindow>().mapList.listCount() == 0); // maps are not looked for
    EXPECT_EQ(dir.readData("oldbots.tvd"),
              "PAK0.PK3/pak0.pk3/pak3.pk3/q3_harley_bot.pk3/zpack.pk3/\r\n");
    EXPECT_TRUE(botsFile().ends_with("/\r\nx\r\n"));
}

TEST_F(BotWindow, detectNewLooksOnlyAtPackagesMissingFromTheSnapshot) {
    package("one.pk3", {"botfiles/bots/zed_c.c"});
    fill({A, S}, {1});
    reopen();
    w.rememberPackages();
    ASSERT_EQ(dir.readData("oldbots.tvd"), "one.pk3/\r\n");

    // Nothing new: nothing is opened or added; roster and selection stay.
    reopen();
    ProgressRecorder progress{"q2bot"};
    l.app.setObserver(&progress);
    w.detectNewTab.userClick();
    w.detectNewButtonPlain.userClick();
    l.app.setObserver(nullptr);
    EXPECT_EQ(progress.texts, (std::vector<std::string>{" 100%", "DONE"}));
    EXPECT_EQ(progress.fills, std::vector<int>{3375});
    EXPECT_EQ(entries(), (std::vector<std::string>{A, S}));
    EXPECT_EQ(selection(), std::vector<int>{1});
    EXPECT_EQ(botsFile(), A + "/" + S + "/\r\n1/\r\n");

    // A new package adds its bots to those the roster holds.
    package("two.pk3", {"botfiles/bots/sarge_c.c", "botfiles/bots/klesk_c.c"});
    reopen();
    w.detectNewTab.userClick();
    w.detectNewButtonPlain.userMouseMove();
    w.detectNewButtonLit.userClick();
    EXPECT_EQ(entries(), (std::vector<std::string>{A, bot("Klesk"), S}));
    EXPECT_EQ(selection(), std::vector<int>{2}); // Sarge, found again, stays chosen
    EXPECT_EQ(dir.readData("oldbots.tvd"), "one.pk3/two.pk3/\r\n");
}

TEST_F(BotWindow, failedWriteOfTheSnapshotIsToldAndKeepsTheOldFile) {
    package("one.pk3", {"botfiles/bots/zed_c.c"});
    dir.writeData("oldbots.tvd", {"old.pk3/"});
    reopen();
    l.files.failWritesTo("oldbots.tvd");
    w.detectAllTab.userClick();
    w.detectAllButtonPlain.userClick();
    ASSERT_EQ(l.messages.shown.size(), 1u);
    EXPECT_NE(l.messages.shown[0].find("oldbots.tvd"), std::string::npos);
    EXPECT_EQ(dir.readData("oldbots.tvd"), "old.pk3/\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{bot("Zed")});
}

TEST_F(BotWindow, failedDetectionsKeepTheSavedRosterAndSnapshot) {
    // bots.tvd not writable, and then baseq3 gone after the window opened.
    fill({A});
    for (const char* told : {"bots.tvd", "baseq3"}) {
        package("one.pk3", {"botfiles/bots/zed_c.c"});
        dir.writeData("oldbots.tvd", {"old.pk3/"});
        reopen();
        l.files.failWritesTo("/bots.tvd");
        if (told == std::string("baseq3"))
            std::filesystem::remove_all(dir.path() + "/baseq3");
        w.detectNewTab.userClick();
        w.detectNewButtonPlain.userClick();
        ASSERT_EQ(l.messages.shown.size(), 1u) << told;
        EXPECT_NE(l.messages.shown[0].find(told), std::string::npos);
        l.messages.shown.clear();
        EXPECT_EQ(dir.readData("oldbots.tvd"), "old.pk3/\r\n");
        EXPECT_EQ(entries(), (std::vector<std::string>{A, bot("Zed")}));
    }
}
