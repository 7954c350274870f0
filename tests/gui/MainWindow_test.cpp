// The main window and the bot roster window on screen, driven through their
// widgets: what they show of a game used before, the map-mode tabs, the
// roster and the launch button's picture pair.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "support/GameData.h"
#include "support/gui/GuiSupport.h"

using guitest::GameDir;
using guitest::Program;
using guitest::texts;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheCataloguesAndTheSelectedModsSettings();
    void tabsSwitchBetweenMapAndCycle();
    void rosterWindowSelectsBots();
    void launchPictureLightsAndResets();
};

namespace {

QString lineText(QWidget* w) {
    return qobject_cast<QLineEdit*>(w)->text();
}
QString labelText(QWidget* w) {
    return qobject_cast<QLabel*>(w)->text();
}

} // namespace

void MainWindowTest::showsTheCataloguesAndTheSelectedModsSettings() {
    GameDir game;
    testsupport::writeUsedGame(game);
    Program program(game);
    program.start();
    QWidget* main = program.window<windows::MainWindow>();
    QVERIFY(main != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(main));

    QCOMPARE(texts(program.widget(program.get<windows::MainWindow>().mapList)),
             QStringList({"q3dm1", "q3dm17", "q3dm7"}));
    QCOMPARE(guitest::currentRow(program.widget(program.get<windows::MainWindow>().mapList)), 1);
    QCOMPARE(labelText(program.widget(program.get<windows::MainWindow>().selectedMapTitle)),
             QString("The Longest Yard"));
    QCOMPARE(texts(program.widget(program.get<windows::MainWindow>().modList)),
             QStringList({"baseq3", "OSP Tourney"}));
    QCOMPARE(guitest::currentRow(program.widget(program.get<windows::MainWindow>().modList)), 0);
    QCOMPARE(labelText(program.widget(program.get<windows::MainWindow>().gameFolder)),
             QString("baseq3"));
    QCOMPARE(lineText(program.widget(program.get<windows::MainWindow>().hostName)),
             QString("My Server"));
    QCOMPARE(lineText(program.widget(program.get<windows::MainWindow>().fragLimit)), QString("20"));
    QCOMPARE(lineText(program.widget(program.get<windows::MainWindow>().timeLimit)), QString("15"));
    QCOMPARE(lineText(program.widget(program.get<windows::MainWindow>().maxClients)), QString("8"));
    QVERIFY(program.widget(program.get<windows::MainWindow>().fragLimit)->isEnabled());
    QCOMPARE(qobject_cast<QCheckBox*>(program.widget(program.get<windows::MainWindow>().withBots))
                 ->checkState(),
             Qt::Checked);
    QCOMPARE(labelText(program.widget(program.get<windows::MainWindow>().botCount)),
             QString("Game with  1 bot"));
    QVERIFY(!program.widget(program.get<windows::MainWindow>().modDefinitionFrame)->isVisible());
    QVERIFY(!program.widget(program.get<windows::MainWindow>().cyclePanel)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "main_single");

    // Choosing the other mod with the mouse loads its settings.
    guitest::clickRow(program.widget(program.get<windows::MainWindow>().modList), 1);
    QCOMPARE(labelText(program.widget(program.get<windows::MainWindow>().gameFolder)),
             QString("osp"));
    QCOMPARE(lineText(program.widget(program.get<windows::MainWindow>().maxClients)), QString("2"));
    QCOMPARE(qobject_cast<QCheckBox*>(program.widget(program.get<windows::MainWindow>().withBots))
                 ->checkState(),
             Qt::Unchecked);

    // Typing a setting saves it in the mod's record at once.
    auto* frag =
        qobject_cast<QLineEdit*>(program.widget(program.get<windows::MainWindow>().fragLimit));
    frag->setFocus();
    frag->selectAll();
    QTest::keyClicks(frag, "35");
    QCOMPARE(lineText(frag), QString("35"));
    QVERIFY(guitest::bytes(game.readData("OSP Tourney.tvd")).contains("\r\n35\r\n10\r\n2\r\n"));
}

