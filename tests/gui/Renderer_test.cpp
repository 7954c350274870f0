// The generic renderer on a window of every control kind: what it shows,
// how it follows the controls, and how the user's input reaches them.

#include <algorithm>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/Showcase.h"
#include "support/gui/GuiSupport.h"

using guitest::GameDir;
using guitest::Program;
using guitest::Showcase;

class RendererTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void showsEveryKindAtItsPlace();
    void followsPropertyChanges();
    void disabledPictureLetsTheClickThrough();
    void mouseMovesReachTheControlUnderThePointer();
    void typingAndKeys();
    void comboChoiceAndTyping();
    void listClicksAndKeys();
    void highlightIsScrolledIntoViewWhenTheListIsShown();
    void checkBoxShowsTheControlsValue();
    void focusFollowsTheWidgets();
    void titleBarCloseAsksTheWindow();
    void showingAnOpenWindowBringsItForward();

  private:
    QWidget* widget(const ui::Control& c) const { return program_->widget(c); }
    bool saw(const std::string& event) const {
        return std::find(showcase_->events.begin(), showcase_->events.end(), event) !=
               showcase_->events.end();
    }

    std::unique_ptr<GameDir> game_;
    std::unique_ptr<Program> program_;
    Showcase* showcase_ = nullptr;
    QWidget* top_ = nullptr;
};

void RendererTest::init() {
    game_ = std::make_unique<GameDir>();
    program_ = std::make_unique<Program>(*game_);
    showcase_ = &program_->app().add<Showcase>();
    showcase_->show();
    top_ = program_->window<Showcase>();
    QVERIFY(top_ != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(top_));
    showcase_->events.clear();
}

void RendererTest::cleanup() {
    guitest::saveScreenshots(program_->launcher().view(),
                             QString("renderer_") + QTest::currentTestFunction());
    program_.reset();
    game_.reset();
}

