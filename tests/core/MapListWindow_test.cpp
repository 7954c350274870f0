#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/SlashList.h"
#include "content/q2maplist.h"
#include "shell/Q2M.h"
#include "support/GameDir.h"
#include "support/Launcher.h"

using testsupport::GameDir;
using testsupport::Launcher;
using Names = std::vector<std::string>;

namespace {

class MapListWindow : public ::testing::Test {
  protected:
    MapListWindow() { std::filesystem::create_directories(dir.data("")); }

    content::q2maplist& open(int tab = 0) {
        auto& w = l.get<content::q2maplist>();
        w.show();
        ui::Label* tabs[] = {&w.Label1, &w.Label3, &w.Label4};
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
        w.Text1.userType(name);
        w.Image2.userMouseMove();
        w.Image1.userClick();
    }
    void load(const std::string& file) {
        auto& w = open(0);
        choose(w.File1, file);
        w.Image9.userMouseMove();
        w.Image10.userClick();
    }

    GameDir dir;
    Launcher l{dir.path()};
};

} // namespace

TEST_F(MapListWindow, saveLoadAndDeleteRoundTrip) {
    l.setCatalogue({"q3dm7", "q3dm1", ""});
    save("duel");
    EXPECT_EQ(dir.readData("duel.map"), "/q3dm1/q3dm7/\r\n");
    EXPECT_FALSE(l.get<content::q2maplist>().isLoaded());

    // A name taken from the list replaces that file.
    l.setCatalogue({});
    auto& w = open(1);
    choose(w.File1b, "duel.map");
    EXPECT_EQ(w.Text1.text(), "duel");
    w.Image2.userClick();
    EXPECT_EQ(dir.readData("duel.map"), "\r\n");

    dir.writeData("ctf.map", {"q3ctf2/q3ctf1/dropped"});
    dir.writeData("maps.tvd", {"old/"});
    l.get<shell::Q2M>().Command3.setEnabled(true);
    load("ctf.map");
    EXPECT_EQ(l.catalogue(), (Names{"q3ctf1", "q3ctf2"}));
    EXPECT_EQ(common::entriesOf(l.get<shell::Q2M>().List3c), l.catalogue()); // cycle mode
    EXPECT_EQ(dir.readData("maps.tvd"), "q3ctf1/q3ctf2/\r\n");
    EXPECT_FALSE(l.get<shell::Q2M>().Command3.enabled());
    load("duel.map");
    EXPECT_EQ(l.catalogue(), Names{});
    EXPECT_EQ(dir.readData("maps.tvd"), "\r\n");

    auto& del = open(2);
    choose(del.File1c, "ctf.map");
    del.Image4.userMouseMove();
    del.Image5.userClick();
    EXPECT_FALSE(dir.exists("Tolvdata/ctf.map"));
    EXPECT_TRUE(del.isVisible());
    EXPECT_EQ(common::entriesOf(del.File1), Names{"duel.map"});
    EXPECT_EQ(common::entriesOf(del.File1c), Names{"duel.map"});
}

TEST_F(MapListWindow, namesThatWouldLeaveTheDataFolderAreRefused) {
    l.setCatalogue({"q3dm1"});
    for (const char* name : {"a/b", "..\\x", ".", "..", "   "}) {
        l.messages.shown.clear();
        save(name);
        EXPECT_EQ(l.messages.shown.size(), 1U) << name;
        EXPECT_TRUE(l.get<content::q2maplist>().isVisible()) << name;
        l.get<content::q2maplist>().unload();
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
    EXPECT_FALSE(l.get<content::q2maplist>().isLoaded());
}

TEST_F(MapListWindow, pageBackgroundsLoadAndDeleteNothing) {
    dir.writeData("duel.map", {"q3dm17/"});
    l.setCatalogue({"q3dm1"});
    auto& w = open(2);
    choose(w.File1c, "duel.map");
    open(0);
    choose(w.File1, "duel.map");
    ASSERT_EQ(w.File1c.fileName(), "duel.map");
    w.Image11.userClick();
    open(2).Image6.userClick();
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
        ASSERT_EQ(w.File1.list(i), "caf\xC3\xA9.map");
        w.File1.userClickItem(i);
        w.Image9.userMouseMove();
        w.Image10.userClick();
        loaded.push_back(l.catalogue().at(0));
    }
    std::sort(loaded.begin(), loaded.end());
    EXPECT_EQ(loaded, (Names{"latin", "utf"}));
    auto& del = open(2);
    del.File1c.userClickItem(del.File1c.fileNameOnDisk(0) == "caf\xE9.map" ? 1 : 0);
    del.Image4.userMouseMove();
    del.Image5.userClick();
    EXPECT_FALSE(dir.exists("Tolvdata/caf\xC3\xA9.map"));
    EXPECT_EQ(common::entriesOf(del.File1c), Names{"caf\xC3\xA9.map"});
    // Saving over the one left replaces that file.
    l.setCatalogue({"saved"});
    auto& w = open(1);
    w.File1b.userClickItem(0);
    w.Image2.userClick();
    EXPECT_EQ(dir.readData("caf\xE9.map"), "saved/\r\n");
    EXPECT_EQ(common::entriesOf(w.File1c), Names{"caf\xC3\xA9.map"});
}
