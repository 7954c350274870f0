// The main window coming up and going away: the list files and the bot file
// read at load, the bot count label, settings.tvd (selected map, selected
// mod, host name, map mode), the map mode with its tab pictures and the
// state with no mod selected.
#include <limits>

#include "common/BotFile.h"
#include "common/DataFolder.h"
#include "common/NumberText.h"
#include "common/SlashList.h"
#include "common/WriteFailure.h"
#include "content/q3bots.h"
#include "shell/Q2M.h"
#include "shell/SettingsFile.h"
#include "shell/Windows.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace shell {

namespace {

constexpr const char* kDefaultHostName = "Torvel Arvenix Pro Server";

// Selects the entry a stored index names ("-1": none). Throws for an index
// outside the list, so the caller can skip it.
void selectStored(ui::ListBox& list, const std::string& line) {
    const long long n = common::leadingNumber(line);
    if (n < -1 || n > std::numeric_limits<int>::max())
        throw ui::RuntimeError(ui::kInvalidValue, "Invalid property value");
    list.setListIndex(static_cast<int>(n));
}

} // namespace

void Q2M::prod1() {
    auto& fs = app().services().files;
    fs.createDirectory(common::dataFolder(fs));
}

void Q2M::prod2() {
    const auto& fs = app().services().files;
    common::appendSlashListFile(fs, common::dataFile(fs, common::kMapsFile), List1);
}

void Q2M::prod3() {
    const auto& fs = app().services().files;
    common::appendSlashListFile(fs, common::dataFile(fs, common::kModsFile), List2);
}

void Q2M::mapcycle() {
    const auto& fs = app().services().files;
    common::appendSlashListFile(fs, common::dataFile(fs, common::kCycleFile), List4c);
}

void Q2M::prod7() {
    // Touching the roster loads the roster window, hidden; its count label
    // is set at that load, before the selection is restored, so it is set
    // again here.
    auto& bots = app().get<content::q3bots>();
    common::restoreRoster(app().services().files, bots.List3);
    bots.nr.setCaption(common::plainNumber(bots.List3.selCount()));
}

std::string Q2M::botCountCaption(int selected) {
    return "Game with " + common::numberText(selected) + (selected == 1 ? " bot" : " bots");
}

void Q2M::Form_Load() {
    // The catalogues, when the window comes up empty.
    if (List1.listCount() == 0) {
        prod1();
        prod2();
        prod3();
        prod7();
    }
    removeCyclePlaceholder();
    mapcycle();
    Label4.setCaption(botCountCaption(app().get<content::q3bots>().List3.selCount()));

    // From here on a failing statement is passed over.
    SettingsFile stored;
    ui::skip([&] { stored = SettingsFile::read(app().services().files); });
    ui::skip([&] { selectStored(List1, stored.mapIndex); });
    // Loads nothing yet: focuscontr is still "false".
    ui::skip([&] { selectStored(List2, stored.modIndex); });
    ui::skip([&] { Text1.setText(stored.hostName); });
    ui::skip([&] {
        // The stored value itself, not its rounding: "0.4" is above 0.
        if (common::leadingValue(stored.modIndex) <= 0 && List2.selCount() == 0)
            applyNoModState();
    });
    ui::skip([&] {
        if (stored.hostName.empty())
            Text1.setText(kDefaultHostName);
    });
    ui::skip([&] {
        if (stored.singleMap()) {
            setSingleMapMode();
        } else {
            copyCatalogueToAvailable();
            setCycleMode();
        }
    });
    ui::skip([&] { focuscontr.setCaption("true"); });
    ui::skip([&] { modpro(); });
    ui::skip([&] { mappro(); });
}

void Q2M::Form_Unload(bool& cancel) {
    (void)cancel; // closing the main window is never refused
    ui::skip([&] {
        auto& services = app().services();
        if (!SettingsFile::of(List1.listIndex(), List2.listIndex(), Text1.text(), singleMapMode())
                 .write(services.files))
            services.messages.show(common::writeFailedMessage(
                services.files, common::dataFile(services.files, common::kSettingsFile),
                "The choices of this session are not kept for the next start."));
    });
    // Every other window, then this one (whose nested unload is passed over
    // while this step runs).
    ui::skip([&] { unloadEveryWindow(app()); });
}

void Q2M::setSingleMapMode() {
    singlemap.setVisible(true);
    cycle.setVisible(false);
    Picture1.setPicture(Picture3a.picture());
    Picture2.setPicture(Picture4.picture());
}

void Q2M::setCycleMode() {
    singlemap.setVisible(false);
    cycle.setVisible(true);
    Picture1.setPicture(Picture3.picture());
    Picture2.setPicture(Picture4a.picture());
}

bool Q2M::singleMapMode() const {
    return singlemap.state().visible;
}

void Q2M::applyNoModState() {
    focuscontr.setCaption("true");
    sweapons.setEnabled(false);
    Label4.setEnabled(true);
    Command1.setEnabled(true);
    modpro();
}

} // namespace shell
