// Draws every picture of the launcher into the folder given on the command
// line, with a resource file listing them under the prefix /art. Needs a
// platform for fonts; the build runs it with QT_QPA_PLATFORM=offscreen.

#include <cstdio>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include "Pictures.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: artgen <output folder>\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "artgen: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    QString qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/art\">\n";
    for (const auto& picture : artgen::allPictures()) {
        const QString file = picture.name + ".png";
        if (!picture.draw().save(out.filePath(file), "PNG")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(out.filePath(file)));
            return 1;
        }
        qrc += "    <file>" + file + "</file>\n";
    }
    qrc += "  </qresource>\n</RCC>\n";
    QFile list(out.filePath("art.qrc"));
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate) || list.write(qrc.toUtf8()) < 0) {
        std::fprintf(stderr, "artgen: cannot write the resource list\n");
        return 1;
    }
    return 0;
}
