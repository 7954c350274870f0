#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

#include "data/SlashList.h"
#include "support/GameDir.h"
#include "support/Launcher.h"
#include "support/Packages.h"
#include "ui/Observer.h"
#include "windows/ArtworkStore.h"
#include "windows/MainWindow.h"
#include "windows/MapWindow.h"

using testsupport::GameDir;
using testsupport::Launcher;
using testsupport::makePackage;
using Names = std::vector<std::string>;

namespace {

constexpr int kEnter = 13;

// Records what the percentage labels and the fills show during a run.
class ProgressRecorder : public ui::Observer {
  public:
    void windowChanged(ui::Window&, ui::WindowEvent) override {}
    void controlChanged(ui::Control& c, ui::Prop what) override {
        const bool percent = c.name() == "status3" || c.name() == "status3b";
        const bool fill = c.name() == "status2" || c.name() == "status2b";
        if (percent && what == ui::Prop::Caption)
            shown.push_back(c.state().caption);
        if (fill && what == ui::Prop::Geometry)
            widths.push_back(c.state().rect.width);
    }
    void applicationEnded() override {}
    Names shown;
    std::vector<int> widths;
};

const Names kStockMaps = {"q3ctf1",     "q3ctf2",     "q3ctf3",     "q3ctf4",     "q3dm0",
                          "q3dm1",      "q3dm10",     "q3dm11",     "q3dm12",     "q3dm13",
                          "q3dm14",     "q3dm15",     "q3dm16",     "q3dm17",     "q3dm18",
                          "q3dm19",     "q3dm2",      "q3dm3",      "q3dm4",      "q3dm5",
                          "q3dm6",      "q3dm7",      "q3dm8",      "q3dm9",      "q3tourney1",
                          "q3tourney2", "q3tourney3", "q3tourney4", "q3tourney5", "q3tourney6"};

class MapWindow : public ::testing::Test {
  protected:
    MapWindow() { std::filesystem::create_directories(dir.data("")); }

    void package(const std::string& name, const Names& maps, const std::string& options = "-X") {
        std::vector<testsupport::PackageFile> files{{"textures/wall.tga", std::string(2000, 'w')}};
        for (const auto& m : maps)
            files.push_back({"maps/" + m + ".bsp", "map " + m});
        ASSERT_TRUE(
            makePackage(std::filesystem::path(dir.path()) / "baseq3" / name, files, options));
    }
    windows::MapWindow& open() {
        auto& w = l.get<windows::MapWindow>();
        w.show();
        return w;
    }
    void detectAll() {
        auto& w = open();
        w.detectAllTab.userClick();
        w.detectAllButtonPlain.userClick();
    }
    void detectNew() {
        auto& w = open();
        w.detectNewTab.userClick();
        w.detectNewButtonPlain.userClick();
    }
    std::string mapsFile() const { return dir.readData("maps.tvd"); }

    GameDir dir;
    Launcher l{dir.path()};
};

Names sorted(Names names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return ui::ListBox::sortsBefore(a, b);
    });
    return names;
}

} // namespace

