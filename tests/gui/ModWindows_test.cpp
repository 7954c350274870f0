// The mod window and the mod editor on screen, driven through their widgets:
// the tabs on the strip picture, the Detect New panel over the Detect All
// button, a detection started by the lit picture under the pointer, and an
// edit saved with the save button.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "support/GameData.h"
#include "support/GuiSupport.h"
#include "ui/Application.h"

using guitest::GameDir;
using guitest::Program;

class ModWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void detectAllThenDetectNewThroughTheTabs();
    void editorSavesTheDefinition();
};

namespace {

QStringList texts(QWidget* list) {
    QStringList all;
    auto* l = qobject_cast<QListWidget*>(list);
    for (int i = 0; l != nullptr && i < l->count(); ++i)
        all << l->item(i)->text();
    return all;
}

// Moves onto a hover pair's plain picture and clicks the lit one.
void pressPair(Program& program, const std::string& window, const std::string& plain,
               const std::string& lit) {
    guitest::moveMouse(program.control(window, plain));
    QVERIFY(program.control(window, lit)->isVisible());
    guitest::click(program.control(window, lit));
}

} // namespace

void ModWindowsTest::detectAllThenDetectNewThroughTheTabs() {
    GameDir game;
    guitest::writeUsedGame(game);
    game.write("q3ut/readme.txt", {"mod"});
    game.write("arena/readme.txt", {"mod"});
    Program program(game);
    program.start();
    QVERIFY(QTest::qWaitForWindowExposed(program.window("Q2M")));

    guitest::click(program.control("Q2M", "Command6"));
    QWidget* mod = program.window("q2mod");
    QVERIFY(mod != nullptr && QTest::qWaitForWindowExposed(mod));
    guitest::saveScreenshots(program.launcher().view(), "mod_add");

    // The second tab shows the detection page with the Detect All button.
    QWidget* strip = program.control("q2mod", "Picture2");
    guitest::click(strip, QPoint(strip->width() / 2, strip->height() / 2));
    QVERIFY(program.control("q2mod", "mDedAll")->isVisible());
    QVERIFY(!program.control("q2mod", "mSingle")->isVisible());
    QVERIFY(program.control("q2mod", "Image4")->isVisible());
    guitest::saveScreenshots(program.launcher().view(), "mod_detectall");

    pressPair(program, "q2mod", "Image4", "Image5");
    QVERIFY(!program.app().find("q2mod")->isVisible());
    QCOMPARE(texts(program.control("Q2M", "List2")),
             QStringList({"Arena", "Capture The Flag", "Free For All", "Osp", "Team Deathmatch",
                          "Tournament", "Urban Terror"}));

    // A new folder; the settings of a mod already listed stay as they are.
    const QByteArray terror = game.readData("Urban Terror.tvd").replace("\r\n50\r\n", "\r\n7\r\n");
    game.writeBytes("Tolvdata/Urban Terror.tvd", terror);
    game.write("cpma/readme.txt", {"mod"});
    guitest::click(program.control("Q2M", "Command6"));
    mod = program.window("q2mod");
    QVERIFY(mod != nullptr && QTest::qWaitForWindowExposed(mod));
    strip = program.control("q2mod", "Picture2");
    guitest::click(strip, QPoint(strip->width() * 5 / 6, strip->height() / 2));
    // The Detect New panel lies over the Detect All button.
    QVERIFY(program.control("q2mod", "mDedNew")->isVisible());
    QWidget* under = program.control("q2mod", "Image4");
    QWidget* over = program.control("q2mod", "Image7");
    QCOMPARE(mod->childAt(under->mapTo(mod, under->rect().center())), over);
    QCOMPARE(qobject_cast<QLabel*>(program.control("q2mod", "txt_AllNew"))->text(),
             QString("Detect New"));
    guitest::saveScreenshots(program.launcher().view(), "mod_detectnew");

    pressPair(program, "q2mod", "Image7", "Image8");
    QVERIFY(!program.app().find("q2mod")->isVisible());
    QCOMPARE(texts(program.control("Q2M", "List2")),
             QStringList({"Arena", "Capture The Flag", "Cpma", "Free For All", "Osp",
                          "Team Deathmatch", "Tournament", "Urban Terror"}));
    QCOMPARE(game.readData("Urban Terror.tvd"), terror);
}

void ModWindowsTest::editorSavesTheDefinition() {
    GameDir game;
    guitest::writeUsedGame(game);
    Program program(game);
    program.start();
    QVERIFY(QTest::qWaitForWindowExposed(program.window("Q2M")));

    guitest::click(program.control("Q2M", "Command8"));
    QWidget* editor = program.window("q2edit");
    QVERIFY(editor != nullptr && QTest::qWaitForWindowExposed(editor));
    auto* folder = qobject_cast<QLineEdit*>(program.control("q2edit", "fname"));
    QCOMPARE(folder->text(), QString("baseq3"));
    QVERIFY(!program.control("q2edit", "mname")->isEnabled());
    QVERIFY(!program.control("q2edit", "opcpt1")->isEnabled());

    // Ticking option 1 opens its boxes for typing.
    guitest::click(program.control("q2edit", "opck1"));
    QVERIFY(program.control("q2edit", "opcpt1")->isEnabled());
    auto* caption = qobject_cast<QLineEdit*>(program.control("q2edit", "opcpt1"));
    caption->setFocus();
    caption->selectAll();
    QTest::keyClicks(caption, "Capturelimit");
    guitest::saveScreenshots(program.launcher().view(), "mod_editor");

    pressPair(program, "q2edit", "Image2", "Image3");
    QVERIFY(!program.app().find("q2edit")->isVisible());
    const QByteArray record = game.readData("baseq3.tvd");
    QVERIFY(record.startsWith("baseq3\r\nCapturelimit\r\n\r\n1\r\n"));
    QCOMPARE(record.count("\r\n"), 24);
}

QTEST_MAIN(ModWindowsTest)
#include "ModWindows_test.moc"
