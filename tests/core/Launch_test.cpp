#include <gtest/gtest.h>

#include "support/GameDir.h"
#include "support/LaunchState.h"
#include "support/Launcher.h"
#include "windows/MainWindow.h"
#include "windows/RosterWindow.h"

using testsupport::GameDir;
using testsupport::Launcher;

namespace {

const std::string kStartFailed =
    "Please copy 'Torvel Arvenix Pro.exe' into your Quake3 directory and select a valid mod.";

// The command line of the typical launch up to the map piece.
const std::string kHead = "Quake3.exe + set dedicated  0 + set fs_game baseq3 + sv_maxclients 8"
                          " + sv_hostname \"Torvel Arvenix Pro Server\""
                          " +g_motd \"Welcome to a game started with Torvel Arvenix Pro\""
                          " +sv_pure  0+ fraglimit 50 + timelimit 0 +set g_friendlyfire 0 ";

std::string launched(Launcher& l) {
    l.get<windows::MainWindow>().launch();
    return l.processes.started.empty() ? std::string("(nothing started)")
                                       : l.processes.started.back();
}

} // namespace

TEST(Launch, typicalLaunchGivesEveryPieceInOrder) {
    GameDir dir;
    Launcher l(dir.path());
    testsupport::setTypicalLaunch(l);
    EXPECT_EQ(launched(l), kHead + " +map q3dm17+addbot Sarge 5 red 0 +set g_gametype 3 ");
    ASSERT_EQ(l.processes.started.size(), 1u);
    EXPECT_EQ(l.processes.directories.front(), dir.path());
    EXPECT_TRUE(l.messages.shown.empty());
    // Single-map mode writes no cycle config.
    EXPECT_FALSE(dir.exists("baseq3/tvdx_mapcycle.cfg"));
}

TEST(Launch, valuesAreCopiedAsTheyStand) {
    GameDir dir;
    Launcher l(dir.path());
    testsupport::setTypicalLaunch(l);
    auto& q = l.get<windows::MainWindow>();
    q.dedicatedServer.setValue(1);
    q.pureServer.setValue(1);
    q.fragLimit.setText("");
    q.timeLimit.setText("");
    q.maxClients.setText("");
    q.hostName.setText("  My  Server ");
    q.execConfig.setValue(1);
    // A hidden option gives nothing, whatever its value box holds; a shown
    // option's prefix stays as it is, its value is trimmed.
    q.optionCaption1.setVisible(false);
    q.optionValue1.setText("5");
    q.optionCaption3.setVisible(true);
    q.optionPrefix3.setText("+set  capturelimit ");
    q.optionValue3.setText("  8 ");
    q.extraCommandLineOn.setValue(0);
    EXPECT_EQ(launched(l), "Quake3.exe + set dedicated  1 + set fs_game baseq3 + sv_maxclients "
                           " + sv_hostname \"My  Server\""
                           " +g_motd \"Welcome to a game started with Torvel Arvenix Pro\""
                           " +sv_pure  1+ fraglimit  + timelimit  "
                           " +exec config.cfg +set  capturelimit  8 "
                           " +map q3dm17+addbot Sarge 5 red 0 ");
}

TEST(Launch, mapPieceWithoutSelectedMap) {
    GameDir dir;
    Launcher l(dir.path());
    testsupport::setTypicalLaunch(l);
    auto& q = l.get<windows::MainWindow>();
    q.mapList.setListIndex(-1);
    EXPECT_EQ(launched(l), kHead + " +map +addbot Sarge 5 red 0 +set g_gametype 3 ");
    q.withBots.setValue(0);
    q.extraCommandLineOn.setValue(0);
    EXPECT_EQ(launched(l), kHead + " +map ");
}

TEST(Launch, botPieces) {
    GameDir dir;
    Launcher l(dir.path());
    testsupport::setTypicalLaunch(l);
    auto& q = l.get<windows::MainWindow>();
    auto& roster = l.get<windows::RosterWindow>().roster;
    q.extraCommandLineOn.setValue(0);

    // Unticked, or ticked but disabled, or nothing selected: no bots.
    q.withBots.setValue(0);
    EXPECT_EQ(launched(l), kHead + " +map q3dm17");
    q.withBots.setValue(1);
    q.withBots.setEnabled(false);
    EXPECT_EQ(launched(l), kHead + " +map q3dm17");
    q.withBots.setEnabled(true);
    roster.setSelected(0, false);
    EXPECT_EQ(launched(l), kHead + " +map q3dm17");

    // One piece per selected entry in list order, whatever the order of
    // selecting; a name holding " - " stays whole; an entry too short to be
    // cut is left out.
    roster.clear();
    for (const char* entry :
         {"Xaero - 1 - blue - 100", "Anarki - 3 - blue - 25 ", "Doom - The Marine - 4 - red  - 75 ",
          "Sarge - 5 - red  - 0  ", "tiny"})
        roster.addItem(entry);
    // Sorted: Anarki, Doom - The Marine, Sarge, tiny, Xaero.
    roster.setSelected(4, true);
    roster.setSelected(3, true);
    roster.setSelected(1, true);
    roster.setSelected(0, true);
    EXPECT_EQ(launched(l), kHead + " +map q3dm17+addbot Anarki 3 blue 25 "
                                   "+addbot Doom - The Marine 4 red 75 +addbot Xaero 1 blue 100 ");
}

