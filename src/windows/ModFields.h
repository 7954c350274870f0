#pragma once
// The definition of a mod as the mod window's add page and the mod editor
// show it: display name, game folder, three options (caption, command
// prefix, shown or not) and the extra command line, with their labels. These
// are lines 1 to 12 of the mod's record. An option's boxes, and the extra
// command line's box, can be edited only while its check box is ticked.

#include <string>
#include <vector>

#include "data/ModRecord.h"
#include "ui/Controls.h"

namespace windows {

class ModFields {
  public:
    // The design texts that differ between the two windows.
    struct Design {
        const char* folder;     // folderName
        const char* extraText;  // extraCommand
        const char* extraLabel; // the caption beside extraCommandOn
        bool nameEditable;      // modName
        int left = 0;           // where the fields begin in their container
        int top = 0;
    };

    ModFields(ui::Window& w, ui::Control* parent);

    // Places the controls (relative to their container) and sets their
    // design state.
    void design(const Design& d);
    void bindHandlers();

    // A record with lines 1 to 12 from the fields (each prefix without the
    // blanks around it) and the settings of a new mod.
    data::ModRecord definition() const;

    ui::Label modNameLabel;        // "Mod name"
    ui::TextBox modName;           // display name
    ui::Label folderNameLabel;     // "Folder name"
    ui::TextBox folderName;        // line 1
    ui::Label optionNumberHeading; // heading "Option Nr."
    ui::Label captionHeading;      // heading "Caption"
    ui::Label prefixHeading;       // heading of the prefixes
    ui::CheckBox option1Shown;
    ui::Label option1Label; // "Option 1"
    ui::TextBox option1Caption;
    ui::TextBox option1Prefix;
    ui::CheckBox option2Shown;
    ui::Label option2Label; // "Option 2"
    ui::TextBox option2Caption;
    ui::TextBox option2Prefix;
    ui::CheckBox option3Shown;
    ui::Label option3Label; // "Option 3"
    ui::TextBox option3Caption;
    ui::TextBox option3Prefix;
    ui::CheckBox extraCommandOn;
    ui::Label extraCommandLabel; // caption of the extra command line
    ui::TextBox extraCommand;

  private:
    // An option's boxes follow its check box.
    static void follow(const ui::CheckBox& box, std::initializer_list<ui::TextBox*> boxes);
};

} // namespace windows
