#include "data/BotFile.h"

#include "data/DataFolder.h"
#include "data/NumberText.h"
#include "data/SlashList.h"
#include "data/WriteFailure.h"
#include "ui/Errors.h"
#include "ui/ListBox.h"

namespace data {

std::string botFilePath(const platform::FileSystem& fs) {
    return dataFile(fs, kBotsFile);
}

std::string botSelectionLine(const ui::ListBox& roster, NoSelection whenNone) {
    std::string line;
    const int count = roster.listCount();
    for (int i = 0; i < count; ++i) {
        if (roster.selected(i))
            line += plainNumber(i) + "/";
    }
    if (line.empty() && whenNone == NoSelection::LetterX)
        return "x";
    return line;
}

platform::WriteResult writeBotFile(platform::FileSystem& fs, const ui::ListBox& roster,
                                   NoSelection whenNone) {
    return fs.writeLines(botFilePath(fs),
                         {slashListLine(entriesOf(roster)), botSelectionLine(roster, whenNone)});
}

std::string botFileWriteFailedMessage(const platform::FileSystem& fs, const std::string& reason,
                                      const std::string& alsoLost) {
    std::string consequence = "The bot list on screen is kept, but it is not saved.";
    if (!alsoLost.empty())
        consequence += " " + alsoLost;
    return writeFailedMessage(botFilePath(fs), reason, consequence);
}

namespace {
bool tellBotFileFailure(platform::Services& services, const platform::WriteResult& result,
                        const std::string& alsoLost) {
    return tellIfFailed(services.messages, result, [&](const std::string& reason) {
        return botFileWriteFailedMessage(services.files, reason, alsoLost);
    });
}
} // namespace

bool writeBotFileOrTell(platform::Services& services, const ui::ListBox& roster,
                        NoSelection whenNone, const std::string& alsoLost) {
    return tellBotFileFailure(services, writeBotFile(services.files, roster, whenNone), alsoLost);
}

bool writeClearedBotFileOrTell(platform::Services& services) {
    return tellBotFileFailure(services,
                              services.files.writeLines(botFilePath(services.files), {"", ""}), {});
}

void restoreRoster(const platform::FileSystem& fs, ui::ListBox& roster) {
    // Both lines are read before anything is added.
    const auto lines = fs.readLines(botFilePath(fs));
    if (!lines || lines->size() < 2)
        return;
    roster.addItems(parseSlashList((*lines)[0]));
    const std::string& selection = (*lines)[1];
    if (selection == "x")
        return;
    for (const auto& piece : parseSlashList(selection)) {
        long long n = 0;
        try {
            n = wholeNumber(piece);
        } catch (const ui::RuntimeError&) {
            return;
        }
        if (n < 0 || n >= roster.listCount())
            return;
        roster.setSelected(static_cast<int>(n), true);
    }
}

} // namespace data
