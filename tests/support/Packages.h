#pragma once
// Packages for the scanner tests: real ones made by the zip program, and a
// small store-only writer for what zip does not make on request (chosen
// flags, odd name bytes, a lone end record).

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace testsupport {

struct PackageFile {
    std::string name;
    std::string content = "data";
};

// Zips the files into `package` with the zip program; `options` are added
// to its command line (for example "-fd" for data descriptors). Returns
// false when zip failed.
inline bool makePackage(const std::filesystem::path& package, const std::vector<PackageFile>& files,
                        const std::string& options = {}) {
    static int counter = 0;
    const auto scratch =
        std::filesystem::temp_directory_path() /
        ("tap-zip-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(scratch);
    std::string names;
    for (const auto& f : files) {
        const auto p = scratch / f.name;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << f.content;
        names += " '" + f.name + "'";
    }
    std::filesystem::create_directories(package.parent_path());
    std::filesystem::remove(package);
    const std::string command = "cd '" + scratch.string() + "' && zip -q " + options + " '" +
                                std::filesystem::absolute(package).string() + "'" + names;
    const int rc = std::system(command.c_str());
    std::filesystem::remove_all(scratch);
    return rc == 0;
}

struct StoredEntry {
    std::string nameBytes;
    std::uint16_t flags = 0;
    std::string data = "x";
};

// A package of stored entries with their local headers only, then an end
// record (no central directory entries).
inline std::string storedPackage(const std::vector<StoredEntry>& entries) {
    std::string out;
    auto put16 = [&](unsigned v) {
        out += static_cast<char>(v & 0xFFU);
        out += static_cast<char>((v >> 8) & 0xFFU);
    };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFFU);
        put16(v >> 16);
    };
    for (const auto& e : entries) {
        put32(0x04034B50);
        put16(10);
        put16(e.flags);
        put16(0);
        put16(0);
        put16(0);
        put32(0);
        put32(static_cast<std::uint32_t>(e.data.size()));
        put32(static_cast<std::uint32_t>(e.data.size()));
        put16(static_cast<unsigned>(e.nameBytes.size()));
        put16(0);
        out += e.nameBytes + e.data;
    }
    const auto at = static_cast<std::uint32_t>(out.size());
    put32(0x06054B50);
    put32(0);
    put32(0);
    put32(0);
    put32(at);
    put16(0);
    return out;
}

} // namespace testsupport
