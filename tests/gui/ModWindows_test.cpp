// The mod window and the mod editor on screen, driven through their widgets:
// the tabs on the strip picture, the Detect New panel over the Detect All
// button, a detection started by the lit picture under the pointer, and an
// edit saved with the save button.

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "support/GameData.h"
#include "support/gui/GuiSupport.h"
#include "windows/MapWindow.h"
#include "windows/ModEditor.h"
#include "windows/ModWindow.h"

using guitest::GameDir;
using guitest::Program;
using guitest::texts;

class ModWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void detectAllThenDetectNewThroughTheTabs();
    void editorSavesTheDefinition();
};

namespace {

// Moves onto a picture button's plain picture and clicks the lit one.
void pressPair(Program& program, const ui::Image& plain, const ui::Image& lit) {
    guitest::moveMouse(program.widget(plain));
    QVERIFY(program.widget(lit)->isVisible());
    guitest::click(program.widget(lit));
}

// The main window's "Add mod to list" button; the mod window it shows.
QWidget* openModWindow(Program& program) {
    guitest::click(program.widget(program.get<windows::MainWindow>().addModButton));
    QWidget* mod = program.window<windows::ModWindow>();
    return mod != nullptr && QTest::qWaitForWindowExposed(mod) ? mod : nullptr;
}

void clickTab(Program& program, int tab) {
    QWidget* strip = program.widget(program.get<windows::ModWindow>().strip);
    guitest::click(strip, QPoint(strip->width() * (2 * tab + 1) / 6, strip->height() / 2));
}

} // namespace

void ModWindowsTest::detectAllThenDetectNewThroughTheTabs() {
    GameDir game;
    testsupport::writeUsedGame(game);
    game.makeFolder("q3ut");
    game.makeFolder("arena");
    Program program(game);
    QVERIFY(program.startOnMainWindow());
    auto& mod = program.get<windows::ModWindow>();
    QWidget* mods = program.widget(program.get<windows::MainWindow>().modList);

    QVERIFY(openModWindow(program) != nullptr);
    guitest::saveScreenshots(program.launcher().view(), "mod_add");
    // The second tab on the strip shows the detection page.
    clickTab(program, 1);
    QVERIFY(program.widget(mod.detectionPage)->isVisible());
    QVERIFY(!program.widget(mod.addByNamePage)->isVisible());
    QCOMPARE(mod.strip.state().picture,
             program.get<windows::MapWindow>().stripDetectAllActive.state().picture);
    guitest::saveScreenshots(program.launcher().view(), "mod_detectall");
    pressPair(program, mod.detectAllButtonPlain, mod.detectAllButtonLit);
    QVERIFY(!mod.isVisible());
    QCOMPARE(texts(mods), QStringList({"Arena", "Capture The Flag", "Free For All", "Osp",
                                       "Team Deathmatch", "Tournament", "Urban Terror"}));

    // A new folder; the settings of a mod already listed stay as they are.
    std::string terror = game.readData("Urban Terror.tvd");
    terror.replace(terror.find("\r\n50\r\n"), 6, "\r\n7\r\n");
    game.writeRaw("Tolvdata/Urban Terror.tvd", terror);
    game.makeFolder("cpma");
    QWidget* window = openModWindow(program);
    QVERIFY(window != nullptr);
    clickTab(program, 2);
    QVERIFY(program.widget(mod.detectNewPanel)->isVisible());
    QCOMPARE(qobject_cast<QLabel*>(program.widget(mod.detectionTitle))->text(),
             QString("Detect New"));
    // The Detect New panel lies over the Detect All button.
    QWidget* under = program.widget(mod.detectAllButtonPlain);
    QCOMPARE(window->childAt(under->mapTo(window, under->rect().center())),
             program.widget(mod.detectNewButtonPlain));
    guitest::saveScreenshots(program.launcher().view(), "mod_detectnew");
    pressPair(program, mod.detectNewButtonPlain, mod.detectNewButtonLit);
    QVERIFY(!mod.isVisible());
    QCOMPARE(texts(mods), QStringList({"Arena", "Capture The Flag", "Cpma", "Free For All", "Osp",
                                       "Team Deathmatch", "Tournament", "Urban Terror"}));
    QCOMPARE(game.readData("Urban Terror.tvd"), terror);
}

void ModWindowsTest::editorSavesTheDefinition() {
    GameDir game;
    testsupport::writeUsedGame(game);
    Program program(game);
    QVERIFY(program.startOnMainWindow());
    auto& editor = program.get<windows::ModEditor>();

    guitest::click(program.widget(program.get<windows::MainWindow>().editModButton));
    QWidget* window = program.window<windows::ModEditor>();
    QVERIFY(window != nullptr && QTest::qWaitForWindowExposed(window));
    QCOMPARE(qobject_cast<QLineEdit*>(program.widget(editor.fields.folderName))->text(),
             QString("baseq3"));
    QVERIFY(!program.widget(editor.fields.modName)->isEnabled());
    QVERIFY(!program.widget(editor.fields.option1Caption)->isEnabled());

    // Ticking option 1 opens its boxes for typing.
    guitest::click(program.widget(editor.fields.option1Shown));
    auto* caption = qobject_cast<QLineEdit*>(program.widget(editor.fields.option1Caption));
    QVERIFY(caption->isEnabled());
    caption->setFocus();
    caption->selectAll();
    QTest::keyClicks(caption, "Capturelimit");
    guitest::saveScreenshots(program.launcher().view(), "mod_editor");

    pressPair(program, editor.saveButtonPlain, editor.saveButtonLit);
    QVERIFY(!editor.isVisible());
    const std::string record = game.readData("baseq3.tvd");
    QVERIFY(record.starts_with("baseq3\r\nCapturelimit\r\n\r\n1\r\n"));
    QCOMPARE(testsupport::linesOf(record).size(), std::size_t{24});
}

QTEST_MAIN(ModWindowsTest)
#include "ModWindows_test.moc"
