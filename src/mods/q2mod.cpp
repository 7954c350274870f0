#include "mods/q2mod.h"

#include <algorithm>

#include "common/DataFolder.h"
#include "common/DuplicatePass.h"
#include "common/HoverPair.h"
#include "common/NumberText.h"
#include "common/ProgressBar.h"
#include "common/SlashList.h"
#include "common/TabStrip.h"
#include "common/WriteFailure.h"
#include "content/q2map.h"
#include "mods/KnownMods.h"
#include "mods/ModDetection.h"
#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "platform/TextCase.h"
#include "shell/Artwork.h"
#include "shell/Q2M.h"
#include "shell/gfx.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace mods {

namespace {

using common::ModRecord;

constexpr const char* kNoName = "Please insert a valid Mod-name.";

// What the next Detect New does when a detection could not leave its
// snapshot of the game folders.
constexpr const char* kSnapshotKept =
    "The list of game folders of the detection before is left as it was, so the next \"Detect "
    "New\" takes every folder missing from that list for a new one.";

// Page area below the strip, shared by the three pages.
constexpr int kPageLeft = 120;
constexpr int kPageTop = 495;
constexpr int kPageWidth = 6060;
constexpr int kPageHeight = 3915;
// The Detect New panel covers the detection page from here down.
constexpr int kNewPanelTop = 2610;

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

// A folder name as a message shows it: line breaks and other control
// characters written out, so that the name stays on one line.
std::string visible(const std::string& name) {
    std::string out;
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0x20U)
            out.push_back(c);
        else if (c == '\r')
            out += "<CR>";
        else if (c == '\n')
            out += "<LF>";
        else if (c == '\t')
            out += "<TAB>";
        else
            out += "<" + std::to_string(code) + ">";
    }
    return out;
}

std::string unusableName(const std::string& name) {
    return "The name " + quoted(name) +
           " cannot be used for a mod: a mod name must not be \".\" or \"..\", must not hold "
           "\"/\" or \"\\\" and must not be the name of one of the launcher's own files.";
}

ui::Font font(bool bold, bool italic) {
    ui::Font f;
    f.bold = bold;
    f.italic = italic;
    return f;
}

} // namespace

q2mod::q2mod(ui::Application& app) : ui::Window(app, "q2mod", "Add mod", 6300, 4530) {
    design();
    bindHandlers();
}

void q2mod::design() {
    common::TabStrip::placeStrip(Picture2, kPageLeft, shell::art::kMapStrip1,
                                 {&Label7, &Label8, &Label12});

    mSingle.place(kPageLeft, kPageTop, kPageWidth, kPageHeight);
    Image1.place(0, 0, kPageWidth, kPageHeight);
    Image1.setPicture(shell::art::kBackground);
    fields.design({"baseq3", "+", "extra commandline (eg +exec instagib.cfg)", true});
    Image2.place(4440, 3015, 1440, 780);
    Image3.place(4440, 3015, 1440, 780);
    Image3.setVisible(false);

    designDetectionPage();

    mDedOldList.place(-3000, 0, 1215, 255);
    mDedOldList.setVisible(false);
}

void q2mod::designDetectionPage() {
    mDedAll.place(kPageLeft, kPageTop, kPageWidth, kPageHeight);
    mDedAll.setVisible(false);
    Image6.place(0, 0, kPageWidth, kPageHeight);
    Image6.setPicture(shell::art::kBackground);
    Dir1.place(-3000, 0, 1215, 255);
    Dir1.setVisible(false);

    txt_AllNew.place(360, 300, 3000, 255);
    txt_AllNew.setCaption("Detect All");
    txt_AllNew.setFont(font(true, false));
    const struct {
        ui::Label& caption;
        const char* text;
        ui::Label& count;
        int top;
    } counts[] = {{cpt_Detected, "Detected", txt_detected, 780},
                  {cpt_remaining, "Remaining", txt_remaining, 1080}};
    for (const auto& c : counts) {
        c.caption.place(360, c.top, 1095, 255);
        c.caption.setCaption(c.text);
        c.count.place(1500, c.top, 855, 255);
        c.count.setCaption("0");
    }
    txt_detecting.place(3360, 780, 1935, 255);
    txt_detecting.setCaption("Detecting...");
    txt_detecting.setFont(font(false, true));
    txt_detecting.setVisible(false);

    common::ProgressBar(status1b, status2b, status3b).place(360, 1620, 2895, 30);

    // Narrower than the Detect New notice: the runs of blanks in the text
    // end its lines.
    Label13.place(360, kNewPanelTop + 120, 3000, 915);
    Label13.setCaption("Detects all installed Mods." + std::string(21, ' ') +
                       "NOTICE: This operation clears Modlist! Make sure to make backups." +
                       std::string(17, ' ') + "More Mods will be supported soon!");
    Label13.setFont(font(false, true));
    Image4.place(4440, kNewPanelTop + 120, 1440, 780);
    Image5.place(4440, kNewPanelTop + 120, 1440, 780);
    Image5.setVisible(false);

    mDedNew.place(kPageLeft, kPageTop + kNewPanelTop, kPageWidth, kPageHeight - kNewPanelTop);
    mDedNew.setVisible(false);
    // The page background continues under the panel.
    Image9.place(0, -kNewPanelTop, kPageWidth, kPageHeight);
    Image9.setPicture(shell::art::kBackground);
    Label21.place(360, 180, 3840, 855);
    Label21.setCaption("Detects all installed Mods since last Detect operation. NOTICE: This "
                       "operation clears Modlist! More Mods" +
                       std::string(4, ' ') + "will be supported soon." + std::string(33, ' '));
    Label21.setFont(font(false, true));
    Image7.place(4440, 120, 1440, 780);
    Image8.place(4440, 120, 1440, 780);
    Image8.setVisible(false);
}