void RendererTest::showsEveryKindAtItsPlace() {
    QCOMPARE(top_->size(), QSize(400, 300));
    QCOMPARE(top_->windowTitle(), QString("Every control"));
    QVERIFY(!(top_->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(top_->windowFlags() & Qt::WindowMaximizeButtonHint));

    auto* title = qobject_cast<QLabel*>(widget(showcase_->title));
    QVERIFY(title != nullptr);
    QCOMPARE(title->geometry(), QRect(133, 20, 100, 17));
    QCOMPARE(title->text(), QString("Caption"));
    QCOMPARE(title->toolTip(), QString("A tip"));
    QVERIFY(title->alignment() & Qt::AlignRight);
    QVERIFY(!title->autoFillBackground()); // labels are transparent
    QCOMPARE(title->font().pixelSize(), 11);
    QVERIFY(title->font().families().contains("Liberation Sans"));

    auto* text = qobject_cast<QLineEdit*>(widget(showcase_->text));
    QVERIFY(text != nullptr);
    QCOMPARE(text->text(), QString("ab"));
    QCOMPARE(text->palette().color(QPalette::Base), QColor(102, 0, 0));
    QCOMPARE(text->palette().color(QPalette::Text), QColor(Qt::white));
    QVERIFY(!widget(showcase_->locked)->isEnabled());
    QVERIFY(qobject_cast<QCheckBox*>(widget(showcase_->check)) != nullptr);
    QCOMPARE(qobject_cast<QPushButton*>(widget(showcase_->button))->text(), QString("Press"));
    const QStringList maps = guitest::texts(widget(showcase_->maps));
    QCOMPARE(maps.size(), 3);
    QCOMPARE(maps[0], QString("q3dm1"));
    QCOMPARE(maps[1], QString("Q3DM17"));
    QVERIFY(qobject_cast<QComboBox*>(widget(showcase_->combo))->isEditable());
    QCOMPARE(qobject_cast<QComboBox*>(widget(showcase_->combo))->currentText(), QString("red "));

    // Containers hold their controls; later controls lie on top.
    QCOMPARE(widget(showcase_->inner)->parentWidget(), widget(showcase_->box));
    QCOMPARE(widget(showcase_->inner)->pos(), QPoint(10, 30));
    const auto children = top_->children();
    QVERIFY(children.indexOf(widget(showcase_->cover)) >
            children.indexOf(widget(showcase_->under)));
    QVERIFY(children.indexOf(widget(showcase_->under)) > children.indexOf(widget(showcase_->back)));
    // The document holder shows nothing; the shape takes no mouse input.
    QVERIFY(program_->widget(showcase_->document) == nullptr);
    QVERIFY(widget(showcase_->shape)->testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(widget(showcase_->cover)->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void RendererTest::followsPropertyChanges() {
    showcase_->title.setCaption("Other");
    showcase_->title.setForeColor(ui::kRed);
    showcase_->title.setRect({0, 0, 3000, 600});
    showcase_->title.setVisible(false);
    auto* title = qobject_cast<QLabel*>(widget(showcase_->title));
    QCOMPARE(title->text(), QString("Other"));
    QCOMPARE(guitest::shownTextColor(title), QString("#ff0000"));
    QCOMPARE(title->geometry(), QRect(0, 0, 200, 40));
    QVERIFY(!title->isVisible());

    showcase_->setCaption("Renamed");
    QCOMPARE(top_->windowTitle(), QString("Renamed"));

    // Hiding a container hides what it holds; its controls keep their state.
    showcase_->box.setVisible(false);
    QVERIFY(!widget(showcase_->inner)->isVisible());
    showcase_->box.setVisible(true);
    QVERIFY(widget(showcase_->inner)->isVisible());

    // Lists follow additions, removals and the highlight.
    QWidget* maps = widget(showcase_->maps);
    showcase_->maps.addItem("q3dm10");
    showcase_->maps.removeItem(0);
    showcase_->maps.setListIndex(2);
    QCOMPARE(guitest::texts(maps), QStringList({"q3dm10", "Q3DM17", "q3dm7"}));
    QCOMPARE(guitest::currentRow(maps), 2);
    showcase_->maps.setListIndex(-1);
    QVERIFY(!guitest::anyRowSelected(maps));
    showcase_->maps.clear();
    QCOMPARE(guitest::texts(maps).size(), 0);

    // Code may set a text longer than what the user may type.
    showcase_->text.setText("longer text");
    QCOMPARE(qobject_cast<QLineEdit*>(widget(showcase_->text))->text(), QString("longer text"));
    showcase_->locked.setEnabled(true);
    QVERIFY(widget(showcase_->locked)->isEnabled());
}

void RendererTest::disabledPictureLetsTheClickThrough() {
    guitest::click(widget(showcase_->cover));
    QVERIFY(saw("under click"));
    QVERIFY(!saw("cover click"));

    showcase_->events.clear();
    showcase_->cover.setEnabled(true);
    QVERIFY(!widget(showcase_->cover)->testAttribute(Qt::WA_TransparentForMouseEvents));
    guitest::click(widget(showcase_->cover));
    QVERIFY(saw("cover click"));
    QVERIFY(!saw("under click"));
}

void RendererTest::mouseMovesReachTheControlUnderThePointer() {
    guitest::moveMouse(widget(showcase_->title));
    QCOMPARE(showcase_->events, std::vector<std::string>{"title move"});

    showcase_->events.clear();
    guitest::moveMouse(widget(showcase_->inner));
    QCOMPARE(showcase_->events, std::vector<std::string>{"inner move"});

    // A disabled text box passes the move to what holds it: the window.
    showcase_->events.clear();
    guitest::moveMouse(widget(showcase_->locked));
    QCOMPARE(showcase_->events, std::vector<std::string>{"window move"});

    // Over the shape the pointer is over the picture beneath.
    showcase_->events.clear();
    guitest::moveMouse(widget(showcase_->shape));
    QCOMPARE(showcase_->events, std::vector<std::string>{"back move"});

    showcase_->events.clear();
    guitest::moveMouse(widget(showcase_->maps), QPoint(20, 5));
    guitest::moveMouse(widget(showcase_->combo), QPoint(10, 10));
    QVERIFY(saw("maps move"));
    QVERIFY(saw("combo move"));
}

void RendererTest::typingAndKeys() {
    auto* text = qobject_cast<QLineEdit*>(widget(showcase_->text));
    text->setFocus();
    text->end(false);
    QTest::keyClicks(text, "cde");
    // The typed-length limit of 3 holds: only "c" got in.
    QCOMPARE(showcase_->text.state().text, std::string("abc"));
    QCOMPARE(text->text(), QString("abc"));
    QVERIFY(saw("text change"));
    QVERIFY(saw("text key 67"));

    showcase_->events.clear();
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClick(text, Qt::Key_5);
    QTest::keyClick(text, Qt::Key_Escape);
    QCOMPARE(showcase_->events,
             (std::vector<std::string>{"text key 13", "text key 53", "text key 27"}));
}

void RendererTest::comboChoiceAndTyping() {
    auto* combo = qobject_cast<QComboBox*>(widget(showcase_->combo));
    // Typing changes the text and raises no click.
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, "blu");
    QCOMPARE(showcase_->combo.state().text, std::string("blu"));
    QVERIFY(!saw("combo click"));
    // Enter does not count as a choice, even on the text of an item.
    QTest::keyClicks(combo, "e");
    QTest::keyClick(combo, Qt::Key_Return);
    QVERIFY(!saw("combo click"));
    QVERIFY(saw("combo key 13"));

    // Leaving the box after typing is no choice either.
    showcase_->text.setText("x");
    widget(showcase_->text)->setFocus();
    QVERIFY(!saw("combo click"));

    // Choosing an item from the list is the combo's click.
    showcase_->events.clear();
    combo->showPopup();
    QAbstractItemView* popup = combo->view();
    QVERIFY(QTest::qWaitForWindowExposed(popup->window()));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, Qt::NoModifier,
                      popup->visualRect(popup->model()->index(0, 0)).center());
    QVERIFY(saw("combo click"));
    QCOMPARE(showcase_->combo.state().text, std::string("red "));
    QCOMPARE(combo->currentText(), QString("red "));

    // Setting the text from code shows it without a click.
    showcase_->events.clear();
    showcase_->combo.setText("100");
    QCOMPARE(combo->currentText(), QString("100"));
    QVERIFY(!saw("combo click"));
}

void RendererTest::listClicksAndKeys() {
    QWidget* maps = widget(showcase_->maps);
    guitest::clickRow(maps, 1);
    QCOMPARE(showcase_->maps.state().listIndex, 1);
    QCOMPARE(guitest::currentRow(maps), 1);
    QVERIFY(saw("maps click"));
    QTest::keyClick(maps, Qt::Key_Down);
    QCOMPARE(showcase_->maps.state().listIndex, 2);
    QCOMPARE(guitest::currentRow(maps), 2);
    QTest::keyClick(maps, Qt::Key_Home);
    QCOMPARE(showcase_->maps.state().listIndex, 0);
    QVERIFY(saw("maps key 36"));

    // A multi-selection list toggles one entry per click, shows the selected
    // entries with check marks and the highlighted entry as the current row.
    auto* roster = qobject_cast<QAbstractItemView*>(widget(showcase_->roster));
    const QPoint second = guitest::rowCentre(roster, 1);
    guitest::click(roster->viewport(), second);
    QVERIFY(showcase_->roster.state().items[1].selected);
    QCOMPARE(guitest::checkState(roster, 1), Qt::Checked);
    QCOMPARE(guitest::checkState(roster, 0), Qt::Unchecked);
    QCOMPARE(guitest::currentRow(roster), 1);
    QTest::keyClick(roster, Qt::Key_Up);
    QCOMPARE(showcase_->roster.state().listIndex, 0);
    QVERIFY(showcase_->roster.state().items[1].selected); // moving keeps the selection
    QTest::keyClick(roster, Qt::Key_Space);
    QCOMPARE(guitest::checkState(roster, 0), Qt::Checked);
    QTest::mouseDClick(roster->viewport(), Qt::LeftButton, Qt::NoModifier, second);
    QCOMPARE(guitest::checkState(roster, 1), Qt::Checked);
    QCOMPARE(showcase_->roster.selCount(), 2);

    // Selecting from code is shown too.
    showcase_->roster.setSelected(0, false);
    QCOMPARE(guitest::checkState(roster, 0), Qt::Unchecked);
}

void RendererTest::highlightIsScrolledIntoViewWhenTheListIsShown() {
    auto* maps = qobject_cast<QAbstractItemView*>(widget(showcase_->maps));
    std::vector<std::string> many;
    for (int i = 0; i < 400; ++i)
        many.push_back("map" + std::to_string(1000 + i));
    const auto inView = [maps](int row) {
        return maps->viewport()->rect().contains(maps->visualRect(maps->model()->index(row, 0)));
    };
    // Highlighted while shown, then again while the window is hidden and the
    // list scrolled elsewhere: each time the entry is in view once the list
    // is on screen.
    showcase_->maps.replaceItems(many);
    showcase_->maps.setListIndex(350);
    QVERIFY(inView(350));
    showcase_->hide();
    maps->scrollToTop();
    showcase_->maps.setListIndex(350);
    showcase_->show();
    QVERIFY(QTest::qWaitForWindowExposed(top_));
    QCOMPARE(guitest::currentRow(maps), 350);
    QVERIFY(inView(350));
}

void RendererTest::checkBoxShowsTheControlsValue() {
    auto* check = qobject_cast<QCheckBox*>(widget(showcase_->check));
    guitest::click(check);
    QCOMPARE(showcase_->check.state().value, 1);
    QCOMPARE(check->checkState(), Qt::Checked);
    QVERIFY(saw("check click"));

    showcase_->check.setValue(2);
    QCOMPARE(check->checkState(), Qt::PartiallyChecked);
    guitest::click(check);
    QCOMPARE(showcase_->check.state().value, 1);
    QCOMPARE(check->checkState(), Qt::Checked);

    // A disabled box takes no click, and shows no change.
    showcase_->check.setEnabled(false);
    guitest::click(check);
    QCOMPARE(showcase_->check.state().value, 1);
    QCOMPARE(check->checkState(), Qt::Checked);
}

void RendererTest::focusFollowsTheWidgets() {
    QApplication::setActiveWindow(top_);
    QVERIFY(QTest::qWaitForWindowActive(top_));
    widget(showcase_->maps)->setFocus();
    QCOMPARE(program_->app().focused(), &showcase_->maps);
    widget(showcase_->text)->setFocus();
    QCOMPARE(program_->app().focused(), &showcase_->text);
    QVERIFY(saw("maps got focus"));
    QVERIFY(saw("maps lost focus"));
    QVERIFY(saw("text got focus"));
    // A click on a button takes the focus, as on the game's platform.
    showcase_->events.clear();
    guitest::click(widget(showcase_->button));
    QCOMPARE(showcase_->events, (std::vector<std::string>{"button move", "text lost focus",
                                                          "button got focus", "button click"}));
}

void RendererTest::titleBarCloseAsksTheWindow() {
    showcase_->refuseClose = true;
    top_->close();
    QVERIFY(showcase_->isLoaded());
    QVERIFY(program_->window<Showcase>()->isVisible());

    showcase_->refuseClose = false;
    top_->close();
    QVERIFY(!showcase_->isLoaded());
    QVERIFY(program_->window<Showcase>() == nullptr);
    // It was the only window: the program is over.
    QVERIFY(program_->launcher().ended());

    // A window loaded again gets a new widget in its design state.
    showcase_->show();
    QWidget* again = program_->window<Showcase>();
    QVERIFY(again != nullptr && again != top_);
    QCOMPARE(qobject_cast<QLabel*>(program_->widget(showcase_->title))->text(), QString("Caption"));
}

void RendererTest::showingAnOpenWindowBringsItForward() {
    // Under another window, or minimised: its opening button still reaches it.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    showcase_->show();
    QVERIFY(QTest::qWaitForWindowActive(top_));
    top_->showMinimized();
    showcase_->show();
    QVERIFY(!top_->isMinimized() && top_->isVisible());
}

QTEST_MAIN(RendererTest)
#include "Renderer_test.moc"
