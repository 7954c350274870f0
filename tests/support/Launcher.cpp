#include "support/Launcher.h"

#include "common/SlashList.h"
#include "shell/Q2M.h"
#include "shell/Windows.h"

namespace testsupport {

Launcher::Launcher(const std::string& workingDirectory)
    : real(workingDirectory), files(real),
      app(platform::Services{messages, processes, documents, files}) {
    startup = &shell::createWindows(app);
}

std::vector<std::string> Launcher::catalogue() {
    return common::entriesOf(get<shell::Q2M>().List1);
}

void Launcher::setCatalogue(const std::vector<std::string>& entries) {
    auto& list = get<shell::Q2M>().List1;
    list.clear();
    list.addItems(entries);
}

} // namespace testsupport
