// Mod detection of the mod window, in its steps: the start, one folder (the
// snapshot check of Detect New, the progress, the folder's mod and its
// record), the base-game records of Detect All, and the report (mods.tvd,
// the folders left out, the snapshot for the next Detect New).

#include <string>
#include <vector>

#include "data/DataFolder.h"
#include "data/DetectedMod.h"
#include "data/ListFiles.h"
#include "data/ModRecord.h"
#include "data/NumberText.h"
#include "data/SlashList.h"
#include "data/WriteFailure.h"
#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "platform/TextCase.h"
#include "ui/Application.h"
#include "windows/MainWindow.h"
#include "windows/ModWindow.h"

namespace windows {

namespace {

using data::ModRecord;

// The status once a run is through. The window is closed by then, so the
// user does not see it.
constexpr const char* kDetectionDone = "Done";

// What the next Detect New does when a detection could not leave its
// snapshot of the game folders.
constexpr const char* kSnapshotKept =
    "The list of game folders of the detection before is left as it was, so the next \"Detect "
    "New\" takes every folder missing from that list for a new one.";
constexpr const char* kDetectionStopped =
    "The detection stopped; the mod list keeps the mods detected so far. ";
constexpr const char* kModListNotSaved =
    "The mod list on screen shows the mods detected, but it is not saved. ";
constexpr const char* kSnapshotNotWritten =
    "The file keeps the game folders of the detection before, so the next \"Detect New\" takes "
    "every folder missing from that list for a new one.";
constexpr const char* kUnusableFolders =
    "These folders were not added as mods, as the launcher cannot keep their names in its files: ";
constexpr const char* kSameRecordFolders =
    "These folders were not added as mods, as another folder's mod has their mod's name (letter "
    "case aside) and would share its settings file: ";

// The first character that a message shows as it is.
constexpr unsigned char kFirstPrintable = 0x20U;

// A folder name as a message shows it, in quotes: line breaks and other
// control characters written out, so that the name stays on one line.
std::string quotedVisible(const std::string& name) {
    std::string out = "\"";
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= kFirstPrintable)
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
    return out + "\"";
}

} // namespace

bool ModWindow::detectMods() {
    // The records, the list and the snapshot are synced to disk once, at
    // the end.
    const platform::WriteBatch batch(app().services().files);
    DetectionRun run = startDetection();
    for (int i = 0; i < run.folderCount && !run.stopped; ++i)
        detectFolder(run, i);
    if (run.mode == DetectionMode::All)
        addBaseGameRecords(run);
    return reportDetection(run);
}

ModWindow::DetectionRun ModWindow::startDetection() {
    const DetectionMode mode = detectNewPanel.visible() ? DetectionMode::New : DetectionMode::All;
    if (mode == DetectionMode::All)
        app().get<windows::MainWindow>().modList.clear();
    detectingStatus.setVisible(true);
    DetectionRun run{mode, data::FolderSnapshot(data::entriesOf(folderSnapshot)),
                     gameFolders.listCount()};
    for (std::string& name : data::entriesOf(app().get<windows::MainWindow>().modList)) {
        std::string key = platform::toLower(name);
        run.recordNames.try_emplace(std::move(key),
                                    DetectionRun::RecordName{std::move(name), false});
    }
    return run;
}

void ModWindow::detectFolder(DetectionRun& run, int index) {
    const std::string folder = data::folderNameOf(gameFolders.list(index));
    // The snapshot check: every folder of the last detection is passed
    // over, wherever it stands in the listing, and its record keeps its
    // settings. The bar does not move for it.
    if (run.mode == DetectionMode::New && run.lastFolders.contains(folder))
        return;
    progress().showStep(index, run.folderCount);
    const auto mod = data::detectModFolder(folder);
    if (!mod)
        return; // a folder that is never a mod
    // A record could not name a folder whose name is not text.
    if (!data::canBeListed(app().services().files, folder, *mod) ||
        !platform::isValidUtf8(gameFolders.folderNameOnDisk(index))) {
        run.unusable.push_back(folder);
        return;
    }
    // Records are matched ignoring case: a second folder's mod of the same
    // name would take over the first one's record.
    if (recordNameTaken(run, *mod)) {
        run.sameRecord.push_back(folder);
        return;
    }
    countDetected(run);
    run.stopped = !addDetectedMod(*mod);
    if (!run.stopped)
        run.recordNames.insert_or_assign(platform::toLower(mod->displayName),
                                         DetectionRun::RecordName{mod->displayName, true});
}

