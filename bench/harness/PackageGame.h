#pragma once
// A game used before whose baseq3 holds many packages of stored entries, for
// the detection benchmarks, and the floor that a detection over them is
// measured against: a bare loop that reads each entry's 30-byte local header
// and its name, and nothing else.

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/GameDir.h"
#include "support/Packages.h"

namespace benchview {

// The entries of package n; the generator is the same one for every package
// of the folder, so that the names differ from package to package.
using PackageEntries = std::function<std::vector<testsupport::StoredEntry>(int n, std::mt19937&)>;

class PackageGame {
  public:
    // `count` packages named pack0.pk3 and on, filled by `entries`, in the
    // baseq3 of a game whose data folder holds a used game's files.
    PackageGame(int count, const PackageEntries& entries);

    std::string path() const { return dir_.path(); }
    const testsupport::GameDir& dir() const { return dir_; }
    // The full paths of the packages.
    const std::vector<std::string>& packages() const { return packages_; }

    // Reads every entry's local header and then its name, with one
    // positioned read each, as the floor of a detection; returns the number
    // of entries.
    long headerWalk() const;

  private:
    testsupport::GameDir dir_;
    std::vector<std::string> packages_;
};

// Entries as a package of add-on content holds them: textures, shaders,
// sounds and models with small made-up data, `fillers` of them, named
// after the package.
std::vector<testsupport::StoredEntry> fillerEntries(int package, int fillers, std::mt19937& rng);

// A name of `length` letters of either case, as add-on authors name their
// maps and bots.
std::string randomName(std::mt19937& rng, int length);

} // namespace benchview
