#include "windows/PackageDetection.h"

#include <exception>
#include <unordered_set>

#include "data/ListFiles.h"
#include "data/SlashList.h"
#include "platform/FileSystem.h"
#include "ui/Application.h"
#include "windows/PackageScanner.h"

namespace windows {

std::string detectAllText(const std::string& things) {
    return std::string(31, ' ') + "WARNING:" + std::string(38, ' ') + "\"Detect All\" clears " +
           things + "list! Click to" + std::string(7, ' ') +
           "continue or abort by clicking on the [X] symbol.";
}

std::string detectNewText(const std::string& things) {
    return std::string(31, ' ') + "Detect New:" + std::string(51, ' ') + "Adds all " + things +
           "s installed" + std::string(22, ' ') + "since last \"Detect All/New\"-operation.";
}

void detectPackages(ui::Application& app, const ui::DirListBox& folder,
                    const ui::FileListBox& packages, windows::ProgressBar bar,
                    const ui::ListBox* skipped, KnownPackages known,
                    std::vector<std::string> packages::PackageFinds::*knownInto) {
    std::unordered_set<std::string> seen;
    if (skipped != nullptr) {
        for (auto& name : data::entriesOf(*skipped))
            seen.insert(std::move(name));
    }
    packages::PackageFinds finds;
    const int n = packages.listCount();
    for (int i = 0; i < n; ++i) {
        bar.showStep(i, n);
        const std::string file = packages.list(i);
        if (seen.contains(file))
            continue;
        if (const auto entries = known(file)) {
            auto& into = finds.*knownInto;
            into.insert(into.end(), entries->begin(), entries->end());
            continue;
        }
        // A failure with one package, running out of memory included, goes
        // on with the next.
        try {
            scanPackage(app, platform::joinPath(folder.path(), packages.fileNameOnDisk(i)), finds);
        } catch (const std::exception&) {
        }
    }
    addFinds(app, finds);
}

bool packageFolderReadable(ui::Application& app, const ui::FileListBox& packages,
                           const std::string& unchanged) {
    auto& services = app.services();
    // An empty path: the folder could not be listed when the window loaded.
    if (!packages.path().empty() && services.files.listFiles(packages.path(), packages.pattern()))
        return true;
    services.messages.show("Torvel Arvenix Pro can't read the folder " +
                           platform::joinPath(services.files.workingDirectory(), "baseq3") +
                           ", which holds the game's packages. " + unchanged);
    return false;
}

void storePackageSnapshot(ui::Application& app, const ui::FileListBox& packages,
                          ui::ListBox& snapshot, const char* file) {
    data::storeSnapshot(app.services(), data::entriesOf(packages), snapshot, file,
                        kPackagesNotRemembered, data::SnapshotListUpdate::Always);
}

} // namespace windows
