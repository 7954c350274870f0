#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "platform/Encoding.h"
#include "platform/RegularFile.h"
#include "platform/TextCase.h"

namespace fs = std::filesystem;

namespace platform {

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

namespace {

// A path split at its last separator: the folder before it ("/" for a
// name at the root, empty without a separator) and the name after it.
struct FolderAndName {
    std::string folder;
    std::string name;
};

FolderAndName splitPath(const std::string& path) {
    const auto cut = path.find_last_of('/');
    if (cut == std::string::npos)
        return {{}, path};
    return {path.substr(0, cut == 0 ? 1 : cut), path.substr(cut + 1)};
}

} // namespace

struct RealFileSystem::Batch {
    PendingFolderSyncs syncs;
    // Per folder: its names by their nameKey(); the first of names with the
    // same key stands for them, as in resolve().
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> listings;
};

RealFileSystem::RealFileSystem(std::string workingDirectory)
    : workingDirectory_(std::move(workingDirectory)) {}

RealFileSystem::~RealFileSystem() {
    if (batch_)
        batch_->syncs.sync();
}

std::string RealFileSystem::workingDirectory() const {
    if (!workingDirectory_.empty())
        return workingDirectory_;
    std::error_code ec;
    auto cwd = fs::current_path(ec);
    return ec ? std::string{} : cwd.string();
}

std::string RealFileSystem::resolve(const std::string& path) {
    std::error_code ec;
    const fs::path p(path);
    if (path.empty() || fs::exists(fs::symlink_status(p, ec)))
        return path;
    fs::path result = p.root_path();
    const fs::path rel = p.relative_path();
    for (auto it = rel.begin(); it != rel.end(); ++it) {
        const fs::path exact = result / *it;
        if (fs::exists(fs::symlink_status(exact, ec)) || *it == "." || *it == "..") {
            result = exact;
            continue;
        }
        bool found = false;
        for (fs::directory_iterator d(result.empty() ? fs::path(".") : result, ec), end;
             !ec && d != end; d.increment(ec)) {
            const auto name = d->path().filename().string();
            if (namesMatchIgnoringCase(name, it->string())) {
                result /= name;
                found = true;
                break;
            }
        }
        if (!found) {
            // Nothing matches: keep the rest as given.
            for (; it != rel.end(); ++it)
                result /= *it;
            break;
        }
    }
    return result.string();
}

void RealFileSystem::beginBatch() {
    if (batchDepth_++ == 0)
        batch_ = std::make_unique<Batch>();
}

void RealFileSystem::endBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0)
        return;
    batch_->syncs.sync();
    batch_.reset();
}

const std::unordered_map<std::string, std::string>&
RealFileSystem::namesIn(const std::string& folder, bool again) const {
    const auto [at, made] = batch_->listings.try_emplace(folder);
    if (made || again) {
        at->second.clear();
        std::error_code ec;
        for (fs::directory_iterator d(folder, ec), end; !ec && d != end; d.increment(ec)) {
            std::string name = d->path().filename().string();
            at->second.try_emplace(nameKey(name), std::move(name));
        }
    }
    return at->second;
}

std::string RealFileSystem::resolveInBatch(const std::string& path) const {
    // The exact name first.
    struct stat st {};
    if (path.empty() || ::lstat(path.c_str(), &st) == 0)
        return path;
    if (!batch_)
        return resolve(path);
    const auto [parent, name] = splitPath(path);
    if (parent.empty() || parent == "/" || name.empty() || name == "." || name == "..")
        return resolve(path);
    const std::string folder = resolveInBatch(parent);
    const std::string key = nameKey(name);
    // A name from the listing may have been renamed or removed since it was
    // made: it is taken when it is still there, and the folder is listed
    // anew when it is not. A name missing from the listing is a new file.
    for (const bool again : {false, true}) {
        const auto& names = namesIn(folder, again);
        const auto found = names.find(key);
        if (found == names.end())
            break;
        std::string listed = joinPath(folder, found->second);
        if (::lstat(listed.c_str(), &st) == 0)
            return listed;
    }
    return joinPath(folder, name);
}

std::optional<std::vector<std::string>> RealFileSystem::readLines(const std::string& path) const {
    const auto bytes = readRegularFile(resolveInBatch(path));
    if (!bytes)
        return std::nullopt;
    return splitLines(*bytes);
}

namespace {
WriteResult failedWith(int error) {
    return WriteResult::failed(std::generic_category().message(error));
}
} // namespace

