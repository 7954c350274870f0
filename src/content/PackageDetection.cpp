#include "content/PackageDetection.h"

#include <unordered_set>

#include "common/DataFolder.h"
#include "common/SlashList.h"
#include "content/ListFiles.h"
#include "content/ZipTool.h"
#include "platform/FileSystem.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace content {

void detectPackages(ui::Application& app, const ui::DirListBox& folder,
                    const ui::FileListBox& packages, common::ProgressBar bar,
                    const ui::ListBox* skipped, KnownPackages known, ui::ListBox& list) {
    std::unordered_set<std::string> seen;
    if (skipped != nullptr) {
        for (auto& name : common::entriesOf(*skipped))
            seen.insert(std::move(name));
    }
    const int n = packages.listCount();
    for (int i = 0; i < n; ++i) {
        bar.showStep(i, n);
        const std::string file = packages.list(i);
        if (seen.contains(file))
            continue;
        if (const auto entries = known(file)) {
            if (!entries->empty())
                list.addItems(*entries);
            continue;
        }
        ui::skip([&] { scanpk3(app, platform::joinPath(folder.path(), file)); });
    }
}

void rememberPackages(ui::Application& app, const ui::FileListBox& packages, ui::ListBox& snapshot,
                      const char* file, const std::string& consequence) {
    const std::vector<std::string> names = common::entriesOf(packages);
    snapshot.clear();
    snapshot.addItems(names);
    writeListOrTell(app, common::dataFile(app.services().files, file), names, consequence);
}

} // namespace content
