#include "content/q2map.h"

#include <string>
#include <vector>

#include "common/DataFolder.h"
#include "common/DuplicatePass.h"
#include "common/HoverPair.h"
#include "common/ProgressBar.h"
#include "common/SlashList.h"
#include "common/TabStrip.h"
#include "content/KnownPackageTable.h"
#include "content/ListFiles.h"
#include "content/PackageDetection.h"
#include "content/ZipTool.h"
#include "platform/FileSystem.h"
#include "shell/Artwork.h"
#include "shell/Help.h"
#include "shell/Q2M.h"
#include "shell/gfx.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace content {

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

q2map::q2map(ui::Application& app) : ui::Window(app, "q2map", "Add map", 4650, 2865) {
    design();
    bindHandlers();
}

void q2map::design() {
    common::TabStrip tabs = tabStrip();
    tabs.place(150, {&Label1, &Label3, &Label4},
               {shell::art::kMapStrip1, shell::art::kMapStrip2, shell::art::kMapStrip3});
    tabs.placePages(kPageWidth, kPageHeight, {&Image1, &Image7, &Image11});

    Label2.place(360, 360, 3735, 255);
    Label2.setCaption("Fill in name of .bsp file (f.ex. q3dm1):");
    Text1.place(360, 660, 3735, 315);
    for (ui::Image* button : {&Image2, &Image3})
        button->place(1507, 1140, 1440, 780);

    // The widths let the runs of blanks break the texts into their lines.
    Label5.place(622, 120, 3210, 735);
    Label5.setCaption(detectAllText("Map"));
    for (ui::Image* button : {&Image5, &Image6})
        button->place(1507, 840, 1440, 780);
    common::ProgressBar(status1, status2, status3).place(540, 1680, 3375, 55);
    Dir1.place(0, 0, 1215, 390);
    Dir1.setVisible(false);
    File1.place(0, 480, 1215, 390);
    File1.setVisible(false);
    File1.setPattern("*.pk3");

    Label8.place(877, 120, 2700, 735);
    Label8.setCaption(detectNewText("Map"));
    for (ui::Image* button : {&Image9, &Image10})
        button->place(1507, 840, 1440, 780);
    common::ProgressBar(status1b, status2b, status3b).place(540, 1680, 3375, 55);
    mDedOldList.place(0, 0, 1215, 390);
    mDedOldList.setVisible(false);

    for (ui::Image* lit : {&Image3, &Image6, &Image10})
        lit->setVisible(false);
}

void q2map::bindHandlers() {
    common::TabStrip tabs = tabStrip();
    Label1.onClick = [tabs]() mutable { tabs.select(0); };
    Label3.onClick = [tabs]() mutable { tabs.select(1); };
    Label4.onClick = [this, tabs]() mutable {
        tabs.select(2);
        Label4_Click();
    };

    Image3.onClick = [this] { addByName(); };
    Text1.onKeyDown = [this](int key) {
        if (key == kKeyEnter)
            addByName();
    };
    for (ui::Image* button : {&Image5, &Image6})
        button->onClick = [this] { detectClicked(false); };
    for (ui::Image* button : {&Image9, &Image10})
        button->onClick = [this] { detectClicked(true); };

    common::HoverPair(Image2, Image3).bind({&Image1, &Label2});
    common::HoverPair(Image5, Image6).bind({&Image7, &status1, &status3});
    common::HoverPair(Image9, Image10).bind({&Image11, &status1b, &status3b});
}

common::TabStrip q2map::tabStrip() {
    return {Picture2, {&mSingle, &mDedAll, &mDedNew}, {&leiste1, &leiste2, &leiste3}};
}

void q2map::Form_Load() {
    auto& fs = app().services().files;
    ui::skip([&] { Dir1.setPath(platform::joinPath(fs.workingDirectory(), "baseq3")); });
    ui::skip([&] { File1.setPath(Dir1.path()); });
    const std::string background = app().get<shell::Help>().Image1.picture();
    for (ui::Image* page : {&Image1, &Image7, &Image11})
        page->setPicture(background);
    const shell::gfx& store = app().get<shell::gfx>();
    for (ui::Image* plain : {&Image2, &Image5, &Image9})
        plain->setPicture(store.accept0.picture());
    for (ui::Image* lit : {&Image3, &Image6, &Image10})
        lit->setPicture(store.accept1.picture());
}

