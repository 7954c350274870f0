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

#include "content/q2map.h"
#include "content/q2maplist.h"
#include "shell/Q2M.h"
#include "support/GameData.h"
#include "support/GuiSupport.h"
#include "support/Packages.h"

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
    auto& main = program.get<shell::Q2M>();
    auto& w = program.get<content::q2map>();
    QVERIFY(QTest::qWaitForWindowExposed(program.window<shell::Q2M>()));
    guitest::click(program.widget(main.Command2));
    QWidget* map = program.window<content::q2map>();
    QVERIFY(map != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(map));
    QTest::keyClicks(program.widget(w.Text1), "q3dm17");
    guitest::moveMouse(program.widget(w.Image2));
    QVERIFY(program.widget(w.Image3)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "mapwindow_single");
    // Enter adds the typed name: the file has it last, the list in its place.
    QTest::keyClick(program.widget(w.Text1), Qt::Key_Return);
    QVERIFY(program.window<content::q2map>() == nullptr);
    QCOMPARE(game.readData("maps.tvd"), std::string("q3dm1/q3dm7/q3dm17/\r\n"));
    QCOMPARE(texts(program.widget(main.List1)), QStringList({"q3dm1", "q3dm17", "q3dm7"}));

    guitest::click(program.widget(main.Command2));
    QVERIFY(QTest::qWaitForWindowExposed(program.window<content::q2map>()));
    guitest::click(program.widget(w.Label4));
    QVERIFY(program.widget(w.mDedNew)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "mapwindow_new");
    guitest::click(program.widget(w.Label3));
    QVERIFY(program.widget(w.mDedAll)->isVisible());
    QVERIFY(!program.widget(w.mSingle)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "mapwindow_all");

    // The percentage is painted while the detection runs inside the click,
    // before the window closes at its end.
    PaintCounter counter;
    program.widget(w.status3)->installEventFilter(&counter);
    guitest::click(program.widget(w.Image5));
    QVERIFY(counter.paints > 0);
    QVERIFY(program.window<content::q2map>() == nullptr);
    QCOMPARE(texts(program.widget(main.List1)), QStringList({"user0", "user1", "user2"}));
    QCOMPARE(game.readData("maps.tvd"), std::string("user0/user1/user2/\r\n"));
}

void MapWindowsTest::mapListWindowPagesAndSave() {
    GameDir game;
    testsupport::writeUsedGame(game);
    game.writeData("duel.map", {"q3dm17/q3tourney2/"});
    game.writeData("ctf.map", {"q3ctf1/q3ctf4/"});
    Program program(game);
    program.start();
    auto& main = program.get<shell::Q2M>();
    auto& w = program.get<content::q2maplist>();
    QVERIFY(QTest::qWaitForWindowExposed(program.window<shell::Q2M>()));
    guitest::click(program.widget(main.Command10));
    QVERIFY(QTest::qWaitForWindowExposed(program.window<content::q2maplist>()));
    QCOMPARE(texts(program.widget(w.File1)), QStringList({"ctf.map", "duel.map"}));
    // The window opens with all three titles over the strip, whose picture
    // draws the names of the tabs not chosen: each title must lie on its
    // name, so that choosing the tab already showing changes nothing.
    const QImage opened = program.widget(w.Picture2)->grab().toImage();
    guitest::click(program.widget(w.Label1));
    QVERIFY(!program.widget(w.Label7)->isVisible());
    QCOMPARE(differingPixels(opened, program.widget(w.Picture2)->grab().toImage()), 0);
    guitest::clickRow(program.widget(w.File1), 1);
    guitest::moveMouse(program.widget(w.Image9));
    QVERIFY(program.widget(w.Image10)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "maplist_load");

    guitest::click(program.widget(w.Label4));
    QVERIFY(program.widget(w.mDelMP)->isVisible());
    QVERIFY(!program.widget(w.Label6)->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "maplist_delete");

    guitest::click(program.widget(w.Label3));
    QVERIFY(program.widget(w.Label7)->isVisible());
    guitest::clickRow(program.widget(w.File1b), 0);
    QCOMPARE(qobject_cast<QLineEdit*>(program.widget(w.Text1))->text(), QString("ctf"));
    guitest::saveScreenshots(program.launcher().view(), "maplist_save");
    guitest::moveMouse(program.widget(w.Image2));
    guitest::click(program.widget(w.Image1));
    QVERIFY(program.window<content::q2maplist>() == nullptr);
    QCOMPARE(game.readData("ctf.map"), std::string("q3dm1/q3dm17/q3dm7/\r\n"));
}

QTEST_MAIN(MapWindowsTest)
#include "MapWindows_test.moc"
