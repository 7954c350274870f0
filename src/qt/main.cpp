// Torvel Arvenix Pro: runs in the game directory (the current directory).

#include <QApplication>
#include <QDir>

#include "qt/Launcher.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("torvel-arvenix-pro");
    qtview::Launcher launcher(QDir::currentPath().toStdString());
    launcher.quitWhenEnded();
    launcher.start();
    if (launcher.ended())
        return 0;
    return QApplication::exec();
}
