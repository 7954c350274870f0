#include <algorithm>
#include <functional>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "support/GameDir.h"
#include "support/Launcher.h"
#include "support/Recording.h"
#include "support/TestWindow.h"
#include "ui/Errors.h"

using testsupport::TestWindow;

namespace {

struct Runtime : ::testing::Test {
    testsupport::GameDir dir;
    platform::RealFileSystem files{dir.path()};
    testsupport::RecordingMessageBox messages;
    testsupport::RecordingProcessStarter processes;
    testsupport::RecordingDocumentOpener documents;
    ui::Application app{platform::Services{messages, processes, documents, files}};
    TestWindow& w = app.add<TestWindow>();

    std::vector<std::string> texts(const ui::ListBox& l) {
        std::vector<std::string> out;
        for (int i = 0; i < l.listCount(); ++i)
            out.push_back(l.list(i));
        return out;
    }
};

} // namespace

TEST_F(Runtime, windowLoadsOnFirstTouchOfAControlAndOnlyOnce) {
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(w.loads, 0);
    EXPECT_EQ(w.label.caption(), "design caption");
    EXPECT_TRUE(w.isLoaded());
    EXPECT_FALSE(w.isVisible());
    w.text.setText("x");
    w.show();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.loads, 1);
    w.hide();
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(w.text.text(), "x"); // a hidden window keeps its contents
}

TEST_F(Runtime, unloadResetsEveryControlToItsDesignAndCanBeCancelled) {
    w.label.setCaption("changed");
    w.list.addItem("extra");
    w.check.setValue(1);
    w.panel.setVisible(false);
    w.setCaption("Other");

    w.cancelUnload = true;
    EXPECT_FALSE(w.unload());
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(w.label.caption(), "changed");

    w.cancelUnload = false;
    EXPECT_TRUE(w.unload());
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(w.label.state().caption, "design caption");
    EXPECT_EQ(w.list.state().items.size(), 1u);
    EXPECT_EQ(w.check.state().value, 0);
    EXPECT_TRUE(w.panel.state().visible);
    EXPECT_EQ(w.currentCaption(), "Test");
    // The next touch loads it again, hidden.
    EXPECT_EQ(w.list.listCount(), 1);
    EXPECT_TRUE(w.isLoaded());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.loads, 2);
}

TEST_F(Runtime, programEndsWhenNoWindowIsLoaded) {
    w.show();
    EXPECT_FALSE(app.ended());
    w.userClose();
    EXPECT_TRUE(app.ended());
}

TEST_F(Runtime, codeRaisesTheSameEventsAsTheUser) {
    w.text.setText("a");
    w.text.setText("a"); // every set raises the change event
    w.check.setValue(1);
    w.check.setValue(1); // no change, no click
    w.check.setValue(2);
    w.list.setListIndex(0);
    w.list.setListIndex(-1);
    EXPECT_EQ(w.events, (std::vector<std::string>{"text change", "text change", "check click",
                                                  "check click", "list click", "list click"}));
    EXPECT_EQ(w.list.text(), "");
    EXPECT_THROW(w.check.setValue(3), ui::RuntimeError);
    EXPECT_THROW(w.list.setListIndex(1), ui::RuntimeError);
    EXPECT_THROW(w.list.setListIndex(-2), ui::RuntimeError);
}

TEST_F(Runtime, comboClickOnlyOnAChoiceFromItsList) {
    w.combo.addItem("red ");
    w.combo.addItem("blue");
    w.combo.setText("typed by code");
    w.combo.userType("typed");
    EXPECT_TRUE(w.events.empty());
    w.combo.userChoose(1);
    EXPECT_EQ(w.combo.text(), "blue");
    EXPECT_EQ(w.events, (std::vector<std::string>{"combo click"}));
}