TEST_F(MapWindow, detectAllThenDetectNewOverStockAndUserPackages) {
    dir.writeData("maps.tvd", {"gone/"});
    // The stock packages are known by name: what they hold is never read.
    package("pak0.pk3", {"q3dm1", "hidden0"});
    package("pak1.pk3", {"hidden1"});
    package("pak2.pk3", {"hidden2"});
    package("pak3.pk3", {"extra3"});
    package("pak4.pk3", {"hidden4"});
    package("bot-pack.pk3", {"hiddenbot"});
    package("md3-skins.pk3", {"hiddenmd3"});
    package("Bot-pack.pk3", {"casebot"});
    package("user.pk3", {"ztn", "Aerowalk"}, "-fd");

    detectAll();
    const Names first = sorted([] {
        Names all = kStockMaps;
        for (const char* m : {"q3tourney6_ctf", "extra3", "casebot", "ztn", "Aerowalk"})
            all.push_back(m);
        return all;
    }());
    EXPECT_EQ(l.catalogue(), first);
    EXPECT_EQ(data::entriesOf(l.get<windows::MainWindow>().availableMaps), first); // in cycle mode
    EXPECT_EQ(mapsFile(), data::slashListLine(first) + "\r\n");
    EXPECT_EQ(dir.readData("oldmaps.tvd"),
              "Bot-pack.pk3/bot-pack.pk3/md3-skins.pk3/pak0.pk3/pak1.pk3/pak2.pk3/pak3.pk3/"
              "pak4.pk3/user.pk3/\r\n");
    EXPECT_FALSE(l.get<windows::MapWindow>().isLoaded());
    EXPECT_EQ(l.get<windows::ArtworkStore>().scanMode(), packages::ScanMode::Maps);

    // Nothing new: every package is skipped, the bar still runs through.
    ProgressRecorder recorder;
    l.app.setObserver(&recorder);
    detectNew();
    l.app.setObserver(nullptr);
    EXPECT_EQ(l.catalogue(), first);
    ASSERT_EQ(recorder.shown.size(), 10U);
    EXPECT_EQ(recorder.shown.front(), " 0%");
    EXPECT_EQ(recorder.shown[8], " 100%");
    EXPECT_EQ(recorder.shown.back(), "DONE");

    // A package already seen is skipped even when it changed; a new one is
    // scanned and its maps join the catalogue.
    package("user.pk3", {"ztn", "Aerowalk", "changed"});
    package("new.pk3", {"q3dm1", "fresh"});
    detectNew();
    Names second = first;
    second.push_back("fresh");
    EXPECT_EQ(l.catalogue(), sorted(second));
    EXPECT_NE(dir.readData("oldmaps.tvd").find("new.pk3/"), std::string::npos);
}

TEST_F(MapWindow, aDetectionChangesTheCatalogueOnceForItsFindsAndOnceForItsDuplicates) {
    struct ChangeCounter : ui::Observer {
        void windowChanged(ui::Window&, ui::WindowEvent) override {}
        void controlChanged(ui::Control& c, ui::Prop what) override {
            changes += c.name() == "List1" && what == ui::Prop::Items ? 1 : 0;
        }
        void applicationEnded() override {}
        int changes = 0;
    } counter;
    package("one.pk3", {"b", "a"});
    package("two.pk3", {"a", "c"});
    l.setCatalogue({"c"});
    l.app.setObserver(&counter);
    detectNew();
    l.app.setObserver(nullptr);
    EXPECT_EQ(l.catalogue(), (Names{"a", "b", "c"}));
    EXPECT_EQ(counter.changes, 2);
}

TEST_F(MapWindow, progressOfOneAndOfNoPackage) {
    ProgressRecorder recorder;
    l.app.setObserver(&recorder);
    detectAll();
    EXPECT_EQ(recorder.shown, Names{"DONE"});
    EXPECT_EQ(dir.readData("oldmaps.tvd"), "\r\n");
    EXPECT_EQ(mapsFile(), "\r\n");

    recorder.shown.clear();
    package("only.pk3", {"solo"});
    detectAll();
    l.app.setObserver(nullptr);
    EXPECT_EQ(recorder.shown, (Names{" 100%", "DONE"}));
    EXPECT_EQ(recorder.widths.back(), 3375);
    EXPECT_EQ(l.catalogue(), Names{"solo"});
}

