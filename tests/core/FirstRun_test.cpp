#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include "data/SlashList.h"
#include "support/GameDir.h"
#include "support/Launcher.h"
#include "support/Packages.h"
#include "support/ProgressRecorder.h"
#include "windows/MainWindow.h"
#include "windows/RosterWindow.h"
#include "windows/StartupWindow.h"

using testsupport::GameDir;
using testsupport::Launcher;
using testsupport::ProgressRecorder;

namespace {

std::string bot(const std::string& name) {
    return name + " - 5 - red  - 0  ";
}

class FirstRun : public ::testing::Test {
  protected:
    FirstRun() { dir.writeData("launch_stat.tvd", {"0"}); }

    void package(const std::string& name, const std::vector<std::string>& entries) {
        std::vector<testsupport::PackageFile> files;
        for (const auto& e : entries)
            files.push_back({e});
        ASSERT_TRUE(testsupport::makePackage(dir.path() + "/baseq3/" + name, files));
    }
    // Starts the program, which shows the first-run window, and presses its
    // start button; the progress shown on the way is written down.
    void pressStart(Launcher& l) {
        l.start();
        auto& w = l.get<windows::StartupWindow>();
        ASSERT_TRUE(w.isVisible());
        l.app.setObserver(&progress);
        w.acceptButtonPlain.userMouseMove();
        w.acceptButtonLit.userClick();
        l.app.setObserver(nullptr);
    }
    std::vector<std::string> dataList(const std::string& file) const {
        const std::string text = dir.readData(file);
        return data::parseSlashList(text.substr(0, text.find('\r')));
    }

    GameDir dir;
    ProgressRecorder progress{"startup"};
};

} // namespace

TEST_F(FirstRun, detectsModsMapsAndBotsOfARealBaseFolder) {
    // The stock package is known by name: were it opened, it would add
    // "opened".
    package("pak0.pk3", {"maps/opened.bsp"});
    package("pak3.pk3", {"maps/p3map.bsp", "botfiles/bots/p3bot_c.c"});
    package("bot-pack.pk3", {"maps/botmap.bsp", "botfiles/bots/zed_c.c"});
    package("user.pk3", {"maps/q3dm17.bsp", "botfiles/bots/sarge_c.c"});
    package("Pak2.pk3", {"maps/pak2map.bsp"});
    dir.makeFolder("osp");
    dir.writeData("maps.tvd", {"oldmap/"});
    dir.writeData("bots.tvd", {bot("Old") + "/", "0/"});
    Launcher l(dir.path());
    pressStart(l);

    EXPECT_TRUE(l.messages.shown.empty());
    EXPECT_EQ(dir.readData("launch_stat.tvd"), "1\r\n");
    auto& main = l.get<windows::MainWindow>();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(l.get<windows::StartupWindow>().isLoaded());
    EXPECT_FALSE(l.app.ended());
    // Five packages: the bar moves a quarter at a time, then "DONE".
    EXPECT_EQ(progress.texts,
              (std::vector<std::string>{" 0%", " 25%", " 50%", " 75%", " 100%", "DONE"}));
    EXPECT_EQ(progress.fills.back(), 3375);

    // The 30 stock maps and the scanned ones; q3dm17 once; the earlier
    // catalogue is gone.
    const auto maps = dataList("maps.tvd");
    EXPECT_EQ(maps.size(), 30u + 3u);
    for (const char* m : {"q3dm0", "q3ctf4", "p3map", "botmap", "pak2map"})
        EXPECT_NE(std::find(maps.begin(), maps.end(), m), maps.end()) << m;
    EXPECT_EQ(std::count(maps.begin(), maps.end(), "q3dm17"), 1);
    EXPECT_EQ(std::find(maps.begin(), maps.end(), "opened"), maps.end());
    EXPECT_EQ(main.mapList.listCount(), 33);
    EXPECT_EQ(data::entriesOf(main.availableMaps), maps); // cycle mode: no settings.tvd
    // The old catalogue's first map was highlighted: the title went with it.
    EXPECT_EQ(main.selectedMapTitle.caption(), "");

    // The 32 stock bots and the scanned ones, Sarge once, nothing selected.
    const auto bots = dataList("bots.tvd");
    EXPECT_EQ(bots.size(), 32u + 2u);
    for (const char* b : {"Anarki", "Xaero", "P3bot", "Zed"})
        EXPECT_NE(std::find(bots.begin(), bots.end(), bot(b)), bots.end()) << b;
    EXPECT_EQ(std::count(bots.begin(), bots.end(), bot("Sarge")), 1);
    EXPECT_TRUE(dir.readData("bots.tvd").ends_with("/\r\nx\r\n"));
    EXPECT_EQ(l.get<windows::RosterWindow>().roster.selCount(), 0);

    const std::string packages = "bot-pack.pk3/pak0.pk3/Pak2.pk3/pak3.pk3/user.pk3/\r\n";
    EXPECT_EQ(dir.readData("oldmaps.tvd"), packages);
    EXPECT_EQ(dir.readData("oldbots.tvd"), packages);
    // The mods of the game directory are listed, and no mod is selected.
    EXPECT_GT(main.modList.listCount(), 0);
    EXPECT_FALSE(main.launchButtonPlain.enabled());
}

