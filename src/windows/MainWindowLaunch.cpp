// Starting the game: the command line built from the main window's controls
// and the roster, the map-cycle config written for a cycle, and the launch
// button's picture pair.
#include <string>
#include <vector>

#include "data/BotEntry.h"
#include "data/NumberText.h"
#include "ui/Application.h"
#include "windows/AllWindows.h"
#include "windows/HoverPair.h"
#include "windows/MainWindow.h"
#include "windows/RosterWindow.h"

namespace windows {

namespace {

// The greeting every player sees on joining a game started from here.
constexpr const char* kMessageOfTheDay = "Welcome to a game started with Torvel Arvenix Pro";
constexpr const char* kCycleConfigName = "tvdx_mapcycle.cfg";
// Groups the blanks of a value into one argument of the game's command line,
// and one command of the cycle config.
constexpr char kQuote = '"';
constexpr const char* kStartFailedMessage =
    "Please copy 'Torvel Arvenix Pro.exe' into your Quake3 directory and select a valid mod.";

std::string quoted(const std::string& text) {
    return kQuote + text + kQuote;
}

std::string cycleConfigPath(MainWindow& q) {
    const std::string wd = q.app().services().files.workingDirectory();
    return platform::joinPath(platform::joinPath(wd, q.gameFolder.caption()), kCycleConfigName);
}

// "+addbot Sarge 5 red 0 " for one roster entry; nothing for an entry too
// short to be cut, so the game never gets a broken command.
std::string addBotCommand(const std::string& entry) {
    const auto bot = data::BotEntry::cut(entry);
    if (!bot)
        return {};
    return "+addbot " + data::trimmed(bot->name) + " " + data::trimmed(bot->skill) + " " +
           data::trimmed(bot->team) + " " + data::trimmed(bot->delay) + " ";
}

std::string optionArguments(const ui::Label& caption, const ui::TextBox& prefix,
                            const ui::TextBox& value) {
    if (!caption.visible())
        return {};
    return prefix.text() + " " + data::trimmed(value.text()) + " ";
}

std::string gameCommandLine(MainWindow& q) {
    std::string line =
        "Quake3.exe + set dedicated " + data::signPaddedNumber(q.dedicatedServer.value());
    line += " + set fs_game " + q.gameFolder.caption();
    line += " + sv_maxclients " + q.maxClients.text();
    line += " + sv_hostname " + quoted(data::trimmed(q.hostName.text()));
    line += " +g_motd " + quoted(kMessageOfTheDay);
    line += " +sv_pure " + data::signPaddedNumber(q.pureServer.value());
    line += "+ fraglimit " + q.fragLimit.text() + " ";
    line += "+ timelimit " + q.timeLimit.text() + " ";
    if (q.execConfig.value() == 1)
        line += " +exec " + q.configFile.text() + " ";
    line += optionArguments(q.optionCaption1, q.optionPrefix1, q.optionValue1);
    line += optionArguments(q.optionCaption2, q.optionPrefix2, q.optionValue2);
    line += optionArguments(q.optionCaption3, q.optionPrefix3, q.optionValue3);
    if (q.singleMapPanel.visible())
        line += " +map " + q.mapList.text();
    else
        line += std::string(" +exec ") + kCycleConfigName;
    if (q.withBots.enabled() && q.withBots.value() == 1) {
        // The roster as it stands in the roster window, not as in bots.tvd.
        const ui::ListBox& roster = q.app().get<windows::RosterWindow>().roster;
        const int count = roster.listCount();
        for (int i = 0; i < count; ++i) {
            if (roster.selected(i))
                line += addBotCommand(roster.list(i));
        }
    }
    if (q.extraCommandLineOn.value() == 1)
        line += q.extraCommandLine.text() + " ";
    return line;
}

} // namespace

void MainWindow::launch() {
    auto& services = app().services();
    if (cyclePanel.visible()) {
        writeCycleConfig();
        if (cycleConfigWrite() == CycleConfigWrite::Failed) {
            services.messages.show(kStartFailedMessage);
            return;
        }
    }
    const std::string commandLine = gameCommandLine(*this);
    // Read before closing: unloading puts every control back to its design.
    const bool closeFirst = closeOnLaunch.value() == 1;
    const std::string gameDirectory = services.files.workingDirectory();
    if (closeFirst)
        unloadEveryWindow(app());
    if (!services.processes.start(commandLine, gameDirectory))
        services.messages.show(kStartFailedMessage);
}

void MainWindow::writeCycleConfig() {
    // m1 loads the first map and points nextmap at m2, and so on; the last
    // map points back at m1, so the cycle repeats. "vstr m1" starts it.
    std::vector<std::string> lines;
    const int count = cycleMaps.listCount();
    for (int i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        const std::string next = last ? "1" : data::plainNumber(i + 2);
        lines.push_back("set m" + data::plainNumber(i + 1) + " " +
                        quoted("map " + cycleMaps.list(i) + "; set nextmap vstr m" + next));
        if (last)
            lines.push_back("vstr m1");
    }
    // A failure is told as a failed start, by the launch that needs the file.
    const bool written =
        static_cast<bool>(app().services().files.writeLines(cycleConfigPath(*this), lines));
    setCycleConfigWrite(written ? CycleConfigWrite::Written : CycleConfigWrite::Failed);
}

void MainWindow::deleteCycleConfig() {
    app().services().files.removeFile(cycleConfigPath(*this));
}

void MainWindow::launchButtonPlainClicked() {
    launch();
}

void MainWindow::launchButtonLitClicked() {
    launch();
}

void MainWindow::launchClickAreaClicked() {
    // The label lies beneath the launch pictures and gets the clicks that a
    // disabled picture lets through: it launches only while launching is
    // allowed.
    if (launchButtonPlain.enabled())
        launch();
}

void MainWindow::launchButtonPlainHovered() {
    windows::HoverPair(launchButtonPlain, launchButtonLit).light();
}

void MainWindow::resetLaunchPicture() {
    windows::HoverPair(launchButtonPlain, launchButtonLit).reset();
}

} // namespace windows