TEST_F(Runtime, sortedListIgnoresCaseAndKeepsIdenticalEntriesTogether) {
    for (const char* s : {"q3dm7", "Q3DM1", "b", "q3dm1", "A", "q3dm7", "a"})
        w.sorted.addItem(s);
    EXPECT_EQ(texts(w.sorted),
              (std::vector<std::string>{"A", "a", "b", "Q3DM1", "q3dm1", "q3dm7", "q3dm7"}));
    // Inserting at a position keeps that position.
    w.sorted.addItem("zzz", 0);
    EXPECT_EQ(w.sorted.list(0), "zzz");
    EXPECT_THROW(w.sorted.addItem("x", 99), ui::RuntimeError);
    // Past the end reads as the empty text.
    EXPECT_EQ(w.sorted.list(8), "");
    EXPECT_EQ(w.sorted.list(100), "");
    EXPECT_EQ(w.sorted.listCount(), 8);
}

TEST_F(Runtime, sortedListOrdersEntriesEqualIgnoringCaseByTheirExactText) {
    const struct {
        std::vector<std::string> added;
        std::vector<std::string> sorted;
    } cases[] = {
        {{"a", "A", "a"}, {"A", "a", "a"}},
        {{"b", "B", "b", "B"}, {"B", "B", "b", "b"}},
        {{"Ab", "aB", "AB", "ab", "aB"}, {"AB", "Ab", "aB", "aB", "ab"}},
    };
    for (const auto& c : cases) {
        w.sorted.clear();
        for (const auto& s : c.added)
            w.sorted.addItem(s);
        EXPECT_EQ(texts(w.sorted), c.sorted);
    }
}

TEST(SortOrder, plainTextComparesByItsSmallLettersEightBytesAtATimeAsByteByByte) {
    // Texts long enough for the eight-byte steps, with the signs on either
    // side of the capitals and small letters, and a letter outside ASCII
    // late in the text.
    const auto byteByByte = [](const std::string& a, const std::string& b) {
        const auto small = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
        for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
            const auto ca = static_cast<unsigned char>(a[i]);
            const auto cb = static_cast<unsigned char>(b[i]);
            if (small(ca) != small(cb))
                return small(ca) < small(cb);
        }
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    };
    const std::string letters = "@AZ[`az{_09 -";
    std::mt19937 random(11);
    for (int n = 0; n < 20000; ++n) {
        std::string a = "mapPack_";
        for (std::size_t len = random() % 14; len > 0; --len)
            a += letters[random() % letters.size()];
        std::string b = a.substr(0, random() % (a.size() + 1));
        for (std::size_t len = random() % 14; len > 0; --len)
            b += letters[random() % letters.size()];
        SCOPED_TRACE(a + " | " + b);
        ASSERT_EQ(ui::ListBox::sortsBefore(a, b), byteByByte(a, b));
        ASSERT_EQ(ui::ListBox::sortsBefore(b, a), byteByByte(b, a));
    }
    EXPECT_TRUE(ui::ListBox::sortsBefore("mapPack_zz_Edith", "mapPack_zz_\xC3\x89"
                                                             "dith"));
    EXPECT_TRUE(ui::ListBox::sortsBefore("mapPack_zz_\xC3\x89"
                                         "dith",
                                         "mapPack_zz_Eva"));
}

TEST_F(Runtime, sortedListPutsAccentedLettersWithTheirBaseLetters) {
    // Windows-1252 letters sort with their base letter whatever their case;
    // ties go by accent, then by exact text.
    const std::vector<std::string> sorted{"edgar", "Edith",  "Édith",  "édith", "Eva",    "Odin",
                                          "Œuvre", "Ofelia", "Salz",   "Šárka", "straße", "Sven",
                                          "Ÿves",  "Yvo",    "Ždánov", "zeta",  "Zoë",    "Zoe2"};
    for (auto it = sorted.rbegin(); it != sorted.rend(); ++it)
        w.sorted.addItem(*it);
    EXPECT_EQ(texts(w.sorted), sorted);
}

