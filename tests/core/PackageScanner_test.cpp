#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "packages/PackageWalk.h"
#include "support/Packages.h"
#include "windows/PackageScanner.h"

namespace {

using packages::findInPackage;
using packages::PackageFinds;
using packages::ScanMode;
using testsupport::makePackage;
using testsupport::PackageFile;
using testsupport::storedPackage;
using Names = std::vector<std::string>;

class PackageScanner : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("tap-scan-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path zipped(const std::vector<PackageFile>& files,
                                 const std::string& options = {}) {
        const auto p = dir_ / ("p" + std::to_string(count_++) + ".pk3");
        EXPECT_TRUE(makePackage(p, files, options));
        return p;
    }
    static PackageFinds scan(const std::filesystem::path& p, ScanMode mode) {
        std::ifstream in(p, std::ios::binary);
        return findInPackage(in, mode);
    }
    static PackageFinds scanBytes(const std::string& bytes, ScanMode mode) {
        std::istringstream in(bytes);
        return findInPackage(in, mode);
    }

    std::filesystem::path dir_;
    int count_ = 0;
};

TEST_F(PackageScanner, entryNamesUnderEachScanMode) {
    const struct {
        const char* entry;
        ScanMode mode;
        Names maps;
        Names bots;
    } cases[] = {
        {"maps/q3dm1.bsp", ScanMode::Maps, {"q3dm1"}, {}},
        {"MAPS/q3dm1.bsp", ScanMode::Maps, {"q3dm1"}, {}},
        {"maps/q3dm1.BSP", ScanMode::Maps, {}, {}},
        // A name the list files could not hold as one entry adds nothing.
        {"maps/ctf/arena.bsp", ScanMode::Maps, {}, {}},
        {"maps/x\r\nINJECT.bsp", ScanMode::Maps, {}, {}},
        {"maps/tab\t.bsp", ScanMode::MapsAndBots, {}, {}},
        {"botfiles/bots/a\r\n0/1/2/_c.c", ScanMode::Bots, {}, {}},
        {"botfiles/bots/s/sub_c.c", ScanMode::Bots, {}, {}},
        {"botfiles/bots/\x1f_c.c", ScanMode::Bots, {}, {}},
        {"mapsXq3dm1.bsp", ScanMode::Maps, {"q3dm1"}, {}},
        {"maps/.bsp", ScanMode::Maps, {""}, {}},
        {"botfiles/bots/sarge_c.c", ScanMode::Bots, {}, {"Sarge - 5 - red  - 0  "}},
        {"BOTFILES/BOTS/GRUNT_c.c", ScanMode::Bots, {}, {"GRUNT - 5 - red  - 0  "}},
        {"botfiles/bots/grunt_c.c", ScanMode::Bots, {}, {"Grunt - 5 - red  - 0  "}},
        {"botfiles/bots/x_c.c", ScanMode::Bots, {}, {"X - 5 - red  - 0  "}},
        {"botfiles/bots/sarge_i.c", ScanMode::Bots, {}, {}},
        {"botfiles/bots/sarge_c.c", ScanMode::Maps, {}, {}},
        {"maps/q3dm1.bsp", ScanMode::Bots, {}, {}},
        {"maps/q3dm1.bsp", ScanMode::MapsAndBots, {"q3dm1"}, {}},
        {"botfiles/bots/sarge_c.c", ScanMode::MapsAndBots, {}, {"Sarge - 5 - red  - 0  "}},
        {"maps/q3dm1.bsp", ScanMode::None, {}, {}},
    };
    for (const auto& c : cases) {
        const auto finds = scanBytes(
            storedPackage({{c.entry}, {"maps/after.bsp"}, {"botfiles/bots/z_c.c"}}), c.mode);
        Names maps = c.maps;
        Names bots = c.bots;
        if (c.mode == ScanMode::Maps || c.mode == ScanMode::MapsAndBots)
            maps.push_back("after");
        if (c.mode == ScanMode::Bots || c.mode == ScanMode::MapsAndBots)
            bots.push_back("Z - 5 - red  - 0  ");
        const int mode = static_cast<int>(c.mode);
        EXPECT_EQ(finds.maps, maps) << c.entry << " in mode " << mode;
        EXPECT_EQ(finds.bots, bots) << c.entry << " in mode " << mode;
    }
}

