// How far the catalogue lists stand scrolled at start-up and after a pass.

#include <string>
#include <tuple>
#include <vector>

#include <QListView>
#include <QTest>

#include "support/GameData.h"
#include "support/gui/GuiSupport.h"
#include "windows/BotWindow.h"
#include "windows/MapWindow.h"

using guitest::GameDir;
using guitest::Program;

class ListScrollingTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpScrollsToTheStoredEntries();
    void duplicatePassEndsWhereSingleRemovalsEnd();
};

namespace {

int topRow(QWidget* list) {
    return qobject_cast<QListView*>(list)->indexAt(QPoint(1, 1)).row();
}

// A list file line of prefix100, prefix101, ..., then of `twice` once more.
std::string entries(const std::string& prefix, int count, std::vector<int> twice = {}) {
    std::string line;
    for (int i = 0; i < count; ++i)
        line += prefix + std::to_string(100 + i) + "/";
    for (const int i : twice)
        line += prefix + std::to_string(100 + i) + "/";
    return line;
}

// Detect New in a detection window whose page is open.
template <class DetectionWindow> void detectNew(Program& program) {
    auto& w = program.get<DetectionWindow>();
    guitest::click(program.widget(w.detectNewTab));
    guitest::moveMouse(program.widget(w.detectNewButtonPlain));
    guitest::click(program.widget(w.detectNewButtonLit));
}

} // namespace

void ListScrollingTest::startUpScrollsToTheStoredEntries() {
    GameDir game;
    testsupport::writeUsedGame(game);
    game.writeData("maps.tvd", {entries("map", 60)});
    game.writeData("mods.tvd", {"baseq3/" + entries("mod", 39)});
    game.writeData("settings.tvd", {"45", "20", "My Server", "S"});
    Program program(game);
    QVERIFY(program.startOnMainWindow());
    // Each list is scrolled to its entry while the window is built, two rows
    // high: the entry stands on the second row, unless the list ends first.
    auto& main = program.get<windows::MainWindow>();
    QCOMPARE(topRow(program.widget(main.mapList)), 44);
    QCOMPARE(topRow(program.widget(main.modList)), 19);
}

void ListScrollingTest::duplicatePassEndsWhereSingleRemovalsEnd() {
    // Detect New finds nothing new; the pass takes the second copies out, each
    // highlighted as it goes: the list ends as those highlights left it.
    const std::tuple<bool, std::vector<std::string>, int> cases[] = {
        {true, {entries("map", 41, {5, 30, 38})}, 23},
        {false, {entries("Bot", 40, {5, 30, 31, 32, 36}), "x"}, 20},
    };
    for (const auto& [maps, file, top] : cases) {
        GameDir game;
        testsupport::writeUsedGame(game);
        game.writeData(maps ? "maps.tvd" : "bots.tvd", file);
        Program program(game);
        QVERIFY(program.startOnMainWindow());
        auto& main = program.get<windows::MainWindow>();
        auto& roster = program.get<windows::RosterWindow>();
        guitest::click(program.widget(maps ? main.addMapButton : main.editRosterButton));
        if (maps) {
            detectNew<windows::MapWindow>(program);
        } else {
            guitest::click(program.widget(roster.addBotButton));
            detectNew<windows::BotWindow>(program);
        }
        QCOMPARE(topRow(program.widget(maps ? main.mapList : roster.roster)), top);
    }
}

QTEST_MAIN(ListScrollingTest)
#include "ListScrolling_test.moc"