TEST_F(Runtime, bulkAddGivesTheSameOrderAsAddingOneByOne) {
    const std::vector<std::string> entries{"b", "B", "a", "", "c", "A", "b", "Ä", "ä", "z"};
    w.sorted.addItem("b");
    w.sorted.addItem("m");
    w.sorted.setListIndex(1); // "m" highlighted
    w.sorted.addItems(entries);
    std::vector<std::string> bulk = texts(w.sorted);
    EXPECT_EQ(w.sorted.text(), "m");

    w.sorted.clear();
    w.sorted.addItem("b");
    w.sorted.addItem("m");
    for (const auto& e : entries)
        w.sorted.addItem(e);
    EXPECT_EQ(bulk, texts(w.sorted));
}

TEST_F(Runtime, aListShowingAnotherListsEntriesKeepsThemApartFromThen) {
    w.list.replaceItems({"b", "a", "c"});
    w.sorted.replaceWithEntriesOf(w.list); // sorts what an unsorted list holds
    EXPECT_EQ(texts(w.sorted), (std::vector<std::string>{"a", "b", "c"}));
    w.multi.replaceWithEntriesOf(w.sorted);
    w.multi.setSelected(1, true);
    w.sorted.removeItem(0);
    w.sorted.addItem("d");
    EXPECT_EQ(texts(w.multi), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(texts(w.sorted), (std::vector<std::string>{"b", "c", "d"}));
    EXPECT_FALSE(w.sorted.state().items[0].selected);
    // A copy of selected entries is a copy of their texts.
    w.list.replaceWithEntriesOf(w.multi);
    EXPECT_EQ(w.list.selCount(), 0);
    EXPECT_TRUE(w.multi.selected(1));
    w.list.clear();
    EXPECT_EQ(w.multi.listCount(), 3);
}

TEST_F(Runtime, bigBatchesSortAsAddingOneByOne) {
    // Long names that share their first sixteen letters, letter-case twins
    // and copies, in random order, with and without letters outside ASCII;
    // then names in order with more behind them.
    std::mt19937 random(7);
    const std::vector<std::string> stems{
        "mappack_deathmatch_", "MapPack_DeathMatch_", "ctf", "", "q3dm", "Q3DM", "zoë"};
    const auto some = [&](int n, std::size_t kinds) {
        std::vector<std::string> out;
        for (int i = 0; i < n; ++i)
            out.push_back(stems[random() % kinds] + std::to_string(random() % 400));
        return out;
    };
    std::vector<std::string> inOrder = some(1000, 6);
    std::sort(inOrder.begin(), inOrder.end(), ui::ListBox::sortsBefore);
    const auto more = some(600, 6);
    inOrder.insert(inOrder.end(), more.begin(), more.end());
    for (const auto& batch : {some(1500, 6), some(1500, 7), inOrder}) {
        w.sorted.clear();
        for (const auto& t : batch)
            w.sorted.addItem(t);
        const std::vector<std::string> oneByOne = texts(w.sorted);
        w.sorted.replaceItems(batch);
        EXPECT_EQ(texts(w.sorted), oneByOne);
        w.sorted.clear();
        w.sorted.addItems(batch);
        EXPECT_EQ(texts(w.sorted), oneByOne);
    }
}

namespace {

struct ChangeCounter : ui::Observer {
    int items = 0;
    void windowChanged(ui::Window&, ui::WindowEvent) override {}
    void controlChanged(ui::Control&, ui::Prop what) override { items += what == ui::Prop::Items; }
    void applicationEnded() override {}
};

struct ListShape {
    std::vector<std::string> texts;
    std::vector<int> selected;
    int highlighted = -1;
};

void build(ui::ListBox& l, const ListShape& shape) {
    l.clear();
    for (const auto& t : shape.texts)
        l.addItem(t);
    for (const int i : shape.selected)
        l.setSelected(i, true);
    l.setListIndex(shape.highlighted);
}

} // namespace

TEST_F(Runtime, bulkChangesEqualTheOneByOneChangesAndAnnounceOnce) {
    ChangeCounter counter;
    app.setObserver(&counter);
    std::mt19937 random(16);
    const std::vector<std::string> words{
        "a",  "A",          "b",   "B",          "ä",         "Ä",         "",
        "ab", "mapPack_10", "ctf", "MAPPACK_1Ä", "mappack_1", "mappack_1ä"};
    const auto some = [&](int most) {
        std::vector<std::string> out(random() % static_cast<unsigned>(most + 1));
        for (auto& t : out)
            t = words[random() % words.size()];
        return out;
    };
    for (ui::ListBox* l : {&w.list, &w.sorted, &w.multi}) {
        for (int round = 0; round < 300; ++round) {
            ListShape shape{some(8), {}, -1};
            const int n = static_cast<int>(shape.texts.size());
            for (int i = 0; i < n; ++i)
                if (random() % 2 == 0)
                    shape.selected.push_back(i);
            shape.highlighted = static_cast<int>(random() % static_cast<unsigned>(n + 1)) - 1;
            const auto batch = some(6);
            std::vector<int> gone;
            for (int k = n == 0 ? 0 : static_cast<int>(random() % 5); k > 0; --k)
                gone.push_back(static_cast<int>(random() % static_cast<unsigned>(n)));

            const auto outcome = [&](const std::function<void()>& bulk,
                                     const std::function<void()>& oneByOne) {
                build(*l, shape);
                counter.items = 0;
                bulk();
                EXPECT_LE(counter.items, 1);
                const ui::ControlState once = l->state();
                build(*l, shape);
                oneByOne();
                EXPECT_EQ(once.items, l->state().items) << l->name() << " round " << round;
                EXPECT_EQ(once.listIndex, l->state().listIndex) << l->name() << " round " << round;
            };
            outcome([&] { l->addItems(batch); },
                    [&] {
                        for (const auto& t : batch)
                            l->addItem(t);
                    });
            outcome([&] { l->replaceItems(batch); },
                    [&] {
                        l->clear();
                        for (const auto& t : batch)
                            l->addItem(t);
                    });
            outcome([&] { l->removeItems(gone); },
                    [&] {
                        std::set<int> unique(gone.begin(), gone.end());
                        for (auto it = unique.rbegin(); it != unique.rend(); ++it)
                            l->removeItem(*it);
                    });
            std::vector<int> turns; // each within the list as it stands by then
            for (int left = n; left > 0 && random() % 4 != 0; --left)
                turns.push_back(static_cast<int>(random() % static_cast<unsigned>(left)));
            const bool highlightEach = random() % 2 == 0;
            outcome([&] { l->removeInTurn(turns, highlightEach); },
                    [&] {
                        for (const int p : turns) {
                            if (highlightEach)
                                l->setListIndex(p);
                            l->removeItem(p);
                        }
                    });
        }
    }
    build(w.multi, ListShape{{"a", "b"}, {}, -1});
    EXPECT_THROW(w.multi.removeItems({0, 2}), ui::RuntimeError);
    EXPECT_THROW(w.multi.removeInTurn({1, 1}, false), ui::RuntimeError);
    EXPECT_EQ(w.multi.listCount(), 2);
    app.setObserver(nullptr);
}

TEST_F(Runtime, singleSelectionRemoveAndHighlight) {
    w.list.clear();
    w.list.addItem("a");
    w.list.addItem("b");
    w.list.addItem("c");
    w.list.setListIndex(2);
    w.list.removeItem(0);
    EXPECT_EQ(w.list.listIndex(), 1); // still "c"
    EXPECT_EQ(w.list.selCount(), 1);
    w.list.removeItem(1);
    EXPECT_EQ(w.list.listIndex(), -1); // removing the highlighted entry
    EXPECT_EQ(w.list.selCount(), 0);
    EXPECT_EQ(w.list.text(), "");
    EXPECT_THROW(w.list.removeItem(5), ui::RuntimeError);
}

TEST_F(Runtime, multiSelectionKeepsSelectionApartFromHighlight) {
    for (const char* s : {"a", "b", "c", "d"})
        w.multi.addItem(s);
    w.multi.setSelected(0, true);
    w.multi.setSelected(3, true);
    w.multi.setListIndex(1);
    EXPECT_EQ(w.multi.selCount(), 2);
    EXPECT_FALSE(w.multi.selected(1));
    // The user's click toggles one entry and highlights it.
    w.multi.userClickItem(3);
    EXPECT_FALSE(w.multi.selected(3));
    EXPECT_EQ(w.multi.listIndex(), 3);
    // Removing the highlighted entry keeps the caret at its position.
    w.multi.setListIndex(1);
    w.multi.removeItem(1);
    EXPECT_EQ(w.multi.listIndex(), 1);
    EXPECT_TRUE(w.multi.selected(0));
    w.multi.removeItem(2);
    w.multi.setListIndex(1);
    w.multi.removeItem(1); // the last entry: the caret moves back
    EXPECT_EQ(w.multi.listIndex(), 0);
}

TEST_F(Runtime, userInputGoesNowhereWhenDisabledOrHiddenAndMovesTheFocus) {
    w.list.addItem("x");
    w.list.setEnabled(false);
    w.list.userClickItem(0);
    EXPECT_EQ(w.list.listIndex(), -1);
    w.list.setEnabled(true);
    w.list.userClickItem(0);
    w.check.userClick();
    EXPECT_EQ(w.events, (std::vector<std::string>{"list got focus", "list click", "list lost focus",
                                                  "check click"}));
    w.panel.setVisible(false); // hiding a container hides its children
    EXPECT_FALSE(w.inner.shownOnScreen());
    EXPECT_FALSE(w.inner.acceptsInput());
    EXPECT_TRUE(w.inner.visible());
}

TEST_F(Runtime, textBoxLimitsTypingButNotCode) {
    w.text.setMaxLength(3);
    w.text.userType("12345");
    EXPECT_EQ(w.text.text(), "123");
    w.text.setText("12345");
    EXPECT_EQ(w.text.text(), "12345");
    int lastKey = 0;
    w.text.onKeyDown = [&](int k) { lastKey = k; };
    w.text.userKeyDown(13);
    EXPECT_EQ(lastKey, 13);
}

TEST_F(Runtime, fileListsReadTheFolderWhenThePathIsSet) {
    dir.writeRaw("baseq3/PAK0.PK3", "x");
    dir.writeRaw("baseq3/a.pk3", "x");
    dir.writeRaw("baseq3/notes.txt", "x");
    ui::FileListBox files_{w, "files"};
    ui::DirListBox folders{w, "folders"};
    files_.setPattern("*.pk3");
    files_.setPath(dir.path() + "/baseq3");
    EXPECT_EQ(files_.listCount(), 2);
    EXPECT_EQ(files_.list(0), "a.pk3");
    EXPECT_EQ(files_.list(1), "PAK0.PK3");
    dir.writeRaw("baseq3/b.pk3", "x");
    EXPECT_EQ(files_.listCount(), 2); // not until Refresh
    files_.refresh();
    EXPECT_EQ(files_.listCount(), 3);
    EXPECT_THROW(files_.setPath(dir.path() + "/missing"), ui::RuntimeError);
    folders.setPath(dir.path());
    EXPECT_EQ(folders.list(0), dir.path() + "/baseq3");
}

TEST_F(Runtime, anErrorNoWindowCodeHandledEndsTheUserActionAndTheUserIsTold) {
    const auto noMemory = [] { throw std::bad_alloc(); };
    w.text.onChange = noMemory;
    w.check.onClick = noMemory;
    w.list.onClick = noMemory;
    w.combo.onClick = [this] { w.check.setValue(7); };
    w.combo.addItem("x");
    w.text.onKeyDown = [](int) { throw std::out_of_range("No such entry."); };
    const std::function<void()> actions[] = {
        [&] { w.text.userType("x"); },    [&] { w.check.userClick(); },
        [&] { w.list.userClickItem(0); }, [&] { w.list.userHighlight(-1); },
        [&] { w.combo.userChoose(0); },   [&] { w.text.userKeyDown(13); }};
    for (const auto& action : actions)
        action();
    const std::string told = "Torvel Arvenix Pro could not finish this action: ";
    std::vector<std::string> expected(4, told + "not enough memory.");
    expected.push_back(told + "Invalid property value.");
    expected.push_back(told + "No such entry.");
    EXPECT_EQ(messages.shown, expected);
}
