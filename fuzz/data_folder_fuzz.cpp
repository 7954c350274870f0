// The whole program started on a data folder made of the input: the main
// window's load step reads the settings file, the list files, the selected
// mod's record and the bot file, then everything closes again and writes
// what it writes. The input holds the files in this order, separated by the
// byte 0x1E: settings.tvd, mods.tvd, the record "a.tvd", maps.tvd,
// mapcycle.tvd, bots.tvd.

#include <array>

#include "common/BotFile.h"
#include "common/DataFolder.h"
#include "shell/Windows.h"
#include "support/Workspace.h"
#include "ui/Application.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzsupport::Workspace work;
    static fuzzsupport::SilentMessageBox messages;
    static fuzzsupport::NoProcessStarter processes;
    static fuzzsupport::NoDocumentOpener documents;
    static const std::array<const char*, 6> kFiles = {
        common::kSettingsFile, common::kModsFile,  "a.tvd",
        common::kMapsFile,     common::kCycleFile, common::kBotFileName};
    work.reset();
    work.writeData(common::kMarkerFile, "1\r\n");
    std::string_view rest = fuzzsupport::bytesOf(data, size);
    for (const char* name : kFiles) {
        const std::size_t cut = rest.find('\x1e');
        work.writeData(name, rest.substr(0, cut));
        if (cut == std::string_view::npos)
            break;
        rest.remove_prefix(cut + 1);
    }

    ui::Application app(platform::Services{messages, processes, documents, work.files});
    ui::Window& startup = shell::createWindows(app);
    app.start(startup);
    fuzzsupport::expect(app.anyLoaded());
    shell::unloadEveryWindow(app);
    fuzzsupport::expect(!app.anyLoaded());
    return 0;
}
