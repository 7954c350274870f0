// The mod window on real folders of a temporary game directory: Detect All,
// Detect New (a folder of the last detection is passed over wherever it
// stands), adding a mod by hand, the duplicate pass, and failures to write.
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/SlashList.h"
#include "support/MainWindowFixture.h"
#include "support/ShownValues.h"
#include "windows/MainWindow.h"
#include "windows/ModWindow.h"

namespace {

using Lines = std::vector<std::string>;

struct ModWindow : testsupport::MainWindowTest {
    testsupport::ShownValues shown;

    void folders(std::initializer_list<const char*> names) const {
        for (const char* name : names)
            std::filesystem::create_directories(std::filesystem::path(dir.path()) / name);
    }
    // The main window shown, then its "Add mod to list" button.
    windows::ModWindow& openModWindow() {
        auto& q = open();
        launcher->app.setObserver(&shown);
        q.addModButton.userClick();
        return launcher->get<windows::ModWindow>();
    }
    windows::MainWindow& main() { return launcher->get<windows::MainWindow>(); }
    Lines modList() { return data::entriesOf(main().modList); }
    std::string seen(const std::string& control) { return shown.caption["q2mod." + control]; }
    std::set<std::string> dataFiles() const {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.data("")))
            names.insert(e.path().filename().string());
        return names;
    }
};

TEST_F(ModWindow, detectAllListsTheModFoldersAndTheBaseGame) {
    folders({"arena", "bots"});
    catalogues("", {"Old"});
    dir.writeData("bots.tvd", {"Sarge - 5 - red  - 0  /", "0/"});
    const std::string bots = dir.readData("bots.tvd");
    auto& w = openModWindow();
    ASSERT_TRUE(w.isVisible());
    w.detectAllTab.userClick();
    w.detectAllButtonPlain.userClick(); // the plain picture does nothing
    EXPECT_TRUE(w.isVisible());
    w.detectAllButtonPlain.userMouseMove();
    w.detectAllButtonLit.userClick();

    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(modList(), (Lines{"Arena", "Capture The Flag", "Free For All", "Team Deathmatch",
                                "Tournament"}));
    EXPECT_EQ(
        dataLines("Arena.tvd"),
        (Lines{"arena", "opcpt1", "+", "0", "opcpt2", "+", "0", "opcpt3", "+", "0", "0", "+",
               "0",     "0",      "8", "0", "0",      "0", "0", "0",      "0", "",  "1", "0"}));
    EXPECT_EQ(dataLines("Capture The Flag.tvd")[15], "8");
    EXPECT_EQ(dir.readData("mods.tvd"),
              "Arena/Capture The Flag/Free For All/Team Deathmatch/Tournament/\r\n");
    EXPECT_EQ(dir.readData("oldmods.tvd"), "arena/baseq3/bots/Tolvdata/\r\n");
    EXPECT_TRUE(dir.exists("Tolvdata/Old.tvd")); // no record is deleted
    // A folder whose record would be one of the launcher's own files is
    // left out, and the user told.
    EXPECT_EQ(dir.readData("bots.tvd"), bots);
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("\"bots\""), std::string::npos);

    // What the window showed at the end of the walk.
    EXPECT_EQ(seen("txt_detected"), "5");
    EXPECT_EQ(seen("txt_remaining"), "1"); // the bots folder
    EXPECT_EQ(seen("status3b"), " 100%");
    EXPECT_EQ(shown.width["q2mod.status2b"], 2895);
    // The main window is left without a mod.
    EXPECT_EQ(main().modList.listIndex(), -1);
    EXPECT_EQ(main().settingsFlow(), windows::MainWindow::SettingsFlow::LoadRecord);
    EXPECT_FALSE(main().withBots.enabled());
}

TEST_F(ModWindow, detectNewPassesOverEveryFolderOfTheLastDetection) {
    folders({"a", "aa", "b", "c", "q3ut"});
    catalogues("", {"A", "B", "C", "Urban Terror"});
    dir.writeData("oldmods.tvd", {"a/b/c/baseq3/Tolvdata/"});
    const std::string kept = dir.readData("C.tvd");
    auto& w = openModWindow();
    w.detectNewTab.userClick();
    w.detectNewTab.userClick(); // every click reads the snapshot again
    EXPECT_EQ(w.folderSnapshot.listCount(), 10);
    EXPECT_EQ(w.detectionTitle.caption(), "Detect New");
    w.detectNewButtonPlain.userMouseMove();
    w.detectNewButtonLit.userClick();

    // c stands at an index past the snapshot's count and is still passed
    // over: its record keeps the user's settings.
    EXPECT_EQ(dir.readData("C.tvd"), kept);
    EXPECT_EQ(dataLines("Aa.tvd")[0], "aa");
    // q3ut is new; its name was listed already: the list on screen holds it
    // once, the file as the detection wrote it.
    EXPECT_EQ(modList(), (Lines{"A", "Aa", "B", "C", "Urban Terror"}));
    EXPECT_EQ(dir.readData("mods.tvd"), "A/Aa/B/C/Urban Terror/Urban Terror/\r\n");
    EXPECT_EQ(dir.readData("oldmods.tvd"), "a/aa/b/baseq3/c/q3ut/Tolvdata/\r\n");
    EXPECT_EQ(seen("txt_detected"), "2");
    EXPECT_EQ(seen("txt_remaining"), "7");
}

