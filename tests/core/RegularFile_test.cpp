// A package read from disk through the file system gives the walk exactly
// what the same bytes in memory give, whatever falls on the edges of the
// reads: long names, many small entries, sizes after the data, a cut.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "packages/PackageWalk.h"
#include "platform/FileSystem.h"
#include "support/GameDir.h"
#include "support/Packages.h"

namespace {

using testsupport::PackageFile;

std::vector<std::string> walked(std::istream& in) {
    std::vector<std::string> seen;
    packages::walkPackage(in, [&](const packages::PackageEntry& e) {
        seen.push_back(e.name + " " + std::to_string(e.header.compressedSize));
    });
    return seen;
}

std::string bytesOf(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(RegularFile, theWalkSeesOnDiskWhatItSeesInMemory) {
    testsupport::GameDir dir;
    platform::RealFileSystem files(dir.path());
    std::vector<PackageFile> small;
    for (int i = 0; i < 300; ++i)
        small.push_back({"maps/m" + std::to_string(i) + ".bsp", std::string(i % 5, 'd')});
    const std::vector<PackageFile> longNames = {{"maps/" + std::string(220, 'a') + ".bsp", "x"},
                                                {"maps/" + std::string(200, 'b') + "/" +
                                                     std::string(200, 'c') + "/" +
                                                     std::string(200, 'd') + ".bsp",
                                                 std::string(700, 'y')},
                                                {"maps/short.bsp", "z"}};
    const struct {
        const char* what;
        std::vector<PackageFile> files;
        std::string options;
    } cases[] = {{"many small entries", small, "-0"},
                 {"names longer than one read", longNames, "-0"},
                 {"sizes after the data", longNames, "-fd"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto package = std::filesystem::path(dir.path()) / "baseq3" / "p.pk3";
        ASSERT_TRUE(testsupport::makePackage(package, c.files, c.options));
        const std::string bytes = bytesOf(package);
        for (const std::size_t keep : {bytes.size(), bytes.size() / 2}) {
            dir.writeRaw("baseq3/cut.pk3", bytes.substr(0, keep));
            std::istringstream memory(bytes.substr(0, keep));
            const auto expected = walked(memory);
            EXPECT_GE(expected.size(), keep == bytes.size() ? c.files.size() : 1U);
            const auto disk = files.openBinary(dir.path() + "/baseq3/cut.pk3");
            ASSERT_TRUE(disk);
            EXPECT_EQ(walked(*disk), expected);
        }
    }
}

} // namespace
