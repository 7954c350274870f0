#include "platform/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/TextCase.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

constexpr std::string_view kTemporaryPrefix = ".tvd~";
constexpr std::size_t kRandomLength = 6; // the XXXXXX of mkstemp

bool isRandomPart(std::string_view s) {
    if (s.size() != kRandomLength)
        return false;
    for (const char c : s) {
        const bool alnum =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alnum)
            return false;
    }
    return true;
}

// The file a path names once symbolic links are followed (also a link that
// points nowhere yet); the path itself when the links go round in circles.
std::string followLinks(const std::string& file) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return file;
    fs::path path(file);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            break;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path.string();
}

bool mayWrite(const std::string& path, const struct stat& st) {
    // The superuser may write anything; a file that nobody may write is
    // still left alone.
    if (::geteuid() == 0)
        return (st.st_mode & 0222) != 0;
    return ::access(path.c_str(), W_OK) == 0;
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::string folderOf(const std::string& file) {
    const auto cut = file.find_last_of('/');
    if (cut == std::string::npos)
        return ".";
    return file.substr(0, cut == 0 ? 1 : cut);
}

// Whether the file open at `fd` is still the one at `path`.
bool stillNamed(int fd, const std::string& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           named.st_ino == held.st_ino && named.st_dev == held.st_dev;
}

// A new temporary file beside `folder`'s files, open and locked; its name is
// left in `temp`. A sweep takes a temporary file that nobody holds, which a
// new one is in the moment between its creation and its lock; a sweep
// unlinks a file only while it holds the lock itself, so a file that is
// still at its name once locked here is safe from every sweep. Returns the
// descriptor, or -1 with errno set.
int newLockedTemporary(const std::string& folder, std::string& temp) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temp = folder + "/" + std::string(kTemporaryPrefix) + "XXXXXX";
        const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        // A file system without locks still gets its write.
        while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
        }
        if (stillNamed(fd, temp))
            return fd;
        ::close(fd); // taken by a sweep: its name is gone or another's
    }
    errno = ENOENT;
    return -1;
}

// The name of the file that an earlier version's temporary file stands for
// ("." + the file's name + "." + XXXXXX), or empty.
std::string_view olderTemporaryOf(std::string_view name) {
    if (name.size() < kRandomLength + 3 || !isRandomPart(name.substr(name.size() - kRandomLength)))
        return {};
    const std::string_view stem = name.substr(0, name.size() - kRandomLength);
    if (!stem.starts_with('.') || !stem.ends_with('.'))
        return {};
    return stem.substr(1, stem.size() - 2);
}

// Removes the leftovers in a folder: the temporary files of replaceFile, and
// those of earlier versions for the files that `own` accepts. Only a plain
// file that no write holds, and still the one at its name, is removed; the
// lock is held while it goes.
template <class OwnFile> void sweep(const std::string& folder, const OwnFile& own) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path path = it->path();
        const std::string name = path.filename().string();
        const std::string_view older = olderTemporaryOf(name);
        if (!isTemporaryName(name) && (older.empty() || !own(older)))
            continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat held {};
        if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && stillNamed(fd, path.string()))
            ::unlink(path.c_str());
        ::close(fd);
    }
}

// Whether this process has yet to clear the folder of leftovers; from now on
// it counts as cleared. Leftovers come from writes cut short before the
// process began (a write of its own that fails removes its temporary file),
// so one clean-up of a folder per process is enough. A process made by fork
// begins afresh.
bool notClearedYet(const std::string& folder) {
    static std::mutex guard;
    static pid_t owner = 0;
    static std::set<std::string> cleared;
    const std::lock_guard<std::mutex> lock(guard);
    if (owner != ::getpid()) {
        owner = ::getpid();
        cleared.clear();
    }
    return cleared.insert(folder).second;
}

} // namespace

void PendingFolderSyncs::add(const std::string& folder) {
    if (std::find(folders_.begin(), folders_.end(), folder) == folders_.end())
        folders_.push_back(folder);
}

void PendingFolderSyncs::sync() {
    for (const auto& folder : folders_)
        syncFolder(folder);
    folders_.clear();
}

int replaceFile(const std::string& path, std::string_view data, PendingFolderSyncs* later) {
    const std::string target = followLinks(path);
    const std::string folder = folderOf(target);
    struct stat st {};
    mode_t mode = 0644;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode))
            return EISDIR;
        if (!mayWrite(target, st))
            return EACCES;
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return errno;
    }
    // A folder that nobody may write is left alone too (the system lets
    // the superuser write there).
    struct stat folderStat {};
    if (::geteuid() == 0 && ::stat(folder.c_str(), &folderStat) == 0 &&
        (folderStat.st_mode & 0222) == 0)
        return EACCES;

    // Locked until the rename, so that no clean-up takes the file meanwhile.
    std::string temp;
    const int fd = newLockedTemporary(folder, temp);
    if (fd < 0)
        return errno;
    int error = 0;
    if (!writeAll(fd, data))
        error = errno;
    if (error == 0 && exists && ::geteuid() == 0)
        (void)::fchown(fd, st.st_uid, st.st_gid);
    if (error == 0 && ::fchmod(fd, mode) != 0)
        error = errno;
    // Contents and mode reach the disk before the new name does.
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temp.c_str());
    if (::close(fd) != 0 && error == 0)
        error = errno; // renamed already: the new file stands, but say so
    if (error != 0)
        return error;
    if (later != nullptr)
        later->add(folder);
    else
        syncFolder(folder);
    // A crash in an earlier run may have left its temporary file here.
    if (notClearedYet(folder)) {
        const std::string_view name = std::string_view(target).substr(target.find_last_of('/') + 1);
        sweep(folder, [&](std::string_view file) { return equalsIgnoreCase(file, name); });
    }
    return 0;
}

bool isTemporaryName(std::string_view name) {
    return name.size() == kTemporaryPrefix.size() + kRandomLength &&
           name.starts_with(kTemporaryPrefix) && isRandomPart(name.substr(kTemporaryPrefix.size()));
}

void removeLeftoverTemporaries(const std::string& folder,
                               const std::vector<std::string>& ownFiles) {
    notClearedYet(folder);
    sweep(folder, [&](std::string_view file) {
        return std::any_of(ownFiles.begin(), ownFiles.end(), [&](const std::string& pattern) {
            return matchesPattern(file, pattern);
        });
    });
}

} // namespace platform
