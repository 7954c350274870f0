// The whole program started on a data folder made of the input: the main
// window's load step reads the settings file, the list files, the selected
// mod's record and the bot file, then everything closes again and writes
// what it writes. The input holds the files in this order, separated by the
// byte 0x1E: settings.tvd, mods.tvd, the record "a.tvd", maps.tvd,
// mapcycle.tvd, bots.tvd.

#include <array>

#include "data/BotFile.h"
#include "data/DataFolder.h"
#include "support/Workspace.h"
#include "ui/Application.h"
#include "windows/AllWindows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzsupport::Workspace work;
    static fuzzsupport::SilentMessageBox messages;
    static fuzzsupport::NoProcessStarter processes;
    static fuzzsupport::NoDocumentOpener documents;
    static const std::array<const char*, 6> kFiles = {
        data::kSettingsFile, data::kModsFile,  "a.tvd",
        data::kMapsFile,     data::kCycleFile, data::kBotsFile};
    work.reset();
    work.writeData(data::kMarkerFile, "1\r\n");
    std::string_view rest = fuzzsupport::bytesOf(data, size);
    for (const char* name : kFiles) {
        const std::size_t cut = rest.find('\x1e');
        work.writeData(name, rest.substr(0, cut));
        if (cut == std::string_view::npos)
            break;
        rest.remove_prefix(cut + 1);
    }

    ui::Application app(platform::Services{messages, processes, documents, work.files});
    ui::Window& startup = windows::createWindows(app);
    app.start(startup);
    fuzzsupport::expect(app.anyLoaded());
    windows::unloadEveryWindow(app);
    fuzzsupport::expect(!app.anyLoaded());
    return 0;
}
