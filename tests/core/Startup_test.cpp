#include <gtest/gtest.h>

#include "support/GameDir.h"
#include "support/Launcher.h"
#include "windows/ArtworkStore.h"
#include "windows/HelpWindow.h"
#include "windows/MainWindow.h"
#include "windows/StartupWindow.h"

namespace {

struct Startup : ::testing::Test {
    testsupport::GameDir dir;

    // Starts the program with the marker holding these bytes (nullptr: no
    // marker) and tells which window came up.
    struct Outcome {
        bool firstRunWindow;
        bool mainWindow;
    };
    Outcome startWith(const char* marker) {
        if (marker != nullptr)
            dir.writeRaw("Tolvdata/launch_stat.tvd", marker);
        testsupport::Launcher l(dir.path());
        l.start();
        return {l.get<windows::StartupWindow>().isVisible(),
                l.get<windows::MainWindow>().isVisible()};
    }
};

} // namespace

TEST_F(Startup, markerProtocol) {
    struct Case {
        const char* marker;
        bool firstRun;
    } cases[] = {
        {"1\r\n", false},  {" 0 \r\n", true}, {"0\r\n", true},      {"01\r\n", false},
        {"00\r\n", false}, {"\r\n", false},   {"", true},           {nullptr, true},
        {"0", true},       {"1", false},      {"0\r\n1\r\n", true},
    };
    for (const auto& c : cases) {
        const Outcome o = startWith(c.marker);
        SCOPED_TRACE(c.marker == nullptr ? "<no marker>" : c.marker);
        EXPECT_EQ(o.firstRunWindow, c.firstRun);
        EXPECT_EQ(o.mainWindow, !c.firstRun);
    }
}

TEST_F(Startup, leftoversOfWritesCutShortAreRemovedFromTheDataFolder) {
    struct Case {
        const char* name;
        bool removed;
    } cases[] = {
        {".tvd~Ab3xYz", true},         {".settings.tvd.x1Y2z3", true},
        {".Mods.TVD.abcdef", true},    {".My List.map.q9Q9q9", true},
        {".tvd~short", false},         {".maps.tvd.toolong", false},
        {".notes.txt.abcdef", false},  {".hidden", false},
        {"maps.tvd", false},           {"tvd~Ab3xYz", false},
        {".server.cfg.Xq3Zr8", false},
    };
    for (const auto& c : cases)
        dir.writeRaw(std::string("Tolvdata/") + c.name, "");
    startWith("1\r\n");
    for (const auto& c : cases)
        EXPECT_EQ(dir.exists(std::string("Tolvdata/") + c.name), !c.removed) << c.name;
}

TEST_F(Startup, missingBaseFolderGivesTheFirstRunWindowWhateverTheMarker) {
    std::filesystem::remove_all(dir.path() + "/baseq3");
    EXPECT_TRUE(startWith("1\r\n").firstRunWindow);
}

TEST_F(Startup, handingOverNeverShowsTheStartupWindowNorWritesTheMarker) {
    dir.writeRaw("Tolvdata/launch_stat.tvd", "1\r\n");
    dir.writeRaw("baseq3/pak0.pk3", "");
    testsupport::Launcher l(dir.path());
    l.start();
    auto& s = l.get<windows::StartupWindow>();
    EXPECT_FALSE(s.isLoaded());
    EXPECT_FALSE(l.app.ended());
    EXPECT_EQ(dir.readData("launch_stat.tvd"), "1\r\n");
    // Closing the main window later unloads the start-up window again
    // without touching the marker.
    l.get<windows::MainWindow>().userClose();
    EXPECT_TRUE(l.app.ended());
    EXPECT_EQ(dir.readData("launch_stat.tvd"), "1\r\n");
}