TEST_F(FirstRun, anUnsavedMapListKeepsItsSnapshot) {
    package("user.pk3", {"maps/new.bsp"});
    dir.writeData("oldmaps.tvd", {"old.pk3/"});
    Launcher l(dir.path());
    l.files.failWritesTo("/maps.tvd");
    pressStart(l);
    EXPECT_EQ(l.messages.shown.size(), 1u);
    EXPECT_EQ(dir.readData("oldmaps.tvd"), "old.pk3/\r\n");
    EXPECT_EQ(dir.readData("oldbots.tvd"), "user.pk3/\r\n");
}

TEST_F(FirstRun, progressWithNoOrOnePackage) {
    const struct {
        int packages;
        std::vector<std::string> texts;
        std::vector<int> fills;
    } cases[] = {{0, {"DONE"}, {}}, {1, {" 100%", "DONE"}, {3375}}};
    for (const auto& c : cases) {
        std::filesystem::remove_all(dir.path() + "/baseq3");
        std::filesystem::create_directories(dir.path() + "/baseq3");
        if (c.packages == 1)
            package("pak1.pk3", {"maps/never.bsp"});
        dir.writeData("launch_stat.tvd", {"0"});
        progress = ProgressRecorder{"startup"};
        Launcher l(dir.path());
        pressStart(l);
        EXPECT_EQ(progress.texts, c.texts);
        EXPECT_EQ(progress.fills, c.fills);
        EXPECT_EQ(dir.readData("maps.tvd"), "\r\n");
        EXPECT_EQ(dir.readData("bots.tvd"), "\r\nx\r\n");
        EXPECT_EQ(dir.readData("launch_stat.tvd"), "1\r\n");
    }
}

TEST_F(FirstRun, failureBeforeThePackagesLeavesTheMarkerAndOpensTheMainWindow) {
    package("user.pk3", {"maps/new.bsp"});
    dir.writeData("maps.tvd", {"q3dm1/q3dm7/"});
    dir.writeData("bots.tvd", {bot("Sarge") + "/", "0/"});
    Launcher l(dir.path());
    l.files.failWritesTo("Free For All.tvd"); // the mod detection stops
    pressStart(l);

    ASSERT_FALSE(l.messages.shown.empty());
    EXPECT_NE(l.messages.shown.back().find("next start"), std::string::npos);
    EXPECT_EQ(dir.readData("launch_stat.tvd"), "0\r\n");
    EXPECT_FALSE(dir.exists("Tolvdata/oldmaps.tvd"));
    auto& main = l.get<windows::MainWindow>();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(l.get<windows::StartupWindow>().isLoaded());
    EXPECT_EQ(main.mapList.listCount(), 2);
    EXPECT_EQ(l.get<windows::RosterWindow>().roster.selCount(), 1);
    EXPECT_EQ(dir.readData("maps.tvd"), "q3dm1/q3dm7/\r\n");
}

TEST_F(FirstRun, modFoldersTheFilesCannotKeepOrAnUnwritableModListLetThePassFinish) {
    const std::pair<std::string, const char*> cases[] = {
        {"arena", "/mods.tvd"}, {"x\ny", "/none"}, {std::string(253, 'l'), "/none"}};
    for (const auto& [folder, failing] : cases) {
        SCOPED_TRACE(folder);
        dir.makeFolder(folder);
        dir.writeData("launch_stat.tvd", {"0"});
        Launcher l(dir.path());
        l.files.failWritesTo(failing);
        pressStart(l);
        EXPECT_EQ(l.messages.shown.size(), 1U); // the write failure or the folders left out
        EXPECT_EQ(dir.readData("launch_stat.tvd"), "1\r\n");
        EXPECT_EQ(l.get<windows::MainWindow>().modList.list(0), "Arena");
    }
}

TEST_F(FirstRun, aPackageThatFailsAddsWhatCanBeFoundAndThePassGoesOnWithTheNext) {
    // A sparse package of 4 GB: an entry whose size follows its data, then
    // an end record that names all the rest as the central directory.
    std::string bytes = testsupport::storedPackage({{"maps/claimed.bsp", 0x0008}});
    std::string end = bytes.substr(bytes.size() - 22);
    bytes.resize(bytes.size() - 22);
    const std::uint64_t endAt = (4ULL << 30) - 22;
    for (int i = 0; i < 4; ++i) {
        end[12 + i] = static_cast<char>((endAt - bytes.size()) >> (8 * i)); // its size
        end[16 + i] = static_cast<char>(bytes.size() >> (8 * i));           // where it starts
    }
    const std::string claims = dir.path() + "/baseq3/claims.pk3";
    dir.writeRaw("baseq3/claims.pk3", bytes);
    std::filesystem::resize_file(claims, endAt);
    std::ofstream(claims, std::ios::app | std::ios::binary) << end;
    package("next.pk3", {"maps/next.bsp"});
    package("no-memory.pk3", {"maps/lost.bsp"});
    rusage before{};
    ::getrusage(RUSAGE_SELF, &before);
    Launcher l(dir.path());
    l.files.runOutOfMemoryOpening("no-memory.pk3");
    pressStart(l);
    rusage after{};
    ::getrusage(RUSAGE_SELF, &after);

    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 256 * 1024); // kB: nothing near 4 GB
    EXPECT_TRUE(l.messages.shown.empty());
    EXPECT_EQ(dir.readData("launch_stat.tvd"), "1\r\n");
    EXPECT_EQ(dataList("maps.tvd"), (std::vector<std::string>{"claimed", "next"}));
}