bool ModWindow::recordNameTaken(const DetectionRun& run, const data::DetectedMod& mod) {
    const auto it = run.recordNames.find(platform::toLower(mod.displayName));
    if (it == run.recordNames.end())
        return false;
    // A listed mod of exactly this name counts as this folder's, found
    // again: its record is written anew.
    return it->second.takenInThisRun || it->second.name != mod.displayName;
}

void ModWindow::addBaseGameRecords(DetectionRun& run) {
    for (const data::DetectedMod& mod : data::baseGameMods()) {
        if (run.stopped)
            return;
        countDetected(run);
        run.stopped = !addDetectedMod(mod);
    }
}

void ModWindow::countDetected(const DetectionRun& run) {
    const long long detected = data::leadingNumber(detectedCount.caption()) + 1;
    detectedCount.setCaption(data::plainNumber(detected));
    remainingCount.setCaption(data::plainNumber(data::remainingCount(run.folderCount, detected)));
}

bool ModWindow::addDetectedMod(const data::DetectedMod& mod) {
    auto& services = app().services();
    auto& fs = services.files;
    if (!data::tellIfFailed(services, ModRecord::pathText(fs, mod.displayName),
                            mod.record.write(fs, mod.displayName),
                            std::string(kDetectionStopped) + kSnapshotKept))
        return false;
    app().get<windows::MainWindow>().modList.addItem(mod.displayName);
    return true;
}

bool ModWindow::reportDetection(const DetectionRun& run) {
    // The snapshot follows the list file only: mods that did not reach it
    // are found again by the next Detect New.
    const bool listed = saveModList();
    reportLeftOutFolders(run);
    if (run.stopped)
        return false;
    // saveModList closed the window: this loads it again, hidden.
    detectingStatus.setCaption(kDetectionDone);
    if (listed)
        rememberGameFolders();
    return true;
}

void ModWindow::reportLeftOutFolders(const DetectionRun& run) {
    std::string text;
    const auto name = [&text](const char* why, const std::vector<std::string>& folders) {
        if (folders.empty())
            return;
        std::string names;
        for (const auto& f : folders)
            names += (names.empty() ? "" : ", ") + quotedVisible(f);
        text += (text.empty() ? "" : " ") + (why + names) + ".";
    };
    name(kUnusableFolders, run.unusable);
    name(kSameRecordFolders, run.sameRecord);
    if (!text.empty())
        app().services().messages.show(text);
}

bool ModWindow::saveModList() {
    return rebuildModList(
        data::slashListLine(data::entriesOf(app().get<windows::MainWindow>().modList)),
        std::string(kModListNotSaved) + kSnapshotKept);
}

void ModWindow::rememberGameFolders() {
    std::vector<std::string> names;
    const int n = gameFolders.listCount();
    for (int i = 0; i < n; ++i) {
        // A name with a line break would split the snapshot; such a folder
        // is never a mod.
        std::string name = data::folderNameOf(gameFolders.list(i));
        if (!data::holdsControlCharacter(name))
            names.push_back(std::move(name));
    }
    // The names in memory stay those of the file, which the next Detect New
    // reads.
    data::storeSnapshot(app().services(), names, folderSnapshot, data::kOldModsFile,
                        kSnapshotNotWritten, data::SnapshotListUpdate::OnceWritten);
}

} // namespace windows
