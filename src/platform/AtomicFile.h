#pragma once
// Replacing a data file whole, so that a crash or a full disk never leaves
// half a file: the new contents go to a short temporary name in the same
// folder, which is then renamed over the file. A writer locks its temporary
// file from its creation to the rename, and a clean-up removes only a file
// that it holds locked itself; a writer whose new file a clean-up took
// before the lock makes another. So a temporary file that nobody holds was
// left by a write that never finished, and can go.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Folders whose renames have still to reach the disk: a run of replaceFile
// calls leaves its folders here, and sync() then syncs each one once.
class PendingFolderSyncs {
  public:
    void add(const std::string& folder);
    void sync();

  private:
    std::vector<std::string> folders_;
};

// Replaces the file at `path` with `data`. A symbolic link is followed: the
// file it points to is replaced, beside itself. The file keeps its
// permission bits (and its owner where the system allows); a new file gets
// rw-r--r--. A file or a folder without a write permission bit is refused
// (EACCES), even for the superuser. Returns 0, or the errno value of the
// failure; the old file is then untouched. The new contents are synced
// before the rename; the folder is synced after it, at once, or by
// `later` when given. The first write of a process into a folder also
// clears the folder of the temporary files that crashed writes left there:
// its own kind, and those that earlier versions named "." + the file's
// name + "." + XXXXXX for the file it writes (a tool such as rsync names its
// files in progress that way too, so no other name is taken).
int replaceFile(const std::string& path, std::string_view data,
                PendingFolderSyncs* later = nullptr);

// Whether a file name is one that replaceFile uses for its temporary files.
bool isTemporaryName(std::string_view name);

// Removes the temporary files in a folder that no write holds any more:
// replaceFile's own, and those of earlier versions (".<file name>.XXXXXX")
// for the files that match one of `ownFiles` (patterns such as "*.tvd").
void removeLeftoverTemporaries(const std::string& folder, const std::vector<std::string>& ownFiles);

} // namespace platform
