// The end of the program: Qt's event loop ends with the last window, but a
// message shown after the last window closed is still seen first.

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "support/Showcase.h"
#include "support/gui/GuiSupport.h"

using guitest::GameDir;
using guitest::Showcase;

class LifetimeTest : public QObject {
    Q_OBJECT

  private slots:
    void eventLoopEndsWithTheLastWindow();
    void messageAfterTheLastWindowIsStillShown();
    void windowsStayOpenWithoutTheEnd();
};

namespace {

// Runs Qt's event loop; 1 when it had to be stopped from outside.
int runEventLoop() {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    return QApplication::exec();
}

} // namespace

void LifetimeTest::eventLoopEndsWithTheLastWindow() {
    GameDir game;
    qtview::Launcher launcher(game.path());
    auto& window = launcher.app().add<Showcase>();
    launcher.quitWhenEnded();
    window.show();
    QWidget* widget = launcher.view().windowWidget(window);
    QVERIFY(widget != nullptr);
    QTimer::singleShot(0, widget, [widget] { widget->close(); });
    QCOMPARE(runEventLoop(), 0);
    QVERIFY(launcher.ended());
}

void LifetimeTest::messageAfterTheLastWindowIsStillShown() {
    GameDir game;
    qtview::Launcher launcher(game.path());
    auto& window = launcher.app().add<Showcase>();
    launcher.quitWhenEnded();
    // As a launch with "close when launching" whose game does not start:
    // every window closes, then the message comes.
    window.button.onClick = [&window] {
        window.unload();
        window.app().services().messages.show("Could not start");
    };
    window.show();

    QString seen;
    QTimer::singleShot(400, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        seen = box->isVisible() ? box->text() : QString();
        box->accept();
    });
    QTimer::singleShot(0, [&window] { window.button.userClick(); });
    QCOMPARE(runEventLoop(), 0);
    QCOMPARE(seen, QString("Could not start"));
}

void LifetimeTest::windowsStayOpenWithoutTheEnd() {
    // The tests' own launchers leave the event loop alone.
    GameDir game;
    qtview::Launcher launcher(game.path());
    auto& window = launcher.app().add<Showcase>();
    window.show();
    window.unload();
    QVERIFY(launcher.ended());
    QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
    QCOMPARE(QApplication::exec(), 7);
}

QTEST_MAIN(LifetimeTest)
#include "Lifetime_test.moc"
