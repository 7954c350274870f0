#pragma once
// Seam: everything the windows do with files. The real implementation works
// on the disk; tests use it on temporary game directories, or wrap it to make
// chosen files fail.
//
// Names are matched without regard to letter case where the exact name is
// missing, each name on disk decoded as text read from a file is (so that
// "Café.tvd" finds a "Caf\xE9.tvd" written on Windows); listings are sorted
// by name without regard to case. Text files are UTF-8 in memory; bytes that
// are not valid UTF-8 are read as Windows-1252, and so are the names in a
// listing, which also keeps each name as it is on disk. Written files end
// every line with CR LF and replace the old file atomically; no line holds a
// line break of its own.

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

// One name of a folder listing: decoded as text read from a file is, for
// display, and as it is on disk, which every operation on it must use.
struct ListedName {
    std::string shown;
    std::string onDisk;
};

// What a write did: the file replaced, or why not, in the platform's words
// ("No space left on device").
struct WriteResult {
    bool written = false;
    std::string reason;

    static WriteResult done() { return {true, {}}; }
    static WriteResult failed(std::string reason) { return {false, std::move(reason)}; }
    explicit operator bool() const { return written; }
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    virtual std::string workingDirectory() const = 0;

    // The lines of a text file, without their line ends; nullopt when the
    // file cannot be opened.
    virtual std::optional<std::vector<std::string>> readLines(const std::string& path) const = 0;
    // Replaces the file with these lines, each ended by CR LF. A failure,
    // also when a line holds CR or LF, leaves the old file untouched.
    virtual WriteResult writeLines(const std::string& path,
                                   const std::vector<std::string>& lines) = 0;
    virtual std::optional<std::vector<std::uint8_t>> readBinary(const std::string& path) const = 0;
    // A file opened for reading bytes from any place in it; null when it
    // cannot be opened or is not a regular file. By default the whole file,
    // read at once.
    virtual std::unique_ptr<std::istream> openBinary(const std::string& path) const;

    // True when the folder exists afterwards.
    virtual bool createDirectory(const std::string& path) = 0;
    virtual bool removeFile(const std::string& path) = 0;

    // Names of the files in a folder that match a pattern such as "*.pk3".
    virtual std::optional<std::vector<ListedName>> listFiles(const std::string& folder,
                                                             const std::string& pattern) const = 0;
    // Names of the sub-folders of a folder.
    virtual std::optional<std::vector<ListedName>> listFolders(const std::string& folder) const = 0;

    // Removes what writes cut short by a crash left in a folder (their
    // temporary files), among those of earlier versions only the ones of the
    // files that match one of `ownFiles` ("*.tvd"); never a file that a
    // write in progress holds.
    virtual void removeLeftoverTemporaries(const std::string& folder,
                                           const std::vector<std::string>& ownFiles) = 0;

    // A run of many writes, such as a detection, between these two calls
    // (through WriteBatch): each file is still replaced whole, but the
    // folders written are synced once, at the end, and a name missing in
    // its exact case is looked for in one listing of its folder, made at
    // the first need and made again when a name found there has gone.
    // Batches nest; the outermost one counts.
    virtual void beginBatch() {}
    virtual void endBatch() {}
};

// Holds a batch of writes open for its lifetime.
class WriteBatch {
  public:
    explicit WriteBatch(FileSystem& files) : files_(files) { files_.beginBatch(); }
    ~WriteBatch() { files_.endBatch(); }
    WriteBatch(const WriteBatch&) = delete;
    WriteBatch& operator=(const WriteBatch&) = delete;

  private:
    FileSystem& files_;
};

// Joins a folder and a name with the native separator.
std::string joinPath(const std::string& folder, const std::string& name);

class RealFileSystem : public FileSystem {
  public:
    // workingDirectory empty: the process's current directory.
    explicit RealFileSystem(std::string workingDirectory = {});
    ~RealFileSystem() override;
    RealFileSystem(const RealFileSystem&) = delete;
    RealFileSystem& operator=(const RealFileSystem&) = delete;

    std::string workingDirectory() const override;
    std::optional<std::vector<std::string>> readLines(const std::string& path) const override;
    WriteResult writeLines(const std::string& path, const std::vector<std::string>& lines) override;
    std::optional<std::vector<std::uint8_t>> readBinary(const std::string& path) const override;
    std::unique_ptr<std::istream> openBinary(const std::string& path) const override;
    bool createDirectory(const std::string& path) override;
    bool removeFile(const std::string& path) override;
    std::optional<std::vector<ListedName>> listFiles(const std::string& folder,
                                                     const std::string& pattern) const override;
    std::optional<std::vector<ListedName>> listFolders(const std::string& folder) const override;
    void removeLeftoverTemporaries(const std::string& folder,
                                   const std::vector<std::string>& ownFiles) override;
    void beginBatch() override;
    void endBatch() override;

    // The existing path that `path` names when letter case is ignored, or
    // `path` itself (with its folder resolved) when nothing matches.
    static std::string resolve(const std::string& path);

  private:
    struct Batch;

    // resolve(), through the batch's listings while a batch is open.
    std::string resolveInBatch(const std::string& path) const;
    // The open batch's listing of a folder by nameKey(), made at its first
    // use, or `again`.
    const std::unordered_map<std::string, std::string>& namesIn(const std::string& folder,
                                                                bool again) const;

    std::string workingDirectory_;
    std::unique_ptr<Batch> batch_;
    int batchDepth_ = 0;
};

} // namespace platform
