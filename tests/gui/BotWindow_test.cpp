// The bot window on screen, opened from the roster window: its three pages
// and a bot added by name through the real widgets.

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "support/GameData.h"
#include "support/GuiSupport.h"

using guitest::GameDir;
using guitest::Program;

class BotWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void addsABotByNameFromTheRosterWindow();
};

void BotWindowTest::addsABotByNameFromTheRosterWindow() {
    GameDir game;
    guitest::writeUsedGame(game);
    Program program(game);
    program.start();
    QVERIFY(QTest::qWaitForWindowExposed(program.window("Q2M")));
    guitest::click(program.control("Q2M", "Command1"));
    guitest::click(program.control("q3bots", "Command1"));
    QWidget* bots = program.window("q2bot");
    QVERIFY(bots != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(bots));
    QCOMPARE(bots->windowTitle(), QString("Add bot"));
    QCOMPARE(bots->size(), QSize(310, 191));
    guitest::saveScreenshots(program.launcher().view(), "botwindow_add");

    for (const char* tab : {"Label3", "Label4"}) {
        guitest::click(program.control("q2bot", tab));
        guitest::saveScreenshots(program.launcher().view(), QString("botwindow_") + tab);
    }
    guitest::click(program.control("q2bot", "Label1"));
    auto* name = qobject_cast<QLineEdit*>(program.control("q2bot", "Text1"));
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Klesk");
    QTest::keyClick(name, Qt::Key_Return);

    QVERIFY(program.window("q2bot") == nullptr);
    auto* roster = qobject_cast<QListWidget*>(program.control("q3bots", "List3"));
    QStringList entries;
    for (int i = 0; i < roster->count(); ++i)
        entries << roster->item(i)->text();
    QVERIFY(entries.contains("Klesk - 5 - red  - 0  "));
    QVERIFY(game.readData("bots.tvd").contains("Klesk - 5 - red  - 0  /"));
}

QTEST_MAIN(BotWindowTest)
#include "BotWindow_test.moc"
