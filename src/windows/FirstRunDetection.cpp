#include "windows/FirstRunDetection.h"

#include <exception>
#include <string>

#include "packages/FirstRunPackages.h"
#include "platform/FileSystem.h"
#include "ui/Application.h"
#include "ui/Errors.h"
#include "windows/ArtworkStore.h"
#include "windows/BotWindow.h"
#include "windows/MainWindow.h"
#include "windows/MapWindow.h"
#include "windows/ModWindow.h"
#include "windows/PackageScanner.h"
#include "windows/ProgressBar.h"
#include "windows/RosterWindow.h"
#include "windows/StartupWindow.h"

namespace windows {

namespace {

constexpr const char* kNotCompleted =
    "The detection of your mods, maps and bots could not be completed. The map list and the bot "
    "roster show what they held before; Torvel Arvenix Pro will offer the detection again at its "
    "next start.";

} // namespace

bool firstRunDetection(windows::StartupWindow& w) {
    ui::Application& app = w.app();
    windows::MainWindow& main = app.get<windows::MainWindow>();
    ui::ListBox& maps = main.mapList;
    ui::ListBox& roster = app.get<RosterWindow>().roster;
    const platform::WriteBatch batch(app.services().files);
    // A failure before the packages ends the pass.
    try {
        w.detectionPanel.setVisible(true);
        if (!app.get<windows::ModWindow>().detectMods()) {
            app.services().messages.show(kNotCompleted);
            return false;
        }
        app.get<windows::ArtworkStore>().setScanMode(packages::ScanMode::MapsAndBots);
        maps.clear();
        roster.clear();
        app.get<RosterWindow>().setRosterFilled();
    } catch (const ui::RuntimeError&) {
        app.services().messages.show(kNotCompleted);
        return false;
    }

    windows::ProgressBar bar(w.progressTrack, w.progressFill, w.progressPercent);
    // What the packages hold goes to the map list and the roster at the end,
    // each list taking it in one change.
    packages::PackageFinds finds;
    const int n = w.packageFiles.listCount();
    for (int i = 0; i < n; ++i) {
        // A failure with one package, whatever it is, goes on with the next.
        try {
            bar.showStep(i, n);
            const std::string file = w.packageFiles.list(i);
            if (const auto known = packages::firstRunPackage(file)) {
                finds.maps.insert(finds.maps.end(), known->maps.begin(), known->maps.end());
                finds.bots.insert(finds.bots.end(), known->bots.begin(), known->bots.end());
                continue;
            }
            scanPackage(
                app, platform::joinPath(w.packageFolder.path(), w.packageFiles.fileNameOnDisk(i)),
                finds);
        } catch (const std::exception&) {
        }
    }
    ui::skip([&] { addFinds(app, finds); });
    w.progressPercent.setCaption("DONE");

    MapWindow& mapWindow = app.get<MapWindow>();
    BotWindow& botWindow = app.get<BotWindow>();
    // Each list file is written before its package snapshot, which follows
    // only a saved list (saveCatalogue, saveRoster).
    ui::skip([&] { mapWindow.removeNeighbourDuplicates(); });
    ui::skip([&] { mapWindow.saveCatalogue(); });
    ui::skip([&] { botWindow.removeNeighbourDuplicates(); });
    ui::skip([&] { botWindow.saveRoster(); });
    ui::skip([&] { main.disableModControls(); });
    return true;
}

} // namespace windows