void MainWindowTest::tabsSwitchBetweenMapAndCycle() {
    GameDir game;
    testsupport::writeUsedGame(game);
    Program program(game);
    program.start();
    QWidget* main = program.window<windows::MainWindow>();
    QVERIFY(QTest::qWaitForWindowExposed(main));

    guitest::click(program.widget(program.get<windows::MainWindow>().cycleTab));
    QVERIFY(program.widget(program.get<windows::MainWindow>().cyclePanel)->isVisible());
    QVERIFY(!program.widget(program.get<windows::MainWindow>().singleMapPanel)->isVisible());
    QCOMPARE(program.get<windows::MainWindow>().cycleTab.state().picture,
             std::string("tab_cycle_on"));
    QCOMPARE(texts(program.widget(program.get<windows::MainWindow>().availableMaps)),
             QStringList({"q3dm1", "q3dm17", "q3dm7"}));

    // Two maps into the cycle, in the order of adding.
    for (const int row : {2, 0}) {
        guitest::clickRow(program.widget(program.get<windows::MainWindow>().availableMaps), row);
        guitest::click(program.widget(program.get<windows::MainWindow>().addToCycleButton));
    }
    QCOMPARE(texts(program.widget(program.get<windows::MainWindow>().cycleMaps)),
             QStringList({"q3dm7", "q3dm1"}));
    QCOMPARE(guitest::bytes(game.readData("mapcycle.tvd")), QByteArray("q3dm7/q3dm1/\r\n"));
    guitest::saveScreenshots(program.launcher().view(), "main_cycle");

    guitest::click(program.widget(program.get<windows::MainWindow>().singleMapTab));
    QVERIFY(program.widget(program.get<windows::MainWindow>().singleMapPanel)->isVisible());
    QVERIFY(!program.widget(program.get<windows::MainWindow>().cyclePanel)->isVisible());
    QCOMPARE(program.get<windows::MainWindow>().singleMapTab.state().picture,
             std::string("tab_single_on"));
}

void MainWindowTest::rosterWindowSelectsBots() {
    GameDir game;
    testsupport::writeUsedGame(game);
    Program program(game);
    QVERIFY(program.startOnMainWindow());

    guitest::click(program.widget(program.get<windows::MainWindow>().editRosterButton));
    QWidget* roster = program.window<windows::RosterWindow>();
    QVERIFY(roster != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(roster));
    QCOMPARE(roster->windowTitle(), QString("Bot Settings"));
    QWidget* bots = program.widget(program.get<windows::RosterWindow>().roster);
    QCOMPARE(texts(bots).size(), 2);
    QCOMPARE(guitest::checkState(bots, 0), Qt::Unchecked);
    QCOMPARE(guitest::checkState(bots, 1), Qt::Checked);
    QCOMPARE(labelText(program.widget(program.get<windows::RosterWindow>().selectedCount)),
             QString("1"));
    guitest::saveScreenshots(program.launcher().view(), "roster");

    // A click ticks Anarki too and shows it in the editor.
    guitest::clickRow(bots, 0);
    QCOMPARE(guitest::checkState(bots, 0), Qt::Checked);
    QCOMPARE(labelText(program.widget(program.get<windows::RosterWindow>().selectedCount)),
             QString("2"));
    QCOMPARE(labelText(program.widget(program.get<windows::RosterWindow>().editedName)),
             QString("Anarki"));
    QVERIFY(guitest::bytes(game.readData("bots.tvd")).endsWith("\r\n0/1/\r\n"));
    guitest::saveScreenshots(program.launcher().view(), "roster_two");

    // The accept pair lights under the pointer; its click puts the window
    // away and counts the bots in the main window.
    guitest::moveMouse(program.widget(program.get<windows::RosterWindow>().acceptButtonPlain));
    QVERIFY(program.widget(program.get<windows::RosterWindow>().acceptButtonLit)->isVisible());
    guitest::click(program.widget(program.get<windows::RosterWindow>().acceptButtonLit));
    QVERIFY(!roster->isVisible());
    QVERIFY(program.get<windows::RosterWindow>().isLoaded());
    QCOMPARE(labelText(program.widget(program.get<windows::MainWindow>().botCount)),
             QString("Game with  2 bots"));
}

void MainWindowTest::launchPictureLightsAndResets() {
    GameDir game;
    testsupport::writeUsedGame(game);
    Program program(game);
    QVERIFY(program.startOnMainWindow());
    QWidget* plain = program.widget(program.get<windows::MainWindow>().launchButtonPlain);
    QWidget* lit = program.widget(program.get<windows::MainWindow>().launchButtonLit);

    guitest::moveMouse(plain);
    QVERIFY(lit->isVisible() && !plain->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "main_launchlit");
    // Over the button the lit picture stays (the label beneath has no move
    // handler); the labels around it reset it.
    guitest::moveMouse(lit, QPoint(5, 5));
    QVERIFY(lit->isVisible());
    guitest::moveMouse(program.widget(program.get<windows::MainWindow>().launchHoverLowerLeft));
    QVERIFY(plain->isVisible() && !lit->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "MainWindow_test.moc"
