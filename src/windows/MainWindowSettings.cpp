// The selected mod's record and the server-setting controls.
//
// The settings flow sets the direction: LoadRecord lets loadModRecord put the
// record into the controls, SaveEdits makes every change of a setting save it.
#include <string>

#include "data/DataFolder.h"
#include "data/ModRecord.h"
#include "data/SlashList.h"
#include "data/WriteFailure.h"
#include "ui/Application.h"
#include "ui/Errors.h"
#include "windows/MainWindow.h"

namespace windows {

namespace {

using data::ModRecord;

// A check-box line the box refuses.
struct RecordFailure {};

int checkValue(const std::string& line) {
    const auto value = ModRecord::checkValue(line);
    if (!value)
        throw RecordFailure{};
    return *value;
}

// The settings half of a record into the controls, in the record's order.
void putSettings(MainWindow& w, const ModRecord& r) {
    w.fragLimit.setText(r.fragLimit);
    w.timeLimit.setText(r.timeLimit);
    w.maxClients.setText(r.maxClients);
    w.optionValue1.setText(r.options[0].value);
    w.optionValue2.setText(r.options[1].value);
    w.optionValue3.setText(r.options[2].value);
    w.withBots.setValue(checkValue(r.bots));
    w.dedicatedServer.setValue(checkValue(r.dedicated));
    w.execConfig.setValue(checkValue(r.execConfig));
    w.configFile.setText(r.configFile);
    w.closeOnLaunch.setValue(checkValue(r.closeOnLaunch));
    w.pureServer.setValue(checkValue(r.pureServer));
}

// The record into the controls; throws RecordFailure at the first check-box
// line the box refuses, leaving what was set before it.
void putRecord(MainWindow& w, const ModRecord& r) {
    w.gameFolder.setCaption(r.folder);
    const struct {
        ui::Label& caption;
        ui::TextBox& prefix;
        ui::TextBox& value;
    } rows[] = {{w.optionCaption1, w.optionPrefix1, w.optionValue1},
                {w.optionCaption2, w.optionPrefix2, w.optionValue2},
                {w.optionCaption3, w.optionPrefix3, w.optionValue3}};
    for (std::size_t i = 0; i < r.options.size(); ++i) {
        const data::ModOption& o = r.options[i];
        rows[i].caption.setCaption(o.caption);
        rows[i].prefix.setText(o.prefix);
        rows[i].value.setVisible(o.isShown());
        rows[i].caption.setVisible(o.isShown());
    }
    w.extraCommandLineOn.setValue(checkValue(r.extraOn));
    w.extraCommandLine.setText(r.extraText);
    putSettings(w, r);
}

std::string checkText(const ui::CheckBox& box) {
    return ModRecord::checkText(box.value());
}

} // namespace

void MainWindow::loadModRecord() {
    if (settingsFlow() != SettingsFlow::LoadRecord)
        return;
    // The whole record is read before any control is touched.
    const auto record = ModRecord::read(app().services().files, modList.text());
    try {
        if (!record)
            throw RecordFailure{};
        putRecord(*this, *record);
    } catch (const RecordFailure&) {
        // The settings a mod without a readable record gets; the definition
        // keeps what was shown before.
        putSettings(*this, ModRecord{});
    } catch (const ui::RuntimeError&) {
        putSettings(*this, ModRecord{});
    }
    if (!modList.text().empty())
        enableModControls();
}

void MainWindow::dropMod(const std::string& message) {
    auto& services = app().services();
    services.messages.show(message);
    disableModControls();
    ui::skip([&] { modList.removeItem(modList.listIndex()); });
    data::writeListOrTell(services, data::dataFile(services.files, data::kModsFile),
                          data::entriesOf(modList), data::kListKeptUnsaved);
}

void MainWindow::saveModSettings() {
    auto& fs = app().services().files;
    const std::string name = modList.text();
    auto record = ModRecord::readDefinition(fs, name);
    if (!record) {
        // The record is gone or unusable: the mod leaves the list.
        dropMod("Torvel Arvenix can't find the file " + ModRecord::pathText(fs, name) +
                ". Please add the mod '" + name + "' a second time.");
        return;
    }
    takeSettings(*record);
    // A record that is whole but cannot be replaced (a full disk, a
    // read-only folder) stays as it was, and the mod stays listed.
    data::tellIfFailed(
        app().services().messages, record->write(fs, name), [&](const std::string& reason) {
            return "Torvel Arvenix can't save the settings of the mod '" + name + "' to the file " +
                   ModRecord::pathText(fs, name) + ": " + reason + ".";
        });
}

void MainWindow::takeSettings(ModRecord& record) const {
    record.fragLimit = fragLimit.text();
    record.timeLimit = timeLimit.text();
    record.maxClients = maxClients.text();
    record.options[0].value = optionValue1.text();
    record.options[1].value = optionValue2.text();
    record.options[2].value = optionValue3.text();
    record.bots = checkText(withBots);
    record.dedicated = checkText(dedicatedServer);
    record.execConfig = checkText(execConfig);
    record.configFile = configFile.text();
    record.closeOnLaunch = checkText(closeOnLaunch);
    record.pureServer = checkText(pureServer);
}

void MainWindow::disableModControls() {
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &removeModButton, &editModButton, &fragLimit, &timeLimit, &withBots, &dedicatedServer,
             &maxClients, &execConfig, &closeOnLaunch, &pureServer, &optionValue1, &optionValue2,
             &optionValue3, &launchButtonPlain})
        c->setEnabled(false);
}

void MainWindow::enableModControls() {
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &removeModButton, &editModButton, &fragLimit, &timeLimit, &dedicatedServer,
             &maxClients, &execConfig, &configFile, &closeOnLaunch, &pureServer, &optionValue1,
             &optionValue2, &optionValue3, &withBots, &botCount, &launchButtonPlain,
             &editRosterButton})
        c->setEnabled(true);
}

void MainWindow::deleteModRecord() {
    if (modList.listIndex() < 0)
        return; // nothing selected: nothing to delete
    ModRecord::remove(app().services().files, modList.text());
}

void MainWindow::settingChanged() {
    if (settingsFlow() == SettingsFlow::SaveEdits)
        saveModSettings();
}

} // namespace windows
