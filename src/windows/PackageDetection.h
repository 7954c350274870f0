#pragma once
// The detection the map window and the bot window share: a walk over the
// packages of baseq3 that adds what each package holds to a list, and the
// snapshot of the packages it leaves for the next Detect New (written by
// data::storeSnapshot, as the mod detection's snapshot is).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "packages/PackageRules.h"
#include "ui/ListBox.h"
#include "windows/ProgressBar.h"

namespace ui {
class Application;
}

namespace windows {

// The warning of a Detect All page and the note of a Detect New page;
// their blanks lay them out in lines. things: "Map" or "Bot".
std::string detectAllText(const std::string& things);
std::string detectNewText(const std::string& things);

// The entries a package is known to hold, by its file name alone; none for
// a package the table does not know.
using KnownPackages = std::optional<std::vector<std::string>> (*)(std::string_view fileName);

// Walks `packages` (the listing of `folder`), passing over every package
// that `skipped` names: a package `known` knows adds its entries to the
// finds named by `knownInto` (maps or bots), every other one goes through
// the scanner (a failing scan is passed over). The bar moves before each
// package. What the walk found goes to the lists at its end, in the order
// found (addFinds), so that each list changes once.
void detectPackages(ui::Application& app, const ui::DirListBox& folder,
                    const ui::FileListBox& packages, windows::ProgressBar bar,
                    const ui::ListBox* skipped, KnownPackages known,
                    std::vector<std::string> packages::PackageFinds::*knownInto);

// What the next Detect New does when the packages of a detection could not
// be remembered: the snapshot file still holds those of the detection before.
inline constexpr const char* kPackagesNotRemembered =
    "The packages of this detection are not remembered: the next \"Detect New\" takes every "
    "package that was not there at the detection before this one for a new one.";

// True when the folder that `packages` lists can still be read. Otherwise
// the user is told, with `unchanged`, and no detection may run: it would
// find nothing and empty the list and the snapshot.
bool packageFolderReadable(ui::Application& app, const ui::FileListBox& packages,
                           const std::string& unchanged);

// The packages as they are now into `snapshot` and into the data file
// `file`; when that write fails the user is told. Called only once the list
// that the detection filled has been saved, so that the next Detect New
// never skips a package whose finds were lost.
void storePackageSnapshot(ui::Application& app, const ui::FileListBox& packages,
                          ui::ListBox& snapshot, const char* file);

} // namespace windows
