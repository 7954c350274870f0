#pragma once
// Reading a file that must be a regular file. The open never waits: a FIFO
// or a device put where a package or a data file was listed would otherwise
// hold the program until someone writes to it. What is not a regular file
// when it is opened is not read at all.

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>

namespace platform {

// The file opened for reading bytes from any place in it, a few at a time;
// null when it cannot be opened or is not a regular file.
std::unique_ptr<std::istream> openRegularFile(const std::string& path);

// Every byte of the file; nullopt when it cannot be opened or read, or is
// not a regular file.
std::optional<std::string> readRegularFile(const std::string& path);

// What tells one version of a file from another: a file put in its place (a
// write renames a new file over it) or written to in place has a different
// stamp.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the regular file at `path`; nullopt when there is none.
std::optional<FileStamp> fileStamp(const std::string& path);

} // namespace platform
