// Replacing data files: what the replace keeps of the file it replaces, and
// the temporary files of writes cut short by a crash, which a clean-up takes
// while others' files and writes in progress stay.
#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "support/GameDir.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

fs::perms modeOf(const std::string& path) {
    return fs::status(path).permissions();
}

TEST(AtomicFile, aReplaceKeepsTheModeAndRefusesAFileNobodyMayWrite) {
    struct Case {
        std::string name;
        fs::perms mode;
        bool written;
    } cases[] = {
        {"shared.tvd", fs::perms(0664), true},
        {"private.tvd", fs::perms(0600), true},
        {std::string(251, 'm') + ".tvd", fs::perms(0644), true}, // a 255-byte name
        {"readonly.tvd", fs::perms(0444), false},
        {"locked.tvd", fs::perms(0000), false},
    };
    testsupport::GameDir dir;
    platform::RealFileSystem files(dir.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.path() + "/" + c.name;
        dir.writeRaw(c.name, "old\r\n");
        fs::permissions(path, c.mode);
        EXPECT_EQ(files.writeLines(path, {"new"}).written, c.written);
        EXPECT_EQ(modeOf(path), c.mode);
        fs::permissions(path, fs::perms(0600)); // readable by the test
        EXPECT_EQ(dir.read(c.name), c.written ? "new\r\n" : "old\r\n");
    }
    // A new file, and no temporary file left anywhere.
    ASSERT_TRUE(files.writeLines(dir.path() + "/fresh.tvd", {"x"}));
    EXPECT_EQ(modeOf(dir.path() + "/fresh.tvd"), fs::perms(0644));
    for (const auto& name : namesIn(dir.path()))
        EXPECT_NE(name.front(), '.') << name;
}

TEST(AtomicFile, aSymbolicLinkIsFollowedAndItsFileReplacedBesideItself) {
    testsupport::GameDir dir;
    platform::RealFileSystem files(dir.path());
    dir.writeRaw("shared/settings.tvd", "old\r\n");
    fs::permissions(dir.path() + "/shared/settings.tvd", fs::perms(0640));
    dir.makeFolder("Tolvdata");
    fs::create_symlink("../shared/settings.tvd", dir.data("settings.tvd"));

    ASSERT_TRUE(files.writeLines(dir.data("settings.tvd"), {"new"}));
    EXPECT_TRUE(fs::is_symlink(dir.data("settings.tvd")));
    EXPECT_EQ(dir.read("shared/settings.tvd"), "new\r\n");
    EXPECT_EQ(modeOf(dir.path() + "/shared/settings.tvd"), fs::perms(0640));
    EXPECT_EQ(namesIn(dir.path() + "/shared"), std::vector<std::string>{"settings.tvd"});
    EXPECT_EQ(namesIn(dir.data("")), std::vector<std::string>{"settings.tvd"});
}

TEST(AtomicFile, theFirstWriteInAFolderClearsOnlyItsOwnLeftoversAndNoneInProgress) {
    // The cycle config written into the game folder, where other programs
    // keep their files too.
    const struct {
        const char* name;
        bool held;
        bool removed;
    } cases[] = {
        {".tvd~Ab3xYz", false, true},
        {".tvd~Held01", true, false},
        {".tvdx_mapcycle.cfg.Ab12Cd", false, true},
        {".TVDX_MAPCYCLE.CFG.x1Y2z3", false, true},
        {".server.cfg.Xq3Zr8", false, false}, // rsync at work
        {".maps.tvd.abcdef", false, false},
    };
    testsupport::GameDir dir;
    platform::RealFileSystem files(dir.path());
    std::vector<int> locks;
    for (const auto& c : cases) {
        dir.writeRaw(std::string("baseq3/") + c.name, "cut short");
        if (!c.held)
            continue;
        locks.push_back(::open((dir.path() + "/baseq3/" + c.name).c_str(), O_RDONLY | O_CLOEXEC));
        ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
    }

    ASSERT_TRUE(files.writeLines(dir.path() + "/baseq3/tvdx_mapcycle.cfg", {"map q3dm1"}));
    for (const auto& c : cases)
        EXPECT_EQ(dir.exists(std::string("baseq3/") + c.name), !c.removed) << c.name;
    for (const int fd : locks)
        ::close(fd);
}

TEST(AtomicFile, aSweepOfAnotherLauncherNeverTakesAWriteInProgress) {
    testsupport::GameDir dir;
    dir.makeFolder("Tolvdata");
    platform::RealFileSystem files(dir.path());
    std::atomic<bool> writing{true};
    std::thread sweeper([&] {
        while (writing)
            platform::removeLeftoverTemporaries(dir.data(""), {"*.tvd"});
    });
    int failed = 0;
    for (int i = 0; i < 2000; ++i)
        failed += files.writeLines(dir.data("maps.tvd"), {std::to_string(i)}) ? 0 : 1;
    writing = false;
    sweeper.join();
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(dir.readData("maps.tvd"), "1999\r\n");
}

} // namespace
