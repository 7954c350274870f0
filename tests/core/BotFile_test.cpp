#include <gtest/gtest.h>

#include "data/BotEntry.h"
#include "support/GameDir.h"
#include "support/Launcher.h"
#include "windows/MainWindow.h"
#include "windows/RosterWindow.h"

using testsupport::GameDir;
using testsupport::Launcher;

namespace {

const std::string kAnarki = "Anarki - 5 - red  - 0  ";
const std::string kSarge = "Sarge - 5 - red  - 0  ";
const std::string kFive = "A - 1 - red  - 0  /B - 2 - red  - 0  /C - 3 - red  - 0  /"
                          "D - 4 - red  - 0  /E - 5 - red  - 0  /";

std::vector<int> selectedOf(const ui::ListBox& list) {
    std::vector<int> out;
    for (int i = 0; i < list.listCount(); ++i) {
        if (list.selected(i))
            out.push_back(i);
    }
    return out;
}

// Reads bots.tvd through the main window's reader, without loading the
// main window itself.
const ui::ListBox& restored(const GameDir& dir, Launcher& l,
                            const std::vector<std::string>& lines) {
    dir.writeData("bots.tvd", lines);
    l.get<windows::MainWindow>().loadBotFile();
    return l.get<windows::RosterWindow>().roster;
}

} // namespace

TEST(BotFile, secondLineXOrEmptyMeansNothingSelected) {
    for (const std::string second : {"x", ""}) {
        GameDir dir;
        Launcher l(dir.path());
        const auto& roster = restored(dir, l, {kSarge + "/" + kAnarki + "/", second});
        ASSERT_EQ(roster.listCount(), 2) << second;
        // Sorted: Anarki comes first although the file lists Sarge first.
        EXPECT_EQ(roster.list(0), kAnarki);
        EXPECT_EQ(roster.list(1), kSarge);
        EXPECT_EQ(roster.selCount(), 0) << second;
    }
}

TEST(BotFile, selectionWalkStopsAtTheFirstBadPiece) {
    // Five entries: positions 0 to 4.
    const struct {
        const char* line;
        std::vector<int> selected;
    } cases[] = {
        {"1/7/", {1}},          {"7/1/", {}}, {"2/0", {2}}, // text after the last "/" is ignored
        {"0/4/two/3/", {0, 4}}, {"4/", {4}},                // the last entry
        {"1/5/3/", {1}}, // one past the last entry stops the walk
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        GameDir dir;
        Launcher l(dir.path());
        const auto& roster = restored(dir, l, {kFive, c.line});
        EXPECT_EQ(roster.listCount(), 5);
        EXPECT_EQ(selectedOf(roster), c.selected);
        EXPECT_EQ(l.get<windows::RosterWindow>().selectedCount.caption(),
                  std::to_string(c.selected.size()));
    }
}

TEST(BotFile, incompleteFilesLeaveTheRosterAlone) {
    {
        GameDir dir;
        Launcher l(dir.path());
        dir.writeRaw("Tolvdata/bots.tvd", kSarge + "/\r\n"); // only line 1
        l.get<windows::MainWindow>().loadBotFile();
        EXPECT_EQ(l.get<windows::RosterWindow>().roster.listCount(), 0);
    }
    {
        GameDir dir;
        Launcher l(dir.path());
        l.get<windows::MainWindow>().loadBotFile(); // no file at all
        EXPECT_EQ(l.get<windows::RosterWindow>().roster.listCount(), 0);
    }
    {
        // The cleared file: two empty lines, an empty roster.
        GameDir dir;
        Launcher l(dir.path());
        const auto& roster = restored(dir, l, {"", ""});
        EXPECT_EQ(roster.listCount(), 0);
    }
}

TEST(BotFile, readingAddsToTheRosterAndKeepsNamesWhole) {
    GameDir dir;
    Launcher l(dir.path());
    auto& roster = l.get<windows::RosterWindow>().roster;
    roster.addItem("Xaero - 5 - red  - 0  ");
    const std::string marine = "Doom - The Marine - 2 - blue - 75 ";
    restored(dir, l, {marine + "/" + kAnarki + "//", "0/1/"});
    ASSERT_EQ(roster.listCount(), 4);
    // The "//" gives an empty entry, which sorts first; positions in line 2
    // refer to the whole roster after adding.
    EXPECT_EQ(roster.list(0), "");
    EXPECT_EQ(roster.list(1), kAnarki);
    EXPECT_EQ(roster.list(2), marine);
    EXPECT_EQ(selectedOf(roster), (std::vector<int>{0, 1}));
    EXPECT_EQ(data::BotEntry::cut(roster.list(2))->name, "Doom - The Marine");
}

TEST(BotFile, mainWindowLoadRestoresRosterAndCount) {
    GameDir dir;
    dir.writeData("launch_stat.tvd", {"1"});
    dir.writeData("bots.tvd", {kSarge + "/" + kAnarki + "/", "1/"});
    Launcher l(dir.path());
    l.start();
    const auto& roster = l.get<windows::RosterWindow>().roster;
    EXPECT_EQ(selectedOf(roster), (std::vector<int>{1}));
    EXPECT_EQ(l.get<windows::MainWindow>().botCount.caption(), "Game with  1 bot");
    EXPECT_FALSE(l.get<windows::RosterWindow>().isVisible());
}