void q2mod::bindHandlers() {
    fields.bindHandlers();
    Label7.onClick = [this] { Label7_Click(); };
    Label8.onClick = [this] { Label8_Click(); };
    Label12.onClick = [this] { Label12_Click(); };
    Image2.onClick = [this] { addmod(); };
    Image3.onClick = [this] { addmod(); };
    Image5.onClick = [this] { Image5_Click(); };
    Image8.onClick = [this] { Image8_Click(); };

    common::HoverPair(Image2, Image3).bind({&mSingle, &Image1});
    common::HoverPair(Image4, Image5).bind({&mDedAll, &Image6});
    common::HoverPair(Image7, Image8).bind({&mDedNew, &Image9});
}

void q2mod::Form_Load() {
    ui::skip([&] { Dir1.setPath(app().services().files.workingDirectory()); });
    const shell::gfx& store = app().get<shell::gfx>();
    for (ui::Image* plain : {&Image2, &Image4, &Image7})
        plain->setPicture(store.accept0.picture());
    for (ui::Image* lit : {&Image3, &Image5, &Image8})
        lit->setPicture(store.accept1.picture());
}

// ---- Tabs -------------------------------------------------------------------

void q2mod::Label7_Click() {
    mSingle.setVisible(true);
    mDedAll.setVisible(false);
    mDedNew.setVisible(false);
    Picture2.setPicture(app().get<content::q2map>().leiste1.picture());
}

void q2mod::Label8_Click() {
    mSingle.setVisible(false);
    mDedAll.setVisible(true);
    mDedNew.setVisible(false);
    txt_AllNew.setCaption("Detect All");
    Picture2.setPicture(app().get<content::q2map>().leiste2.picture());
}

void q2mod::Label12_Click() {
    mSingle.setVisible(false);
    mDedAll.setVisible(true);
    mDedNew.setVisible(true);
    txt_AllNew.setCaption("Detect New");
    Picture2.setPicture(app().get<content::q2map>().leiste3.picture());
    // Not emptied first: every click adds the names again.
    auto& fs = app().services().files;
    common::appendSlashListFile(fs, common::dataFile(fs, common::kOldModsFile), mDedOldList);
}

// ---- Buttons ----------------------------------------------------------------

void q2mod::Image5_Click() {
    Autodetect_Mods();
    unload();
}

void q2mod::Image8_Click() {
    Autodetect_Mods();
    doppelte_Mods();
    unload();
}

void q2mod::addmod() {
    auto& main = app().get<shell::Q2M>();
    auto& services = app().services();
    const std::string typed = fields.mname.text();
    const std::string name = common::trimmed(typed);
    if (typed.empty() || name.empty()) {
        services.messages.show(kNoName);
    } else if (!ModRecord::path(services.files, name)) {
        services.messages.show(unusableName(name));
    } else {
        main.prod1();
        // A new mod starts with every setting off and no config file.
        if (fields.definition().write(services.files, name)) {
            q2modlist();
            unload();
        } else {
            services.messages.show("The record of the mod could not be written to " +
                                   ModRecord::pathText(services.files, name) + " (" +
                                   services.files.writeFailure() + "). The mod was not added.");
        }
    }
    main.sFoldername.setCaption("");
}

// ---- The mod list -----------------------------------------------------------

void q2mod::q2modlist() {
    auto entries = common::entriesOf(app().get<shell::Q2M>().List2);
    entries.push_back(common::trimmed(fields.mname.text()));
    rebuildModList(common::slashListLine(entries), common::kListKeptUnsaved);
}

bool q2mod::q2modlist2() {
    return rebuildModList(common::slashListLine(common::entriesOf(app().get<shell::Q2M>().List2)),
                          std::string("The mod list on screen shows the mods detected, but it is "
                                      "not saved. ") +
                              kSnapshotKept);
}

