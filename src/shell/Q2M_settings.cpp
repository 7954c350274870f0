// The selected mod's record and the server-setting controls.
//
// The caption of focuscontr sets the direction: "true" lets modpro load the
// record into the controls, "false" makes every change of a setting save it.
#include <string>

#include "common/DataFolder.h"
#include "common/ModRecord.h"
#include "common/SlashList.h"
#include "common/WriteFailure.h"
#include "shell/Q2M.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace shell {

namespace {

using common::ModRecord;

// A check-box line the box refuses.
struct RecordFailure {};

int checkValue(const std::string& line) {
    const auto value = ModRecord::checkValue(line);
    if (!value)
        throw RecordFailure{};
    return *value;
}

// The settings half of a record into the controls, in the record's order.
void putSettings(Q2M& w, const ModRecord& r) {
    w.sfrag.setText(r.fragLimit);
    w.stime.setText(r.timeLimit);
    w.smaxcl.setText(r.maxClients);
    w.sop1.setText(r.options[0].value);
    w.sop2.setText(r.options[1].value);
    w.sop3.setText(r.options[2].value);
    w.sweapons.setValue(checkValue(r.bots));
    w.sded.setValue(checkValue(r.dedicated));
    w.scfg.setValue(checkValue(r.execConfig));
    w.scfgfile.setText(r.configFile);
    w.sclose.setValue(checkValue(r.closeOnLaunch));
    w.sv_pure.setValue(checkValue(r.pureServer));
}

// The record into the controls; throws RecordFailure at the first check-box
// line the box refuses, leaving what was set before it.
void putRecord(Q2M& w, const ModRecord& r) {
    w.sFoldername.setCaption(r.folder);
    const struct {
        ui::Label& caption;
        ui::TextBox& prefix;
        ui::TextBox& value;
    } rows[] = {{w.mop1, w.q2cl1, w.sop1}, {w.mop2, w.q2cl2, w.sop2}, {w.mop3, w.q2cl3, w.sop3}};
    for (std::size_t i = 0; i < r.options.size(); ++i) {
        const common::ModOption& o = r.options[i];
        rows[i].caption.setCaption(o.caption);
        rows[i].prefix.setText(o.prefix);
        rows[i].value.setVisible(o.isShown());
        rows[i].caption.setVisible(o.isShown());
    }
    w.q2clck.setValue(checkValue(r.extraOn));
    w.q2cl4.setText(r.extraText);
    putSettings(w, r);
}

std::string checkText(const ui::CheckBox& box) {
    return ModRecord::checkText(box.value());
}

} // namespace

void Q2M::modpro() {
    if (focuscontr.caption() != "true")
        return;
    // The whole record is read before any control is touched.
    const auto record = ModRecord::read(app().services().files, List2.text());
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
    if (!List2.text().empty())
        prod5();
}

void Q2M::dropMod(const std::string& message) {
    auto& services = app().services();
    services.messages.show(message);
    prod4();
    ui::skip([&] { List2.removeItem(List2.listIndex()); });
    common::writeListOrTell(services, common::dataFile(services.files, common::kModsFile),
                            common::entriesOf(List2), common::kListKeptUnsaved);
}

void Q2M::savesettings() {
    auto& fs = app().services().files;
    const std::string name = List2.text();
    auto record = ModRecord::readDefinition(fs, name);
    if (!record) {
        // The record is gone or unusable: the mod leaves the list.
        dropMod("Torvel Arvenix can't find the file " + ModRecord::pathText(fs, name) +
                ". Please add the mod '" + name + "' a second time.");
        return;
    }
    takeSettings(*record);
    if (!record->write(fs, name)) {
        // The record is whole but cannot be replaced (a full disk, a
        // read-only folder): it stays as it was and the mod stays listed.
        app().services().messages.show("Torvel Arvenix can't save the settings of the mod '" +
                                       name + "' to the file " + ModRecord::pathText(fs, name) +
                                       ": " + fs.writeFailure() + ".");
    }
}

void Q2M::takeSettings(ModRecord& record) const {
    record.fragLimit = sfrag.text();
    record.timeLimit = stime.text();
    record.maxClients = smaxcl.text();
    record.options[0].value = sop1.text();
    record.options[1].value = sop2.text();
    record.options[2].value = sop3.text();
    record.bots = checkText(sweapons);
    record.dedicated = checkText(sded);
    record.execConfig = checkText(scfg);
    record.configFile = scfgfile.text();
    record.closeOnLaunch = checkText(sclose);
    record.pureServer = checkText(sv_pure);
}

void Q2M::prod4() {
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &Command7, &Command8, &sfrag, &stime, &sweapons, &sded, &smaxcl, &scfg, &sclose,
             &sv_pure, &sop1, &sop2, &sop3, &Image3})
        c->setEnabled(false);
}

void Q2M::prod5() {
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &Command7, &Command8, &sfrag, &stime, &sded, &smaxcl, &scfg, &scfgfile, &sclose,
             &sv_pure, &sop1, &sop2, &sop3, &sweapons, &Label4, &Image3, &Command1})
        c->setEnabled(true);
}

void Q2M::prod6() {
    if (List2.listIndex() < 0)
        return; // nothing selected: nothing to delete
    ModRecord::remove(app().services().files, List2.text());
}

void Q2M::settingChanged() {
    if (focuscontr.caption() == "false")
        savesettings();
}

} // namespace shell
