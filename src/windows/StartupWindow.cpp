#include "windows/StartupWindow.h"

#include <filesystem>

#include "data/DataFolder.h"
#include "data/NumberText.h"
#include "data/WriteFailure.h"
#include "ui/Application.h"
#include "ui/Errors.h"
#include "windows/ArtworkStore.h"
#include "windows/FirstRunDetection.h"
#include "windows/HelpWindow.h"
#include "windows/HoverPair.h"
#include "windows/MainWindow.h"
#include "windows/ProgressBar.h"

namespace windows {

namespace {
constexpr const char* kRootMessage = "Please copy Torvel Arvenix Pro into your Quake3-directory.";

// The first run is done. A marker that cannot be written brings the
// first-run window back at the next start; the user is told so.
void writeMarker(platform::Services& services) {
    data::writeLinesOrTell(services, data::dataFile(services.files, data::kMarkerFile), {"1"},
                           "The first-run window will show again at the next start.");
}
} // namespace

std::string StartupWindow::firstRunText() {
    return "This is the first time you are using" + std::string(11, ' ') + "Torvel Arvenix Pro." +
           std::string(8, ' ') +
           "The programme will now browse through your Quake 3 files to detect installed Maps, "
           "Mods, Bots. Cancel by clicking on the [X]-symbol.";
}

bool StartupWindow::isFileSystemRoot(const std::string& folder) {
    if (folder.empty())
        return true;
    const std::filesystem::path p(folder);
    return p == p.root_path() || p.relative_path().empty();
}

StartupWindow::StartupWindow(ui::Application& app)
    : ui::Window(app, "startup", kDesignCaption, 4680, 3495) {
    setBorderStyle(ui::BorderStyle::FixedDialog);
    setShowInTaskbar(false);

    background.place(0, 0, 4680, 3495);
    packageFolder.place(0, 0, 1215, 390);
    packageFolder.setVisible(false);
    packageFiles.place(0, 480, 1215, 390);
    packageFiles.setVisible(false);
    packageFiles.setPattern("*.pk3");

    // Left-aligned and narrow enough that the run of blanks after "using"
    // breaks the line, so the product name starts the next one whole.
    firstRunNotice.place(877, 360, 2925, 1815);
    firstRunNotice.setCaption(firstRunText());

    detectionPanel.place(360, 360, 3960, 1815);
    detectionPanel.setVisible(false);
    // Its width makes the runs of blanks set "WARNING:" on a line of its own.
    detectionWarning.place(480, 240, 3000, 855);
    detectionWarning.setCaption(
        std::string(29, ' ') + "WARNING:" + std::string(27, ' ') +
        "This procedure may take a few moments. Please don't try to cancel now.");
    windows::ProgressBar(progressTrack, progressFill, progressPercent).place(292, 1200, 3375, 55);
    progressFrame.place(292, 1200, 3375, 255);
    progressFrame.setForeColor(ui::kWhite);

    acceptButtonPlain.place(1620, 2520, 1440, 780);
    acceptButtonLit.place(1620, 2520, 1440, 780);
    acceptButtonLit.setVisible(false);

    windows::HoverPair(acceptButtonPlain, acceptButtonLit).bind({&background});
    acceptButtonLit.onClick = [this] { startDetectionClicked(); };
}

void StartupWindow::closeByProgram() {
    setCaption(kClosingCaption);
    closingByProgram_ = true;
    unload();
}

void StartupWindow::onDesignRestored() {
    closingByProgram_ = false;
}

void StartupWindow::onLoad() {
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
    MainWindow& main = app().get<MainWindow>();
    main.createDataFolder();
    // A write that a crash cut short leaves its temporary file behind.
    services.files.removeLeftoverTemporaries(data::dataFolder(services.files),
                                             {data::kDataFilePattern, data::kMapListPattern});
    // 3. Any failure from here on leads to the first-run window.
    bool firstRun = true;
    try {
        packageFolder.setPath(platform::joinPath(wd, "baseq3"));
        packageFiles.setPath(packageFolder.path());
        const auto lines =
            services.files.readLines(data::dataFile(services.files, data::kMarkerFile));
        if (lines && !lines->empty())
            firstRun = data::trimmed(lines->front()) == "0";
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
    background.setPicture(app().get<HelpWindow>().background.picture());
    ArtworkStore& store = app().get<ArtworkStore>();
    windows::HoverPair(acceptButtonPlain, acceptButtonLit)
        .takePictures(store.acceptPlain, store.acceptLit);
}

void StartupWindow::onUnload(bool& cancel) {
    (void)cancel;
    if (closingByProgram_)
        return;
    // The user closed the first-run window: the first run counts as done.
    writeMarker(app().services());
    app().get<MainWindow>().show();
}

void StartupWindow::startDetectionClicked() {
    // The marker is written only when the detection got as far as the
    // packages: otherwise the next start offers it again.
    if (windows::firstRunDetection(*this)) {
        writeMarker(app().services());
    }
    app().get<MainWindow>().show();
    closeByProgram();
}

} // namespace windows
