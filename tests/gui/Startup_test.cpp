// The first window the user sees: the first-run window or, once the first
// run is done, the main window; the accept picture's hover pair and the
// title-bar close of the first-run window.

#include <QLabel>
#include <QTest>
#include <QWidget>

#include "qt/EarlyStart.h"
#include "support/Recording.h"
#include "support/gui/GuiSupport.h"
#include "windows/ProgressBar.h"
#include "windows/StartupWindow.h"

using guitest::GameDir;
using guitest::Program;

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void firstRunWindowForPendingOrMissingMarker();
    void mainWindowOnceTheFirstRunIsDone();
    void startedAsMainStartsItTheCatalogueReadAheadIsShown();
    void acceptPictureLightsAndResets();
    void titleBarCloseEndsTheFirstRun();
    void progressPanelShowsTheFill();
};

void StartupTest::firstRunWindowForPendingOrMissingMarker() {
    for (const bool withMarker : {true, false}) {
        GameDir game;
        if (withMarker)
            game.writeData("launch_stat.tvd", {" 0 "});
        Program program(game);
        program.start();

        QWidget* startup = program.window<windows::StartupWindow>();
        QVERIFY(startup != nullptr);
        QVERIFY(startup->isVisible());
        QCOMPARE(startup->windowTitle(), QString("Startup"));
        QCOMPARE(startup->size(), QSize(312, 233));
        QVERIFY(program.window<windows::MainWindow>() == nullptr);
        // The text, the background and the plain accept picture are shown;
        // the lit one and the progress panel are not.
        QVERIFY(program.widget(program.get<windows::StartupWindow>().firstRunNotice)->isVisible());
        QVERIFY(program.widget(program.get<windows::StartupWindow>().background)->isVisible());
        QVERIFY(
            program.widget(program.get<windows::StartupWindow>().acceptButtonPlain)->isVisible());
        QVERIFY(
            !program.widget(program.get<windows::StartupWindow>().acceptButtonLit)->isVisible());
        QVERIFY(!program.widget(program.get<windows::StartupWindow>().detectionPanel)->isVisible());
        QCOMPARE(
            program.widget(program.get<windows::StartupWindow>().acceptButtonPlain)->geometry(),
            QRect(108, 168, 96, 52));
        QCOMPARE(guitest::linesHolding(
                     program.widget(program.get<windows::StartupWindow>().firstRunNotice),
                     "Torvel Arvenix Pro."),
                 1);
        guitest::saveScreenshots(program.launcher().view(),
                                 withMarker ? "startup_marker0" : "startup_nomarker");
    }
}

void StartupTest::mainWindowOnceTheFirstRunIsDone() {
    GameDir game;
    game.writeData("launch_stat.tvd", {"1"});
    Program program(game);
    program.start();

    QWidget* main = program.window<windows::MainWindow>();
    QVERIFY(main != nullptr);
    QVERIFY(main->isVisible());
    QCOMPARE(main->windowTitle(), QString("Torvel Arvenix Pro"));
    QCOMPARE(main->size(), QSize(655, 452));
    // The start-up window closed within its load step and never appeared.
    QVERIFY(program.window<windows::StartupWindow>() == nullptr);
    QVERIFY(!program.launcher().ended());
    guitest::saveScreenshots(program.launcher().view(), "startup_marker1");
}

void StartupTest::startedAsMainStartsItTheCatalogueReadAheadIsShown() {
    GameDir game;
    game.writeData("launch_stat.tvd", {"1"});
    game.writeData("maps.tvd", {"q3dm7/Q3DM1/ctf_2/"});
    qtview::EarlyStart early(game.path());
    testsupport::RecordingServices services;
    qtview::Launcher launcher(
        game.path(), {&services.messages, &services.processes, &services.documents}, &early);
    QVERIFY(early.takeCatalogue() == nullptr); // the main window holds it
    launcher.start();

    const auto& mapList = launcher.app().get<windows::MainWindow>().mapList;
    QCOMPARE(guitest::texts(launcher.view().controlWidget(mapList)),
             QStringList({"ctf_2", "Q3DM1", "q3dm7"}));
}

