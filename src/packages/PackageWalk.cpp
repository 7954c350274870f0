#include "packages/PackageWalk.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "platform/Encoding.h"

namespace packages {

namespace {

constexpr std::uint32_t kCentralSignature = 0x02014B50;
constexpr std::uint32_t kEndSignature = 0x06054B50;
constexpr std::size_t kCentralHeaderSize = 46;
constexpr std::size_t kEndRecordSize = 22;
// The end record's comment is at most 65535 bytes long.
constexpr std::uint64_t kEndSearchSpan = kEndRecordSize + 0xFFFF;
// How much of the central directory is held at a time.
constexpr std::uint64_t kDirectoryWindow = 64 * 1024;

std::uint16_t littleEndian16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t littleEndian32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Up to `count` bytes from `offset` on; how many there were.
std::size_t readSomeAt(std::istream& in, std::uint64_t offset, char* into, std::size_t count) {
    in.clear();
    in.seekg(static_cast<std::streamoff>(offset));
    if (!in)
        return 0;
    in.read(into, static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(in.gcount());
}

bool readAt(std::istream& in, std::uint64_t offset, char* into, std::size_t count) {
    return readSomeAt(in, offset, into, count) == count;
}

ZipLocalHeader parseLocalHeader(const unsigned char* b) {
    ZipLocalHeader h;
    h.signature = littleEndian32(b);
    h.versionNeeded = littleEndian16(b + 4);
    h.flags = littleEndian16(b + 6);
    h.method = littleEndian16(b + 8);
    h.modTime = littleEndian16(b + 10);
    h.modDate = littleEndian16(b + 12);
    h.crc32 = littleEndian32(b + 14);
    h.compressedSize = littleEndian32(b + 18);
    h.uncompressedSize = littleEndian32(b + 22);
    h.nameLength = littleEndian16(b + 26);
    h.extraLength = littleEndian16(b + 28);
    return h;
}

// What the central directory says about the entries: where each local
// header starts and how many bytes of data it has.
class CentralDirectory {
  public:
    // Reads the directory of the package; empty when there is none.
    static CentralDirectory read(std::istream& in);

    // The data size of the entry whose local header starts at `offset`, and
    // where the next local header (or the directory) starts.
    struct Place {
        std::uint64_t dataSize;
        std::uint64_t next;
    };
    std::optional<Place> find(std::uint64_t offset) const;

  private:
    struct Entry {
        std::uint64_t offset;
        std::uint64_t dataSize;
    };
    std::vector<Entry> entries_; // by offset
    std::uint64_t start_ = 0;
};

CentralDirectory CentralDirectory::read(std::istream& in) {
    CentralDirectory dir;
    in.clear();
    in.seekg(0, std::ios::end);
    const auto end = in.tellg();
    if (end < 0 || static_cast<std::uint64_t>(end) < kEndRecordSize)
        return dir;
    const auto size = static_cast<std::uint64_t>(end);
    const std::uint64_t span = std::min(size, kEndSearchSpan);
    std::string tail(span, '\0');
    if (!readAt(in, size - span, tail.data(), span))
        return dir;
    const auto* t = reinterpret_cast<const unsigned char*>(tail.data());
    std::optional<std::uint64_t> found;
    for (std::uint64_t i = span - kEndRecordSize + 1; i-- > 0;) {
        if (littleEndian32(t + i) == kEndSignature) {
            found = i;
            break;
        }
    }
    if (!found)
        return dir;
    const unsigned char* rec = t + *found;
    const std::uint64_t endAt = size - span + *found;
    const std::uint64_t dirSize = littleEndian32(rec + 12);
    const std::uint64_t dirOffset = littleEndian32(rec + 16);
    if (dirOffset + dirSize > endAt)
        return dir;
    // Data put in front of the archive moves every offset by the same amount.
    const std::uint64_t shift = endAt - (dirOffset + dirSize);
    const std::uint64_t dirStart = dirOffset + shift;
    // The directory is read a window at a time, and only as far as its
    // headers go: the size the end record names is a claim that a damaged
    // package may make up, and is never allocated.
    std::string window(std::min<std::uint64_t>(dirSize, kDirectoryWindow), '\0');
    const auto* b = reinterpret_cast<const unsigned char*>(window.data());
    std::uint64_t windowAt = dirStart;
    std::size_t held = 0;
    for (std::uint64_t at = dirStart; at + kCentralHeaderSize <= endAt;) {
        if (at + kCentralHeaderSize > windowAt + held) {
            windowAt = at;
            held = readSomeAt(
                in, at, window.data(),
                static_cast<std::size_t>(std::min<std::uint64_t>(window.size(), endAt - at)));
            if (held < kCentralHeaderSize)
                break;
        }
        const unsigned char* h = b + (at - windowAt);
        if (littleEndian32(h) != kCentralSignature)
            break;
        dir.entries_.push_back({littleEndian32(h + 42) + shift, littleEndian32(h + 20)});
        at += kCentralHeaderSize + littleEndian16(h + 28) + littleEndian16(h + 30) +
              littleEndian16(h + 32);
    }
    std::sort(dir.entries_.begin(), dir.entries_.end(),
              [](const Entry& x, const Entry& y) { return x.offset < y.offset; });
    dir.start_ = dirStart;
    return dir;
}

std::optional<CentralDirectory::Place> CentralDirectory::find(std::uint64_t offset) const {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), offset,
                                     [](const Entry& e, std::uint64_t o) { return e.offset < o; });
    if (it == entries_.end() || it->offset != offset)
        return std::nullopt;
    const auto next = it + 1;
    return Place{it->dataSize, next == entries_.end() ? start_ : next->offset};
}

} // namespace

void walkPackage(std::istream& in, const std::function<void(const PackageEntry&)>& visit) {
    std::optional<CentralDirectory> directory;
    // A header and its name in one read, unless the name is a long one.
    constexpr std::size_t kHead = ZipLocalHeader::kSize;
    std::array<char, kHead + 226> raw{};
    PackageEntry entry;
    std::string name;
    std::uint64_t at = 0;
    for (std::size_t got; (got = readSomeAt(in, at, raw.data(), raw.size())) >= kHead;) {
        entry.header = parseLocalHeader(reinterpret_cast<const unsigned char*>(raw.data()));
        const ZipLocalHeader& h = entry.header;
        if (h.signature != ZipLocalHeader::kSignature)
            return;
        const std::size_t held = std::min<std::size_t>(h.nameLength, got - kHead);
        name.assign(raw.data() + kHead, held);
        if (held < h.nameLength) {
            name.resize(h.nameLength);
            if (!readAt(in, at + kHead + held, name.data() + held, h.nameLength - held))
                return;
        }
        // With or without the UTF-8 flag (zip programs on Linux store UTF-8
        // names without it), a name is read as the data files are.
        entry.name = platform::decodeText(name);
        visit(entry);

        const std::uint64_t dataStart = at + ZipLocalHeader::kSize + h.nameLength + h.extraLength;
        if (h.sizesFollowData()) {
            // A data descriptor follows the data, and the size in the local
            // header may be 0; the central directory knows where the next
            // entry starts.
            if (!directory)
                directory = CentralDirectory::read(in);
            const auto place = directory->find(at);
            if (!place || place->next < dataStart + place->dataSize)
                return;
            at = place->next;
        } else {
            at = dataStart + h.compressedSize;
        }
    }
}

} // namespace packages
