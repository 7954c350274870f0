#include "qt/QtProcessStarter.h"

#include <QProcess>
#include <QStringList>

#include "platform/CommandLine.h"
#include "qt/Text.h"

namespace qtview {

bool QtProcessStarter::start(const std::string& commandLine, const std::string& workingDirectory) {
    const std::vector<std::string> args = platform::splitCommandLine(commandLine);
    if (args.empty())
        return false;
    const auto program =
        platform::findExecutable(args.front(), {platform::launcherFolder(), workingDirectory});
    if (!program)
        return false;
    QStringList rest;
    for (std::size_t i = 1; i < args.size(); ++i)
        rest << toQ(args[i]);
    return QProcess::startDetached(toQ(*program), rest, toQ(workingDirectory));
}

} // namespace qtview
