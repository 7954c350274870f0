// Starting the game: the command line built from the main window's controls
// and the roster, the map-cycle config written for a cycle, and the launch
// button's picture pair.
#include <string>
#include <vector>

#include "common/BotEntry.h"
#include "common/HoverPair.h"
#include "common/NumberText.h"
#include "content/q3bots.h"
#include "shell/Q2M.h"
#include "shell/Windows.h"
#include "ui/Application.h"

namespace shell {

namespace {

// The greeting every player sees on joining a game started from here.
constexpr const char* kMessageOfTheDay = "Welcome to a game started with Torvel Arvenix Pro";
constexpr const char* kCycleConfigName = "tvdx_mapcycle.cfg";
constexpr const char* kStartFailedMessage =
    "Please copy 'Torvel Arvenix Pro.exe' into your Quake3 directory and select a valid mod.";

std::string cycleConfigPath(Q2M& q) {
    const std::string wd = q.app().services().files.workingDirectory();
    return platform::joinPath(platform::joinPath(wd, q.sFoldername.caption()), kCycleConfigName);
}

// "+addbot Sarge 5 red 0 " for one roster entry; nothing for an entry too
// short to be cut, so the game never gets a broken command.
std::string addBotCommand(const std::string& entry) {
    const auto bot = common::BotEntry::cut(entry);
    if (!bot)
        return {};
    return "+addbot " + common::trimmed(bot->name) + " " + common::trimmed(bot->skill) + " " +
           common::trimmed(bot->team) + " " + common::trimmed(bot->delay) + " ";
}

std::string optionPiece(const ui::Label& caption, const ui::TextBox& prefix,
                        const ui::TextBox& value) {
    if (!caption.visible())
        return {};
    return prefix.text() + " " + common::trimmed(value.text()) + " ";
}

std::string gameCommandLine(Q2M& q) {
    const std::string quote = q.qm.caption();
    std::string line = "Quake3.exe + set dedicated " + common::numberText(q.sded.value());
    line += " + set fs_game " + q.sFoldername.caption();
    line += " + sv_maxclients " + q.smaxcl.text();
    line += " + sv_hostname " + quote + common::trimmed(q.Text1.text()) + quote;
    line += " +g_motd " + quote + kMessageOfTheDay + quote;
    line += " +sv_pure " + common::numberText(q.sv_pure.value());
    line += "+ fraglimit " + q.sfrag.text() + " ";
    line += "+ timelimit " + q.stime.text() + " ";
    if (q.scfg.value() == 1)
        line += " +exec " + q.scfgfile.text() + " ";
    line += optionPiece(q.mop1, q.q2cl1, q.sop1);
    line += optionPiece(q.mop2, q.q2cl2, q.sop2);
    line += optionPiece(q.mop3, q.q2cl3, q.sop3);
    if (q.singlemap.visible())
        line += " +map " + q.List1.text();
    else
        line += std::string(" +exec ") + kCycleConfigName;
    if (q.sweapons.enabled() && q.sweapons.value() == 1) {
        // The roster as it stands in the roster window, not as in bots.tvd.
        const ui::ListBox& roster = q.app().get<content::q3bots>().List3;
        const int count = roster.listCount();
        for (int i = 0; i < count; ++i) {
            if (roster.selected(i))
                line += addBotCommand(roster.list(i));
        }
    }
    if (q.q2clck.value() == 1)
        line += q.q2cl4.text() + " ";
    return line;
}

} // namespace

void Q2M::launch() {
    auto& services = app().services();
    if (cycle.visible()) {
        prod9();
        if (foldercycle.caption() == "n") {
            services.messages.show(kStartFailedMessage);
            return;
        }
    }
    const std::string commandLine = gameCommandLine(*this);
    // Read before closing: unloading puts every control back to its design.
    const bool closeFirst = sclose.value() == 1;
    const std::string gameDirectory = services.files.workingDirectory();
    if (closeFirst)
        unloadEveryWindow(app());
    if (!services.processes.start(commandLine, gameDirectory))
        services.messages.show(kStartFailedMessage);
}

void Q2M::prod9() {
    // m1 loads the first map and points nextmap at m2, and so on; the last
    // map points back at m1, so the cycle repeats. "vstr m1" starts it.
    const std::string quote = qm.caption();
    std::vector<std::string> lines;
    const int count = List4c.listCount();
    for (int i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        const std::string next = last ? "1" : common::plainNumber(i + 2);
        lines.push_back("set m" + common::plainNumber(i + 1) + " " + quote + "map " +
                        List4c.list(i) + "; set nextmap vstr m" + next + quote);
        if (last)
            lines.push_back("vstr m1");
    }
    const bool written = app().services().files.writeLines(cycleConfigPath(*this), lines);
    foldercycle.setCaption(written ? "y" : "n");
}

void Q2M::prod8() {
    app().services().files.removeFile(cycleConfigPath(*this));
}

void Q2M::Image3_Click() {
    launch();
}

void Q2M::Image4_Click() {
    launch();
}

void Q2M::Label11_Click() {
    // The label lies beneath the launch pictures and gets the clicks that a
    // disabled picture lets through: it launches only while launching is
    // allowed.
    if (Image3.enabled())
        launch();
}

void Q2M::Image3_MouseMove() {
    common::HoverPair(Image3, Image4).light();
}

void Q2M::resetLaunchPicture() {
    common::HoverPair(Image3, Image4).reset();
}

} // namespace shell
