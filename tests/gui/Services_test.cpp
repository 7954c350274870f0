// The platform services on Qt: the message box, the process start and the
// embedded documents.

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "qt/Look.h"
#include "qt/QtDocumentOpener.h"
#include "qt/QtMessageBox.h"
#include "qt/QtProcessStarter.h"
#include "support/GameData.h"
#include "support/gui/GuiSupport.h"

using guitest::GameDir;
using guitest::Program;

class ServicesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void messageBoxHasTheProgramsTitleAndOnlyOk();
    void everyPictureAWindowUsesIsCompiledIn();
    void processStartFindsTheGameInAnyCase();
    void processStartFailsWithoutTheGame();
    void documentsAreWrittenOutWhole();
};

void ServicesTest::initTestCase() {
    // The launcher's constructor registers the embedded pictures and documents.
    GameDir game;
    qtview::Launcher launcher(game.path());
}

void ServicesTest::messageBoxHasTheProgramsTitleAndOnlyOk() {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    // Looks for the box until it is up; a box that never comes lets show()
    // return and the checks below fail, one that is not a message box is
    // closed after a while instead of blocking the test.
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        seen = true;
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        poll.stop();
        box->accept();
    });
    poll.start();
    QTimer::singleShot(5000, &poll, [&poll] {
        poll.stop();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    qtview::QtMessageBox().show("Please select a map and try again.");
    poll.stop();
    QVERIFY(seen);
    QCOMPARE(title, QString("Torvel Arvenix Pro"));
    QCOMPARE(text, QString("Please select a map and try again."));
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void ServicesTest::everyPictureAWindowUsesIsCompiledIn() {
    GameDir game;
    testsupport::writeUsedGame(game);
    Program program(game);
    int pictures = 0;
    for (const auto& window : program.app().windows()) {
        window->load(); // pictures copied from other windows arrive here
        for (const ui::Control* c : window->controls()) {
            const std::string& name = c->state().picture;
            if (name.empty())
                continue;
            ++pictures;
            QVERIFY2(!qtview::picture(name).isNull(),
                     (window->name() + "." + c->name() + ": " + name).c_str());
        }
    }
    QVERIFY(pictures > 0);
}

void ServicesTest::processStartFindsTheGameInAnyCase() {
    GameDir game;
    // The stand-in game writes its arguments, one per line, into its working
    // directory; on disk it is named in another letter case.
    game.writeRaw("quake3.EXE",
                  "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> args.txt; done\n"
                  "echo done > finished.txt\n");
    game.makeExecutable("quake3.EXE");

    qtview::QtProcessStarter starter;
    QVERIFY(starter.start(R"(Quake3.exe + set sv_hostname "My Server" +map  q3dm17)", game.path()));
    QTRY_VERIFY_WITH_TIMEOUT(!guitest::bytes(game.read("finished.txt")).isEmpty(), 10000);
    QCOMPARE(guitest::bytes(game.read("args.txt")),
             QByteArray("+\nset\nsv_hostname\nMy Server\n+map\nq3dm17\n"));
}

void ServicesTest::processStartFailsWithoutTheGame() {
    GameDir game;
    qtview::QtProcessStarter starter;
    QVERIFY(!starter.start("Quake3.exe +map q3dm17", game.path()));
    QVERIFY(!starter.start("", game.path()));
    QVERIFY(!starter.start("   ", game.path()));
    // A file that cannot be run does not start either.
    game.write("Quake3.exe", {"not a program"});
    QVERIFY(!starter.start("Quake3.exe", game.path()));
}

void ServicesTest::documentsAreWrittenOutWhole() {
    for (const char* name : {"readme.htm", "launcher.htm"}) {
        const auto path = qtview::QtDocumentOpener::extract(name);
        QVERIFY(path.has_value());
        QFile written(*path);
        QFile embedded(QString(":/docs/") + name);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(embedded.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), embedded.readAll());
    }
    QVERIFY(QFile(":/docs/launcher.htm").size() > 0);
    // Unknown names, and names that would lead elsewhere, give nothing.
    for (const char* bad : {"missing.htm", "", "../readme.htm", "docs/readme.htm", ".."})
        QVERIFY(!qtview::QtDocumentOpener::extract(bad).has_value());
}

QTEST_MAIN(ServicesTest)
#include "Services_test.moc"
