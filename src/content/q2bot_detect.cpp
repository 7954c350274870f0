// Bot detection of the bot window: Detect All, Detect New and the package
// snapshot they leave for the next Detect New.

#include <string>

#include "common/DataFolder.h"
#include "common/ProgressBar.h"
#include "common/SlashList.h"
#include "content/BotPackages.h"
#include "content/ListFiles.h"
#include "content/ZipTool.h"
#include "content/q2bot.h"
#include "content/q3bots.h"
#include "platform/FileSystem.h"
#include "shell/gfx.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace content {

namespace {

// Adds the bots of every package of `packages` that `skipped` does not
// name: the known packages by their name alone, every other one through the
// scanner. The bar moves before each package.
void detectBots(ui::Application& app, const ui::DirListBox& folder, const ui::FileListBox& packages,
                common::ProgressBar bar, const ui::ListBox* skipped) {
    ui::ListBox& roster = app.get<q3bots>().List3;
    const int n = packages.listCount();
    for (int i = 0; i < n; ++i) {
        bar.showStep(i, n);
        const std::string file = packages.list(i);
        if (skipped != nullptr) {
            bool seen = false;
            for (int k = 0; k < skipped->listCount() && !seen; ++k)
                seen = skipped->list(k) == file;
            if (seen)
                continue;
        }
        if (const auto known = knownBotPackage(file)) {
            for (const auto& entry : *known)
                roster.addItem(entry);
            continue;
        }
        ui::skip([&] { scanpk3(app, platform::joinPath(folder.path(), file)); });
    }
}

} // namespace

void q2bot::autobot() {
    q3bots& bots = app().get<q3bots>();
    bots.nr.setCaption("0");
    app().get<shell::gfx>().detect.setCaption(ScanMode::kBots);
    bots.List3.clear();
    detectBots(app(), Dir1, File1, common::ProgressBar(status1, status2, status3), nullptr);
    status3.setCaption("DONE");
    oldbotspk3();
}

void q2bot::autobot2() {
    app().get<shell::gfx>().detect.setCaption(ScanMode::kBots);
    detectBots(app(), Dir1, File1, common::ProgressBar(status1b, status2b, status3b), &mDedOldList);
    status3b.setCaption("DONE");
    oldbotspk3();
}

void q2bot::oldbotspk3() {
    const auto packages = common::entriesOf(File1);
    mDedOldList.clear();
    mDedOldList.addItems(packages);
    auto& fs = app().services().files;
    writeListOrTell(app(), common::dataFile(fs, common::kOldBotsFile), packages,
                    "The packages of this detection are not remembered, so the next \"Detect "
                    "New\" looks at the packages of the one before.");
}

} // namespace content
