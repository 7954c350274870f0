#include "mods/q2edit.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "common/HoverPair.h"
#include "mods/q2mod.h"
#include "shell/Q2M.h"
#include "shell/gfx.h"
#include "ui/Application.h"

namespace mods {

using common::ModRecord;

q2edit::q2edit(ui::Application& app) : ui::Window(app, "q2edit", "Edit mod", 6150, 3870) {
    Image1.place(0, 0, 6150, 3870);
    fields.design({"xatrix", "none", "add. commandline (e.g. +exec hook.cfg)", false, 120, 60});
    Image2.place(4440, 2940, 1440, 780);
    Image3.place(4440, 2940, 1440, 780);
    Image3.setVisible(false);

    fields.bindHandlers();
    Image2.onClick = [this] { save_Click(); };
    Image3.onClick = [this] { save_Click(); };
    common::HoverPair(Image2, Image3).bind({&Image1});
}

void q2edit::Form_Load() {
    Image1.setPicture(app().get<q2mod>().Image1.picture());
    const shell::gfx& store = app().get<shell::gfx>();
    Image2.setPicture(store.accept0.picture());
    Image3.setPicture(store.accept1.picture());

    const std::string name = app().get<shell::Q2M>().List2.text();
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

    fields.mname.setText(name);
    fields.fname.setText(record->folder);
    // A check box that changes runs its click, which enables the option's
    // boxes when it is ticked.
    const struct {
        ui::TextBox& caption;
        ui::TextBox& prefix;
        ui::CheckBox& shown;
    } rows[] = {{fields.opcpt1, fields.opcl1, fields.opck1},
                {fields.opcpt2, fields.opcl2, fields.opck2},
                {fields.opcpt3, fields.opcl3, fields.opck3}};
    for (std::size_t i = 0; i < 3; ++i) {
        rows[i].caption.setText(record->options[i].caption);
        rows[i].prefix.setText(record->options[i].prefix);
        rows[i].shown.setValue(*ticks[i]);
    }
    fields.cfgck.setValue(*ticks[3]);
    fields.cfgfile.setText(record->extraText);
}

void q2edit::dropMod(const std::string& name) {
    app().get<shell::Q2M>().dropMod("Torvel Brenvix can't find the file " +
                                    ModRecord::pathText(app().services().files, name) +
                                    ". Please add the mod '" + name + "' a second time.");
    unload();
}

void q2edit::Form_MouseMove() {
    common::HoverPair(Image2, Image3).reset();
}

bool q2edit::prodedit1() {
    auto& services = app().services();
    const std::string name = fields.mname.text();
    ModRecord record = fields.definition();
    // Lines 13 to 24 come from the main window while it shows this mod's
    // settings. Once the user has chosen another mod there (or none, after a
    // detection), its controls hold someone else's settings: the record then
    // keeps its own.
    const shell::Q2M& main = app().get<shell::Q2M>();
    if (main.List2.text() == name)
        main.takeSettings(record);
    else if (const auto stored = ModRecord::read(services.files, name))
        record.takeSettingsOf(*stored);
    if (record.write(services.files, name))
        return true;
    services.messages.show("The record of the mod could not be written to " +
                           ModRecord::pathText(services.files, name) + " (" +
                           services.files.writeFailure() + "). The record was left as it was.");
    return false;
}

void q2edit::save_Click() {
    auto& main = app().get<shell::Q2M>();
    main.prod1();
    // A record that could not be written keeps the editor open with the
    // changes, so that nothing typed is lost.
    if (!prodedit1())
        return;
    main.List2.setListIndex(-1);
    main.sFoldername.setCaption("");
    unload();
}

} // namespace mods
