#include <gtest/gtest.h>

#include "support/GameDir.h"
#include "support/Launcher.h"
#include "windows/MainWindow.h"

using testsupport::GameDir;
using testsupport::Launcher;

namespace {

windows::MainWindow& cycleOf(Launcher& l, const std::string& folder,
                             const std::vector<std::string>& maps) {
    auto& q = l.get<windows::MainWindow>();
    q.gameFolder.setCaption(folder);
    q.cycleMaps.clear();
    for (const auto& m : maps)
        q.cycleMaps.addItem(m);
    return q;
}

std::string line(int n, const std::string& map, int next) {
    return "set m" + std::to_string(n) + " \"map " + map + "; set nextmap vstr m" +
           std::to_string(next) + "\"\r\n";
}

} // namespace

TEST(CycleConfig, emptyAndOneMap) {
    GameDir dir;
    Launcher l(dir.path());
    dir.write("baseq3/tvdx_mapcycle.cfg", {"old content"});
    auto& q = cycleOf(l, "baseq3", {});
    q.writeCycleConfig();
    EXPECT_EQ(q.cycleConfigWrite(), windows::MainWindow::CycleConfigWrite::Written);
    EXPECT_TRUE(dir.exists("baseq3/tvdx_mapcycle.cfg"));
    EXPECT_EQ(dir.read("baseq3/tvdx_mapcycle.cfg"), "");

    // The one map points back at itself, so the game keeps playing it.
    cycleOf(l, "baseq3", {"q3dm17"});
    q.writeCycleConfig();
    EXPECT_EQ(dir.read("baseq3/tvdx_mapcycle.cfg"), line(1, "q3dm17", 1) + "vstr m1\r\n");
}

TEST(CycleConfig, tenMapsRepeatFromTheFirst) {
    GameDir dir;
    Launcher l(dir.path());
    std::vector<std::string> maps;
    for (int i = 1; i <= 10; ++i)
        maps.push_back("q3dm" + std::to_string(i));
    auto& q = cycleOf(l, "baseq3", maps);
    q.writeCycleConfig();
    std::string expected;
    for (int i = 1; i <= 9; ++i)
        expected += line(i, maps[static_cast<std::size_t>(i - 1)], i + 1);
    expected += line(10, "q3dm10", 1) + "vstr m1\r\n";
    EXPECT_EQ(dir.read("baseq3/tvdx_mapcycle.cfg"), expected);
}

TEST(CycleConfig, entriesAreWrittenAsTheyStand) {
    GameDir dir;
    Launcher l(dir.path());
    dir.write("osp/readme.txt", {"x"});
    // The folder is found whatever the case of its name.
    auto& q = cycleOf(l, "OSP", {"Q3DM1", " q3dm7 ", "Q3DM1"});
    q.writeCycleConfig();
    EXPECT_EQ(q.cycleConfigWrite(), windows::MainWindow::CycleConfigWrite::Written);
    EXPECT_EQ(dir.read("osp/tvdx_mapcycle.cfg"),
              line(1, "Q3DM1", 2) + line(2, " q3dm7 ", 3) + line(3, "Q3DM1", 1) + "vstr m1\r\n");
}

TEST(CycleConfig, missingModFolderAndDeletion) {
    GameDir dir;
    Launcher l(dir.path());
    auto& q = cycleOf(l, "nosuchmod", {"q3dm1"});
    q.writeCycleConfig();
    EXPECT_EQ(q.cycleConfigWrite(), windows::MainWindow::CycleConfigWrite::Failed);
    EXPECT_FALSE(dir.exists("nosuchmod"));
    q.deleteCycleConfig(); // nothing to delete: no error

    cycleOf(l, "baseq3", {"q3dm1"});
    q.writeCycleConfig();
    EXPECT_EQ(q.cycleConfigWrite(), windows::MainWindow::CycleConfigWrite::Written);
    ASSERT_TRUE(dir.exists("baseq3/tvdx_mapcycle.cfg"));
    q.deleteCycleConfig();
    EXPECT_FALSE(dir.exists("baseq3/tvdx_mapcycle.cfg"));
    q.deleteCycleConfig();
}