TEST_F(MapWindow, addingByName) {
    const struct {
        Names before;
        const char* typed;
        bool enter;
        Names after;
        const char* file; // nullptr: maps.tvd is not written
    } cases[] = {
        {{"q3dm1", "q3dm7"}, " q3dm7 ", true, {"q3dm1", "q3dm7", "q3dm7"}, "q3dm1/q3dm7/q3dm7/"},
        {{"q3dm1", "q3dm7"}, "q3dm7", false, {"q3dm1", "q3dm7"}, "q3dm1/q3dm7/"},
        {{"q3dm7", "ztn"}, "Aero", true, {"Aero", "q3dm7", "ztn"}, "q3dm7/ztn/Aero/"},
        {{"b"}, "x/y", false, {"b", "x", "y"}, "b/x/y/"},
        {{"", "b"}, "", true, {"", "b"}, nullptr},
        {{"", "b"}, "   ", false, {"", "b"}, nullptr},
    };
    for (const auto& c : cases) {
        dir.writeData("maps.tvd", {"untouched/"});
        l.setCatalogue(c.before);
        auto& w = open();
        w.mapName.userType(c.typed);
        if (c.enter) {
            w.mapName.userKeyDown(kEnter);
        } else {
            w.addButtonPlain.userMouseMove();
            w.addButtonLit.userClick();
        }
        EXPECT_EQ(l.catalogue(), c.after) << '"' << c.typed << '"';
        // The main window is in cycle mode: "Available Maps" follows a change.
        EXPECT_TRUE(!c.file ||
                    data::entriesOf(l.get<windows::MainWindow>().availableMaps) == c.after);
        EXPECT_EQ(mapsFile(), c.file ? std::string(c.file) + "\r\n" : "untouched/\r\n")
            << '"' << c.typed << '"';
        EXPECT_FALSE(w.isLoaded());
    }
}

TEST_F(MapWindow, duplicatePass) {
    const struct {
        Names before;
        bool onSinglePage;
        const char* typed;
        Names after;
    } cases[] = {
        {{"a", "a", "a", "b"}, false, "", {"a", "a", "b"}},
        {{"a", "a", "b", "b"}, false, "", {"a", "b"}},
        {{"", "a", "a"}, true, "", {"a", "a"}},
        {{"a", "b", "c"}, true, "c", {"a", "b"}},
        {{"a", "a", "c"}, true, "c", {"a"}},
        {{"A", "a"}, false, "", {"A", "a"}},
    };
    for (const auto& c : cases) {
        l.setCatalogue(c.before);
        auto& w = open();
        if (!c.onSinglePage)
            w.detectAllTab.userClick();
        w.mapName.setText(c.typed);
        w.removeNeighbourDuplicates();
        EXPECT_EQ(l.catalogue(), c.after) << testing::PrintToString(c.before) << " " << c.typed;
        w.unload();
    }
}

TEST_F(MapWindow, failedDetectionsKeepTheSavedCatalogueAndSnapshot) {
    // A write that fails, or baseq3 gone (""): the snapshot never runs ahead.
    for (const std::string failing : {"/maps.tvd", "oldmaps.tvd", ""}) {
        dir.writeData("maps.tvd", {"q3dm1/"});
        dir.writeData("oldmaps.tvd", {"old.pk3/"});
        package("user.pk3", {"ztn"});
        l.setCatalogue({"q3dm1"});
        l.messages.shown.clear();
        l.files.clearFailures();
        if (!failing.empty())
            l.files.failWritesTo(failing);
        else
            std::filesystem::remove_all(dir.path() + "/baseq3");
        detectAll();
        ASSERT_EQ(l.messages.shown.size(), 1U) << failing;
        const char* told = failing.empty() ? "baseq3" : "was not there at the detection before";
        EXPECT_NE(l.messages.shown[0].find(told), std::string::npos) << l.messages.shown[0];
        EXPECT_EQ(mapsFile(), failing == "oldmaps.tvd" ? "ztn/\r\n" : "q3dm1/\r\n");
        EXPECT_EQ(dir.readData("oldmaps.tvd"), "old.pk3/\r\n");
        EXPECT_EQ(l.catalogue(), failing.empty() ? Names{"q3dm1"} : Names{"ztn"});
    }
}

TEST_F(MapWindow, packagesAreOpenedAsTheyAreOnDiskAndOnlyWhenTheyAreFiles) {
    package("caf\xE9.pk3", {"latin"});
    package("fifo.pk3", {"gone"});
    package("z.pk3", {"after"});
    open(); // the packages are listed now
    // A FIFO put in a package's place after the listing adds nothing and
    // holds nothing up.
    const auto fifo = std::filesystem::path(dir.path()) / "baseq3" / "fifo.pk3";
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    detectAll();
    EXPECT_EQ(l.catalogue(), (Names{"after", "latin"}));
    EXPECT_EQ(dir.readData("oldmaps.tvd"), "caf\xC3\xA9.pk3/fifo.pk3/z.pk3/\r\n");
}
