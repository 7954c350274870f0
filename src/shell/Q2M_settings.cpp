// The selected mod's record and the server-setting controls.
//
// A mod record is 24 lines: lines 1 to 12 define the mod (game folder, three
// options with caption, command prefix and shown flag, the extra command
// line), lines 13 to 24 hold the server settings last used with it. The
// caption of focuscontr sets the direction: "true" lets modpro load the
// record into the controls, "false" makes every change of a setting save it.
#include <optional>
#include <string>
#include <vector>

#include "common/DataFolder.h"
#include "common/NumberText.h"
#include "common/SlashList.h"
#include "shell/Q2M.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace shell {

namespace {

constexpr std::size_t kRecordLines = 24;
constexpr std::size_t kDefinitionLines = 12;

// A record that cannot be read, or whose values the controls refuse.
struct RecordFailure {};

// The value a check box takes from a record line: 0, 1 or 2 (greyed).
int checkValue(const std::string& line) {
    const long long n = common::wholeNumber(line);
    if (n < 0 || n > 2)
        throw ui::RuntimeError(ui::kInvalidValue, "Invalid property value");
    return static_cast<int>(n);
}

std::string checkText(const ui::CheckBox& box) {
    return common::plainNumber(box.value());
}

// The settings a mod without a readable record gets. The definition (lines
// 1 to 12) keeps what was shown before.
void putDefaults(Q2M& w) {
    for (ui::TextBox* box : {&w.sfrag, &w.stime, &w.smaxcl, &w.sop1, &w.sop2, &w.sop3})
        box->setText("0");
    for (ui::CheckBox* box : {&w.sweapons, &w.sded, &w.scfg, &w.sclose, &w.sv_pure})
        box->setValue(0);
    w.scfgfile.setText("");
}

} // namespace

void Q2M::modpro() {
    if (focuscontr.caption() != "true")
        return;
    try {
        // Every line is read before any control is touched.
        const auto& fs = app().services().files;
        const auto path = common::recordFile(fs, List2.text());
        if (!path)
            throw RecordFailure{};
        const auto lines = fs.readLines(*path);
        if (!lines || lines->size() < kRecordLines)
            throw RecordFailure{};
        const std::vector<std::string>& r = *lines;

        sFoldername.setCaption(r[0]);
        const struct {
            ui::Label& caption;
            ui::TextBox& prefix;
            ui::TextBox& value;
            std::size_t first; // index of the caption line
        } options[] = {{mop1, q2cl1, sop1, 1}, {mop2, q2cl2, sop2, 4}, {mop3, q2cl3, sop3, 7}};
        for (const auto& o : options) {
            o.caption.setCaption(r[o.first]);
            o.prefix.setText(r[o.first + 1]);
            const bool shown = r[o.first + 2] == "1";
            o.value.setVisible(shown);
            o.caption.setVisible(shown);
        }
        q2clck.setValue(checkValue(r[10]));
        q2cl4.setText(r[11]);
        sfrag.setText(r[12]);
        stime.setText(r[13]);
        smaxcl.setText(r[14]);
        sop1.setText(r[15]);
        sop2.setText(r[16]);
        sop3.setText(r[17]);
        sweapons.setValue(checkValue(r[18]));
        sded.setValue(checkValue(r[19]));
        scfg.setValue(checkValue(r[20]));
        scfgfile.setText(r[21]);
        sclose.setValue(checkValue(r[22]));
        sv_pure.setValue(checkValue(r[23]));
    } catch (const RecordFailure&) {
        putDefaults(*this);
    } catch (const ui::RuntimeError&) {
        putDefaults(*this);
    }
    if (!List2.text().empty())
        prod5();
}

void Q2M::savesettings() {
    auto& fs = app().services().files;
    const std::string name = List2.text();
    bool saved = false;
    if (const auto path = common::recordFile(fs, name)) {
        const auto old = fs.readLines(*path);
        if (old && old->size() >= kDefinitionLines) {
            std::vector<std::string> record(old->begin(), old->begin() + kDefinitionLines);
            record.reserve(kRecordLines);
            for (const ui::TextBox* box : {&sfrag, &stime, &smaxcl, &sop1, &sop2, &sop3})
                record.push_back(box->text());
            record.push_back(checkText(sweapons));
            record.push_back(checkText(sded));
            record.push_back(checkText(scfg));
            record.push_back(scfgfile.text());
            record.push_back(checkText(sclose));
            record.push_back(checkText(sv_pure));
            saved = fs.writeLines(*path, record);
        }
    }
    if (saved)
        return;
    // The record is gone or unusable: the mod leaves the list.
    app().services().messages.show("Torvel Arvenix can't find the file " +
                                   common::recordFileText(fs, name) + ". Please add the mod '" +
                                   name + "' a second time.");
    prod4();
    ui::skip([&] { List2.removeItem(List2.listIndex()); });
    common::writeListFile(fs, common::dataFile(fs, common::kModsFile), List2);
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
    auto& fs = app().services().files;
    if (const auto path = common::recordFile(fs, List2.text()))
        fs.removeFile(*path);
}

void Q2M::settingChanged() {
    if (focuscontr.caption() == "false")
        savesettings();
}

} // namespace shell