WriteResult RealFileSystem::writeLines(const std::string& path,
                                       const std::vector<std::string>& lines) {
    // A line break inside a value would make two lines of it, and every
    // line after it would be read as the wrong value.
    for (const auto& line : lines) {
        if (line.find_first_of("\r\n") != std::string::npos)
            return WriteResult::failed("a value to be written holds a line break");
    }
    const std::string target = resolveInBatch(path);
    const auto [folder, name] = splitPath(target);
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return failedWith(EISDIR);
    if (!folder.empty() && (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)))
        return failedWith(ENOENT);
    std::string data;
    // A first line that begins with the character U+FEFF would read back
    // without it, taken for a byte-order mark; a mark in front keeps it.
    if (!lines.empty() && lines.front().starts_with("\xEF\xBB\xBF"))
        data = "\xEF\xBB\xBF";
    for (const auto& line : lines) {
        data += line;
        data += "\r\n";
    }
    const int error = replaceFile(target, data, batch_ ? &batch_->syncs : nullptr);
    if (error != 0)
        return failedWith(error);
    // A new file joins its folder's listing.
    if (batch_) {
        if (const auto listing = batch_->listings.find(folder); listing != batch_->listings.end())
            listing->second.try_emplace(nameKey(name), name);
    }
    return WriteResult::done();
}

void RealFileSystem::removeLeftoverTemporaries(const std::string& folder,
                                               const std::vector<std::string>& ownFiles) {
    platform::removeLeftoverTemporaries(resolve(folder), ownFiles);
}

std::optional<std::vector<std::uint8_t>> RealFileSystem::readBinary(const std::string& path) const {
    const auto bytes = readRegularFile(resolve(path));
    if (!bytes)
        return std::nullopt;
    return std::vector<std::uint8_t>(bytes->begin(), bytes->end());
}

std::unique_ptr<std::istream> RealFileSystem::openBinary(const std::string& path) const {
    return openRegularFile(resolve(path));
}

bool RealFileSystem::createDirectory(const std::string& path) {
    std::error_code ec;
    const std::string real = resolveInBatch(path);
    if (fs::is_directory(real, ec))
        return true;
    fs::create_directory(real, ec);
    // The batch lists the parent folder again when it needs it.
    if (batch_)
        batch_->listings.erase(splitPath(real).folder);
    return !ec && fs::is_directory(real, ec);
}

bool RealFileSystem::removeFile(const std::string& path) {
    std::error_code ec;
    const std::string real = resolveInBatch(path);
    if (batch_)
        batch_->listings.erase(splitPath(real).folder);
    if (!fs::is_regular_file(fs::symlink_status(real, ec)) && !fs::is_symlink(real, ec))
        return false;
    // A folder that nobody may write keeps its files, also for the
    // superuser, whom the system would let delete them.
    struct stat folder {};
    const fs::path parent = fs::path(real).parent_path();
    if (::geteuid() == 0 && ::stat(parent.empty() ? "." : parent.c_str(), &folder) == 0 &&
        (folder.st_mode & 0222) == 0)
        return false;
    return fs::remove(real, ec) && !ec;
}

namespace {
std::optional<std::vector<ListedName>> listEntries(const std::string& folder, bool wantFolders,
                                                   const std::string& pattern) {
    std::error_code ec;
    const std::string real = RealFileSystem::resolve(folder);
    if (!fs::is_directory(real, ec))
        return std::nullopt;
    std::vector<ListedName> names;
    for (fs::directory_iterator it(real, ec), end; it != end; it.increment(ec)) {
        if (ec)
            return std::nullopt;
        std::error_code typeEc;
        const bool isDir = it->is_directory(typeEc);
        if (isDir != wantFolders)
            continue;
        if (!wantFolders && !it->is_regular_file(typeEc))
            continue;
        std::string name = it->path().filename().string();
        if (!wantFolders && !matchesPattern(name, pattern))
            continue;
        names.push_back({decodeText(name), std::move(name)});
    }
    if (ec)
        return std::nullopt;
    std::sort(names.begin(), names.end(), [](const ListedName& a, const ListedName& b) {
        return sortsBefore(a.shown, b.shown);
    });
    return names;
}
} // namespace

std::optional<std::vector<ListedName>> RealFileSystem::listFiles(const std::string& folder,
                                                                 const std::string& pattern) const {
    return listEntries(folder, false, pattern);
}

std::optional<std::vector<ListedName>>
RealFileSystem::listFolders(const std::string& folder) const {
    return listEntries(folder, true, {});
}

std::unique_ptr<std::istream> FileSystem::openBinary(const std::string& path) const {
    auto bytes = readBinary(path);
    if (!bytes)
        return nullptr;
    return std::make_unique<std::istringstream>(std::string(bytes->begin(), bytes->end()));
}

} // namespace platform
