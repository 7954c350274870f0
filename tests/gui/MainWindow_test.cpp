// The main window and the bot roster window on screen, driven through their
// widgets: what they show of a game used before, the map-mode tabs, the
// roster and the launch button's picture pair.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "support/GameData.h"
#include "support/GuiSupport.h"

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
    QWidget* main = program.window<shell::Q2M>();
    QVERIFY(main != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(main));

    QCOMPARE(texts(program.widget(program.get<shell::Q2M>().List1)),
             QStringList({"q3dm1", "q3dm17", "q3dm7"}));
    QCOMPARE(guitest::currentRow(program.widget(program.get<shell::Q2M>().List1)), 1);
    QCOMPARE(labelText(program.widget(program.get<shell::Q2M>().m)), QString("The Longest Yard"));
    QCOMPARE(texts(program.widget(program.get<shell::Q2M>().List2)),
             QStringList({"baseq3", "OSP Tourney"}));
    QCOMPARE(guitest::currentRow(program.widget(program.get<shell::Q2M>().List2)), 0);
    QCOMPARE(labelText(program.widget(program.get<shell::Q2M>().sFoldername)), QString("baseq3"));
    QCOMPARE(lineText(program.widget(program.get<shell::Q2M>().Text1)), QString("My Server"));
    QCOMPARE(lineText(program.widget(program.get<shell::Q2M>().sfrag)), QString("20"));
    QCOMPARE(lineText(program.widget(program.get<shell::Q2M>().stime)), QString("15"));
    QCOMPARE(lineText(program.widget(program.get<shell::Q2M>().smaxcl)), QString("8"));
    QVERIFY(program.widget(program.get<shell::Q2M>().sfrag)->isEnabled());
    QCOMPARE(
        qobject_cast<QCheckBox*>(program.widget(program.get<shell::Q2M>().sweapons))->checkState(),
        Qt::Checked);
    QCOMPARE(labelText(program.widget(program.get<shell::Q2M>().Label4)),
             QString("Game with  1 bot"));
    QVERIFY(!program.widget(program.get<shell::Q2M>().Frame4)->isVisible());
    QVERIFY(!program.widget(program.get<shell::Q2M>().cycle)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "main_single");

    // Choosing the other mod with the mouse loads its settings.
    guitest::clickRow(program.widget(program.get<shell::Q2M>().List2), 1);
    QCOMPARE(labelText(program.widget(program.get<shell::Q2M>().sFoldername)), QString("osp"));
    QCOMPARE(lineText(program.widget(program.get<shell::Q2M>().smaxcl)), QString("2"));
    QCOMPARE(
        qobject_cast<QCheckBox*>(program.widget(program.get<shell::Q2M>().sweapons))->checkState(),
        Qt::Unchecked);

    // Typing a setting saves it in the mod's record at once.
    auto* frag = qobject_cast<QLineEdit*>(program.widget(program.get<shell::Q2M>().sfrag));
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
    QWidget* main = program.window<shell::Q2M>();
    QVERIFY(QTest::qWaitForWindowExposed(main));

    guitest::click(program.widget(program.get<shell::Q2M>().Picture2));
    QVERIFY(program.widget(program.get<shell::Q2M>().cycle)->isVisible());
    QVERIFY(!program.widget(program.get<shell::Q2M>().singlemap)->isVisible());
    QCOMPARE(program.get<shell::Q2M>().Picture2.state().picture, std::string("tab_cycle_on"));
    QCOMPARE(texts(program.widget(program.get<shell::Q2M>().List3c)),
             QStringList({"q3dm1", "q3dm17", "q3dm7"}));

    // Two maps into the cycle, in the order of adding.
    for (const int row : {2, 0}) {
        guitest::clickRow(program.widget(program.get<shell::Q2M>().List3c), row);
        guitest::click(program.widget(program.get<shell::Q2M>().plus));
    }
    QCOMPARE(texts(program.widget(program.get<shell::Q2M>().List4c)),
             QStringList({"q3dm7", "q3dm1"}));
    QCOMPARE(guitest::bytes(game.readData("mapcycle.tvd")), QByteArray("q3dm7/q3dm1/\r\n"));
    guitest::saveScreenshots(program.launcher().view(), "main_cycle");

    guitest::click(program.widget(program.get<shell::Q2M>().Picture1));
    QVERIFY(program.widget(program.get<shell::Q2M>().singlemap)->isVisible());
    QVERIFY(!program.widget(program.get<shell::Q2M>().cycle)->isVisible());
    QCOMPARE(program.get<shell::Q2M>().Picture1.state().picture, std::string("tab_single_on"));
}

void MainWindowTest::rosterWindowSelectsBots() {
    GameDir game;
    testsupport::writeUsedGame(game);
    Program program(game);
    QVERIFY(program.startOnMainWindow());

    guitest::click(program.widget(program.get<shell::Q2M>().Command1));
    QWidget* roster = program.window<content::q3bots>();
    QVERIFY(roster != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(roster));
    QCOMPARE(roster->windowTitle(), QString("Bot Settings"));
    QWidget* bots = program.widget(program.get<content::q3bots>().List3);
    QCOMPARE(texts(bots).size(), 2);
    QCOMPARE(guitest::checkState(bots, 0), Qt::Unchecked);
    QCOMPARE(guitest::checkState(bots, 1), Qt::Checked);
    QCOMPARE(labelText(program.widget(program.get<content::q3bots>().nr)), QString("1"));
    guitest::saveScreenshots(program.launcher().view(), "roster");

    // A click ticks Anarki too and shows it in the editor.
    guitest::clickRow(bots, 0);
    QCOMPARE(guitest::checkState(bots, 0), Qt::Checked);
    QCOMPARE(labelText(program.widget(program.get<content::q3bots>().nr)), QString("2"));
    QCOMPARE(labelText(program.widget(program.get<content::q3bots>().Label1)), QString("Anarki"));
    QVERIFY(guitest::bytes(game.readData("bots.tvd")).endsWith("\r\n0/1/\r\n"));
    guitest::saveScreenshots(program.launcher().view(), "roster_two");

    // The accept pair lights under the pointer; its click puts the window
    // away and counts the bots in the main window.
    guitest::moveMouse(program.widget(program.get<content::q3bots>().Image2));
    QVERIFY(program.widget(program.get<content::q3bots>().Image3)->isVisible());
    guitest::click(program.widget(program.get<content::q3bots>().Image3));
    QVERIFY(!roster->isVisible());
    QVERIFY(program.get<content::q3bots>().isLoaded());
    QCOMPARE(labelText(program.widget(program.get<shell::Q2M>().Label4)),
             QString("Game with  2 bots"));
}

void MainWindowTest::launchPictureLightsAndResets() {
    GameDir game;
    testsupport::writeUsedGame(game);
    Program program(game);
    QVERIFY(program.startOnMainWindow());
    QWidget* plain = program.widget(program.get<shell::Q2M>().Image3);
    QWidget* lit = program.widget(program.get<shell::Q2M>().Image4);

    guitest::moveMouse(plain);
    QVERIFY(lit->isVisible() && !plain->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "main_launchlit");
    // Over the button the lit picture stays (the label beneath has no move
    // handler); the labels around it reset it.
    guitest::moveMouse(lit, QPoint(5, 5));
    QVERIFY(lit->isVisible());
    guitest::moveMouse(program.widget(program.get<shell::Q2M>().Label9));
    QVERIFY(plain->isVisible() && !lit->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "MainWindow_test.moc"
