// Bot detection of the bot window: Detect All, Detect New and the package
// snapshot they leave for the next Detect New.

#include "common/DataFolder.h"
#include "common/ProgressBar.h"
#include "content/BotPackages.h"
#include "content/PackageDetection.h"
#include "content/ZipTool.h"
#include "content/q2bot.h"
#include "content/q3bots.h"
#include "shell/gfx.h"
#include "ui/Application.h"

namespace content {

void q2bot::autobot() {
    q3bots& bots = app().get<q3bots>();
    bots.nr.setCaption("0");
    app().get<shell::gfx>().detect.setCaption(ScanMode::kBots);
    bots.List3.clear();
    detectPackages(app(), Dir1, File1, common::ProgressBar(status1, status2, status3), nullptr,
                   knownBotPackage, &PackageFinds::bots);
    status3.setCaption("DONE");
}

void q2bot::autobot2() {
    app().get<shell::gfx>().detect.setCaption(ScanMode::kBots);
    detectPackages(app(), Dir1, File1, common::ProgressBar(status1b, status2b, status3b),
                   &mDedOldList, knownBotPackage, &PackageFinds::bots);
    status3b.setCaption("DONE");
}

void q2bot::oldbotspk3() {
    rememberPackages(app(), File1, mDedOldList, common::kOldBotsFile);
}

} // namespace content