TEST_F(Startup, firstRunWindowShowsItsTextAndSharedPictures) {
    dir.writeRaw("baseq3/pak0.pk3", "");
    dir.writeRaw("baseq3/readme.txt", "");
    dir.writeRaw("Tolvdata/launch_stat.tvd", "0\r\n");
    testsupport::Launcher l(dir.path());
    l.start();
    auto& s = l.get<windows::StartupWindow>();
    ASSERT_TRUE(s.isVisible());
    EXPECT_EQ(s.caption(), "Startup");
    EXPECT_EQ(s.firstRunNotice.caption(),
              "This is the first time you are using           Torvel Arvenix Pro.        The "
              "programme will now browse through your Quake 3 files to detect installed Maps, "
              "Mods, Bots. Cancel by clicking on the [X]-symbol.");
    EXPECT_EQ(s.background.picture(), l.get<windows::HelpWindow>().background.picture());
    EXPECT_EQ(s.acceptButtonPlain.picture(), l.get<windows::ArtworkStore>().acceptPlain.picture());
    EXPECT_EQ(s.acceptButtonLit.picture(), l.get<windows::ArtworkStore>().acceptLit.picture());
    EXPECT_FALSE(s.detectionPanel.visible());
    EXPECT_FALSE(l.get<windows::HelpWindow>().isVisible()); // loaded for its pictures only
    EXPECT_TRUE(l.get<windows::HelpWindow>().isLoaded());
    // The hidden lists point at baseq3 with the package pattern.
    EXPECT_EQ(s.packageFiles.listCount(), 1);
    EXPECT_EQ(s.packageFiles.list(0), "pak0.pk3");
    EXPECT_EQ(s.packageFolder.path(), dir.path() + "/baseq3");

    // The accept pair lights under the pointer and goes plain over the background.
    s.acceptButtonPlain.userMouseMove();
    EXPECT_FALSE(s.acceptButtonPlain.visible());
    EXPECT_TRUE(s.acceptButtonLit.visible());
    s.background.userMouseMove();
    EXPECT_TRUE(s.acceptButtonPlain.visible());
    EXPECT_FALSE(s.acceptButtonLit.visible());
    s.background.userMouseMove(); // a reset over a plain button leaves it plain
    EXPECT_TRUE(s.acceptButtonPlain.visible());
    EXPECT_FALSE(s.acceptButtonLit.visible());
}

TEST_F(Startup, closingTheFirstRunWindowMarksTheFirstRunDone) {
    dir.writeRaw("Tolvdata/launch_stat.tvd", "0\r\n");
    {
        testsupport::Launcher l(dir.path());
        l.start();
        l.get<windows::StartupWindow>().userClose();
        EXPECT_FALSE(l.get<windows::StartupWindow>().isLoaded());
        EXPECT_TRUE(l.get<windows::MainWindow>().isVisible());
        EXPECT_FALSE(l.app.ended());
        EXPECT_EQ(dir.readData("launch_stat.tvd"), "1\r\n");
    }
    // The next start goes straight to the main window.
    EXPECT_TRUE(startWith(nullptr).mainWindow);
}

TEST_F(Startup, aMarkerThatCannotBeWrittenIsReportedAndStillOpensTheMainWindow) {
    dir.writeRaw("Tolvdata/launch_stat.tvd", "0\r\n");
    testsupport::Launcher l(dir.path());
    l.files.failWritesTo("launch_stat.tvd");
    l.start();
    l.get<windows::StartupWindow>().userClose();
    EXPECT_TRUE(l.get<windows::MainWindow>().isVisible());
    ASSERT_EQ(l.messages.shown.size(), 1u);
    EXPECT_NE(l.messages.shown[0].find("launch_stat.tvd (No space left on device)"),
              std::string::npos);
    EXPECT_EQ(dir.readData("launch_stat.tvd"), "0\r\n");
}

TEST(StartupRoot, refusesTheRootOfTheFileSystem) {
    EXPECT_TRUE(windows::StartupWindow::isFileSystemRoot("/"));
    EXPECT_FALSE(windows::StartupWindow::isFileSystemRoot("/q3"));
    EXPECT_FALSE(windows::StartupWindow::isFileSystemRoot("/games/quake3"));

    testsupport::Launcher l("/");
    l.start();
    EXPECT_EQ(l.messages.shown, std::vector<std::string>{
                                    "Please copy Torvel Arvenix Pro into your Quake3-directory."});
    EXPECT_TRUE(l.app.ended());
    EXPECT_FALSE(l.get<windows::MainWindow>().isLoaded());
    EXPECT_FALSE(std::filesystem::exists("/Tolvdata"));
}

TEST(StartupRoot, aShortPathThatIsNoRootIsAccepted) {
    testsupport::GameDir dir;
    dir.writeRaw("Tolvdata/launch_stat.tvd", "1\r\n");
    testsupport::Launcher l(dir.path());
    l.start();
    EXPECT_TRUE(l.messages.shown.empty());
    EXPECT_FALSE(l.app.ended());
}
