// The map window and the saved map lists window on screen: their pages, the
// picture buttons, a detection whose progress is painted while it runs, and
// the lists they leave behind.

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "support/GameData.h"
#include "support/Packages.h"
#include "support/gui/GuiSupport.h"
#include "windows/MainWindow.h"
#include "windows/MapListsWindow.h"
#include "windows/MapWindow.h"

using guitest::GameDir;
using guitest::Program;
using guitest::texts;

class MapWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void mapWindowPagesAndDetectAll();
    void mapListWindowPagesAndSave();
};

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(o, e);
    }
};

// How many pixels of two pictures of one size differ by more than a little
// in some colour.
int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            if (std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                          std::abs(p.blue() - q.blue())}) > 64)
                ++n;
        }
    return n;
}

void makePackages(const GameDir& game, int count) {
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        QVERIFY(testsupport::makePackage(
            std::filesystem::path(game.path()) / "baseq3" / ("user" + n + ".pk3"),
            {{"maps/user" + n + ".bsp", "map"}, {"textures/t.tga", std::string(1000, 't')}}, "-X"));
    }
}

} // namespace

void MapWindowsTest::mapWindowPagesAndDetectAll() {
    GameDir game;
    testsupport::writeUsedGame(game);
    makePackages(game, 3);
    Program program(game);
    program.start();
    auto& main = program.get<windows::MainWindow>();
    auto& w = program.get<windows::MapWindow>();
    QVERIFY(QTest::qWaitForWindowExposed(program.window<windows::MainWindow>()));
    guitest::click(program.widget(main.addMapButton));
    QWidget* map = program.window<windows::MapWindow>();
    QVERIFY(map != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(map));
    QTest::keyClicks(program.widget(w.mapName), "q3dm17");
    guitest::moveMouse(program.widget(w.addButtonPlain));
    QVERIFY(program.widget(w.addButtonLit)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "mapwindow_single");
    // Enter adds the typed name: the file has it last, the list in its place.
    QTest::keyClick(program.widget(w.mapName), Qt::Key_Return);
    QVERIFY(program.window<windows::MapWindow>() == nullptr);
    QCOMPARE(game.readData("maps.tvd"), std::string("q3dm1/q3dm7/q3dm17/\r\n"));
    QCOMPARE(texts(program.widget(main.mapList)), QStringList({"q3dm1", "q3dm17", "q3dm7"}));

    guitest::click(program.widget(main.addMapButton));
    QVERIFY(QTest::qWaitForWindowExposed(program.window<windows::MapWindow>()));
    guitest::click(program.widget(w.detectNewTab));
    QVERIFY(program.widget(w.detectNewPage)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "mapwindow_new");
    guitest::click(program.widget(w.detectAllTab));
    QVERIFY(program.widget(w.detectAllPage)->isVisible());
    QVERIFY(!program.widget(w.addByNamePage)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "mapwindow_all");

    // The percentage is painted while the detection runs inside the click,
    // before the window closes at its end.
    PaintCounter counter;
    program.widget(w.detectAllPercent)->installEventFilter(&counter);
    guitest::click(program.widget(w.detectAllButtonPlain));
    QVERIFY(counter.paints > 0);
    QVERIFY(program.window<windows::MapWindow>() == nullptr);
    QCOMPARE(texts(program.widget(main.mapList)), QStringList({"user0", "user1", "user2"}));
    QCOMPARE(game.readData("maps.tvd"), std::string("user0/user1/user2/\r\n"));
}

void MapWindowsTest::mapListWindowPagesAndSave() {
    GameDir game;
    testsupport::writeUsedGame(game);
    game.writeData("duel.map", {"q3dm17/q3tourney2/"});
    game.writeData("ctf.map", {"q3ctf1/q3ctf4/"});
    Program program(game);
    program.start();
    auto& main = program.get<windows::MainWindow>();
    auto& w = program.get<windows::MapListsWindow>();
    QVERIFY(QTest::qWaitForWindowExposed(program.window<windows::MainWindow>()));
    guitest::click(program.widget(main.loadSaveMapsButton));
    QVERIFY(QTest::qWaitForWindowExposed(program.window<windows::MapListsWindow>()));
    QCOMPARE(texts(program.widget(w.loadPageFiles)), QStringList({"ctf.map", "duel.map"}));
    // The window opens with all three titles over the strip, whose picture
    // draws the names of the tabs not chosen: each title must lie on its
    // name, so that choosing the tab already showing changes nothing.
    const QImage opened = program.widget(w.strip)->grab().toImage();
    guitest::click(program.widget(w.loadTab));
    QVERIFY(!program.widget(w.saveTitle)->isVisible());
    QCOMPARE(differingPixels(opened, program.widget(w.strip)->grab().toImage()), 0);
    guitest::clickRow(program.widget(w.loadPageFiles), 1);
    guitest::moveMouse(program.widget(w.loadButtonPlain));
    QVERIFY(program.widget(w.loadButtonLit)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "maplist_load");

    guitest::click(program.widget(w.deleteTab));
    QVERIFY(program.widget(w.deletePage)->isVisible());
    QVERIFY(!program.widget(w.loadTitle)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "maplist_delete");

    guitest::click(program.widget(w.saveTab));
    QVERIFY(program.widget(w.saveTitle)->isVisible());
    guitest::clickRow(program.widget(w.savePageFiles), 0);
    QCOMPARE(qobject_cast<QLineEdit*>(program.widget(w.listName))->text(), QString("ctf"));
    guitest::saveScreenshots(program.launcher().view(), "maplist_save");
    guitest::moveMouse(program.widget(w.saveButtonPlain));
    guitest::click(program.widget(w.saveButtonLit));
    QVERIFY(program.window<windows::MapListsWindow>() == nullptr);
    QCOMPARE(game.readData("ctf.map"), std::string("q3dm1/q3dm17/q3dm7/\r\n"));
}

QTEST_MAIN(MapWindowsTest)
#include "MapWindows_test.moc"
