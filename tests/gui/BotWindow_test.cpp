// The bot window on screen, opened from the roster window: its three pages
// and a bot added by name through the real widgets.

#include <QLineEdit>
#include <QTest>

#include "content/q2bot.h"
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
    testsupport::writeUsedGame(game);
    Program program(game);
    QVERIFY(program.startOnMainWindow());
    guitest::click(program.widget(program.get<shell::Q2M>().Command1));
    guitest::click(program.widget(program.get<content::q3bots>().Command1));
    content::q2bot& w = program.get<content::q2bot>();
    QWidget* bots = program.window<content::q2bot>();
    QVERIFY(bots != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(bots));
    QCOMPARE(bots->windowTitle(), QString("Add bot"));
    QCOMPARE(bots->size(), QSize(310, 191));
    guitest::saveScreenshots(program.launcher().view(), "botwindow_add");

    guitest::click(program.widget(w.Label3));
    QVERIFY(program.widget(w.mDedAll)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "botwindow_all");
    guitest::click(program.widget(w.Label4));
    QVERIFY(program.widget(w.mDedNew)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "botwindow_new");
    guitest::click(program.widget(w.Label1));
    auto* name = qobject_cast<QLineEdit*>(program.widget(w.Text1));
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Klesk");
    QTest::keyClick(name, Qt::Key_Return);

    QVERIFY(program.window<content::q2bot>() == nullptr);
    const QStringList entries =
        guitest::texts(program.widget(program.get<content::q3bots>().List3));
    QVERIFY(entries.contains("Klesk - 5 - red  - 0  "));
    QVERIFY(guitest::bytes(game.readData("bots.tvd")).contains("Klesk - 5 - red  - 0  /"));
}

QTEST_MAIN(BotWindowTest)
#include "BotWindow_test.moc"
