// A package as a player's baseq3 may hold it, whole, cut off or damaged:
// walked header by header, and scanned for maps and bots.

#include <algorithm>
#include <sstream>

#include "packages/PackageWalk.h"
#include "platform/Encoding.h"
#include "support/Workspace.h"
#include "windows/PackageScanner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzzsupport::expect;
    const std::string bytes(fuzzsupport::bytesOf(data, size));

    std::istringstream package(bytes);
    std::size_t entries = 0;
    packages::walkPackage(package, [&](const packages::PackageEntry& entry) {
        ++entries;
        expect(entry.header.signature == packages::ZipLocalHeader::kSignature);
        expect(entry.name.size() >= entry.header.nameLength);
        expect(platform::isValidUtf8(entry.name));
    });
    // Every entry the walk sees has its own header: the walk only goes
    // forward.
    expect(entries * packages::ZipLocalHeader::kSize <= size);

    // A found name is one entry of a list file: no line break or other
    // control character, no "/".
    const auto listable = [](const std::string& name) {
        return platform::isValidUtf8(name) && name.find('/') == std::string::npos &&
               std::none_of(name.begin(), name.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x20U; });
    };
    std::istringstream again(bytes);
    const auto finds = packages::findInPackage(again, packages::ScanMode::MapsAndBots);
    expect(finds.maps.size() <= entries && finds.bots.size() <= entries);
    for (const auto& map : finds.maps)
        expect(listable(map));
    for (const auto& bot : finds.bots)
        expect(listable(bot) && bot.ends_with(" - 5 - red  - 0  "));
    return 0;
}
