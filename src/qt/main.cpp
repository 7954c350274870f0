// Torvel Arvenix Pro: runs in the game directory (the current directory).

#include <string>

#include <QApplication>
#include <QDir>

#include "qt/Launcher.h"

int main(int argc, char** argv) {
    const std::string gameDirectory = QDir::currentPath().toStdString();
    qtview::EarlyStart early(gameDirectory);
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("torvel-arvenix-pro");
    qtview::Launcher launcher(gameDirectory, {}, &early);
    launcher.quitWhenEnded();
    launcher.start();
    if (launcher.ended())
        return 0;
    return QApplication::exec();
}
