#include <filesystem>

#include <gtest/gtest.h>

#include "data/BotEntry.h"
#include "data/BotFile.h"
#include "data/SlashList.h"
#include "support/GameDir.h"
#include "support/Launcher.h"
#include "support/Packages.h"
#include "windows/BotWindow.h"
#include "windows/MainWindow.h"
#include "windows/RosterWindow.h"

using testsupport::GameDir;
using testsupport::Launcher;

namespace {

class Roster : public ::testing::Test {
  protected:
    Roster() {
        std::filesystem::create_directories(dir.data(""));
        w.load();
    }

    // Fills the roster (sorted) and selects the given positions.
    void fill(const std::vector<std::string>& entries, const std::vector<int>& selected = {}) {
        for (const auto& e : entries)
            w.roster.addItem(e);
        for (const int i : selected)
            w.roster.setSelected(i, true);
    }
    std::vector<int> selection() const {
        std::vector<int> out;
        for (int i = 0; i < w.roster.listCount(); ++i) {
            if (w.roster.selected(i))
                out.push_back(i);
        }
        return out;
    }
    std::string botsFile() const { return dir.readData("bots.tvd"); }

    GameDir dir;
    Launcher l{dir.path()};
    windows::RosterWindow& w = l.get<windows::RosterWindow>();
};

const std::string A = "Anarki - 3 - blue - 25 ";
const std::string S = "Sarge - 5 - red  - 0  ";
const std::string X = "Xaero - 1 - red  - 100";

} // namespace

TEST_F(Roster, clickingEntriesSelectsThemAndSavesAtOnce) {
    fill({S, A, X});
    w.roster.userClickItem(1);
    EXPECT_EQ(w.editedName.caption(), "Sarge");
    EXPECT_EQ(w.editedSkill.text(), "5");
    EXPECT_EQ(w.editedTeam.text(), "red ");
    EXPECT_EQ(w.editedDelay.text(), "0  ");
    EXPECT_EQ(w.shownIndex(), 1);
    EXPECT_EQ(w.selectedCount.caption(), "1");
    EXPECT_TRUE(w.removeButton.enabled());
    EXPECT_EQ(botsFile(), A + "/" + S + "/" + X + "/\r\n1/\r\n");

    w.roster.userClickItem(1); // unselects again
    EXPECT_EQ(w.selectedCount.caption(), "0");
    EXPECT_EQ(botsFile(), A + "/" + S + "/" + X + "/\r\nx\r\n");
    // "Sel. none" leaves the remove button as it was.
    w.selectNoneButton.userClick();
    EXPECT_TRUE(w.removeButton.enabled());
}

TEST_F(Roster, comboChoiceRewritesTheHighlightedEntryInPlace) {
    fill({S, A, X}, {1});
    w.roster.userHighlight(1);
    w.editedTeam.userChoose(1); // blue
    EXPECT_EQ(w.roster.list(1), "Sarge - 5 - blue - 0  ");
    EXPECT_EQ(w.roster.listIndex(), 1);
    EXPECT_EQ(selection(), std::vector<int>{1});
    EXPECT_EQ(w.selectedCount.caption(), "1"); // the count still counts the rewritten entry
    EXPECT_EQ(botsFile(), A + "/Sarge - 5 - blue - 0  /" + X + "/\r\n1/\r\n");

    // The first entry, unselected, stays unselected.
    w.roster.userHighlight(0);
    EXPECT_EQ(w.editedName.caption(), "Anarki");
    w.editedSkill.userChoose(4);
    EXPECT_EQ(w.roster.list(0), "Anarki - 5 - blue - 25 ");
    EXPECT_EQ(selection(), std::vector<int>{1});

    // A rewritten entry keeps its place even where its text would sort later.
    w.roster.clear();
    fill({"Bot - 1 - red  - 0  ", "Bot - 3 - red  - 0  "});
    w.roster.userHighlight(1);
    w.roster.userHighlight(0);
    w.editedSkill.userChoose(4);
    EXPECT_EQ(w.roster.list(0), "Bot - 5 - red  - 0  ");
    EXPECT_EQ(w.roster.list(1), "Bot - 3 - red  - 0  ");
}

