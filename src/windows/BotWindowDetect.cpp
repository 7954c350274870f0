// Bot detection of the bot window: Detect All, Detect New and the package
// snapshot they leave for the next Detect New.

#include "data/DataFolder.h"
#include "data/ListFiles.h"
#include "data/SlashList.h"
#include "packages/BotPackages.h"
#include "ui/Application.h"
#include "windows/ArtworkStore.h"
#include "windows/BotWindow.h"
#include "windows/PackageDetection.h"
#include "windows/PackageScanner.h"
#include "windows/ProgressBar.h"
#include "windows/RosterWindow.h"

namespace windows {

void BotWindow::detectAll() {
    RosterWindow& bots = app().get<RosterWindow>();
    bots.selectedCount.setCaption("0");
    app().get<windows::ArtworkStore>().setScanMode(packages::ScanMode::Bots);
    bots.roster.clear();
    bots.setRosterFilled();
    detectPackages(app(), packageFolder, packageFiles,
                   windows::ProgressBar(detectAllTrack, detectAllFill, detectAllPercent), nullptr,
                   packages::knownBotPackage, &packages::PackageFinds::bots);
    detectAllPercent.setCaption("DONE");
}

void BotWindow::detectNew() {
    app().get<windows::ArtworkStore>().setScanMode(packages::ScanMode::Bots);
    detectPackages(app(), packageFolder, packageFiles,
                   windows::ProgressBar(detectNewTrack, detectNewFill, detectNewPercent),
                   &packageSnapshot, packages::knownBotPackage, &packages::PackageFinds::bots);
    detectNewPercent.setCaption("DONE");
}

void BotWindow::rememberPackages() {
    storePackageSnapshot(app(), packageFiles, packageSnapshot, data::kOldBotsFile);
}

} // namespace windows
