// How far the catalogue lists stand scrolled: at start-up, on the stored map
// and mod.

#include <string>

#include <QListView>
#include <QTest>

#include "support/GameData.h"
#include "support/gui/GuiSupport.h"
#include "windows/MainWindow.h"

using guitest::GameDir;
using guitest::Program;

class ListScrollingTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpScrollsToTheStoredEntries();
};

namespace {

int topRow(QWidget* list) {
    return qobject_cast<QListView*>(list)->indexAt(QPoint(1, 1)).row();
}

// Entries prefix100, prefix101, ... joined as a list file line.
std::string entries(const std::string& prefix, int count) {
    std::string line;
    for (int i = 0; i < count; ++i)
        line += prefix + std::to_string(100 + i) + "/";
    return line;
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

QTEST_MAIN(ListScrollingTest)
#include "ListScrolling_test.moc"
