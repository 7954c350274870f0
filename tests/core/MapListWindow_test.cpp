#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/SlashList.h"
#include "support/GameDir.h"
#include "support/Launcher.h"
#include "windows/MainWindow.h"
#include "windows/MapListsWindow.h"

using testsupport::GameDir;
using testsupport::Launcher;
using Names = std::vector<std::string>;

namespace {

class MapListWindow : public ::testing::Test {
  protected:
    MapListWindow() { std::filesystem::create_directories(dir.data("")); }

    windows::MapListsWindow& open(int tab = 0) {
        auto& w = l.get<windows::MapListsWindow>();
        w.show();
        ui::Label* tabs[] = {&w.loadTab, &w.saveTab, &w.deleteTab};
        tabs[tab]->userClick();
        return w;
    }
    static void choose(ui::FileListBox& files, const std::string& name) {
        for (int i = 0; i < files.listCount(); ++i) {
            if (files.list(i) == name)
                files.userClickItem(i);
        }
    }
    void save(const std::string& name) {
        auto& w = open(1);
        w.listName.userType(name);
        w.saveButtonPlain.userMouseMove();
        w.saveButtonLit.userClick();
    }
    void load(const std::string& file) {
        auto& w = open(0);
        choose(w.loadPageFiles, file);
        w.loadButtonPlain.userMouseMove();
        w.loadButtonLit.userClick();
    }

    GameDir dir;
    Launcher l{dir.path()};
};

} // namespace

TEST_F(MapListWindow, saveLoadAndDeleteRoundTrip) {
    l.setCatalogue({"q3dm7", "q3dm1", ""});
    save("duel");
    EXPECT_EQ(dir.readData("duel.map"), "/q3dm1/q3dm7/\r\n");
    EXPECT_FALSE(l.get<windows::MapListsWindow>().isLoaded());

    // A name taken from the list replaces that file.
    l.setCatalogue({});
    auto& w = open(1);
    choose(w.savePageFiles, "duel.map");
    EXPECT_EQ(w.listName.text(), "duel");
    w.saveButtonPlain.userClick();
    EXPECT_EQ(dir.readData("duel.map"), "\r\n");

    dir.writeData("ctf.map", {"q3ctf2/q3ctf1/dropped"});
    dir.writeData("maps.tvd", {"old/"});
    l.get<windows::MainWindow>().removeMapButton.setEnabled(true);
    l.get<windows::MainWindow>().selectedMapTitle.setCaption("old");
    load("ctf.map");
    EXPECT_EQ(l.get<windows::MainWindow>().selectedMapTitle.caption(), ""); // none highlighted
    EXPECT_EQ(l.catalogue(), (Names{"q3ctf1", "q3ctf2"}));
    EXPECT_EQ(data::entriesOf(l.get<windows::MainWindow>().availableMaps),
              l.catalogue()); // cycle mode
    EXPECT_EQ(dir.readData("maps.tvd"), "q3ctf1/q3ctf2/\r\n");
    EXPECT_FALSE(l.get<windows::MainWindow>().removeMapButton.enabled());
    load("duel.map");
    EXPECT_EQ(l.catalogue(), Names{});
    EXPECT_EQ(dir.readData("maps.tvd"), "\r\n");

    auto& del = open(2);
    choose(del.deletePageFiles, "ctf.map");
    del.deleteButtonPlain.userMouseMove();
    del.deleteButtonLit.userClick();
    EXPECT_FALSE(dir.exists("Tolvdata/ctf.map"));
    EXPECT_TRUE(del.isVisible());
    EXPECT_EQ(data::entriesOf(del.loadPageFiles), Names{"duel.map"});
    EXPECT_EQ(data::entriesOf(del.deletePageFiles), Names{"duel.map"});
}

