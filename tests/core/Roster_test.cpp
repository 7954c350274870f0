#include <filesystem>

#include <gtest/gtest.h>

#include "common/BotEntry.h"
#include "common/BotFile.h"
#include "content/q2bot.h"
#include "content/q3bots.h"
#include "shell/Q2M.h"
#include "support/GameDir.h"
#include "support/Launcher.h"
#include "support/Packages.h"

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
            w.List3.addItem(e);
        for (const int i : selected)
            w.List3.setSelected(i, true);
    }
    std::vector<int> selection() const {
        std::vector<int> out;
        for (int i = 0; i < w.List3.listCount(); ++i) {
            if (w.List3.selected(i))
                out.push_back(i);
        }
        return out;
    }
    std::string botsFile() const { return dir.readData("bots.tvd"); }

    GameDir dir;
    Launcher l{dir.path()};
    content::q3bots& w = l.get<content::q3bots>();
};

const std::string A = "Anarki - 3 - blue - 25 ";
const std::string S = "Sarge - 5 - red  - 0  ";
const std::string X = "Xaero - 1 - red  - 100";

} // namespace

TEST_F(Roster, clickingEntriesSelectsThemAndSavesAtOnce) {
    fill({S, A, X});
    w.List3.userClickItem(1);
    EXPECT_EQ(w.Label1.caption(), "Sarge");
    EXPECT_EQ(w.Combo3.text(), "5");
    EXPECT_EQ(w.Combo1.text(), "red ");
    EXPECT_EQ(w.Combo2.text(), "0  ");
    EXPECT_EQ(w.Label2.caption(), " 1");
    EXPECT_EQ(w.nr.caption(), "1");
    EXPECT_TRUE(w.Command9.enabled());
    EXPECT_EQ(botsFile(), A + "/" + S + "/" + X + "/\r\n1/\r\n");

    w.List3.userClickItem(1); // unselects again
    EXPECT_EQ(w.nr.caption(), "0");
    EXPECT_EQ(botsFile(), A + "/" + S + "/" + X + "/\r\nx\r\n");
    // "Sel. none" leaves the remove button as it was.
    w.cnone.userClick();
    EXPECT_TRUE(w.Command9.enabled());
}

TEST_F(Roster, comboChoiceRewritesTheHighlightedEntryInPlace) {
    fill({S, A, X}, {1});
    w.List3.userHighlight(1);
    w.Combo1.userChoose(1); // blue
    EXPECT_EQ(w.List3.list(1), "Sarge - 5 - blue - 0  ");
    EXPECT_EQ(w.List3.listIndex(), 1);
    EXPECT_EQ(selection(), std::vector<int>{1});
    EXPECT_EQ(w.nr.caption(), "1"); // the count still counts the rewritten entry
    EXPECT_EQ(botsFile(), A + "/Sarge - 5 - blue - 0  /" + X + "/\r\n1/\r\n");

    // The first entry, unselected, stays unselected.
    w.List3.userHighlight(0);
    EXPECT_EQ(w.Label1.caption(), "Anarki");
    w.Combo3.userChoose(4);
    EXPECT_EQ(w.List3.list(0), "Anarki - 5 - blue - 25 ");
    EXPECT_EQ(selection(), std::vector<int>{1});

    // A rewritten entry keeps its place even where its text would sort later.
    w.List3.clear();
    fill({"Bot - 1 - red  - 0  ", "Bot - 3 - red  - 0  "});
    w.List3.userHighlight(1);
    w.List3.userHighlight(0);
    w.Combo3.userChoose(4);
    EXPECT_EQ(w.List3.list(0), "Bot - 5 - red  - 0  ");
    EXPECT_EQ(w.List3.list(1), "Bot - 3 - red  - 0  ");
}

TEST_F(Roster, typedValuesAreFittedOrRefused) {
    fill({S, A}, {0});
    w.List3.userHighlight(1);
    const std::string before = botsFile();
    // Typing raises nothing; the typed text is used by the next choice.
    w.Combo1.userType("red");
    EXPECT_EQ(botsFile(), before);
    w.Combo3.userChoose(1);
    EXPECT_EQ(w.List3.list(1), "Sarge - 2 - red  - 0  ");
    const auto cut = common::BotEntry::cut(w.List3.list(1));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->team, "red ");
    EXPECT_EQ(cut->delay, "0  ");
    EXPECT_TRUE(l.messages.shown.empty());

    const std::string kept = botsFile();
    w.Combo2.userType("1000");
    w.Combo3.userChoose(3);
    ASSERT_EQ(l.messages.shown.size(), 1u);
    EXPECT_NE(l.messages.shown[0].find("delay"), std::string::npos);
    EXPECT_EQ(w.List3.list(1), "Sarge - 2 - red  - 0  ");
    EXPECT_EQ(botsFile(), kept);

    // No highlighted entry: a choice changes nothing.
    w.List3.setListIndex(-1);
    w.Combo2.userChoose(0);
    EXPECT_EQ(w.List3.list(0), A);
    EXPECT_EQ(w.List3.list(1), "Sarge - 2 - red  - 0  ");
}

