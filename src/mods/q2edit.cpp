#include "mods/q2edit.h"

#include <string>
#include <vector>

#include "common/DataFolder.h"
#include "common/HoverPair.h"
#include "common/NumberText.h"
#include "common/SlashList.h"
#include "mods/q2mod.h"
#include "shell/Q2M.h"
#include "shell/gfx.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace mods {

namespace {

constexpr std::size_t kDefinitionLines = 12;

// A record that cannot be read, or whose check-box lines the boxes refuse.
struct Unreadable {};

std::string checkText(const ui::CheckBox& box) {
    return common::plainNumber(box.value());
}

} // namespace

q2edit::q2edit(ui::Application& app) : ui::Window(app, "q2edit", "Edit mod", 6150, 3870) {
    Image1.place(0, 0, 6150, 3870);
    fields.design({"xatrix", "none", "add. commandline (e.g. +exec hook.cfg)", false});
    Image2.place(4440, 2940, 1440, 780);
    Image3.place(4440, 2940, 1440, 780);
    Image3.setVisible(false);

    fields.bindHandlers();
    Image2.onClick = [this] { save_Click(); };
    Image3.onClick = [this] { save_Click(); };
    Image2.onMouseMove = [this] { common::HoverPair(Image2, Image3).light(); };
    Image1.onMouseMove = [this] { common::HoverPair(Image2, Image3).reset(); };
}

void q2edit::Form_Load() {
    Image1.setPicture(app().get<q2mod>().Image1.picture());
    const shell::gfx& store = app().get<shell::gfx>();
    Image2.setPicture(store.accept0.picture());
    Image3.setPicture(store.accept1.picture());

    const std::string name = app().get<shell::Q2M>().List2.text();
    try {
        const auto& fs = app().services().files;
        const auto path = common::recordFile(fs, name);
        if (!path)
            throw Unreadable{};
        const auto lines = fs.readLines(*path);
        if (!lines || lines->size() < kDefinitionLines)
            throw Unreadable{};
        const std::vector<std::string>& r = *lines;
        fields.mname.setText(name);
        fields.fname.setText(r[0]);
        // A check box that changes runs its click, which enables the
        // option's boxes when it is ticked.
        const struct {
            ui::TextBox& caption;
            ui::TextBox& prefix;
            ui::CheckBox& shown;
            std::size_t first;
        } options[] = {{fields.opcpt1, fields.opcl1, fields.opck1, 1},
                       {fields.opcpt2, fields.opcl2, fields.opck2, 4},
                       {fields.opcpt3, fields.opcl3, fields.opck3, 7}};
        for (const auto& o : options) {
            o.caption.setText(r[o.first]);
            o.prefix.setText(r[o.first + 1]);
            o.shown.setValue(static_cast<int>(common::wholeNumber(r[o.first + 2])));
        }
        fields.cfgck.setValue(static_cast<int>(common::wholeNumber(r[10])));
        fields.cfgfile.setText(r[11]);
    } catch (const Unreadable&) {
        dropMod(name);
    } catch (const ui::RuntimeError&) {
        dropMod(name);
    }
}

void q2edit::dropMod(const std::string& name) {
    auto& main = app().get<shell::Q2M>();
    auto& services = app().services();
    services.messages.show("Torvel Brenvix can't find the file " +
                           common::recordFileText(services.files, name) + ". Please add the mod '" +
                           name + "' a second time.");
    main.prod4();
    ui::skip([&] { main.List2.removeItem(main.List2.listIndex()); });
    common::writeListFile(services.files, common::dataFile(services.files, common::kModsFile),
                          main.List2);
    unload();
}

void q2edit::Form_MouseMove() {
    common::HoverPair(Image2, Image3).reset();
}

bool q2edit::prodedit1() {
    const auto& main = app().get<shell::Q2M>();
    auto& services = app().services();
    const std::string name = fields.mname.text();
    std::vector<std::string> record = fields.definitionLines();
    for (const ui::TextBox* box :
         {&main.sfrag, &main.stime, &main.smaxcl, &main.sop1, &main.sop2, &main.sop3})
        record.push_back(box->text());
    for (const ui::CheckBox* box : {&main.sweapons, &main.sded, &main.scfg})
        record.push_back(checkText(*box));
    record.push_back(main.scfgfile.text());
    record.push_back(checkText(main.sclose));
    record.push_back(checkText(main.sv_pure));

    const auto path = common::recordFile(services.files, name);
    if (path && services.files.writeLines(*path, record))
        return true;
    services.messages.show("The record of the mod could not be written to " +
                           common::recordFileText(services.files, name) +
                           ". The record was left as it was.");
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
