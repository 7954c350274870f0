// The real program started on data files that are damaged or made to hurt:
// it comes up, every window opens, nothing crashes (the sanitizer build runs
// this too), and no file that it only read is written again.

#include <sys/stat.h>

#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QTest>

#include "support/GameData.h"
#include "support/gui/GuiSupport.h"
#include "windows/BotWindow.h"
#include "windows/MapListsWindow.h"
#include "windows/MapWindow.h"
#include "windows/ModEditor.h"
#include "windows/ModWindow.h"

using guitest::GameDir;
using guitest::Program;

class HostileFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void programComesUpAndLeavesTheFilesAlone_data();
    void programComesUpAndLeavesTheFilesAlone();
};

namespace {

// A used game with every kind of data file the program reads.
void writeGame(const GameDir& game) {
    testsupport::writeUsedGame(game);
    game.writeData("mapcycle.tvd", {"q3dm1/q3dm17/"});
    game.writeData("oldmods.tvd", {"baseq3/osp/Tolvdata/"});
    game.writeData("oldmaps.tvd", {"q3dm1/q3dm7/q3dm17/"});
    game.writeData("oldbots.tvd", {"Sarge/Anarki/"});
    game.writeData("Favourites.map", {"q3dm17/q3dm1/"});
}

// Bytes that look like nothing, the same in every run.
QByteArray noise(int size) {
    QByteArray bytes(size, '\0');
    quint32 state = 12345;
    for (char& b : bytes) {
        state = state * 1103515245U + 12345U;
        b = static_cast<char>(state >> 16);
    }
    return bytes;
}

// Every file under the game directory: its bytes and the file-system
// identity of the file that holds them (a replaced file gets a new one).
struct Seen {
    QByteArray bytes;
    ino_t inode;
    bool operator==(const Seen&) const = default;
};
QMap<QString, Seen> filesOf(const GameDir& game) {
    QMap<QString, Seen> files;
    const QString root = QString::fromStdString(game.path());
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st {};
        ::stat(QFile::encodeName(path).constData(), &st);
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        files.insert(path.mid(root.size() + 1), {f.readAll(), st.st_ino});
    }
    return files;
}

template <class W> bool showAndCheck(Program& program) {
    program.get<W>().show();
    QWidget* w = program.window<W>();
    return w != nullptr && QTest::qWaitForWindowExposed(w);
}

} // namespace