bool q2mod::rebuildModList(const std::string& line, const std::string& consequence) {
    auto& main = app().get<shell::Q2M>();
    auto& services = app().services();
    main.List2.clear();
    main.List2.addItems(common::parseSlashList(line));
    // A list that cannot be saved is kept on screen all the same.
    const bool written = common::writeLinesOrTell(
        services, common::dataFile(services.files, common::kModsFile), {line}, consequence);
    unload();
    if (main.List2.selCount() == 0)
        main.applyNoModState();
    return written;
}

void q2mod::doppelte_Mods() {
    ui::ListBox& list = app().get<shell::Q2M>().List2;
    list.listCount();
    // Removed without highlighting them first: the mod list stays without a
    // selection and the main window in its no-mod state.
    list.removeItems(common::duplicatePass(list.state().items, {}).indices());
}

// ---- Detection --------------------------------------------------------------

bool q2mod::Autodetect_Mods() {
    auto& main = app().get<shell::Q2M>();
    auto& counter = app().get<shell::gfx>().DedNewCounter;
    auto& services = app().services();
    auto& fs = services.files;
    const platform::WriteBatch batch(fs);

    const bool detectNew = mDedNew.visible();
    if (!detectNew)
        main.List2.clear();
    txt_detecting.setVisible(true);
    counter.setCaption("1");

    std::vector<std::string> old;
    const int m = mDedOldList.listCount();
    for (int k = 0; k < m; ++k)
        old.push_back(platform::toLower(mDedOldList.list(k)));
    const auto wasThere = [&](const std::string& folder) {
        return std::find(old.begin(), old.end(), platform::toLower(folder)) != old.end();
    };

    const int n = Dir1.listCount();
    const auto countOne = [&] {
        const long long detected = common::leadingNumber(txt_detected.caption()) + 1;
        txt_detected.setCaption(common::plainNumber(detected));
        txt_remaining.setCaption(common::plainNumber(n + 2 - detected));
    };
    // Writes one record and lists it; false (after telling the user) when
    // the record could not be written.
    const auto addRecord = [&](const std::string& displayName, const ModRecord& record) {
        if (!record.write(fs, displayName)) {
            services.messages.show(common::writeFailedMessage(
                fs, ModRecord::pathText(fs, displayName),
                std::string("The detection stopped; the mod list keeps the mods detected so "
                            "far. ") +
                    kSnapshotKept));
            return false;
        }
        main.List2.addItem(displayName);
        return true;
    };

    common::ProgressBar bar(status1b, status2b, status3b);
    std::vector<std::string> unusable;
    bool failed = false;
    for (int i = 0; i < n && !failed; ++i) {
        const std::string folder = folderNameOf(Dir1.list(i));
        if (detectNew) {
            const long long c = common::leadingNumber(counter.caption());
            if (c <= m)
                counter.setCaption(common::plainNumber(c + 1));
            // Every folder of the last detection is passed over, wherever
            // it stands in the listing: its record keeps its settings.
            if (wasThere(folder))
                continue;
        }
        bar.showStep(i, n);
        const auto mod = detectModFolder(folder);
        if (!mod)
            continue;
        // A record could not name a folder whose name is not text.
        if (!canBeListed(fs, folder, *mod) || !platform::isValidUtf8(Dir1.folderNameOnDisk(i))) {
            unusable.push_back(folder);
            continue;
        }
        countOne();
        failed = !addRecord(mod->displayName, mod->record);
    }
    if (!detectNew) {
        for (const BaseGameRecord& base : BaseGameRecords) {
            if (failed)
                break;
            countOne();
            const std::vector<std::string> lines(base.lines.begin(), base.lines.end());
            failed = !addRecord(std::string(base.name), ModRecord::fromLines(lines));
        }
    }

    // The snapshot follows the list file only: mods that did not reach it
    // are found again by the next Detect New.
    const bool listed = q2modlist2();
    if (!unusable.empty()) {
        std::string names;
        for (const auto& f : unusable)
            names += (names.empty() ? "" : ", ") + quoted(visible(f));
        services.messages.show("These folders were not added as mods, as the launcher cannot "
                               "keep their names in its files: " +
                               names + ".");
    }
    if (failed)
        return false;
    txt_detecting.setCaption("Done");
    if (listed)
        oldmodspk3();
    return true;
}

void q2mod::oldmodspk3() {
    std::vector<std::string> names;
    const int n = Dir1.listCount();
    for (int i = 0; i < n; ++i) {
        // A name with a line break would split the snapshot; such a folder
        // is never a mod.
        std::string name = folderNameOf(Dir1.list(i));
        if (!holdsControlCharacter(name))
            names.push_back(std::move(name));
    }
    auto& services = app().services();
    // The names in memory stay those of the file, which the next Detect New
    // reads.
    if (!common::writeListOrTell(
            services, common::dataFile(services.files, common::kOldModsFile), names,
            "The file keeps the game folders of the detection before, so the next \"Detect "
            "New\" takes every folder missing from that list for a new one."))
        return;
    mDedOldList.clear();
    mDedOldList.addItems(names);
}

} // namespace mods