TEST_F(ModWindow, oneFolderShowsTheWholeBar) {
    catalogues("", {});
    std::filesystem::remove_all(std::filesystem::path(dir.path()) / "baseq3");
    auto& w = openModWindow();
    w.detectAllTab.userClick();
    w.detectAllButtonPlain.userMouseMove();
    w.detectAllButtonLit.userClick();
    EXPECT_EQ(seen("status3b"), " 100%");
    EXPECT_EQ(shown.width["q2mod.status2b"], 2895);
}

TEST_F(ModWindow, duplicatePassLeavesOneOfThreeEqualNeighbours) {
    const struct {
        Lines before;
        Lines after;
    } cases[] = {
        {{"x", "x", "x"}, {"x", "x"}},
        {{"x", "x"}, {"x"}},
        {{"A", "a", "a", "b", "b"}, {"A", "a", "b"}},
        {{"", "a"}, {"", "a"}},
    };
    catalogues("", {});
    auto& w = openModWindow();
    for (const auto& c : cases) {
        main().modList.clear();
        main().modList.addItems(c.before);
        w.removeNeighbourDuplicates();
        EXPECT_EQ(modList(), c.after);
    }
}

TEST_F(ModWindow, addingByHand) {
    const struct {
        const char* typed;
        const char* message; // empty: added
        const char* listed;
    } cases[] = {
        {"  My Mod  ", "", "My Mod"},
        {"", "Please insert a valid Mod-name.", ""},
        {"   ", "Please insert a valid Mod-name.", ""},
        {"a/b", "cannot be used for a mod", ""},
        {"a\\b", "cannot be used for a mod", ""},
        {"..", "cannot be used for a mod", ""},
        {"Settings", "cannot be used for a mod", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        catalogues("", {"Baseq3"});
        const auto filesBefore = dataFiles();
        auto& w = openModWindow();
        w.fields.modName.setText(c.typed);
        w.fields.option1Shown.setValue(1);
        w.fields.option1Prefix.setText("  +set fraglimit  ");
        w.addButtonPlain.userMouseMove();
        w.addButtonLit.userClick();
        if (*c.message == '\0') {
            EXPECT_TRUE(messages().empty());
            EXPECT_FALSE(w.isVisible());
            EXPECT_EQ(modList(), (Lines{"Baseq3", c.listed}));
            EXPECT_EQ(dir.readData("mods.tvd"), "Baseq3/" + std::string(c.listed) + "/\r\n");
            EXPECT_EQ(dataLines(std::string(c.listed) + ".tvd"),
                      (Lines{"baseq3", "opcpt1", "+set fraglimit",
                             "1",      "opcpt2", "+",
                             "0",      "opcpt3", "+",
                             "0",      "0",      "+",
                             "0",      "0",      "0",
                             "0",      "0",      "0",
                             "0",      "0",      "0",
                             "",       "0",      "0"}));
        } else {
            ASSERT_EQ(messages().size(), 1U);
            EXPECT_NE(messages()[0].find(c.message), std::string::npos) << messages()[0];
            EXPECT_TRUE(w.isVisible());
            EXPECT_EQ(modList(), Lines{"Baseq3"});
            EXPECT_EQ(dir.readData("mods.tvd"), "Baseq3/\r\n");
            EXPECT_EQ(dataFiles(), filesBefore);
        }
        EXPECT_EQ(main().gameFolder.caption(), "");
    }
}

TEST_F(ModWindow, foldersWhoseNamesTheFilesCannotKeepAreNamedOnceAndTheWalkGoesOn) {
    const std::string fits(251, 'm'); // its record file name is 255 bytes long
    const std::string tooLong(253, 'l');
    catalogues("", {});
    folders({"a~b", fits.c_str(), tooLong.c_str(), "cr\rlf\nname", "\ttab"});
    auto& w = openModWindow();
    w.detectAllTab.userClick();
    w.detectAllButtonPlain.userMouseMove();
    w.detectAllButtonLit.userClick();

    const std::string upper = "M" + fits.substr(1);
    EXPECT_EQ(modList(), (Lines{"A~b", "Capture The Flag", "Free For All", upper, "Team Deathmatch",
                                "Tournament"}));
    ASSERT_EQ(messages().size(), 1U);
    for (const std::string& named :
         {"\"" + tooLong + "\"", std::string("\"cr<CR>lf<LF>name\""), std::string("\"<TAB>tab\"")})
        EXPECT_NE(messages()[0].find(named), std::string::npos) << named;
    // Line 1 is the folder; the generic lines follow unshifted.
    const Lines tilde = dataLines("A~b.tvd");
    const Lines generic = dataLines(upper + ".tvd");
    EXPECT_EQ(tilde[0], "a~b");
    EXPECT_EQ(Lines(tilde.begin() + 1, tilde.end()), Lines(generic.begin() + 1, generic.end()));
    const std::string snapshot = dir.readData("oldmods.tvd");
    EXPECT_EQ(snapshot.find('\n'), snapshot.size() - 1); // one line
}

TEST_F(ModWindow, aFailedWriteTellsOnceAndKeepsTheListOnScreenAndTheSnapshot) {
    const Lines detected{"Arena",        "Capture The Flag", "Cpma",
                         "Free For All", "Team Deathmatch",  "Tournament"};
    const struct {
        const char* failing;
        bool detect;
        Lines listed;
        std::string modsFile;
    } cases[] = {
        // The walk stops at the record it cannot write; the list keeps what
        // was detected before it.
        {"Cpma.tvd", true, {"Arena"}, "Arena/\r\n"},
        {"/mods.tvd", true, detected, "Old/\r\n"},
        {"/oldmods.tvd", true, detected, data::slashListLine(detected) + "\r\n"},
        {"New.tvd", false, {"Old"}, "Old/\r\n"},
        {"/mods.tvd", false, {"New", "Old"}, "Old/\r\n"},
    };
    folders({"arena", "cpma"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        catalogues("", {"Old"});
        dir.writeData("oldmods.tvd", {"old/"});
        const std::string old = dir.readData("Old.tvd");
        auto& w = openModWindow();
        launcher->files.failWritesTo(c.failing);
        if (c.detect) {
            w.detectAllTab.userClick();
            w.detectAllButtonPlain.userMouseMove();
            w.detectAllButtonLit.userClick();
        } else {
            w.fields.modName.setText("New");
            w.addButtonPlain.userClick();
        }
        ASSERT_EQ(messages().size(), 1U);
        EXPECT_EQ(modList(), c.listed);
        EXPECT_EQ(dir.readData("mods.tvd"), c.modsFile);
        EXPECT_EQ(dir.readData("Old.tvd"), old);
        // The snapshot is left as it was, and a detection says what follows.
        EXPECT_EQ(dir.readData("oldmods.tvd"), "old/\r\n");
        EXPECT_EQ(messages()[0].find("takes every folder missing") != std::string::npos, c.detect);
    }
}

} // namespace

TEST_F(ModWindow, aFolderWhoseNameIsNotTextIsLeftOutAndNamed) {
    folders({"arena", "caf\xE9"});
    auto& w = openModWindow();
    w.detectAllTab.userClick();
    w.detectAllButtonPlain.userMouseMove();
    w.detectAllButtonLit.userClick();
    EXPECT_EQ(modList().at(0), "Arena");
    EXPECT_EQ(modList().size(), 5U);
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("\"caf\xC3\xA9\""), std::string::npos) << messages()[0];
}

TEST_F(ModWindow, aFolderWhoseModNameDiffersOnlyInCaseFromAnotherIsLeftOutAndNamed) {
    folders({"w4case", "W4CASE"});
    for (const bool detectNew : {false, true}) {
        std::filesystem::remove_all(dir.data(""));
        // A listed mod of exactly a folder's mod name is that mod found again.
        catalogues("", detectNew ? Lines{"W4case"} : Lines{});
        auto& w = openModWindow();
        (detectNew ? w.detectNewTab : w.detectAllTab).userClick();
        (detectNew ? w.detectNewButtonPlain : w.detectAllButtonPlain).userMouseMove();
        (detectNew ? w.detectNewButtonLit : w.detectAllButtonLit).userClick();
        EXPECT_EQ(modList().size(), detectNew ? 1U : 5U);
        EXPECT_EQ(dataLines(modList().back() + ".tvd").at(0), detectNew ? "w4case" : "W4CASE");
        ASSERT_EQ(messages().size(), 1U);
        EXPECT_NE(messages()[0].find(detectNew ? "\"W4CASE\"" : "\"w4case\""), std::string::npos);
    }
}
