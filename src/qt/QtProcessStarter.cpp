#include "qt/QtProcessStarter.h"

#include <cstdlib>

#include <QProcess>
#include <QStringList>

#include "platform/CommandLine.h"
#include "platform/GameStart.h"
#include "qt/Text.h"

namespace qtview {

bool QtProcessStarter::start(const std::string& commandLine, const std::string& workingDirectory) {
    const char* path = std::getenv("PATH");
    const auto game =
        platform::findGameStart(platform::splitCommandLine(commandLine), platform::launcherFolder(),
                                workingDirectory, path ? path : "");
    if (!game)
        return false;
    QStringList arguments;
    for (const auto& a : game->arguments)
        arguments << toQ(a);
    return QProcess::startDetached(toQ(game->program), arguments, toQ(workingDirectory));
}

} // namespace qtview