TEST_F(Roster, removeKeepsTheOtherSelections) {
    const std::vector<std::string> five = {"a - 1 - red  - 0  ", "b - 1 - red  - 0  ",
                                           "c - 1 - red  - 0  ", "d - 1 - red  - 0  ",
                                           "e - 1 - red  - 0  "};
    fill(five, {0, 3, 4});
    w.List3.userHighlight(1);
    ASSERT_TRUE(w.Command9.enabled());
    w.Command9.userClick();
    EXPECT_EQ(w.List3.listCount(), 4);
    EXPECT_EQ(selection(), (std::vector<int>{0, 2, 3}));
    EXPECT_FALSE(w.Command9.enabled());
    EXPECT_EQ(w.Label1.caption(), "c"); // the entry now highlighted
    EXPECT_EQ(w.nr.caption(), "3");
    EXPECT_EQ(dir.readData("bots.tvd"),
              five[0] + "/" + five[2] + "/" + five[3] + "/" + five[4] + "/\r\n0/2/3/\r\n");

    // The first entry removed: every other selection moves up with its entry.
    w.List3.userHighlight(0);
    w.Command9.userClick();
    EXPECT_EQ(w.List3.list(0), five[2]);
    EXPECT_EQ(selection(), (std::vector<int>{1, 2}));
    EXPECT_EQ(dir.readData("bots.tvd"), five[2] + "/" + five[3] + "/" + five[4] + "/\r\n1/2/\r\n");
}

TEST_F(Roster, removingTheLastSelectedEntryWritesAnEmptyLine) {
    fill({A, S, X}, {2});
    w.List3.userHighlight(2);
    w.Command9.userClick();
    // The entry before it was not selected and stays so.
    EXPECT_EQ(selection(), std::vector<int>{});
    EXPECT_EQ(botsFile(), A + "/" + S + "/\r\n\r\n");
    EXPECT_EQ(w.nr.caption(), "0");
    w.List3.userHighlight(0);
    EXPECT_EQ(botsFile(), A + "/" + S + "/\r\nx\r\n");
}

TEST_F(Roster, selectAllAndClear) {
    w.call.userClick();
    EXPECT_EQ(botsFile(), "\r\nx\r\n");
    EXPECT_EQ(w.nr.caption(), "0");

    fill({S, A, X});
    w.call.userClick();
    EXPECT_EQ(selection(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(w.nr.caption(), "3");
    EXPECT_EQ(botsFile(), A + "/" + S + "/" + X + "/\r\n0/1/2/\r\n");

    w.Command2.userClick();
    EXPECT_EQ(w.List3.listCount(), 0);
    EXPECT_EQ(w.nr.caption(), "0");
    EXPECT_EQ(botsFile(), "\r\n\r\n");
}

TEST_F(Roster, closingSetsTheBotCountAndTheBotsCheckBox) {
    auto& q = l.get<shell::Q2M>();
    q.sweapons.setEnabled(true);
    fill({S, A});
    w.show();
    w.Image2.userClick();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(q.Label4.caption(), "Game with  0 bots");
    EXPECT_TRUE(q.sweapons.enabled()); // no bots: left alone

    w.List3.setSelected(1, true);
    w.show();
    w.Image2.userMouseMove();
    w.Image3.userClick();
    EXPECT_EQ(q.Label4.caption(), "Game with  1 bot");
    // No mod selected and a bot chosen: the bots check box goes off.
    EXPECT_FALSE(q.sweapons.enabled());

    w.List3.setSelected(0, true);
    w.userClose();
    EXPECT_EQ(q.Label4.caption(), "Game with  2 bots");
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(w.List3.listCount(), 0); // the roster in memory is gone
}

TEST_F(Roster, addButtonShowsTheBotWindow) {
    w.Command1.userClick();
    EXPECT_TRUE(l.get<content::q2bot>().isVisible());
}

TEST_F(Roster, botWindowAddsToTheSavedRosterAfterATitleBarClose) {
    ASSERT_TRUE(
        testsupport::makePackage(dir.path() + "/baseq3/k.pk3", {{"botfiles/bots/klesk_c.c"}}));
    auto& bots = l.get<content::q2bot>();
    for (const bool detectNew : {false, true}) {
        dir.writeData("bots.tvd", {A + "/" + S + "/", "1/"});
        w.show();
        w.Command1.userClick();
        w.userClose();
        bots.Text1.setText("Klesk");
        (detectNew ? bots.Label4 : bots.Label1).userClick();
        (detectNew ? bots.Image9 : bots.Image2).userMouseMove();
        (detectNew ? bots.Image10 : bots.Image3).userClick();
        EXPECT_EQ(botsFile(), A + "/Klesk - 5 - red  - 0  /" + S + "/\r\n2/\r\n");
    }
}

TEST_F(Roster, failedWriteIsReportedAndTheRosterKept) {
    fill({S, A});
    w.List3.userClickItem(0);
    const std::string saved = botsFile();
    l.files.failWritesTo("bots.tvd");

    w.List3.userClickItem(1);
    const std::string message = common::botFileWriteFailedMessage(l.files);
    EXPECT_NE(message.find("(No space left on device)"), std::string::npos);
    EXPECT_EQ(l.messages.shown, std::vector<std::string>{message});
    EXPECT_EQ(selection(), (std::vector<int>{0, 1}));
    EXPECT_EQ(w.nr.caption(), "2");

    // One message per action, also when the action refreshes inside.
    w.Combo1.userChoose(1);
    EXPECT_EQ(l.messages.shown.size(), 2u);
    EXPECT_EQ(w.List3.list(1), "Sarge - 5 - blue - 0  ");

    w.Command2.userClick();
    EXPECT_EQ(l.messages.shown.size(), 3u);
    EXPECT_EQ(w.List3.listCount(), 0);
    EXPECT_EQ(botsFile(), saved);
}