TEST_F(PackageScanner, namesTooShortToCutArePassedOverAndTheWalkGoesOn) {
    const auto finds = scanBytes(storedPackage({{"mapsbsp"},
                                                {"maps.bsp"},
                                                {"maps/a.bsp"},
                                                {"botfiles/bots_c.c"},
                                                {"botfiles/bots/_c.c"},
                                                {"botfiles/bots/ab_c.c"}}),
                                 ScanMode::MapsAndBots);
    EXPECT_EQ(finds.maps, Names{"a"});
    EXPECT_EQ(finds.bots, Names{"Ab - 5 - red  - 0  "});
}

TEST_F(PackageScanner, realPackagesWithExtraFieldsAndDataDescriptors) {
    const std::vector<PackageFile> files = {
        {"maps/q3dm1.bsp", std::string(5000, 'b')},
        {"textures/a.tga", std::string(3000, 't')},
        {"botfiles/bots/sarge_c.c", "chat"},
        {"maps/ctf/arena.bsp", "arena"},
        {"maps/caf\xc3\xa9.bsp", "utf-8 name, no flag"},
    };
    // zip adds extra fields to every entry unless told not to; -fd puts the
    // sizes of every entry behind its data.
    for (const std::string options : {"", "-X", "-fd", "-fd -0"}) {
        const auto finds = scan(zipped(files, options), ScanMode::MapsAndBots);
        EXPECT_EQ(finds.maps, (Names{"q3dm1", "caf\xc3\xa9"})) << options;
        EXPECT_EQ(finds.bots, Names{"Sarge - 5 - red  - 0  "}) << options;
    }
}

TEST_F(PackageScanner, damagedPackagesKeepWhatWasFoundBeforeTheDamage) {
    const auto whole = zipped({{"maps/one.bsp", std::string(4000, 'a')},
                               {"maps/two.bsp", std::string(4000, 'b')},
                               {"maps/three.bsp", std::string(4000, 'c')}},
                              "-0 -X");
    std::ifstream in(whole, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string endRecordOnly = storedPackage({});
    ASSERT_EQ(endRecordOnly.size(), 22U);

    const struct {
        const char* what;
        std::string bytes;
        Names maps;
    } cases[] = {
        {"cut in the second entry's data", bytes.substr(0, 4042 + 60), {"one", "two"}},
        {"cut in the second header", bytes.substr(0, 4042 + 20), {"one"}},
        {"only an end record", endRecordOnly, {}},
        {"empty file", "", {}},
        {"not a zip at all", "hello, this is not a package", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scanBytes(c.bytes, ScanMode::Maps).maps, c.maps) << c.what;
}

TEST_F(PackageScanner, dataDescriptorEntryWithoutCentralDirectoryEndsTheWalk) {
    // No directory to take the size from: the entries after it are not seen,
    // but the walk neither loops nor fails.
    const auto finds =
        scanBytes(storedPackage({{"maps/a.bsp"}, {"maps/b.bsp", 0x0008, ""}, {"maps/c.bsp"}}),
                  ScanMode::Maps);
    EXPECT_EQ(finds.maps, (Names{"a", "b"}));
}

TEST_F(PackageScanner, namesAreUtf8WhereValidAndWindows1252Otherwise) {
    const struct {
        std::string bytes;
        std::uint16_t flags;
        Names maps;
        Names bots;
    } cases[] = {
        {"maps/caf\xc3\xa9.bsp", 0x0800, {"caf\xc3\xa9"}, {}},
        {"maps/caf\xc3\xa9.bsp", 0, {"caf\xc3\xa9"}, {}}, // zip on Linux sets no flag
        {"maps/\xc3\xa9\xe9.bsp", 0x0800, {"\xc3\xa9\xc3\xa9"}, {}},
        {"maps/caf\xe9.bsp", 0, {"caf\xc3\xa9"}, {}},
        {"maps/\x80.bsp", 0, {"\xe2\x82\xac"}, {}},
        {"botfiles/bots/\xe9lise_c.c", 0, {}, {"\xc3\x89lise - 5 - red  - 0  "}},
        {"botfiles/bots/\xc3\xa9lise_c.c", 0x0800, {}, {"\xc3\x89lise - 5 - red  - 0  "}},
        // Nine characters, but more bytes: still one empty-free cut.
        {"maps/\xc3\xa9.bsp", 0x0800, {"\xc3\xa9"}, {}},
    };
    for (const auto& c : cases) {
        const auto finds = scanBytes(storedPackage({{c.bytes, c.flags}}), ScanMode::MapsAndBots);
        EXPECT_EQ(finds.maps, c.maps) << c.bytes;
        EXPECT_EQ(finds.bots, c.bots) << c.bytes;
    }
}

} // namespace
