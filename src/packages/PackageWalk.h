#pragma once
// The walk over a package's entries. A .pk3 package is a zip archive; the
// walk reads each entry's 30-byte local header and its name, and passes over
// the extra field and the data without reading them. It never decompresses
// anything.
//
// The walk ends at the first header whose signature does not match (in a
// well-formed package the central directory, which follows the last entry),
// or when the bytes run out. An entry whose sizes follow its data (flag bit
// 3: the sizes in its local header may be 0, and a data descriptor follows
// the data) is passed over with the help of the central directory, which is
// read only then; without such entries the package is read through its
// local headers alone.

#include <cstdint>
#include <functional>
#include <istream>
#include <string>

namespace packages {

// The local file header of the zip format, all numbers little-endian.
struct ZipLocalHeader {
    static constexpr std::uint32_t kSignature = 0x04034B50;
    static constexpr std::size_t kSize = 30;

    std::uint32_t signature = 0;
    std::uint16_t versionNeeded = 0;
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint16_t modTime = 0;
    std::uint16_t modDate = 0;
    std::uint32_t crc32 = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint16_t nameLength = 0;
    std::uint16_t extraLength = 0;

    // Flag bit 3: CRC and sizes follow the data.
    bool sizesFollowData() const { return (flags & 0x0008U) != 0; }
};

// One entry as the walk sees it. The name is UTF-8 text: each valid UTF-8
// sequence of its bytes as it stands, any other byte as its Windows-1252
// character, whether or not the entry's flag says UTF-8.
struct PackageEntry {
    ZipLocalHeader header;
    std::string name;
};

// Calls `visit` for every entry of the package, in file order.
void walkPackage(std::istream& in, const std::function<void(const PackageEntry&)>& visit);

} // namespace packages