void StartupTest::acceptPictureLightsAndResets() {
    GameDir game;
    game.writeData("launch_stat.tvd", {"0"});
    Program program(game);
    program.start();
    QWidget* startup = program.window<windows::StartupWindow>();
    QVERIFY(QTest::qWaitForWindowExposed(startup));
    QWidget* plain = program.widget(program.get<windows::StartupWindow>().acceptButtonPlain);
    QWidget* lit = program.widget(program.get<windows::StartupWindow>().acceptButtonLit);

    guitest::moveMouse(plain);
    QVERIFY(!plain->isVisible());
    QVERIFY(lit->isVisible());
    QVERIFY(!program.get<windows::StartupWindow>().acceptButtonPlain.state().visible);
    guitest::saveScreenshots(program.launcher().view(), "startup_lit");

    // Over the lit picture nothing changes; over the background it resets.
    guitest::moveMouse(lit, QPoint(10, 10));
    QVERIFY(lit->isVisible());
    guitest::moveMouse(startup, QPoint(20, 300 / 15 * 10));
    QVERIFY(plain->isVisible());
    QVERIFY(!lit->isVisible());
    // Resetting a plain button leaves it plain.
    guitest::moveMouse(startup, QPoint(30, 200));
    QVERIFY(plain->isVisible());
    QVERIFY(!lit->isVisible());
}

void StartupTest::titleBarCloseEndsTheFirstRun() {
    GameDir game;
    game.writeData("launch_stat.tvd", {"0"});
    Program program(game);
    program.start();
    QWidget* startup = program.window<windows::StartupWindow>();
    QVERIFY(startup != nullptr);
    guitest::saveScreenshots(program.launcher().view(), "startup_beforeclose");

    startup->close();

    QCOMPARE(guitest::bytes(game.readData("launch_stat.tvd")), QByteArray("1\r\n"));
    QVERIFY(program.window<windows::StartupWindow>() == nullptr);
    QWidget* main = program.window<windows::MainWindow>();
    QVERIFY(main != nullptr);
    QVERIFY(main->isVisible());
    QVERIFY(!program.launcher().ended());
    guitest::saveScreenshots(program.launcher().view(), "startup_afterclose");
}

void StartupTest::progressPanelShowsTheFill() {
    GameDir game;
    game.writeData("launch_stat.tvd", {"0"});
    Program program(game);
    program.start();
    auto& startup = program.app().get<windows::StartupWindow>();
    startup.firstRunNotice.setVisible(false);
    startup.detectionPanel.setVisible(true);
    windows::ProgressBar(startup.progressTrack, startup.progressFill, startup.progressPercent)
        .show(0.4);

    QWidget* track = program.widget(program.get<windows::StartupWindow>().progressTrack);
    QWidget* fill = program.widget(program.get<windows::StartupWindow>().progressFill);
    QVERIFY(fill->isVisible());
    QCOMPARE(fill->parentWidget(),
             program.widget(program.get<windows::StartupWindow>().detectionPanel));
    QCOMPARE(fill->x(), track->x());
    QCOMPARE(fill->width(), 90); // 40 per cent of 3375 twips
    QVERIFY(fill->autoFillBackground());
    QCOMPARE(fill->palette().color(QPalette::Window), QColor(0, 0, 192));
    QCOMPARE(
        qobject_cast<QLabel*>(program.widget(program.get<windows::StartupWindow>().progressPercent))
            ->text(),
        QString(" 40%"));
    QCOMPARE(program.widget(program.get<windows::StartupWindow>().progressFrame)->geometry(),
             track->geometry());
    guitest::saveScreenshots(program.launcher().view(), "startup_progress");
}

QTEST_MAIN(StartupTest)
#include "Startup_test.moc"
