// The first start in a game directory: the first-run window's start button
// detects mods, maps and bots, paints its progress while it runs, and hands
// over to the main window with the catalogues it found.

#include <filesystem>

#include <QEvent>
#include <QTest>

#include "support/Packages.h"
#include "support/gui/GuiSupport.h"
#include "windows/MainWindow.h"
#include "windows/RosterWindow.h"
#include "windows/StartupWindow.h"

using guitest::GameDir;
using guitest::Program;
using guitest::texts;

class FirstRunTest : public QObject {
    Q_OBJECT

  private slots:
    void startButtonFillsTheCataloguesAndOpensTheMainWindow();
};

namespace {

// Counts the paints of a widget, and whether the warning panel was on
// screen for them.
class PaintWatcher : public QObject {
  public:
    explicit PaintWatcher(QWidget* panel) : panel_(panel) {}
    int paints = 0;
    bool panelShown = true;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++paints;
            panelShown = panelShown && panel_->isVisible();
        }
        return QObject::eventFilter(o, e);
    }

  private:
    QWidget* panel_;
};

} // namespace

void FirstRunTest::startButtonFillsTheCataloguesAndOpensTheMainWindow() {
    GameDir game;
    const std::filesystem::path base = std::filesystem::path(game.path()) / "baseq3";
    QVERIFY(testsupport::makePackage(base / "pak0.pk3", {{"readme.txt"}}));
    QVERIFY(testsupport::makePackage(base / "zz-maps.pk3",
                                     {{"maps/tvx_arena.bsp"}, {"maps/q3dm17.bsp"}}));
    QVERIFY(testsupport::makePackage(base / "zz-bots.pk3", {{"botfiles/bots/vexa_c.c"}}));
    game.makeFolder("osp");
    game.writeData("launch_stat.tvd", {"0"});
    Program program(game);
    program.start();
    auto& startup = program.get<windows::StartupWindow>();
    QVERIFY(QTest::qWaitForWindowExposed(program.window<windows::StartupWindow>()));

    PaintWatcher watcher(program.widget(startup.detectionPanel));
    program.widget(startup.detectionWarning)->installEventFilter(&watcher);
    guitest::moveMouse(program.widget(startup.acceptButtonPlain));
    guitest::click(program.widget(startup.acceptButtonLit));

    // The warning is painted while the pass runs inside the click.
    QVERIFY(watcher.paints > 0);
    QVERIFY(watcher.panelShown);
    QVERIFY(program.window<windows::StartupWindow>() == nullptr);
    QWidget* main = program.window<windows::MainWindow>();
    QVERIFY(main != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QVERIFY(program.messages.shown.empty());

    auto& q2m = program.get<windows::MainWindow>();
    const QStringList maps = texts(program.widget(q2m.mapList));
    QCOMPARE(maps.size(), 31);
    QVERIFY(maps.contains("tvx_arena"));
    QCOMPARE(maps.count("q3dm17"), 1);
    QVERIFY(texts(program.widget(q2m.modList)).size() > 0);
    QCOMPARE(game.readData("launch_stat.tvd"), std::string("1\r\n"));
    QVERIFY(game.readData("maps.tvd").starts_with("q3ctf1/"));
    QVERIFY(game.readData("bots.tvd")
                .ends_with("Vexa - 5 - red  - 0  /Visor - 5 - red  - 0  /"
                           "Wrack - 5 - red  - 0  /Xaero - 5 - red  - 0  "
                           "/\r\nx\r\n"));
    QVERIFY(!game.readData("mods.tvd").empty());
    QCOMPARE(game.readData("oldbots.tvd"), std::string("pak0.pk3/zz-bots.pk3/zz-maps.pk3/\r\n"));
    QCOMPARE(game.readData("oldmaps.tvd"), game.readData("oldbots.tvd"));
    guitest::saveScreenshots(program.launcher().view(), "firstrun_after");

    // The roster window shows the detected bots.
    guitest::click(program.widget(q2m.editRosterButton));
    QCOMPARE(texts(program.widget(program.get<windows::RosterWindow>().roster)).size(), 33);
    guitest::saveScreenshots(program.launcher().view(), "firstrun_roster");
}

QTEST_MAIN(FirstRunTest)
#include "FirstRun_test.moc"
