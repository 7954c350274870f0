#include "windows/MapWindow.h"

#include <string>
#include <vector>

#include "data/DataFolder.h"
#include "data/ListFiles.h"
#include "data/SlashList.h"
#include "packages/MapPackages.h"
#include "platform/FileSystem.h"
#include "ui/Application.h"
#include "ui/Errors.h"
#include "windows/Artwork.h"
#include "windows/ArtworkStore.h"
#include "windows/DuplicatePass.h"
#include "windows/HelpWindow.h"
#include "windows/HoverPair.h"
#include "windows/MainWindow.h"
#include "windows/PackageDetection.h"
#include "windows/PackageScanner.h"
#include "windows/ProgressBar.h"
#include "windows/TabStrip.h"

namespace windows {

namespace {

constexpr int kKeyEnter = 13;
constexpr int kPageWidth = 4455;
constexpr int kPageHeight = 2055;

// Blanks at both ends removed, as a typed map name is taken.
std::string trimBlanks(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

MapWindow::MapWindow(ui::Application& app) : ui::Window(app, "q2map", "Add map", 4650, 2865) {
    design();
    bindHandlers();
}

void MapWindow::design() {
    windows::TabStrip tabs = tabStrip();
    tabs.place(150, {&addByNameTab, &detectAllTab, &detectNewTab},
               {windows::art::kMapStripSingle, windows::art::kMapStripDetectAll,
                windows::art::kMapStripDetectNew});
    tabs.placePages(kPageWidth, kPageHeight,
                    {&addByNameBackground, &detectAllBackground, &detectNewBackground});

    mapNamePrompt.place(360, 360, 3735, 255);
    mapNamePrompt.setCaption("Fill in name of .bsp file (f.ex. q3dm1):");
    mapName.place(360, 660, 3735, 315);
    for (ui::Image* button : {&addButtonPlain, &addButtonLit})
        button->place(1507, 1140, 1440, 780);

    // The widths let the runs of blanks break the texts into their lines.
    detectAllWarning.place(622, 120, 3210, 735);
    detectAllWarning.setCaption(detectAllText("Map"));
    for (ui::Image* button : {&detectAllButtonPlain, &detectAllButtonLit})
        button->place(1507, 840, 1440, 780);
    windows::ProgressBar(detectAllTrack, detectAllFill, detectAllPercent)
        .place(540, 1680, 3375, 55);
    packageFolder.place(0, 0, 1215, 390);
    packageFolder.setVisible(false);
    packageFiles.place(0, 480, 1215, 390);
    packageFiles.setVisible(false);
    packageFiles.setPattern("*.pk3");

    detectNewNote.place(877, 120, 2700, 735);
    detectNewNote.setCaption(detectNewText("Map"));
    for (ui::Image* button : {&detectNewButtonPlain, &detectNewButtonLit})
        button->place(1507, 840, 1440, 780);
    windows::ProgressBar(detectNewTrack, detectNewFill, detectNewPercent)
        .place(540, 1680, 3375, 55);
    packageSnapshot.place(0, 0, 1215, 390);
    packageSnapshot.setVisible(false);

    for (ui::Image* lit : {&addButtonLit, &detectAllButtonLit, &detectNewButtonLit})
        lit->setVisible(false);
}

void MapWindow::bindHandlers() {
    windows::TabStrip tabs = tabStrip();
    addByNameTab.onClick = [tabs]() mutable { tabs.select(0); };
    detectAllTab.onClick = [tabs]() mutable { tabs.select(1); };
    detectNewTab.onClick = [this, tabs]() mutable {
        tabs.select(2);
        detectNewTabClicked();
    };

    addButtonLit.onClick = [this] { addClicked(); };
    mapName.onKeyDown = [this](int key) {
        if (key == kKeyEnter)
            addClicked();
    };
    for (ui::Image* button : {&detectAllButtonPlain, &detectAllButtonLit})
        button->onClick = [this] { detectClicked(false); };
    for (ui::Image* button : {&detectNewButtonPlain, &detectNewButtonLit})
        button->onClick = [this] { detectClicked(true); };

    windows::HoverPair(addButtonPlain, addButtonLit).bind({&addByNameBackground, &mapNamePrompt});
    windows::HoverPair(detectAllButtonPlain, detectAllButtonLit)
        .bind({&detectAllBackground, &detectAllTrack, &detectAllPercent});
    windows::HoverPair(detectNewButtonPlain, detectNewButtonLit)
        .bind({&detectNewBackground, &detectNewTrack, &detectNewPercent});
}

windows::TabStrip MapWindow::tabStrip() {
    return {strip,
            {&addByNamePage, &detectAllPage, &detectNewPage},
            {&stripSingleActive, &stripDetectAllActive, &stripDetectNewActive}};
}

void MapWindow::onLoad() {
    auto& fs = app().services().files;
    ui::skip([&] { packageFolder.setPath(platform::joinPath(fs.workingDirectory(), "baseq3")); });
    ui::skip([&] { packageFiles.setPath(packageFolder.path()); });
    const std::string background = app().get<windows::HelpWindow>().background.picture();
    for (ui::Image* page : {&addByNameBackground, &detectAllBackground, &detectNewBackground})
        page->setPicture(background);
    const windows::ArtworkStore& store = app().get<windows::ArtworkStore>();
    for (ui::Image* plain : {&addButtonPlain, &detectAllButtonPlain, &detectNewButtonPlain})
        plain->setPicture(store.acceptPlain.picture());
    for (ui::Image* lit : {&addButtonLit, &detectAllButtonLit, &detectNewButtonLit})
        lit->setPicture(store.acceptLit.picture());
}

void MapWindow::onMouseMove() {
    windows::HoverPair(detectAllButtonPlain, detectAllButtonLit).reset();
}

// A blank name adds nothing and leaves maps.tvd alone: the catalogue would
// otherwise gain an empty entry, and the duplicate pass before it would
// drop every empty entry it holds.
void MapWindow::addClicked() {
    if (trimBlanks(mapName.text()).empty()) {
        unload();
        return;
    }
    removeNeighbourDuplicates();
    addTypedMapAndSave();
}

void MapWindow::addTypedMapAndSave() {
    auto& main = app().get<windows::MainWindow>();
    auto& list = main.mapList;
    std::vector<std::string> entries = data::entriesOf(list);
    entries.push_back(trimBlanks(mapName.text()));
    const std::string line = data::slashListLine(entries);
    list.clear();
    list.addItems(data::parseSlashList(line));
    main.refreshAvailableMaps();
    main.catalogueReplaced();
    // The file keeps the typed name last; the catalogue shows it at its
    // sorted place.
    data::writeMapsFile(app(), data::parseSlashList(line));
    unload();
}

void MapWindow::saveCatalogue() {
    auto& main = app().get<windows::MainWindow>();
    main.refreshAvailableMaps();
    main.catalogueReplaced();
    if (data::writeMapsFile(app(), data::entriesOf(main.mapList), kPackagesNotRemembered))
        rememberPackages();
    unload();
}

void MapWindow::removeNeighbourDuplicates() {
    auto& list = app().get<windows::MainWindow>().mapList;
    const std::string typed = mapName.text();
    windows::DuplicateRules rules;
    rules.typed = addByNamePage.visible() ? &typed : nullptr;
    list.listCount();
    const windows::DuplicatePass pass = windows::duplicatePass(list.state().items, rules);
    if (pass.removals.empty())
        return;
    // Each removal highlights its entry first, as a click does, and the
    // click shows the map's title in the main window: the last one's title
    // stays on show. A title shown before it enabled the remove button,
    // which an empty entry, without a title, does not; the title of such an
    // earlier entry shown once does the same.
    auto& main = app().get<windows::MainWindow>();
    const auto& entries = list.state().items;
    const auto text = [&](const windows::DuplicateRemoval& r) -> const std::string& {
        return entries[static_cast<std::size_t>(r.index)].text;
    };
    if (text(pass.removals.back()).empty()) {
        for (const auto& r : pass.removals) {
            if (!text(r).empty()) {
                main.showMapTitleOf(text(r));
                break;
            }
        }
    }
    main.showMapTitleOf(text(pass.removals.back()));
    list.removeInTurn(pass.positions(), true);
}

void MapWindow::detectClicked(bool onlyNew) {
    const platform::WriteBatch batch(app().services().files);
    if (!packageFolderReadable(
            app(), packageFiles,
            "The map list and the packages of the last detection stay as they were.")) {
        unload();
        return;
    }
    if (onlyNew)
        detectNew();
    else
        detectAll();
    removeNeighbourDuplicates();
    saveCatalogue();
}

void MapWindow::detectAll() {
    detect(false);
}

void MapWindow::detectNew() {
    detect(true);
}

void MapWindow::detect(bool onlyNew) {
    app().get<windows::ArtworkStore>().setScanMode(packages::ScanMode::Maps);
    auto& catalogue = app().get<windows::MainWindow>().mapList;
    if (!onlyNew)
        catalogue.clear();
    windows::ProgressBar progress =
        onlyNew ? windows::ProgressBar(detectNewTrack, detectNewFill, detectNewPercent)
                : windows::ProgressBar(detectAllTrack, detectAllFill, detectAllPercent);
    detectPackages(app(), packageFolder, packageFiles, progress,
                   onlyNew ? &packageSnapshot : nullptr, packages::knownPackageMaps,
                   &packages::PackageFinds::maps);
    progress.finish("DONE");
}

void MapWindow::rememberPackages() {
    storePackageSnapshot(app(), packageFiles, packageSnapshot, data::kOldMapsFile);
}

void MapWindow::detectNewTabClicked() {
    auto& fs = app().services().files;
    data::appendSlashListFile(fs, data::dataFile(fs, data::kOldMapsFile), packageSnapshot);
}

} // namespace windows