TEST_F(Roster, typedValuesAreFittedOrRefused) {
    fill({S, A}, {0});
    w.roster.userHighlight(1);
    const std::string before = botsFile();
    // Typing raises nothing; the typed text is used by the next choice.
    w.editedTeam.userType("red");
    EXPECT_EQ(botsFile(), before);
    w.editedSkill.userChoose(1);
    EXPECT_EQ(w.roster.list(1), "Sarge - 2 - red  - 0  ");
    const auto cut = data::BotEntry::cut(w.roster.list(1));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->team, "red ");
    EXPECT_EQ(cut->delay, "0  ");
    EXPECT_TRUE(l.messages.shown.empty());

    const std::string kept = botsFile();
    w.editedDelay.userType("1000");
    w.editedSkill.userChoose(3);
    ASSERT_EQ(l.messages.shown.size(), 1u);
    EXPECT_NE(l.messages.shown[0].find("delay"), std::string::npos);
    EXPECT_EQ(w.roster.list(1), "Sarge - 2 - red  - 0  ");
    EXPECT_EQ(botsFile(), kept);

    // No highlighted entry: a choice changes nothing.
    w.roster.setListIndex(-1);
    w.editedDelay.userChoose(0);
    EXPECT_EQ(w.roster.list(0), A);
    EXPECT_EQ(w.roster.list(1), "Sarge - 2 - red  - 0  ");
}

TEST_F(Roster, removeKeepsTheOtherSelections) {
    const std::vector<std::string> five = {"a - 1 - red  - 0  ", "b - 1 - red  - 0  ",
                                           "c - 1 - red  - 0  ", "d - 1 - red  - 0  ",
                                           "e - 1 - red  - 0  "};
    fill(five, {0, 3, 4});
    w.roster.userHighlight(1);
    ASSERT_TRUE(w.removeButton.enabled());
    w.removeButton.userClick();
    EXPECT_EQ(w.roster.listCount(), 4);
    EXPECT_EQ(selection(), (std::vector<int>{0, 2, 3}));
    EXPECT_FALSE(w.removeButton.enabled());
    EXPECT_EQ(w.editedName.caption(), "c"); // the entry now highlighted
    EXPECT_EQ(w.selectedCount.caption(), "3");
    EXPECT_EQ(dir.readData("bots.tvd"),
              five[0] + "/" + five[2] + "/" + five[3] + "/" + five[4] + "/\r\n0/2/3/\r\n");

    // The first entry removed: every other selection moves up with its entry.
    w.roster.userHighlight(0);
    w.removeButton.userClick();
    EXPECT_EQ(w.roster.list(0), five[2]);
    EXPECT_EQ(selection(), (std::vector<int>{1, 2}));
    EXPECT_EQ(dir.readData("bots.tvd"), five[2] + "/" + five[3] + "/" + five[4] + "/\r\n1/2/\r\n");
}

TEST_F(Roster, removingTheLastSelectedEntryWritesAnEmptyLine) {
    fill({A, S, X}, {2});
    w.roster.userHighlight(2);
    w.removeButton.userClick();
    // The entry before it was not selected and stays so.
    EXPECT_EQ(selection(), std::vector<int>{});
    EXPECT_EQ(botsFile(), A + "/" + S + "/\r\n\r\n");
    EXPECT_EQ(w.selectedCount.caption(), "0");
    w.roster.userHighlight(0);
    EXPECT_EQ(botsFile(), A + "/" + S + "/\r\nx\r\n");
}

