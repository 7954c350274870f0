#include "windows/ModEditor.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "data/WriteFailure.h"
#include "ui/Application.h"
#include "windows/ArtworkStore.h"
#include "windows/HoverPair.h"
#include "windows/MainWindow.h"
#include "windows/ModWindow.h"

namespace windows {

using data::ModRecord;

ModEditor::ModEditor(ui::Application& app) : ui::Window(app, "q2edit", "Edit mod", 6150, 3870) {
    background.place(0, 0, 6150, 3870);
    fields.design({"xatrix", "none", "add. commandline (e.g. +exec hook.cfg)", false, 120, 60});
    saveButtonPlain.place(4440, 2940, 1440, 780);
    saveButtonLit.place(4440, 2940, 1440, 780);
    saveButtonLit.setVisible(false);

    fields.bindHandlers();
    saveButtonPlain.onClick = [this] { saveClicked(); };
    saveButtonLit.onClick = [this] { saveClicked(); };
    windows::HoverPair(saveButtonPlain, saveButtonLit).bind({&background});
}

void ModEditor::onLoad() {
    background.setPicture(app().get<ModWindow>().addByNameBackground.picture());
    const windows::ArtworkStore& store = app().get<windows::ArtworkStore>();
    saveButtonPlain.setPicture(store.acceptPlain.picture());
    saveButtonLit.setPicture(store.acceptLit.picture());

    const std::string name = app().get<windows::MainWindow>().modList.text();
    const auto record = ModRecord::readDefinition(app().services().files, name);
    // The three shown flags and the extra command line's check box, as the
    // boxes take them.
    std::array<std::optional<int>, 4> ticks;
    if (record) {
        for (std::size_t i = 0; i < 3; ++i)
            ticks[i] = ModRecord::checkValue(record->options[i].shown);
        ticks[3] = ModRecord::checkValue(record->extraOn);
    }
    if (!record || std::any_of(ticks.begin(), ticks.end(), [](auto t) { return !t; })) {
        dropMod(name);
        return;
    }

    fields.modName.setText(name);
    fields.folderName.setText(record->folder);
    // A check box that changes runs its click, which enables the option's
    // boxes when it is ticked.
    const struct {
        ui::TextBox& caption;
        ui::TextBox& prefix;
        ui::CheckBox& shown;
    } rows[] = {{fields.option1Caption, fields.option1Prefix, fields.option1Shown},
                {fields.option2Caption, fields.option2Prefix, fields.option2Shown},
                {fields.option3Caption, fields.option3Prefix, fields.option3Shown}};
    for (std::size_t i = 0; i < 3; ++i) {
        rows[i].caption.setText(record->options[i].caption);
        rows[i].prefix.setText(record->options[i].prefix);
        rows[i].shown.setValue(*ticks[i]);
    }
    fields.extraCommandOn.setValue(*ticks[3]);
    fields.extraCommand.setText(record->extraText);
}

void ModEditor::dropMod(const std::string& name) {
    app().get<windows::MainWindow>().dropMod("Torvel Brenvix can't find the file " +
                                             ModRecord::pathText(app().services().files, name) +
                                             ". Please add the mod '" + name + "' a second time.");
    unload();
}

void ModEditor::onMouseMove() {
    windows::HoverPair(saveButtonPlain, saveButtonLit).reset();
}

bool ModEditor::saveRecord() {
    auto& services = app().services();
    const std::string name = fields.modName.text();
    ModRecord record = fields.definition();
    // Lines 13 to 24 come from the main window while it shows this mod's
    // settings. Once the user has chosen another mod there (or none, after a
    // detection), its controls hold someone else's settings: the record then
    // keeps its own.
    const windows::MainWindow& main = app().get<windows::MainWindow>();
    if (main.modList.text() == name)
        main.takeSettings(record);
    else if (const auto stored = ModRecord::read(services.files, name))
        record.takeSettingsOf(*stored);
    return data::writeRecordOrTell(services, record, name, "The record was left as it was.");
}

void ModEditor::saveClicked() {
    auto& main = app().get<windows::MainWindow>();
    main.createDataFolder();
    // A record that could not be written keeps the editor open with the
    // changes, so that nothing typed is lost.
    if (!saveRecord())
        return;
    main.modList.setListIndex(-1);
    main.gameFolder.setCaption("");
    unload();
}

} // namespace windows
