#include "support/Launcher.h"

#include "data/SlashList.h"
#include "windows/AllWindows.h"
#include "windows/MainWindow.h"

namespace testsupport {

Launcher::Launcher(const std::string& workingDirectory)
    : real(workingDirectory), files(real),
      app(platform::Services{messages, processes, documents, files}) {
    startup = &windows::createWindows(app);
}

std::vector<std::string> Launcher::catalogue() {
    return data::entriesOf(get<windows::MainWindow>().mapList);
}

void Launcher::setCatalogue(const std::vector<std::string>& entries) {
    auto& list = get<windows::MainWindow>().mapList;
    list.clear();
    list.addItems(entries);
}

} // namespace testsupport
