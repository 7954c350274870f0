#pragma once
// The mod window: grows the mod list by one mod entered by hand, or by
// detecting mods in the sub-folders of the game directory, all of them or
// those that are new since the last detection. It owns the writers of
// mods.tvd that rebuild the main window's mod list after every change, and
// the snapshot of the game directory's folders (oldmods.tvd) that the next
// Detect New compares against.
//
// The detection runs inside the click on a Detect button, or inside the
// first-run pass on the loaded but hidden window (then always Detect All,
// as the Detect New panel is hidden); its steps are in ModWindowDetect.cpp.
// The window has no strip pictures of its own: its tabs show the map
// window's.

#include <string>
#include <unordered_map>
#include <vector>

#include "data/DetectedMod.h"
#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"
#include "windows/ModFields.h"
#include "windows/ProgressBar.h"

namespace windows {

class ModWindow : public ui::Window {
  public:
    explicit ModWindow(ui::Application& app);

    // ---- public procedures ------------------------------------------------
    // Removes adjacent equal entries from the main window's mod list.
    void removeNeighbourDuplicates();
    // Detects the mods of the game directory (Detect New while the Detect
    // New panel is shown, else Detect All), rewrites mods.tvd and, once that
    // is written, the snapshot. Folders that cannot be listed, or whose mod
    // would take the record of another folder's mod, are left out and named
    // to the user. False when it stopped on a record it could not write
    // (the user has been told).
    bool detectMods();
    // The game directory's folders into oldmods.tvd and, once written, into
    // folderSnapshot.
    void rememberGameFolders();
    // Writes the record of the typed mod and lists it.
    void addTypedMod();
    // mods.tvd from the mod list with the typed name added; closes the window.
    void listTypedModAndSave();
    // mods.tvd from the mod list as it stands; closes the window. False when
    // mods.tvd could not be written (the list on screen is kept all the same).
    bool saveModList();

    // ---- controls, in stacking order --------------------------------------
    // The tab strip: three transparent labels on the strip picture.
    ui::PictureBox strip{*this, "Picture2"};
    ui::Label addByNameTab{*this, "Label7", &strip};  // add by hand
    ui::Label detectAllTab{*this, "Label8", &strip};  // Detect All
    ui::Label detectNewTab{*this, "Label12", &strip}; // Detect New

    // Page 1: add a mod by hand.
    ui::PictureBox addByNamePage{*this, "mSingle"};
    ui::Image addByNameBackground{*this, "Image1", &addByNamePage}; // page background
    ModFields fields{*this, &addByNamePage};
    ui::Image addButtonPlain{*this, "Image2", &addByNamePage}; // accept, plain
    ui::Image addButtonLit{*this, "Image3", &addByNamePage};   // accept, lit

    // Page 2: detection.
    ui::PictureBox detectionPage{*this, "mDedAll"};
    ui::Image detectionBackground{*this, "Image6", &detectionPage}; // page background
    ui::DirListBox gameFolders{*this, "Dir1", &detectionPage};
    ui::Label detectionTitle{*this, "txt_AllNew", &detectionPage};
    ui::Label detectedCaption{*this, "cpt_Detected", &detectionPage};
    ui::Label detectedCount{*this, "txt_detected", &detectionPage};
    ui::Label remainingCaption{*this, "cpt_remaining", &detectionPage};
    ui::Label remainingCount{*this, "txt_remaining", &detectionPage};
    ui::Label detectingStatus{*this, "txt_detecting", &detectionPage};
    ui::Label progressTrack{*this, "status1b", &detectionPage};      // track
    ui::Label progressFill{*this, "status2b", &detectionPage};       // fill
    ui::Label progressPercent{*this, "status3b", &detectionPage};    // percentage
    ui::Label detectAllNotice{*this, "Label13", &detectionPage};     // Detect All notice
    ui::Image detectAllButtonPlain{*this, "Image4", &detectionPage}; // Detect All, plain
    ui::Image detectAllButtonLit{*this, "Image5", &detectionPage};   // Detect All, lit

    // Over the lower part of page 2 in Detect New mode.
    ui::PictureBox detectNewPanel{*this, "mDedNew"};
    ui::Image detectNewBackground{*this, "Image9",
                                  &detectNewPanel}; // the page background's lower part
    ui::Label detectNewNotice{*this, "Label21", &detectNewPanel};     // Detect New notice
    ui::Image detectNewButtonPlain{*this, "Image7", &detectNewPanel}; // Detect New, plain
    ui::Image detectNewButtonLit{*this, "Image8", &detectNewPanel};   // Detect New, lit

    // The folder names of the last detection.
    ui::ListBox folderSnapshot{*this, "mDedOldList", false};

  protected:
    void onLoad() override;

  private:
    void design();
    void designDetectionPage();
    void bindHandlers();

    void addByNameTabClicked();
    void detectAllTabClicked();
    void detectNewTabClicked();
    void detectAllClicked();
    void detectNewClicked();

    // Writes mods.tvd as `line` and rebuilds the mod list from it, then
    // closes the window; see saveModList. A failed write tells the user,
    // with `consequence`.
    bool rebuildModList(const std::string& line, const std::string& consequence);

    // ---- mod detection, step by step ----------------------------------------
    enum class DetectionMode { All, New };
    struct DetectionRun {
        DetectionMode mode;
        data::FolderSnapshot lastFolders;      // Detect New passes over these
        int folderCount;                       // entries of gameFolders
        std::vector<std::string> unusable{};   // folders left out, named at the end
        std::vector<std::string> sameRecord{}; // left out: another folder's record
        bool stopped = false;                  // a record could not be written
        // The record names of the listed mods, lower-cased as record files
        // are matched: the exact name, and whether a folder of this run
        // took it.
        struct RecordName {
            std::string name;
            bool takenInThisRun;
        };
        std::unordered_map<std::string, RecordName> recordNames{};
    };
    // Reads the mode, empties the mod list in Detect All, notes the record
    // names of the mods it lists and shows the status.
    DetectionRun startDetection();
    // One folder: the snapshot check, the progress, its mod, its record.
    void detectFolder(DetectionRun& run, int index);
    // True when the mod's record would be the record of another folder's
    // mod: one of this run, or a listed mod whose name differs from it in
    // letter case only.
    static bool recordNameTaken(const DetectionRun& run, const data::DetectedMod& mod);
    // Detect All only: the base game's records after the folders.
    void addBaseGameRecords(DetectionRun& run);
    // The two counts after one more record.
    void countDetected(const DetectionRun& run);
    // Writes the mod's record and lists it; false (the user told) when the
    // record could not be written.
    bool addDetectedMod(const data::DetectedMod& mod);
    // mods.tvd, the folders left out, the closing status and the snapshot.
    bool reportDetection(const DetectionRun& run);
    // Names the folders left out, in one message.
    void reportLeftOutFolders(const DetectionRun& run);
    windows::ProgressBar progress() { return {progressTrack, progressFill, progressPercent}; }
};

} // namespace windows