void HostileFilesTest::programComesUpAndLeavesTheFilesAlone_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray record = QByteArray::fromStdString(
        GameDir::joined(testsupport::modRecord("baseq3", "20", "15", "8", true)));

    QTest::newRow("empty list") << "maps.tvd" << QByteArray();
    QTest::newRow("empty record") << "baseq3.tvd" << QByteArray();
    QTest::newRow("empty settings") << "settings.tvd" << QByteArray();
    QTest::newRow("empty marker") << "launch_stat.tvd" << QByteArray();
    QTest::newRow("truncated list") << "mods.tvd" << QByteArray("baseq3/OSP Tou");
    QTest::newRow("truncated record") << "baseq3.tvd" << record.left(record.size() / 2);
    QTest::newRow("truncated bots") << "bots.tvd" << QByteArray("Anarki - 1 - bl");
    QTest::newRow("binary list") << "maps.tvd" << noise(4096);
    QTest::newRow("binary record") << "baseq3.tvd" << noise(4096);
    QTest::newRow("binary settings") << "settings.tvd" << noise(4096);
    QTest::newRow("binary bots") << "bots.tvd" << noise(4096);
    QTest::newRow("binary marker") << "launch_stat.tvd" << noise(64);
    QTest::newRow("binary saved list") << "Favourites.map" << noise(4096);
    QByteArray longMaps;
    while (longMaps.size() < 10 * 1024 * 1024)
        longMaps += QByteArray(999, 'm') + '/';
    QTest::newRow("10 MB list line") << "maps.tvd" << longMaps;
    QTest::newRow("10 MB host name")
        << "settings.tvd"
        << "1\r\n0\r\n" + QByteArray(10 * 1024 * 1024, 'h') + "\r\nS\r\n";
    QTest::newRow("10 MB record line") << "baseq3.tvd" << QByteArray(10 * 1024 * 1024, '1');
    QTest::newRow("NUL bytes in a list")
        << "mods.tvd" << QByteArray("bas\0eq3/\0/OSP Tourney/\0", 24);
    QTest::newRow("NUL bytes in bots")
        << "bots.tvd" << QByteArray("Sarge\0 - 5 - red  - 0  /\r\n0\0/\r\n", 32);
    QTest::newRow("CR-only settings") << "settings.tvd" << QByteArray("2\r0\rMy Server\rC\r");
    QTest::newRow("CR-only record") << "baseq3.tvd" << QByteArray(record).replace("\r\n", "\r");
    QTest::newRow("invalid UTF-8 list")
        << "maps.tvd" << QByteArray("q3dm\xff\xfe/\xc3/caf\xe9/\xf0\x9f\x8e/");
    QTest::newRow("invalid UTF-8 host")
        << "settings.tvd" << QByteArray("1\r\n0\r\nS\xe9rv\xc3\r\nS\r\n");
    QTest::newRow("numbers out of range")
        << "settings.tvd" << QByteArray("99999999999999999999\r\n1e400\r\nx\r\nS\r\n");
    QTest::newRow("record numbers out of range")
        << "baseq3.tvd"
        << QByteArray(record).replace("\r\n20\r\n15\r\n8\r\n",
                                      "\r\n1e400\r\n-9e99\r\n4294967296\r\n");
    QTest::newRow("record check boxes not numbers")
        << "baseq3.tvd"
        << QByteArray(record).replace("\r\n1\r\n0\r\n0\r\n", "\r\nyes\r\n7\r\n-1\r\n");
    QTest::newRow("settings not numbers") << "settings.tvd" << QByteArray("x\r\ny\r\nz\r\nS\r\n");
    QTest::newRow("bot selection not numbers")
        << "bots.tvd" << QByteArray("Anarki - 1 - blue - 25 /Sarge - 5 - red  - 0  /\r\na/b/\r\n");
    QTest::newRow("indices past the ends")
        << "settings.tvd" << QByteArray("57\r\n9\r\nMy Server\r\nS\r\n");
    QTest::newRow("bot selection past the end")
        << "bots.tvd" << QByteArray("Anarki - 1 - blue - 25 /\r\n0/5/2147483648/\r\n");
    QTest::newRow("negative indices")
        << "settings.tvd" << QByteArray("-2\r\n-7\r\nMy Server\r\nC\r\n");
    QTest::newRow("negative bot selection")
        << "bots.tvd" << QByteArray("Anarki - 1 - blue - 25 /\r\n-1/0/\r\n");
    QTest::newRow("mod names leading out")
        << "mods.tvd" << QByteArray("../..\\..\\settings/./Settings/baseq3/");
    QTest::newRow("map names leading out") << "maps.tvd" << QByteArray("../../x/..\\y/./");
    QTest::newRow("record folder leading out")
        << "baseq3.tvd" << QByteArray(record).replace("baseq3\r\n", "../../etc\\x\r\n");
    QTest::newRow("short bot entries") << "bots.tvd" << QByteArray("a/../x\\y/\r\n0/1/2/\r\n");
}

void HostileFilesTest::programComesUpAndLeavesTheFilesAlone() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    GameDir game;
    writeGame(game);
    game.writeRaw("Tolvdata/" + file.toStdString(), bytes.toStdString());
    const auto before = filesOf(game);

    Program program(game);
    program.start();
    // The main window, or the first-run window when the marker is unusable.
    QWidget* first = program.window<windows::MainWindow>();
    if (first == nullptr || !first->isVisible())
        first = program.window<windows::StartupWindow>();
    QVERIFY(first != nullptr && QTest::qWaitForWindowExposed(first));
    QVERIFY(showAndCheck<windows::RosterWindow>(program));
    QVERIFY(showAndCheck<windows::MapWindow>(program));
    QVERIFY(showAndCheck<windows::MapListsWindow>(program));
    QVERIFY(showAndCheck<windows::BotWindow>(program));
    QVERIFY(showAndCheck<windows::ModWindow>(program));
    guitest::saveScreenshots(program.launcher().view(),
                             "HostileFiles_" + QString(QTest::currentDataTag()).replace(' ', '_'));

    const auto after = filesOf(game);
    for (auto it = before.begin(); it != before.end(); ++it)
        QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key() + " was written"));
    QCOMPARE(after.keys(), before.keys());

    // The mod editor last: on a record it cannot use it drops the mod, which
    // writes the mod list; here it only has to come through.
    program.get<windows::ModEditor>().show();
    QTest::qWait(10);
}

QTEST_MAIN(HostileFilesTest)
#include "HostileFiles_test.moc"
