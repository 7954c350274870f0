#pragma once
// Reading a file that must be a regular file. The open never waits: a FIFO
// or a device put where a package or a data file was listed would otherwise
// hold the program until someone writes to it. What is not a regular file
// when it is opened is not read at all.

#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The file opened for reading bytes from any place in it, a few at a time;
// null when it cannot be opened or is not a regular file.
std::unique_ptr<std::istream> openRegularFile(const std::string& path);

// Every byte of the file; nullopt when it cannot be opened or read, or is
// not a regular file.
std::optional<std::string> readRegularFile(const std::string& path);

// True when the file holds exactly these bytes; false also when it cannot be
// opened or read, or is not a regular file. It reads no further than the
// first difference and keeps no copy of the file.
bool regularFileHolds(const std::string& path, std::string_view bytes);

} // namespace platform
