#pragma once
// Puts the main window and the roster into the state of a typical launch:
// folder baseq3, friendly fire shown as option 1 with "0", extra command
// line "+set g_gametype 3" on, frag limit 50, time limit 0, 8 clients,
// dedicated, config, pure and close off, the default host name, one map
// q3dm17 selected in single-map mode, bots on with Sarge selected. Tests
// change single controls from there.

#include "content/q3bots.h"
#include "shell/Q2M.h"
#include "support/GameDir.h"
#include "support/Launcher.h"

namespace testsupport {

inline constexpr const char* kSarge = "Sarge - 5 - red  - 0  ";

inline void setTypicalLaunch(Launcher& l) {
    auto& q = l.get<shell::Q2M>();
    q.qm.setCaption("\"");
    q.sded.setValue(0);
    q.sFoldername.setCaption("baseq3");
    q.smaxcl.setText("8");
    q.Text1.setText("Torvel Arvenix Pro Server");
    q.sv_pure.setValue(0);
    q.sfrag.setText("50");
    q.stime.setText("0");
    q.scfg.setValue(0);
    q.scfgfile.setText("config.cfg");
    q.mop1.setVisible(true);
    q.q2cl1.setText("+set g_friendlyfire");
    q.sop1.setText("0");
    q.mop2.setVisible(false);
    q.mop3.setVisible(false);
    q.singlemap.setVisible(true);
    q.cycle.setVisible(false);
    q.List1.clear();
    q.List1.addItem("q3dm17");
    q.List1.setListIndex(0);
    q.sweapons.setEnabled(true);
    q.sweapons.setValue(1);
    q.q2clck.setValue(1);
    q.q2cl4.setText("+set g_gametype 3");
    q.sclose.setValue(0);

    auto& roster = l.get<content::q3bots>().List3;
    roster.clear();
    roster.addItem(kSarge);
    roster.setSelected(0, true);
}

// Cycle mode, as the map-mode tab leaves it for a launch.
inline void setCycleLaunch(Launcher& l) {
    auto& q = l.get<shell::Q2M>();
    q.singlemap.setVisible(false);
    q.cycle.setVisible(true);
}

} // namespace testsupport
