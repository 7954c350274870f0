// Writes that the disk refuses: a data folder nobody may write, and a data
// file that is a folder. Each refused write tells the user once, naming the
// file and the reason; no file changes; the program goes on with what it
// holds in memory.

#include <filesystem>
#include <functional>
#include <map>

#include <gtest/gtest.h>

#include "data/SlashList.h"
#include "support/GameData.h"
#include "support/GameDir.h"
#include "support/Launcher.h"
#include "windows/MainWindow.h"
#include "windows/MapWindow.h"
#include "windows/RosterWindow.h"

namespace {

namespace fs = std::filesystem;
using testsupport::GameDir;
using testsupport::Launcher;

struct Write {
    std::string file;   // the data file the action writes
    bool fromFolderToo; // the action still makes sense when the file is a folder
    std::function<void(Launcher&)> act;
    std::function<bool(Launcher&)> kept; // the change is there in memory
};

bool holds(const ui::ListBox& list, const std::string& entry) {
    const auto entries = data::entriesOf(list);
    return std::find(entries.begin(), entries.end(), entry) != entries.end();
}

const std::vector<Write>& writes() {
    static const std::vector<Write> all = {
        {"maps.tvd", true,
         [](Launcher& l) {
             auto& w = l.get<windows::MapWindow>();
             w.mapName.setText("q3dm9");
             w.addTypedMapAndSave();
         },
         [](Launcher& l) { return holds(l.get<windows::MainWindow>().mapList, "q3dm9"); }},
        {"mapcycle.tvd", true,
         [](Launcher& l) {
             auto& q = l.get<windows::MainWindow>();
             q.cycleTab.userClick();
             q.availableMaps.userClickItem(0);
             q.addToCycleButton.userClick();
         },
         [](Launcher& l) { return l.get<windows::MainWindow>().cycleMaps.listCount() > 0; }},
        {"baseq3.tvd", false,
         [](Launcher& l) {
             auto& q = l.get<windows::MainWindow>();
             q.modList.userClickItem(0); // into the mod list, then out of it: edits save
             q.fragLimit.userType("99");
         },
         [](Launcher& l) { return l.get<windows::MainWindow>().fragLimit.text() == "99"; }},
        {"bots.tvd", false,
         [](Launcher& l) { l.get<windows::RosterWindow>().roster.userClickItem(0); },
         [](Launcher& l) { return l.get<windows::RosterWindow>().roster.selCount() == 2; }},
        {"mods.tvd", false,
         [](Launcher& l) {
             auto& q = l.get<windows::MainWindow>();
             q.modList.userClickItem(0);
             q.removeModButton.userClick(); // also deletes the record, where it may
         },
         [](Launcher& l) { return l.get<windows::MainWindow>().modList.listCount() == 1; }},
        {"settings.tvd", true, [](Launcher& l) { l.get<windows::MainWindow>().userClose(); },
         [](Launcher& l) { return l.app.ended(); }},
    };
    return all;
}

void writeGame(const GameDir& dir) {
    testsupport::writeUsedGame(dir);
    dir.writeData("mapcycle.tvd", {""});
}

std::map<std::string, std::string> dataFiles(const GameDir& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(dir.data("")))
        files[e.path().filename().string()] =
            e.is_directory() ? "<folder>" : dir.readData(e.path().filename().string());
    return files;
}

// Runs the action and checks what the user sees and what stays.
void expectRefused(Launcher& l, const Write& w, const std::string& reason) {
    SCOPED_TRACE(w.file);
    const std::size_t before = l.messages.shown.size();
    w.act(l);
    ASSERT_EQ(l.messages.shown.size(), before + 1);
    const std::string& message = l.messages.shown.back();
    EXPECT_NE(message.find("Tolvdata/" + w.file), std::string::npos) << message;
    EXPECT_NE(message.find(reason), std::string::npos) << message;
    EXPECT_TRUE(w.kept(l));
}

} // namespace

TEST(Faults, aReadOnlyDataFolderRefusesEveryWriteAndLosesNothing) {
    GameDir dir;
    writeGame(dir);
    const auto before = dataFiles(dir);
    fs::permissions(dir.data(""), fs::perms(0555));
    Launcher l(dir.path());
    l.start();
    ASSERT_TRUE(l.get<windows::MainWindow>().isVisible());
    EXPECT_TRUE(l.messages.shown.empty()); // reading is fine

    // One program, one refused write after the other.
    for (const auto& w : writes())
        expectRefused(l, w, "Permission denied");

    fs::permissions(dir.data(""), fs::perms(0755));
    EXPECT_EQ(dataFiles(dir), before);
}

TEST(Faults, aDataFileThatIsAFolderRefusesItsWriteAndLosesNothing) {
    for (const auto& w : writes()) {
        if (!w.fromFolderToo)
            continue;
        GameDir dir;
        writeGame(dir);
        fs::remove(dir.data(w.file));
        fs::create_directory(dir.data(w.file));
        const auto before = dataFiles(dir);
        Launcher l(dir.path());
        l.start();
        ASSERT_TRUE(l.get<windows::MainWindow>().isVisible());

        expectRefused(l, w, "Is a directory");
        EXPECT_EQ(dataFiles(dir), before);
    }
}