TEST_F(MapListWindow, namesThatWouldLeaveTheDataFolderAreRefused) {
    l.setCatalogue({"q3dm1"});
    for (const char* name : {"a/b", "..\\x", ".", "..", "   "}) {
        l.messages.shown.clear();
        save(name);
        EXPECT_EQ(l.messages.shown.size(), 1U) << name;
        EXPECT_TRUE(l.get<windows::MapListsWindow>().isVisible()) << name;
        l.get<windows::MapListsWindow>().unload();
    }
    EXPECT_EQ(std::filesystem::directory_iterator(dir.data("")),
              std::filesystem::directory_iterator());
    EXPECT_FALSE(dir.exists("a"));
    EXPECT_EQ(l.catalogue(), Names{"q3dm1"});
}

TEST_F(MapListWindow, aListThatCannotBeReadKeepsTheCatalogue) {
    dir.writeData("maps.tvd", {"q3dm1/"});
    dir.writeRaw("Tolvdata/empty.map", "");
    l.setCatalogue({"q3dm1"});
    load("empty.map");
    EXPECT_EQ(l.catalogue(), Names{"q3dm1"});
    EXPECT_EQ(dir.readData("maps.tvd"), "q3dm1/\r\n");
    EXPECT_EQ(l.messages.shown.size(), 1U);
    EXPECT_FALSE(l.get<windows::MapListsWindow>().isLoaded());
}

TEST_F(MapListWindow, pageBackgroundsLoadAndDeleteNothing) {
    dir.writeData("duel.map", {"q3dm17/"});
    l.setCatalogue({"q3dm1"});
    auto& w = open(2);
    choose(w.deletePageFiles, "duel.map");
    open(0);
    choose(w.loadPageFiles, "duel.map");
    ASSERT_EQ(w.deletePageFiles.fileName(), "duel.map");
    w.loadBackground.userClick();
    open(2).deleteBackground.userClick();
    EXPECT_TRUE(dir.exists("Tolvdata/duel.map"));
    EXPECT_EQ(l.catalogue(), Names{"q3dm1"});
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MapListWindow, aSavedListThatCannotBeWrittenIsToldAndTheOldFileStays) {
    dir.writeData("duel.map", {"q3dm17/"});
    l.setCatalogue({"q3dm1"});
    l.files.failWritesTo("duel.map");
    save("duel");
    EXPECT_EQ(l.messages.shown.size(), 1U);
    EXPECT_EQ(dir.readData("duel.map"), "q3dm17/\r\n");
    EXPECT_EQ(l.catalogue(), Names{"q3dm1"});
}

TEST_F(MapListWindow, listsAreLoadedAndDeletedByTheirNamesOnDisk) {
    // A Windows-1252 name and its UTF-8 twin show alike; each entry reaches
    // its own file.
    dir.writeRaw("Tolvdata/caf\xE9.map", "latin/\r\n");
    dir.writeRaw("Tolvdata/caf\xC3\xA9.map", "utf/\r\n");
    Names loaded;
    for (int i = 0; i < 2; ++i) {
        auto& w = open(0);
        ASSERT_EQ(w.loadPageFiles.list(i), "caf\xC3\xA9.map");
        w.loadPageFiles.userClickItem(i);
        w.loadButtonPlain.userMouseMove();
        w.loadButtonLit.userClick();
        loaded.push_back(l.catalogue().at(0));
    }
    std::sort(loaded.begin(), loaded.end());
    EXPECT_EQ(loaded, (Names{"latin", "utf"}));
    auto& del = open(2);
    del.deletePageFiles.userClickItem(del.deletePageFiles.fileNameOnDisk(0) == "caf\xE9.map" ? 1
                                                                                             : 0);
    del.deleteButtonPlain.userMouseMove();
    del.deleteButtonLit.userClick();
    EXPECT_FALSE(dir.exists("Tolvdata/caf\xC3\xA9.map"));
    EXPECT_EQ(data::entriesOf(del.deletePageFiles), Names{"caf\xC3\xA9.map"});
    // Saving over the one left replaces that file.
    l.setCatalogue({"saved"});
    auto& w = open(1);
    w.savePageFiles.userClickItem(0);
    w.saveButtonPlain.userClick();
    EXPECT_EQ(dir.readData("caf\xE9.map"), "saved/\r\n");
    EXPECT_EQ(data::entriesOf(w.deletePageFiles), Names{"caf\xC3\xA9.map"});
}
