#pragma once
// The detection the map window and the bot window share: a walk over the
// packages of baseq3 that adds what each package holds to a list, and the
// snapshot of the packages it leaves for the next Detect New.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ProgressBar.h"
#include "ui/ListBox.h"

namespace ui {
class Application;
}

namespace content {

// The entries a package is known to hold, by its file name alone; none for
// a package the table does not know.
using KnownPackages = std::optional<std::vector<std::string>> (*)(std::string_view fileName);

// Walks `packages` (the listing of `folder`), passing over every package
// that `skipped` names: a package `known` knows adds its entries to `list`,
// every other one goes through the scanner (a failing scan is passed over).
// The bar moves before each package.
void detectPackages(ui::Application& app, const ui::DirListBox& folder,
                    const ui::FileListBox& packages, common::ProgressBar bar,
                    const ui::ListBox* skipped, KnownPackages known, ui::ListBox& list);

// The packages as they are now into `snapshot` and into the data file
// `file`; when that write fails the user is told, with `consequence`.
void rememberPackages(ui::Application& app, const ui::FileListBox& packages, ui::ListBox& snapshot,
                      const char* file, const std::string& consequence);

} // namespace content