TEST_F(Roster, selectAllAndClear) {
    w.selectAllButton.userClick();
    EXPECT_EQ(botsFile(), "\r\nx\r\n");
    EXPECT_EQ(w.selectedCount.caption(), "0");

    fill({S, A, X});
    w.selectAllButton.userClick();
    EXPECT_EQ(selection(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(w.selectedCount.caption(), "3");
    EXPECT_EQ(botsFile(), A + "/" + S + "/" + X + "/\r\n0/1/2/\r\n");

    w.clearButton.userClick();
    EXPECT_EQ(w.roster.listCount(), 0);
    EXPECT_EQ(w.selectedCount.caption(), "0");
    EXPECT_EQ(botsFile(), "\r\n\r\n");
}

TEST_F(Roster, closingSetsTheBotCountAndTheBotsCheckBox) {
    auto& q = l.get<windows::MainWindow>();
    q.withBots.setEnabled(true);
    fill({S, A});
    w.show();
    w.acceptButtonPlain.userClick();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(q.botCount.caption(), "Game with  0 bots");
    EXPECT_TRUE(q.withBots.enabled()); // no bots: left alone

    w.roster.setSelected(1, true);
    w.show();
    w.acceptButtonPlain.userMouseMove();
    w.acceptButtonLit.userClick();
    EXPECT_EQ(q.botCount.caption(), "Game with  1 bot");
    // No mod selected and a bot chosen: the bots check box goes off.
    EXPECT_FALSE(q.withBots.enabled());

    w.roster.setSelected(0, true);
    w.userClose();
    EXPECT_EQ(q.botCount.caption(), "Game with  2 bots");
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(w.roster.listCount(), 0); // the roster in memory is gone
}

TEST_F(Roster, addButtonShowsTheBotWindow) {
    w.addBotButton.userClick();
    EXPECT_TRUE(l.get<windows::BotWindow>().isVisible());
}

TEST_F(Roster, botWindowAddsToTheSavedRosterAfterATitleBarClose) {
    ASSERT_TRUE(
        testsupport::makePackage(dir.path() + "/baseq3/k.pk3", {{"botfiles/bots/klesk_c.c"}}));
    auto& bots = l.get<windows::BotWindow>();
    for (const bool detectNew : {false, true}) {
        dir.writeData("bots.tvd", {A + "/" + S + "/", "1/"});
        w.show();
        w.addBotButton.userClick();
        w.userClose();
        bots.botName.setText("Klesk");
        (detectNew ? bots.detectNewTab : bots.addByNameTab).userClick();
        (detectNew ? bots.detectNewButtonPlain : bots.addButtonPlain).userMouseMove();
        (detectNew ? bots.detectNewButtonLit : bots.addButtonLit).userClick();
        EXPECT_EQ(botsFile(), A + "/Klesk - 5 - red  - 0  /" + S + "/\r\n2/\r\n");
    }
}

TEST_F(Roster, failedWriteIsReportedAndTheRosterKept) {
    fill({S, A});
    w.roster.userClickItem(0);
    const std::string saved = botsFile();
    l.files.failWritesTo("bots.tvd");

    w.roster.userClickItem(1);
    const std::string message = data::botFileWriteFailedMessage(l.files, "No space left on device");
    EXPECT_NE(message.find("(No space left on device)"), std::string::npos);
    EXPECT_EQ(l.messages.shown, std::vector<std::string>{message});
    EXPECT_EQ(selection(), (std::vector<int>{0, 1}));
    EXPECT_EQ(w.selectedCount.caption(), "2");

    // One message per action, also when the action refreshes inside.
    w.editedTeam.userChoose(1);
    EXPECT_EQ(l.messages.shown.size(), 2u);
    EXPECT_EQ(w.roster.list(1), "Sarge - 5 - blue - 0  ");

    w.clearButton.userClick();
    EXPECT_EQ(l.messages.shown.size(), 3u);
    EXPECT_EQ(w.roster.listCount(), 0);
    EXPECT_EQ(botsFile(), saved);
}

TEST_F(Roster, aRosterTheUserEmptiedIsNotReadAgain) {
    dir.writeData("bots.tvd", {A + "/" + S + "/", "1/"});
    l.get<windows::MainWindow>().show();
    l.files.failWritesTo("bots.tvd");
    w.clearButton.userClick();
    w.addBotButton.userClick();
    l.get<windows::BotWindow>().botName.setText("Klesk");
    l.get<windows::BotWindow>().botName.userKeyDown('\r');
    EXPECT_EQ(data::entriesOf(w.roster), std::vector<std::string>{"Klesk - 5 - red  - 0  "});
}