TEST(Launch, rosterClosedFromTitleBarGivesNoBots) {
    GameDir dir;
    dir.writeData("bots.tvd", {std::string(testsupport::kSarge) + "/", "0/"});
    Launcher l(dir.path());
    testsupport::setTypicalLaunch(l);
    l.get<windows::RosterWindow>().userClose();
    EXPECT_EQ(launched(l), kHead + " +map q3dm17+set g_gametype 3 ");
}

TEST(Launch, cycleModeWritesAndExecutesTheConfig) {
    GameDir dir;
    Launcher l(dir.path());
    testsupport::setTypicalLaunch(l);
    testsupport::setCycleLaunch(l);
    auto& q = l.get<windows::MainWindow>();
    q.cycleMaps.clear();
    EXPECT_EQ(launched(l),
              kHead + " +exec tvdx_mapcycle.cfg+addbot Sarge 5 red 0 +set g_gametype 3 ");
    EXPECT_EQ(q.cycleConfigWrite(), windows::MainWindow::CycleConfigWrite::Written);
    ASSERT_TRUE(dir.exists("baseq3/tvdx_mapcycle.cfg"));
    EXPECT_EQ(dir.read("baseq3/tvdx_mapcycle.cfg"), "");

    q.cycleMaps.addItem("q3dm1");
    launched(l);
    EXPECT_EQ(dir.read("baseq3/tvdx_mapcycle.cfg"),
              "set m1 \"map q3dm1; set nextmap vstr m1\"\r\nvstr m1\r\n");
}

TEST(Launch, failuresShowTheMessage) {
    {
        // The game does not start: the message, and everything stays.
        GameDir dir;
        Launcher l(dir.path());
        testsupport::setTypicalLaunch(l);
        l.processes.succeed = false;
        launched(l);
        EXPECT_EQ(l.messages.shown, std::vector<std::string>{kStartFailed});
        EXPECT_TRUE(l.get<windows::MainWindow>().isLoaded());
        EXPECT_EQ(l.get<windows::RosterWindow>().roster.selCount(), 1);
    }
    {
        // The mod's folder is missing: no config, no start, no window closed.
        GameDir dir;
        Launcher l(dir.path());
        testsupport::setTypicalLaunch(l);
        testsupport::setCycleLaunch(l);
        auto& q = l.get<windows::MainWindow>();
        q.gameFolder.setCaption("nosuchmod");
        q.closeOnLaunch.setValue(1);
        q.cycleMaps.addItem("q3dm1");
        q.launch();
        EXPECT_EQ(q.cycleConfigWrite(), windows::MainWindow::CycleConfigWrite::Failed);
        EXPECT_EQ(l.messages.shown, std::vector<std::string>{kStartFailed});
        EXPECT_TRUE(l.processes.started.empty());
        EXPECT_FALSE(dir.exists("nosuchmod"));
        EXPECT_TRUE(q.isLoaded());
    }
}

TEST(Launch, launchButtonAndItsPictures) {
    GameDir dir;
    Launcher l(dir.path());
    testsupport::setTypicalLaunch(l);
    auto& q = l.get<windows::MainWindow>();
    q.launchButtonPlain.setEnabled(true);
    q.launchButtonPlain.userClick();
    EXPECT_EQ(l.processes.started.size(), 1u);

    // Lit: the plain picture hides and the lit one (which takes no clicks)
    // shows; the label beneath takes the click and launches.
    q.launchButtonPlain.userMouseMove();
    EXPECT_FALSE(q.launchButtonPlain.visible());
    EXPECT_TRUE(q.launchButtonLit.visible());
    q.launchClickArea.userClick();
    EXPECT_EQ(l.processes.started.size(), 2u);
    q.launchHoverLowerLeft.userMouseMove();
    EXPECT_TRUE(q.launchButtonPlain.visible());
    EXPECT_FALSE(q.launchButtonLit.visible());

    // Launching not allowed: neither the picture nor the label launches.
    q.launchButtonPlain.setEnabled(false);
    q.launchButtonPlain.userClick();
    q.launchClickArea.userClick();
    EXPECT_EQ(l.processes.started.size(), 2u);
}

TEST(Launch, closeWhenLaunchingClosesEveryWindowFirst) {
    for (const bool gameStarts : {true, false}) {
        GameDir dir;
        dir.writeData("launch_stat.tvd", {"1"});
        dir.writeData("maps.tvd", {"q3dm17/"});
        Launcher l(dir.path());
        l.start();
        l.processes.succeed = gameStarts;
        testsupport::setTypicalLaunch(l);
        l.get<windows::RosterWindow>().show();
        l.get<windows::MainWindow>().closeOnLaunch.setValue(1);
        const std::string line = launched(l);
        EXPECT_EQ(line, kHead + " +map q3dm17+addbot Sarge 5 red 0 +set g_gametype 3 ");
        EXPECT_FALSE(l.app.anyLoaded());
        EXPECT_TRUE(l.app.ended());
        EXPECT_EQ(dir.readData("settings.tvd"), "0\r\n-1\r\nTorvel Arvenix Pro Server\r\nS\r\n");
        EXPECT_EQ(l.messages.shown.size(), gameStarts ? 0u : 1u);
    }
}
