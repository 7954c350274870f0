#include "qt/QtDocumentOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include "qt/Text.h"

namespace qtview {

std::optional<QString> QtDocumentOpener::extract(const std::string& name) {
    const QString file = toQ(name);
    if (file.isEmpty() || file.contains('/') || file.contains('\\') || file == "." || file == "..")
        return std::nullopt;
    QFile source(":/docs/" + file);
    if (!source.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A folder of the user's own, not a fixed name in the shared temporary
    // folder that someone else could have put a link at.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + "/.cache/torvel-arvenix-pro";
    folder += "/docs";
    if (!QDir().mkpath(folder))
        return std::nullopt;
    const QString path = folder + "/" + file;
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(source.readAll()) < 0 ||
        !target.commit())
        return std::nullopt;
    return path;
}

bool QtDocumentOpener::open(const std::string& name) {
    const auto path = extract(name);
    return path && QDesktopServices::openUrl(QUrl::fromLocalFile(*path));
}

} // namespace qtview
