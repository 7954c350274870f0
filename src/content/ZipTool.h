#pragma once
// The package scanner: reads one package of baseq3 and adds every map and
// bot character it holds to the catalogues. The caller chooses what it looks
// for by the scan mode, the caption of the artwork store's hidden label
// `detect`.

#include <string>

#include "content/PackageRules.h"

namespace ui {
class Application;
}

namespace content {

// Scans the package at `path` under the scan mode of gfx.detect: maps go to
// the main window's List1, bots to the roster q3bots.List3, each at its
// sorted place. A package that cannot be opened adds nothing.
void scanpk3(ui::Application& app, const std::string& path);

} // namespace content
