#include "platform/AtomicFile.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
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
fs::path followLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            return path;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
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

void syncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

int replaceFile(const std::string& path, std::string_view data) {
    const fs::path target = followLinks(path);
    const fs::path folder = target.parent_path();
    struct stat st {};
    mode_t mode = 0644;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode))
            return EISDIR;
        if (!mayWrite(target.string(), st))
            return EACCES;
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return errno;
    }
    // A folder that nobody may write is left alone too (the system lets
    // the superuser write there).
    struct stat folderStat {};
    if (::geteuid() == 0 && ::stat(folder.empty() ? "." : folder.c_str(), &folderStat) == 0 &&
        (folderStat.st_mode & 0222) == 0)
        return EACCES;

    std::string temp = (folder / (std::string(kTemporaryPrefix) + "XXXXXX")).string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    // Held until the rename, so that no clean-up takes the file meanwhile.
    ::flock(fd, LOCK_EX);
    int error = 0;
    if (!writeAll(fd, data) || ::fsync(fd) != 0)
        error = errno;
    if (error == 0 && exists && ::geteuid() == 0)
        (void)::fchown(fd, st.st_uid, st.st_gid);
    if (error == 0 && ::fchmod(fd, mode) != 0)
        error = errno;
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temp.c_str());
    if (::close(fd) != 0 && error == 0)
        error = errno; // renamed already: the new file stands, but say so
    if (error == 0) {
        syncFolder(folder);
        // A crash in an earlier write may have left its temporary file here.
        removeLeftoverTemporaries(folder.empty() ? "." : folder.string());
    }
    return error;
}

bool isTemporaryName(std::string_view name) {
    if (name.size() <= kRandomLength + 1 || !isRandomPart(name.substr(name.size() - kRandomLength)))
        return false;
    const std::string_view stem = name.substr(0, name.size() - kRandomLength);
    if (stem == kTemporaryPrefix)
        return true;
    // Earlier versions: "." + the file's name + "." + XXXXXX, for the data
    // files, the saved map lists and the cycle config.
    if (!stem.starts_with('.') || !stem.ends_with('.'))
        return false;
    const std::string_view file = stem.substr(1, stem.size() - 2);
    for (const std::string_view ext : {".tvd", ".map", ".cfg"}) {
        if (file.size() > ext.size() &&
            equalsIgnoreCase(file.substr(file.size() - ext.size()), ext))
            return true;
    }
    return false;
}

void removeLeftoverTemporaries(const std::string& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path path = it->path();
        if (!isTemporaryName(path.filename().string()))
            continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat held {};
        struct stat named {};
        // Only a plain file that no write holds, and still the one at that
        // name.
        if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 &&
            named.st_ino == held.st_ino && named.st_dev == held.st_dev)
            ::unlink(path.c_str());
        ::close(fd);
    }
}

} // namespace platform