void q2map::Form_MouseMove() {
    common::HoverPair(Image5, Image6).reset();
}

// A blank name adds nothing and leaves maps.tvd alone: the catalogue would
// otherwise gain an empty entry, and the duplicate pass before it would
// drop every empty entry it holds.
void q2map::addByName() {
    if (trimBlanks(Text1.text()).empty()) {
        unload();
        return;
    }
    doppelte_Maps();
    maplist();
}

void q2map::maplist() {
    auto& main = app().get<shell::Q2M>();
    auto& list = main.List1;
    std::vector<std::string> entries = common::entriesOf(list);
    entries.push_back(trimBlanks(Text1.text()));
    const std::string line = common::slashListLine(entries);
    list.clear();
    list.addItems(common::parseSlashList(line));
    main.refreshAvailableMaps();
    // The file keeps the typed name last; the catalogue shows it at its
    // sorted place.
    writeMapsFile(app(), common::parseSlashList(line));
    unload();
}

void q2map::maplist2() {
    auto& main = app().get<shell::Q2M>();
    main.refreshAvailableMaps();
    if (writeMapsFile(app(), common::entriesOf(main.List1), kPackagesNotRemembered))
        oldmapspk3();
    unload();
}

void q2map::doppelte_Maps() {
    auto& list = app().get<shell::Q2M>().List1;
    const std::string typed = Text1.text();
    common::DuplicateRules rules;
    rules.typed = mSingle.visible() ? &typed : nullptr;
    list.listCount();
    const common::DuplicatePass pass = common::duplicatePass(list.state().items, rules);
    if (pass.removals.empty())
        return;
    // Each removal highlights its entry first, as a click does, and the
    // click shows the map's title in the main window: the last one's title
    // stays on show. A title shown before it enabled the remove button,
    // which an empty entry, without a title, does not; one click on such an
    // earlier entry does the same.
    const auto& entries = list.state().items;
    const auto text = [&](const common::DuplicateRemoval& r) -> const std::string& {
        return entries[static_cast<std::size_t>(r.index)].text;
    };
    if (text(pass.removals.back()).empty()) {
        for (const auto& r : pass.removals) {
            if (!text(r).empty()) {
                list.setListIndex(r.index);
                break;
            }
        }
    }
    list.setListIndex(pass.removals.back().index);
    list.removeItems(pass.indices());
}

void q2map::detectClicked(bool onlyNew) {
    const platform::WriteBatch batch(app().services().files);
    if (!packageFolderReadable(
            app(), File1,
            "The map list and the packages of the last detection stay as they were.")) {
        unload();
        return;
    }
    if (onlyNew)
        automap2();
    else
        automap();
    doppelte_Maps();
    maplist2();
}

void q2map::automap() {
    detect(false);
}

void q2map::automap2() {
    detect(true);
}

void q2map::detect(bool onlyNew) {
    app().get<shell::gfx>().detect.setCaption(ScanMode::kMaps);
    auto& catalogue = app().get<shell::Q2M>().List1;
    if (!onlyNew)
        catalogue.clear();
    common::ProgressBar progress = onlyNew ? common::ProgressBar(status1b, status2b, status3b)
                                           : common::ProgressBar(status1, status2, status3);
    detectPackages(app(), Dir1, File1, progress, onlyNew ? &mDedOldList : nullptr, knownPackageMaps,
                   &PackageFinds::maps);
    progress.finish("DONE");
}

void q2map::oldmapspk3() {
    rememberPackages(app(), File1, mDedOldList, kOldMapsFile);
}

void q2map::Label4_Click() {
    auto& fs = app().services().files;
    common::appendSlashListFile(fs, common::dataFile(fs, kOldMapsFile), mDedOldList);
}

} // namespace content
