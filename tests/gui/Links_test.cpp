// The help and about windows: the link label that lights red under the
// pointer, the close pair, and the link that opens a document.

#include <QTest>
#include <QWidget>

#include "support/gui/GuiSupport.h"
#include "windows/AboutWindow.h"
#include "windows/HelpWindow.h"

using guitest::GameDir;
using guitest::Program;

class LinksTest : public QObject {
    Q_OBJECT

  private slots:
    void helpLinkLightsRedAndTurnsWhite();
    void helpLinkOpensTheReadmeAndCloses();
    void aboutWindowTakesTheHelpPictures();
};

namespace {

QWidget* openHelp(Program& program) {
    program.app().get<windows::HelpWindow>().show();
    QWidget* help = program.window<windows::HelpWindow>();
    return help != nullptr && QTest::qWaitForWindowExposed(help) ? help : nullptr;
}

} // namespace

void LinksTest::helpLinkLightsRedAndTurnsWhite() {
    GameDir game;
    game.writeData("launch_stat.tvd", {"1"});
    Program program(game);
    program.start();
    QWidget* help = openHelp(program);
    QVERIFY(help != nullptr);
    QCOMPARE(help->size(), QSize(312, 150));
    QWidget* link = program.widget(program.get<windows::HelpWindow>().readmeLink);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(link->font().underline());
    QCOMPARE(guitest::shownTextColor(link), QString("#ffffff"));

    guitest::moveMouse(link, QPoint(5, 5));
    QCOMPARE(guitest::shownTextColor(link), QString("#ff0000"));
    guitest::saveScreenshots(program.launcher().view(), "help_linkred");

    // The window's own edge (outside every control) leaves it red ...
    guitest::moveMouse(help, QPoint(2, 2));
    QCOMPARE(guitest::shownTextColor(link), QString("#ff0000"));
    // ... the background picture turns it white again.
    guitest::moveMouse(program.widget(program.get<windows::HelpWindow>().background),
                       QPoint(10, 10));
    QCOMPARE(guitest::shownTextColor(link), QString("#ffffff"));

    // The close pair lights over the plain picture and resets over the
    // background.
    QWidget* plain = program.widget(program.get<windows::HelpWindow>().closeButtonPlain);
    QWidget* lit = program.widget(program.get<windows::HelpWindow>().closeButtonLit);
    guitest::moveMouse(plain);
    QVERIFY(lit->isVisible() && !plain->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "help_closelit");
    guitest::moveMouse(help, QPoint(2, 2));
    QVERIFY(plain->isVisible() && !lit->isVisible());
}

void LinksTest::helpLinkOpensTheReadmeAndCloses() {
    GameDir game;
    game.writeData("launch_stat.tvd", {"1"});
    Program program(game);
    program.start();
    QVERIFY(openHelp(program) != nullptr);

    guitest::click(program.widget(program.get<windows::HelpWindow>().readmeLink), QPoint(5, 5));

    QCOMPARE(program.documents.opened, std::vector<std::string>{"readme.htm"});
    QVERIFY(program.window<windows::HelpWindow>() == nullptr);
    QVERIFY(program.window<windows::MainWindow>()->isVisible());
}

void LinksTest::aboutWindowTakesTheHelpPictures() {
    GameDir game;
    game.writeData("launch_stat.tvd", {"1"});
    Program program(game);
    program.start();
    program.app().get<windows::AboutWindow>().show();
    QWidget* about = program.window<windows::AboutWindow>();
    QVERIFY(about != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->windowTitle(), QString("Credits"));
    QCOMPARE(program.get<windows::AboutWindow>().background.state().picture,
             std::string("background"));
    QCOMPARE(program.get<windows::AboutWindow>().closeButtonPlain.state().picture,
             std::string("close0"));
    QCOMPARE(guitest::linesHolding(program.widget(program.get<windows::AboutWindow>().credits),
                                   "Torvel Arvenix Pro"),
             1);
    guitest::saveScreenshots(program.launcher().view(), "about");

    // Opening the about window loaded the help window without showing it.
    QVERIFY(program.app().get<windows::HelpWindow>().isLoaded());
    QVERIFY(program.window<windows::HelpWindow>() == nullptr);

    guitest::moveMouse(program.widget(program.get<windows::AboutWindow>().siteLink), QPoint(5, 5));
    QCOMPARE(guitest::shownTextColor(program.widget(program.get<windows::AboutWindow>().siteLink)),
             QString("#ff0000"));
    guitest::click(program.widget(program.get<windows::AboutWindow>().closeButtonPlain));
    QVERIFY(program.window<windows::AboutWindow>() == nullptr);
    QVERIFY(program.documents.opened.empty());
}

QTEST_MAIN(LinksTest)
#include "Links_test.moc"
