#include "content/FirstRun.h"

#include <string>

#include "common/ProgressBar.h"
#include "content/FirstRunPackageTable.h"
#include "content/ZipTool.h"
#include "content/q2bot.h"
#include "content/q2map.h"
#include "content/q3bots.h"
#include "mods/q2mod.h"
#include "platform/FileSystem.h"
#include "shell/Q2M.h"
#include "shell/gfx.h"
#include "shell/startup.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace content {

namespace {

constexpr const char* kNotCompleted =
    "The detection of your mods, maps and bots could not be completed. The map list and the bot "
    "roster show what they held before; Torvel Arvenix Pro will offer the detection again at its "
    "next start.";

} // namespace

bool firstRunDetection(shell::startup& w) {
    ui::Application& app = w.app();
    shell::Q2M& main = app.get<shell::Q2M>();
    ui::ListBox& maps = main.List1;
    ui::ListBox& roster = app.get<q3bots>().List3;
    const platform::WriteBatch batch(app.services().files);
    // A failure before the packages ends the pass.
    try {
        w.mDedAll.setVisible(true);
        if (!app.get<mods::q2mod>().Autodetect_Mods()) {
            app.services().messages.show(kNotCompleted);
            return false;
        }
        app.get<shell::gfx>().detect.setCaption(ScanMode::kMapsAndBots);
        maps.clear();
        roster.clear();
    } catch (const ui::RuntimeError&) {
        app.services().messages.show(kNotCompleted);
        return false;
    }

    common::ProgressBar bar(w.status1, w.status2, w.status3);
    // What the packages hold goes to the map list and the roster at the end,
    // each list taking it in one change.
    PackageFinds finds;
    const int n = w.File1.listCount();
    for (int i = 0; i < n; ++i) {
        // A failure with one package goes on with the next.
        ui::skip([&] {
            bar.showStep(i, n);
            const std::string file = w.File1.list(i);
            if (const auto known = firstRunPackage(file)) {
                finds.maps.insert(finds.maps.end(), known->maps.begin(), known->maps.end());
                finds.bots.insert(finds.bots.end(), known->bots.begin(), known->bots.end());
                return;
            }
            scanpk3(app, platform::joinPath(w.Dir1.path(), w.File1.fileNameOnDisk(i)), finds);
        });
    }
    ui::skip([&] { addFinds(app, finds); });
    w.status3.setCaption("DONE");

    q2map& mapWindow = app.get<q2map>();
    q2bot& botWindow = app.get<q2bot>();
    // Each list file is written before its package snapshot, which follows
    // only a saved list (maplist2, botlist2b).
    ui::skip([&] { mapWindow.doppelte_Maps(); });
    ui::skip([&] { mapWindow.maplist2(); });
    ui::skip([&] { botWindow.doppelte_Bots(); });
    ui::skip([&] { botWindow.botlist2b(); });
    ui::skip([&] { main.prod4(); });
    return true;
}

} // namespace content
