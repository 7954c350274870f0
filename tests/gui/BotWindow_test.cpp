// The bot window on screen, opened from the roster window: its three pages
// and a bot added by name through the real widgets.

#include <QLineEdit>
#include <QTest>

#include "support/GameData.h"
#include "support/gui/GuiSupport.h"
#include "windows/BotWindow.h"

using guitest::GameDir;
using guitest::Program;

class BotWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void addsABotByNameFromTheRosterWindow();
};

void BotWindowTest::addsABotByNameFromTheRosterWindow() {
    GameDir game;
    testsupport::writeUsedGame(game);
    Program program(game);
    QVERIFY(program.startOnMainWindow());
    guitest::click(program.widget(program.get<windows::MainWindow>().editRosterButton));
    guitest::click(program.widget(program.get<windows::RosterWindow>().addBotButton));
    windows::BotWindow& w = program.get<windows::BotWindow>();
    QWidget* bots = program.window<windows::BotWindow>();
    QVERIFY(bots != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(bots));
    QCOMPARE(bots->windowTitle(), QString("Add bot"));
    QCOMPARE(bots->size(), QSize(310, 191));
    guitest::saveScreenshots(program.launcher().view(), "botwindow_add");

    guitest::click(program.widget(w.detectAllTab));
    QVERIFY(program.widget(w.detectAllPage)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "botwindow_all");
    guitest::click(program.widget(w.detectNewTab));
    QVERIFY(program.widget(w.detectNewPage)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "botwindow_new");
    guitest::click(program.widget(w.addByNameTab));
    auto* name = qobject_cast<QLineEdit*>(program.widget(w.botName));
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Klesk");
    QTest::keyClick(name, Qt::Key_Return);

    QVERIFY(program.window<windows::BotWindow>() == nullptr);
    const QStringList entries =
        guitest::texts(program.widget(program.get<windows::RosterWindow>().roster));
    QVERIFY(entries.contains("Klesk - 5 - red  - 0  "));
    QVERIFY(guitest::bytes(game.readData("bots.tvd")).contains("Klesk - 5 - red  - 0  /"));
}

QTEST_MAIN(BotWindowTest)
#include "BotWindow_test.moc"
