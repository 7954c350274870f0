// The mod editor on a temporary game directory: loading the selected mod's
// record, the failure path for a record it cannot use, and saving with the
// main window's settings.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/SlashList.h"
#include "support/MainWindowFixture.h"
#include "windows/MainWindow.h"
#include "windows/ModEditor.h"

namespace {

using Lines = std::vector<std::string>;

struct ModEditor : testsupport::MainWindowTest {
    // Two mods, the second ("Osp") selected at start.
    void SetUp() override {
        catalogues("q3dm1/", {"Baseq3", "Osp"});
        settings({"0", "1", "Host", "S"});
    }
    // The main window's "Edit mod" button.
    windows::ModEditor& openEditor() {
        auto& q = open();
        q.editModButton.userClick();
        return launcher->get<windows::ModEditor>();
    }
};

TEST_F(ModEditor, aRecordItCannotUseTakesTheModOutOfTheList) {
    const struct {
        const char* what;
        Lines record; // empty: no file
    } cases[] = {
        {"missing", {}},
        {"eleven lines",
         [] {
             auto r = testsupport::modRecord("osp");
             r.resize(11);
             return r;
         }()},
        {"empty line 4",
         [] {
             auto r = testsupport::modRecord("osp");
             r[3] = "";
             return r;
         }()},
        {"line 7 not a check-box value",
         [] {
             auto r = testsupport::modRecord("osp");
             r[6] = "3";
             return r;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        std::filesystem::remove(dir.data("Osp.tvd"));
        if (!c.record.empty())
            dir.writeData("Osp.tvd", c.record);
        auto& editor = openEditor();

        EXPECT_EQ(messages(), Lines{"Torvel Brenvix can't find the file " + dir.data("Osp.tvd") +
                                    ". Please add the mod 'Osp' a second time."});
        EXPECT_FALSE(editor.isLoaded());
        auto& q = launcher->get<windows::MainWindow>();
        EXPECT_EQ(data::entriesOf(q.modList), Lines{"Baseq3"});
        EXPECT_EQ(dir.readData("mods.tvd"), "Baseq3/\r\n");
        EXPECT_EQ(dir.exists("Tolvdata/Osp.tvd"), !c.record.empty());
        EXPECT_FALSE(q.removeModButton.enabled());
    }
}

TEST_F(ModEditor, savingKeepsTheDefinitionAndTakesTheShownSettings) {
    auto record = testsupport::modRecord("osp");
    record[5] = "  +set two  ";
    dir.writeData("Osp.tvd", record);
    auto& editor = openEditor();
    ASSERT_TRUE(editor.isVisible());
    auto& f = editor.fields;
    EXPECT_EQ(f.modName.text(), "Osp");
    EXPECT_EQ(f.folderName.text(), "osp");
    // Option 1 is shown in the record: its boxes are open; option 2 not.
    EXPECT_TRUE(f.option1Caption.enabled() && f.option1Prefix.enabled());
    EXPECT_FALSE(f.option2Caption.enabled() || f.option2Prefix.enabled() ||
                 f.extraCommand.enabled());

    // The main window's settings changed since the record was written.
    auto& q = launcher->get<windows::MainWindow>();
    q.fragLimit.setText("33");
    q.pureServer.setValue(0);
    editor.saveButtonPlain.userMouseMove();
    editor.saveButtonLit.userClick();

    Lines expected = record;
    expected[5] = "+set two";
    expected[12] = "33";
    expected[23] = "0";
    EXPECT_EQ(dataLines("Osp.tvd"), expected);
    EXPECT_FALSE(editor.isLoaded());
    EXPECT_EQ(q.modList.listIndex(), -1);
    EXPECT_EQ(q.gameFolder.caption(), "");
    EXPECT_TRUE(messages().empty());
}

TEST_F(ModEditor, anotherModChosenMeanwhileLeavesTheEditedModsSettingsAlone) {
    // While the editor is open the mod list stays usable: the main window's
    // settings then belong to another mod, or to none.
    for (const int chosen : {0, -1}) {
        SCOPED_TRACE(chosen);
        SetUp();
        dir.writeData("Baseq3.tvd", testsupport::modRecord("baseq3", "50", "20", "8"));
        const Lines before = dataLines("Osp.tvd");
        auto& editor = openEditor();
        auto& q = launcher->get<windows::MainWindow>();
        q.modList.setListIndex(chosen);
        editor.fields.folderName.setText("osp2");
        editor.saveButtonPlain.userClick();

        Lines expected = before;
        expected[0] = "osp2";
        EXPECT_EQ(dataLines("Osp.tvd"), expected);
        EXPECT_EQ(dataLines("Baseq3.tvd")[12], "50");
    }
}

TEST_F(ModEditor, aRecordThatCannotBeWrittenStaysAsItWas) {
    const std::string before = dir.readData("Osp.tvd");
    auto& editor = openEditor();
    launcher->files.failWritesTo("Osp.tvd");
    editor.fields.folderName.setText("elsewhere");
    editor.saveButtonPlain.userClick();

    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find(dir.data("Osp.tvd")), std::string::npos);
    EXPECT_EQ(dir.readData("Osp.tvd"), before);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.fields.folderName.text(), "elsewhere");
}

TEST_F(ModEditor, aNameThatCannotBeAFileNameIsToldAsSuch) {
    auto& editor = openEditor();
    launcher->files.failWritesTo("Osp.tvd");
    editor.saveButtonPlain.userClick();
    launcher->files.clearFailures();
    editor.fields.modName.setText("a/b");
    editor.saveButtonPlain.userClick();

    ASSERT_EQ(messages().size(), 2U);
    EXPECT_NE(messages()[1].find("(the name of the mod cannot be a file name)"), std::string::npos)
        << messages()[1];
    EXPECT_TRUE(editor.isVisible());
}

} // namespace
