#pragma once
// Puts the main window and the roster into the state of a typical launch:
// folder baseq3, friendly fire shown as option 1 with "0", extra command
// line "+set g_gametype 3" on, frag limit 50, time limit 0, 8 clients,
// dedicated, config, pure and close off, the default host name, one map
// q3dm17 selected in single-map mode, bots on with Sarge selected. Tests
// change single controls from there.

#include "support/GameDir.h"
#include "support/Launcher.h"
#include "windows/MainWindow.h"
#include "windows/RosterWindow.h"

namespace testsupport {

inline constexpr const char* kSarge = "Sarge - 5 - red  - 0  ";

inline void setTypicalLaunch(Launcher& l) {
    auto& q = l.get<windows::MainWindow>();
    q.dedicatedServer.setValue(0);
    q.gameFolder.setCaption("baseq3");
    q.maxClients.setText("8");
    q.hostName.setText("Torvel Arvenix Pro Server");
    q.pureServer.setValue(0);
    q.fragLimit.setText("50");
    q.timeLimit.setText("0");
    q.execConfig.setValue(0);
    q.configFile.setText("config.cfg");
    q.optionCaption1.setVisible(true);
    q.optionPrefix1.setText("+set g_friendlyfire");
    q.optionValue1.setText("0");
    q.optionCaption2.setVisible(false);
    q.optionCaption3.setVisible(false);
    q.singleMapPanel.setVisible(true);
    q.cyclePanel.setVisible(false);
    q.mapList.clear();
    q.mapList.addItem("q3dm17");
    q.mapList.setListIndex(0);
    q.withBots.setEnabled(true);
    q.withBots.setValue(1);
    q.extraCommandLineOn.setValue(1);
    q.extraCommandLine.setText("+set g_gametype 3");
    q.closeOnLaunch.setValue(0);

    auto& roster = l.get<windows::RosterWindow>().roster;
    roster.clear();
    roster.addItem(kSarge);
    roster.setSelected(0, true);
}

// Cycle mode, as the map-mode tab leaves it for a launch.
inline void setCycleLaunch(Launcher& l) {
    auto& q = l.get<windows::MainWindow>();
    q.singleMapPanel.setVisible(false);
    q.cyclePanel.setVisible(true);
}

} // namespace testsupport
