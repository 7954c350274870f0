#include "windows/ModFields.h"

#include "data/NumberText.h"

namespace windows {

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
    : modNameLabel(w, "Label1", parent), modName(w, "mname", parent),
      folderNameLabel(w, "Label2", parent), folderName(w, "fname", parent),
      optionNumberHeading(w, "Label9", parent), captionHeading(w, "Label10", parent),
      prefixHeading(w, "Label11", parent), option1Shown(w, "opck1", parent),
      option1Label(w, "Label3", parent), option1Caption(w, "opcpt1", parent),
      option1Prefix(w, "opcl1", parent), option2Shown(w, "opck2", parent),
      option2Label(w, "Label4", parent), option2Caption(w, "opcpt2", parent),
      option2Prefix(w, "opcl2", parent), option3Shown(w, "opck3", parent),
      option3Label(w, "Label5", parent), option3Caption(w, "opcpt3", parent),
      option3Prefix(w, "opcl3", parent), extraCommandOn(w, "cfgck", parent),
      extraCommandLabel(w, "Label6", parent), extraCommand(w, "cfgfile", parent) {}

void ModFields::design(const Design& d) {
    const auto place = [&](ui::Control& c, int left, int top, int width, int height) {
        c.place(d.left + left, d.top + top, width, height);
    };
    place(modNameLabel, kLabelLeft, 255, 1215, 255);
    modNameLabel.setCaption("Mod name");
    place(modName, kBoxLeft, 240, 2775, kRowHeight);
    modName.setText("Deathmatch");
    modName.setEnabled(d.nameEditable);
    place(folderNameLabel, kLabelLeft, 615, 1215, 255);
    folderNameLabel.setCaption("Folder name");
    place(folderName, kBoxLeft, 600, 2775, kRowHeight);
    folderName.setText(d.folder);

    const struct {
        ui::Label& label;
        const char* caption;
        int left;
        int width;
    } headings[] = {
        {optionNumberHeading, "Option Nr.", kLabelLeft, 1215},
        {captionHeading, "Caption", kBoxLeft, kCaptionWidth},
        {prefixHeading, "Commandline (e.g. +set capturelimit)", kPrefixLeft, 3120},
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
        {option1Shown, option1Label, "Option 1", option1Caption, "opcpt1", option1Prefix, 1380},
        {option2Shown, option2Label, "Option 2", option2Caption, "opcpt2", option2Prefix, 1740},
        {option3Shown, option3Label, "Option 3", option3Caption, "opcpt3", option3Prefix, 2100},
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

    place(extraCommandOn, kLabelLeft, 2595, 255, 255);
    place(extraCommandLabel, kLabelLeft + 330, 2610, 3900, 255);
    extraCommandLabel.setCaption(d.extraLabel);
    place(extraCommand, kLabelLeft + 330, 2940, 3555, kRowHeight);
    extraCommand.setText(d.extraText);
    extraCommand.setEnabled(false);
}

void ModFields::bindHandlers() {
    option1Shown.onClick = [this] { follow(option1Shown, {&option1Caption, &option1Prefix}); };
    option2Shown.onClick = [this] { follow(option2Shown, {&option2Caption, &option2Prefix}); };
    option3Shown.onClick = [this] { follow(option3Shown, {&option3Caption, &option3Prefix}); };
    extraCommandOn.onClick = [this] { follow(extraCommandOn, {&extraCommand}); };
}

void ModFields::follow(const ui::CheckBox& box, std::initializer_list<ui::TextBox*> boxes) {
    const bool on = box.value() == 1;
    for (ui::TextBox* b : boxes)
        b->setEnabled(on);
}

data::ModRecord ModFields::definition() const {
    const auto flag = [](const ui::CheckBox& b) { return data::ModRecord::checkText(b.value()); };
    data::ModRecord r;
    r.folder = folderName.text();
    const struct {
        const ui::TextBox& caption;
        const ui::TextBox& prefix;
        const ui::CheckBox& shown;
    } rows[] = {{option1Caption, option1Prefix, option1Shown},
                {option2Caption, option2Prefix, option2Shown},
                {option3Caption, option3Prefix, option3Shown}};
    for (std::size_t i = 0; i < r.options.size(); ++i) {
        r.options[i].caption = rows[i].caption.text();
        r.options[i].prefix = data::trimmed(rows[i].prefix.text());
        r.options[i].shown = flag(rows[i].shown);
    }
    r.extraOn = flag(extraCommandOn);
    r.extraText = extraCommand.text();
    return r;
}

} // namespace windows
