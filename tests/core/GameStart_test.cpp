#include <filesystem>

#include <gtest/gtest.h>

#include "platform/GameStart.h"
#include "support/GameDir.h"

namespace {

struct File {
    std::string path; // relative to the test root
    std::string bytes;
    bool executable;
};

struct Case {
    const char* what;
    std::vector<File> files;
    std::string searchPath;
    std::string program;    // expected, relative; "" when nothing can start
    std::string wineTarget; // expected first argument when run through wine
};

const std::string kScript = "#!/bin/sh\n";
const std::string kWindows = "MZ\x90";

} // namespace

TEST(GameStart, findsTheGameAsPlayersHaveItHere) {
    const std::vector<Case> cases = {
        {"launcher folder before game directory, any letter case",
         {{"launcher/QUAKE3.EXE", kScript, true}, {"game/Quake3.exe", kScript, true}},
         "",
         "launcher/QUAKE3.EXE",
         ""},
        {"game directory before the engine on the PATH",
         {{"game/quake3.exe", kScript, true}, {"bin/ioquake3", kScript, true}},
         "@/bin",
         "game/quake3.exe",
         ""},
        {"ioquake3 before quake3, in PATH order",
         {{"bin/quake3", kScript, true}, {"bin2/ioquake3", kScript, true}},
         "@/bin:@/bin2",
         "bin2/ioquake3",
         ""},
        {"quake3 when there is no ioquake3; non-executables and empty entries skipped",
         {{"bin/ioquake3", kScript, false}, {"bin2/quake3", kScript, true}},
         ":@/bin::@/bin2:",
         "bin2/quake3",
         ""},
        {"nothing anywhere", {{"bin/ioquake3x", kScript, true}}, "@/bin", "", ""},
        {"a Windows program runs through wine",
         {{"game/Quake3.exe", kWindows, false}, {"wine/wine", kScript, true}},
         "@/wine",
         "wine/wine",
         "game/Quake3.exe"},
        {"a Windows program without wine does not start, engine or not",
         {{"game/Quake3.exe", kWindows, true}, {"bin/ioquake3", kScript, true}},
         "@/bin",
         "",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::GameDir dir;
        const std::filesystem::path root = dir.path();
        std::filesystem::create_directories(root / "launcher");
        std::filesystem::create_directories(root / "game");
        for (const auto& f : c.files) {
            dir.writeRaw(f.path, f.bytes);
            if (f.executable)
                std::filesystem::permissions(root / f.path, std::filesystem::perms::owner_exec,
                                             std::filesystem::perm_options::add);
        }
        std::string searchPath = c.searchPath; // "@" stands for the test root
        for (std::size_t at; (at = searchPath.find('@')) != std::string::npos;)
            searchPath.replace(at, 1, dir.path());
        const auto found = platform::findGameStart({"Quake3.exe", "+set", "fs_game", "a b"},
                                                   (root / "launcher").string(),
                                                   (root / "game").string(), searchPath);

        if (c.program.empty()) {
            EXPECT_FALSE(found.has_value());
            continue;
        }
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->program, (root / c.program).string());
        std::vector<std::string> expected{"+set", "fs_game", "a b"};
        if (!c.wineTarget.empty())
            expected.insert(expected.begin(), (root / c.wineTarget).string());
        EXPECT_EQ(found->arguments, expected);
    }
}

TEST(GameStart, onlyTheGameFallsBackToTheEngineCommands) {
    testsupport::GameDir dir;
    dir.writeRaw("bin/ioquake3", kScript);
    std::filesystem::permissions(dir.path() + "/bin/ioquake3", std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    EXPECT_FALSE(platform::findGameStart({"Other.exe"}, "", dir.path(), dir.path() + "/bin"));
    EXPECT_FALSE(platform::findGameStart({}, "", dir.path(), dir.path() + "/bin"));
    EXPECT_TRUE(platform::findGameStart({"quake3.EXE"}, "", dir.path(), dir.path() + "/bin"));
}
