#pragma once
// Packages for the tests and the benchmark: real ones made by the zip
// program, and a small store-only writer for what zip does not make on
// request (chosen flags, odd name bytes, a lone end record, no central
// directory) or makes too slowly (thousands of packages).

#include <array>
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

// What follows the entries of a stored package.
enum class CentralDirectory {
    Left,    // the end record alone, as if cut off (the walk sees no directory)
    Written, // a directory entry for every entry, as zip writes it
};

// The CRC-32 of zip (polynomial 0xEDB88320).
inline std::uint32_t crc32(const std::string& data) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFU;
    for (const char ch : data)
        c = table[(c ^ static_cast<unsigned char>(ch)) & 0xFFU] ^ (c >> 8);
    return c ^ 0xFFFFFFFFU;
}

// A package of stored entries: each local header with its name and data,
// then the central directory when asked for, and the end record. The one zip
// writer of the tests and the benchmark.
inline std::string storedPackage(const std::vector<StoredEntry>& entries,
                                 CentralDirectory directory = CentralDirectory::Left) {
    constexpr std::uint32_t kLocalSignature = 0x04034B50;
    constexpr std::uint32_t kCentralSignature = 0x02014B50;
    constexpr std::uint32_t kEndSignature = 0x06054B50;
    constexpr std::uint32_t kVersionNeeded = 10;    // 1.0: stored entries
    constexpr std::uint32_t kMadeByUnix = 0x031E;   // Unix, zip 3.0
    constexpr std::uint32_t kModDate = 0x5A21;      // 1 January 2025, 00:00
    constexpr std::uint32_t kFileMode = 0x81A40000; // a plain file, rw-r--r--
    const auto put = [](std::string& s, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            s += static_cast<char>((v >> (8 * i)) & 0xFFU);
    };
    std::string out;
    std::string central;
    for (const auto& e : entries) {
        const auto offset = static_cast<std::uint32_t>(out.size());
        const std::uint32_t crc = crc32(e.data);
        const auto size = static_cast<std::uint32_t>(e.data.size());
        const auto nameLength = static_cast<std::uint32_t>(e.nameBytes.size());
        put(out, kLocalSignature, 4);
        put(out, kVersionNeeded, 2);
        put(out, e.flags, 2);
        put(out, 0, 2); // stored
        put(out, 0, 2); // time
        put(out, kModDate, 2);
        put(out, crc, 4);
        put(out, size, 4);
        put(out, size, 4);
        put(out, nameLength, 2);
        put(out, 0, 2); // no extra field
        out += e.nameBytes + e.data;

        if (directory == CentralDirectory::Left)
            continue;
        put(central, kCentralSignature, 4);
        put(central, kMadeByUnix, 2);
        put(central, kVersionNeeded, 2);
        put(central, e.flags, 2);
        put(central, 0, 2); // stored
        put(central, 0, 2); // time
        put(central, kModDate, 2);
        put(central, crc, 4);
        put(central, size, 4);
        put(central, size, 4);
        put(central, nameLength, 2);
        put(central, 0, 2); // no extra field
        put(central, 0, 2); // no comment
        put(central, 0, 2); // disk
        put(central, 0, 2); // internal attributes
        put(central, kFileMode, 4);
        put(central, offset, 4);
        central += e.nameBytes;
    }
    const auto start = static_cast<std::uint32_t>(out.size());
    const auto listed = static_cast<std::uint32_t>(central.empty() ? 0 : entries.size());
    out += central;
    put(out, kEndSignature, 4);
    put(out, 0, 4); // this disk, the directory's disk
    put(out, listed, 2);
    put(out, listed, 2);
    put(out, static_cast<std::uint32_t>(central.size()), 4);
    put(out, start, 4);
    put(out, 0, 2); // no comment
    return out;
}

} // namespace testsupport
