// From the click on the launch picture to the game: the real program on a
// game directory, the real process start, and a stand-in "Quake3.exe" (or
// engine command on the PATH) that writes down the arguments it got.

#include <QFile>
#include <QTest>

#include "platform/CommandLine.h"
#include "support/GameData.h"
#include "support/gui/GuiSupport.h"

using guitest::GameDir;
using guitest::Program;

class LaunchTest : public QObject {
    Q_OBJECT

  private slots:
    void singleMapLaunchStartsTheGame();
    void cycleLaunchWritesTheCycleConfig();
    void engineOnThePathStartsWithoutQuake3Exe();
    void missingGameIsReported();
};

namespace {

constexpr const char* kStandIn = "#!/bin/sh\n"
                                 "for a in \"$@\"; do printf '%s\\n' \"$a\" >> args.txt; done\n"
                                 "echo done > finished.txt\n";

// PATH set to one folder of the game directory for the life of the object,
// so that no engine installed on the machine is started by accident.
class SearchPath {
  public:
    SearchPath(const GameDir& game, const QString& folder) : saved_(qgetenv("PATH")) {
        game.writeRaw((folder + "/.keep").toStdString(), "");
        qputenv("PATH", QByteArray::fromStdString(game.path()) + "/" + folder.toUtf8());
    }
    ~SearchPath() { qputenv("PATH", saved_); }
    SearchPath(const SearchPath&) = delete;
    SearchPath& operator=(const SearchPath&) = delete;

  private:
    QByteArray saved_;
};

constexpr const char* kMotd = "Welcome to a game started with Torvel Arvenix Pro";

void prepareGame(const GameDir& game, const std::string& mode) {
    game.writeData("launch_stat.tvd", {"1"});
    game.writeData("maps.tvd", {"q3dm17/"});
    game.writeData("mods.tvd", {"baseq3/"});
    game.writeData("baseq3.tvd", testsupport::modRecord("baseq3", "20", "0", "8"));
    game.writeData("settings.tvd", {"0", "0", "My Server", mode});
    game.writeRaw("Quake3.exe", kStandIn);
    game.makeExecutable("Quake3.exe");
}

QStringList expectedArguments(const std::string& commandLine) {
    QStringList args;
    for (const auto& a : platform::splitCommandLine(commandLine))
        args << QString::fromStdString(a);
    args.removeFirst(); // the program itself
    return args;
}

QStringList recordedArguments(const GameDir& game) {
    QStringList args = QString::fromUtf8(guitest::bytes(game.read("args.txt"))).split('\n');
    args.removeAll(QString());
    return args;
}

std::string commonPart() {
    return std::string("Quake3.exe + set dedicated  0 + set fs_game baseq3 + sv_maxclients 8"
                       " + sv_hostname \"My Server\" +g_motd \"") +
           kMotd + "\" +sv_pure  0+ fraglimit 20 + timelimit 0 ";
}

} // namespace

void LaunchTest::singleMapLaunchStartsTheGame() {
    GameDir game;
    prepareGame(game, "S");
    Program program(game, false);
    QVERIFY(program.startOnMainWindow());

    guitest::click(program.widget(program.get<windows::MainWindow>().launchButtonPlain));

    QTRY_VERIFY_WITH_TIMEOUT(!guitest::bytes(game.read("finished.txt")).isEmpty(), 10000);
    QCOMPARE(recordedArguments(game), expectedArguments(commonPart() + " +map q3dm17"));
    QVERIFY(program.messages.shown.empty());
    QVERIFY(program.window<windows::MainWindow>()->isVisible());
}

void LaunchTest::cycleLaunchWritesTheCycleConfig() {
    GameDir game;
    prepareGame(game, "C");
    Program program(game, false);
    QVERIFY(program.startOnMainWindow());
    QVERIFY(program.widget(program.get<windows::MainWindow>().cyclePanel)->isVisible());

    // q3dm17 into the cycle, by hand.
    guitest::clickRow(program.widget(program.get<windows::MainWindow>().availableMaps), 0);
    guitest::click(program.widget(program.get<windows::MainWindow>().addToCycleButton));
    guitest::click(program.widget(program.get<windows::MainWindow>().launchButtonPlain));

    QTRY_VERIFY_WITH_TIMEOUT(!guitest::bytes(game.read("finished.txt")).isEmpty(), 10000);
    QCOMPARE(recordedArguments(game), expectedArguments(commonPart() + " +exec tvdx_mapcycle.cfg"));
    const QList<QByteArray> config =
        guitest::bytes(game.read("baseq3/tvdx_mapcycle.cfg")).split('\n');
    QCOMPARE(config.size(), 3);
    // One map: it points back at itself, so the game repeats it.
    QCOMPARE(config[0], QByteArray("set m1 \"map q3dm17; set nextmap vstr m1\"\r"));
    QCOMPARE(config[1], QByteArray("vstr m1\r"));
}

void LaunchTest::engineOnThePathStartsWithoutQuake3Exe() {
    GameDir game;
    prepareGame(game, "S");
    QFile::remove(QString::fromStdString(game.path()) + "/Quake3.exe");
    const SearchPath path(game, "engine");
    game.writeRaw("engine/ioquake3", kStandIn);
    game.makeExecutable("engine/ioquake3");
    Program program(game, false);
    QVERIFY(program.startOnMainWindow());

    guitest::click(program.widget(program.get<windows::MainWindow>().launchButtonPlain));

    // args.txt lies in the game directory: the engine runs there.
    QTRY_VERIFY_WITH_TIMEOUT(!guitest::bytes(game.read("finished.txt")).isEmpty(), 10000);
    QCOMPARE(recordedArguments(game), expectedArguments(commonPart() + " +map q3dm17"));
    QVERIFY(program.messages.shown.empty());
}

void LaunchTest::missingGameIsReported() {
    GameDir game;
    prepareGame(game, "S");
    QFile::remove(QString::fromStdString(game.path()) + "/Quake3.exe");
    const SearchPath path(game, "empty");
    Program program(game, false);
    QVERIFY(program.startOnMainWindow());

    guitest::click(program.widget(program.get<windows::MainWindow>().launchButtonPlain));

    QCOMPARE(program.messages.shown,
             std::vector<std::string>{"Please copy 'Torvel Arvenix Pro.exe' into your Quake3 "
                                      "directory and select a valid mod."});
}

QTEST_MAIN(LaunchTest)
#include "Launch_test.moc"
