// Replacing data files: what the replace keeps of the file it replaces, and
// the temporary files of writes cut short by a crash.
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

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

TEST(AtomicFile, theNextWriteClearsLeftoversButNotAWriteInProgress) {
    testsupport::GameDir dir;
    platform::RealFileSystem files(dir.path());
    dir.writeRaw("Tolvdata/.tvd~Ab3xYz", "cut short");
    dir.writeRaw("Tolvdata/.tvd~Held01", "being written");
    const int held = ::open(dir.data(".tvd~Held01").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    ASSERT_TRUE(files.writeLines(dir.data("maps.tvd"), {"q3dm1/"}));
    EXPECT_EQ(namesIn(dir.data("")), (std::vector<std::string>{".tvd~Held01", "maps.tvd"}));
    ::close(held);
}

} // namespace
