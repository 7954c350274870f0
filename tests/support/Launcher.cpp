#include "support/Launcher.h"

#include "shell/Windows.h"

namespace testsupport {

Launcher::Launcher(const std::string& workingDirectory)
    : real(workingDirectory), files(real),
      app(platform::Services{messages, processes, documents, files}) {
    startup = &shell::createWindows(app);
}

} // namespace testsupport
