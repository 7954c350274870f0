#pragma once
// The definition of a mod as the mod window's add page and the mod editor
// show it: display name, game folder, three options (caption, command
// prefix, shown or not) and the extra command line, with their labels. These
// are lines 1 to 12 of the mod's record. An option's boxes, and the extra
// command line's box, can be edited only while its check box is ticked.

#include <string>
#include <vector>

#include "common/ModRecord.h"
#include "ui/Controls.h"

namespace mods {

class ModFields {
  public:
    // The design texts that differ between the two windows.
    struct Design {
        const char* folder;     // fname
        const char* extraText;  // cfgfile
        const char* extraLabel; // the caption beside cfgck
        bool nameEditable;      // mname
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
    common::ModRecord definition() const;

    ui::Label Label1;  // "Mod name"
    ui::TextBox mname; // display name
    ui::Label Label2;  // "Folder name"
    ui::TextBox fname; // line 1
    ui::Label Label9;  // heading "Option Nr."
    ui::Label Label10; // heading "Caption"
    ui::Label Label11; // heading of the prefixes
    ui::CheckBox opck1;
    ui::Label Label3; // "Option 1"
    ui::TextBox opcpt1;
    ui::TextBox opcl1;
    ui::CheckBox opck2;
    ui::Label Label4; // "Option 2"
    ui::TextBox opcpt2;
    ui::TextBox opcl2;
    ui::CheckBox opck3;
    ui::Label Label5; // "Option 3"
    ui::TextBox opcpt3;
    ui::TextBox opcl3;
    ui::CheckBox cfgck;
    ui::Label Label6; // caption of the extra command line
    ui::TextBox cfgfile;

  private:
    // An option's boxes follow its check box.
    static void follow(const ui::CheckBox& box, std::initializer_list<ui::TextBox*> boxes);
};

} // namespace mods
