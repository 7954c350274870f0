#include "mods/ModFields.h"

#include "common/NumberText.h"

namespace mods {

namespace {

constexpr int kLabelLeft = 240;
constexpr int kBoxLeft = 1440;
constexpr int kCaptionWidth = 1335;
constexpr int kPrefixLeft = 2880;
constexpr int kPrefixWidth = 2940;
constexpr int kRowHeight = 285;

ui::Font headingFont() {
    ui::Font f;
    f.bold = true;
    f.underline = true;
    return f;
}

} // namespace

ModFields::ModFields(ui::Window& w, ui::Control* parent)
    : Label1(w, "Label1", parent), mname(w, "mname", parent), Label2(w, "Label2", parent),
      fname(w, "fname", parent), Label9(w, "Label9", parent), Label10(w, "Label10", parent),
      Label11(w, "Label11", parent), opck1(w, "opck1", parent), Label3(w, "Label3", parent),
      opcpt1(w, "opcpt1", parent), opcl1(w, "opcl1", parent), opck2(w, "opck2", parent),
      Label4(w, "Label4", parent), opcpt2(w, "opcpt2", parent), opcl2(w, "opcl2", parent),
      opck3(w, "opck3", parent), Label5(w, "Label5", parent), opcpt3(w, "opcpt3", parent),
      opcl3(w, "opcl3", parent), cfgck(w, "cfgck", parent), Label6(w, "Label6", parent),
      cfgfile(w, "cfgfile", parent) {}

void ModFields::design(const Design& d) {
    const auto place = [&](ui::Control& c, int left, int top, int width, int height) {
        c.place(d.left + left, d.top + top, width, height);
    };
    place(Label1, kLabelLeft, 255, 1215, 255);
    Label1.setCaption("Mod name");
    place(mname, kBoxLeft, 240, 2775, kRowHeight);
    mname.setText("Deathmatch");
    mname.setEnabled(d.nameEditable);
    place(Label2, kLabelLeft, 615, 1215, 255);
    Label2.setCaption("Folder name");
    place(fname, kBoxLeft, 600, 2775, kRowHeight);
    fname.setText(d.folder);

    const struct {
        ui::Label& label;
        const char* caption;
        int left;
        int width;
    } headings[] = {
        {Label9, "Option Nr.", kLabelLeft, 1215},
        {Label10, "Caption", kBoxLeft, kCaptionWidth},
        {Label11, "Commandline (e.g. +set capturelimit)", kPrefixLeft, 3120},
    };
    for (const auto& h : headings) {
        place(h.label, h.left, 1080, h.width, 255);
        h.label.setCaption(h.caption);
        h.label.setFont(headingFont());
    }

    const struct {
        ui::CheckBox& check;
        ui::Label& label;
        const char* number;
        ui::TextBox& caption;
        const char* design;
        ui::TextBox& prefix;
        int top;
    } rows[] = {
        {opck1, Label3, "Option 1", opcpt1, "opcpt1", opcl1, 1380},
        {opck2, Label4, "Option 2", opcpt2, "opcpt2", opcl2, 1740},
        {opck3, Label5, "Option 3", opcpt3, "opcpt3", opcl3, 2100},
    };
    for (const auto& r : rows) {
        place(r.check, kLabelLeft, r.top + 15, 255, 255);
        place(r.label, kLabelLeft + 330, r.top + 30, 885, 255);
        r.label.setCaption(r.number);
        place(r.caption, kBoxLeft, r.top, kCaptionWidth, kRowHeight);
        r.caption.setText(r.design);
        r.caption.setEnabled(false);
        place(r.prefix, kPrefixLeft, r.top, kPrefixWidth, kRowHeight);
        r.prefix.setText("+");
        r.prefix.setEnabled(false);
    }

    place(cfgck, kLabelLeft, 2595, 255, 255);
    place(Label6, kLabelLeft + 330, 2610, 3900, 255);
    Label6.setCaption(d.extraLabel);
    place(cfgfile, kLabelLeft + 330, 2940, 3555, kRowHeight);
    cfgfile.setText(d.extraText);
    cfgfile.setEnabled(false);
}

void ModFields::bindHandlers() {
    opck1.onClick = [this] { follow(opck1, {&opcpt1, &opcl1}); };
    opck2.onClick = [this] { follow(opck2, {&opcpt2, &opcl2}); };
    opck3.onClick = [this] { follow(opck3, {&opcpt3, &opcl3}); };
    cfgck.onClick = [this] { follow(cfgck, {&cfgfile}); };
}

void ModFields::follow(const ui::CheckBox& box, std::initializer_list<ui::TextBox*> boxes) {
    const bool on = box.value() == 1;
    for (ui::TextBox* b : boxes)
        b->setEnabled(on);
}

common::ModRecord ModFields::definition() const {
    const auto flag = [](const ui::CheckBox& b) { return common::ModRecord::checkText(b.value()); };
    common::ModRecord r;
    r.folder = fname.text();
    const struct {
        const ui::TextBox& caption;
        const ui::TextBox& prefix;
        const ui::CheckBox& shown;
    } rows[] = {{opcpt1, opcl1, opck1}, {opcpt2, opcl2, opck2}, {opcpt3, opcl3, opck3}};
    for (std::size_t i = 0; i < r.options.size(); ++i) {
        r.options[i].caption = rows[i].caption.text();
        r.options[i].prefix = common::trimmed(rows[i].prefix.text());
        r.options[i].shown = flag(rows[i].shown);
    }
    r.extraOn = flag(cfgck);
    r.extraText = cfgfile.text();
    return r;
}

} // namespace mods
