#pragma once
// The package scanner: reads one package of baseq3 and finds every map and
// bot character it holds for the catalogues. The caller chooses what it
// looks for by the scan mode that it sets in the artwork store.

#include <string>

#include "packages/PackageRules.h"

namespace ui {
class Application;
}

namespace windows {

// Scans the package at `path` under the artwork store's scan mode and adds
// what it holds to the end of `finds`. A package that cannot be opened adds
// nothing. A detection gathers the finds of all its packages this way and
// adds them to the lists at its end (addFinds).
void scanPackage(ui::Application& app, const std::string& path, packages::PackageFinds& finds);

// Adds what a detection found: maps to the main window's map list, bots to the
// roster, each at its sorted place, as adding them one by one
// in the order found puts them. Each list changes once, and only when
// there is something to add.
void addFinds(ui::Application& app, const packages::PackageFinds& finds);

} // namespace windows
