#include "shell/startup.h"

#include <filesystem>

#include "common/DataFolder.h"
#include "common/HoverPair.h"
#include "common/NumberText.h"
#include "common/ProgressBar.h"
#include "common/WriteFailure.h"
#include "content/FirstRun.h"
#include "shell/Help.h"
#include "shell/Q2M.h"
#include "shell/gfx.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace shell {

namespace {
constexpr const char* kRootMessage = "Please copy Torvel Arvenix Pro into your Quake3-directory.";

// The first run is done. A marker that cannot be written brings the
// first-run window back at the next start; the user is told so.
void writeMarker(platform::Services& services) {
    common::writeLinesOrTell(services, common::dataFile(services.files, common::kMarkerFile), {"1"},
                             "The first-run window will show again at the next start.");
}
} // namespace

std::string startup::firstRunText() {
    return "This is the first time you are using" + std::string(11, ' ') + "Torvel Arvenix Pro." +
           std::string(8, ' ') +
           "The programme will now browse through your Quake 3 files to detect installed Maps, "
           "Mods, Bots. Cancel by clicking on the [X]-symbol.";
}

bool startup::isFileSystemRoot(const std::string& folder) {
    if (folder.empty())
        return true;
    const std::filesystem::path p(folder);
    return p == p.root_path() || p.relative_path().empty();
}

startup::startup(ui::Application& app) : ui::Window(app, "startup", kDesignCaption, 4680, 3495) {
    setBorderStyle(ui::BorderStyle::FixedDialog);
    setShowInTaskbar(false);

    Image1.place(0, 0, 4680, 3495);
    Dir1.place(0, 0, 1215, 390);
    Dir1.setVisible(false);
    File1.place(0, 480, 1215, 390);
    File1.setVisible(false);
    File1.setPattern("*.pk3");

    // Left-aligned and narrow enough that the run of blanks after "using"
    // breaks the line, so the product name starts the next one whole.
    txt_firsttime.place(877, 360, 2925, 1815);
    txt_firsttime.setCaption(firstRunText());

    mDedAll.place(360, 360, 3960, 1815);
    mDedAll.setVisible(false);
    // Its width makes the runs of blanks set "WARNING:" on a line of its own.
    Label5.place(480, 240, 3000, 855);
    Label5.setCaption(std::string(29, ' ') + "WARNING:" + std::string(27, ' ') +
                      "This procedure may take a few moments. Please don't try to cancel now.");
    common::ProgressBar(status1, status2, status3).place(292, 1200, 3375, 55);
    Shape1.place(292, 1200, 3375, 255);
    Shape1.setForeColor(ui::kWhite);

    Image2.place(1620, 2520, 1440, 780);
    Image3.place(1620, 2520, 1440, 780);
    Image3.setVisible(false);

    common::HoverPair(Image2, Image3).bind({&Image1});
    Image3.onClick = [this] { Image3_Click(); };
}

void startup::closeByProgram() {
    setCaption(kClosingCaption);
    unload();
}

void startup::Form_Load() {
    auto& services = app().services();
    const std::string wd = services.files.workingDirectory();
    // 1. Never at the root of a file system: the launcher writes its data
    //    folder into the game directory.
    if (isFileSystemRoot(wd)) {
        services.messages.show(kRootMessage);
        closeByProgram();
        return;
    }
    // 2. The data folder.
    Q2M& main = app().get<Q2M>();
    main.prod1();
    // A write that a crash cut short leaves its temporary file behind.
    services.files.removeLeftoverTemporaries(common::dataFolder(services.files));
    // 3. Any failure from here on leads to the first-run window.
    bool firstRun = true;
    try {
        Dir1.setPath(platform::joinPath(wd, "baseq3"));
        File1.setPath(Dir1.path());
        const auto lines =
            services.files.readLines(common::dataFile(services.files, common::kMarkerFile));
        if (lines && !lines->empty())
            firstRun = common::trimmed(lines->front()) == "0";
    } catch (const ui::RuntimeError&) {
        firstRun = true;
    }
    // 4. The first run is done: hand over to the main window.
    if (!firstRun) {
        main.show();
        closeByProgram();
        return;
    }
    // 6. The first-run window.
    Image1.setPicture(app().get<Help>().Image1.picture());
    gfx& store = app().get<gfx>();
    common::HoverPair(Image2, Image3).takePictures(store.accept0, store.accept1);
}

void startup::Form_Unload(bool& cancel) {
    (void)cancel;
    if (caption() != kDesignCaption)
        return;
    // The user closed the first-run window: the first run counts as done.
    writeMarker(app().services());
    app().get<Q2M>().show();
}

void startup::Image3_Click() {
    // The marker is written only when the detection got as far as the
    // packages: otherwise the next start offers it again.
    if (content::firstRunDetection(*this)) {
        writeMarker(app().services());
    }
    app().get<Q2M>().show();
    closeByProgram();
}

} // namespace shell
