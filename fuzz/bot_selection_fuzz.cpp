// bots.tvd as a player's disk may hold it: the roster and the selection
// line restored into a sorted multi-selection list, as the roster window
// does at start.

#include "data/BotFile.h"
#include "data/SlashList.h"
#include "support/Workspace.h"
#include "ui/Application.h"
#include "ui/ListBox.h"
#include "ui/Window.h"

namespace {

class RosterWindow : public ui::Window {
  public:
    explicit RosterWindow(ui::Application& app) : ui::Window(app, "roster", "Roster", 3000, 3000) {}
    ui::ListBox roster{*this, "List3", true, ui::ListBox::Selection::Multiple};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzsupport::Workspace work;
    static fuzzsupport::SilentMessageBox messages;
    static fuzzsupport::NoProcessStarter processes;
    static fuzzsupport::NoDocumentOpener documents;
    using fuzzsupport::expect;
    work.reset();
    work.writeData(data::kBotsFile, fuzzsupport::bytesOf(data, size));

    ui::Application app(platform::Services{messages, processes, documents, work.files});
    auto& list = app.add<RosterWindow>().roster;
    data::restoreRoster(work.files, list);

    const auto lines = work.files.readLines(data::botFilePath(work.files));
    const std::size_t expected =
        lines && lines->size() >= 2 ? data::parseSlashList(lines->front()).size() : 0;
    expect(static_cast<std::size_t>(list.listCount()) == expected);

    // Written back and restored again, the roster and its selection stay.
    expect(data::writeBotFile(work.files, list, data::NoSelection::LetterX).written);
    ui::Application again(platform::Services{messages, processes, documents, work.files});
    auto& restored = again.add<RosterWindow>().roster;
    data::restoreRoster(work.files, restored);
    expect(data::entriesOf(restored) == data::entriesOf(list));
    for (int i = 0; i < list.listCount(); ++i)
        expect(restored.selected(i) == list.selected(i));
    return 0;
}
