// The main window's lists and buttons: the buttons that open the other
// windows, removing a map or a mod, the map-cycle panel, the two map-mode
// tabs, and the focus handshake of the mod list that decides whether the
// settings controls take the mod's record or save into it.
#include "common/DataFolder.h"
#include "common/SlashList.h"
#include "common/WriteFailure.h"
#include "content/q2map.h"
#include "content/q2maplist.h"
#include "content/q3bots.h"
#include "mods/q2edit.h"
#include "mods/q2mod.h"
#include "shell/Help.h"
#include "shell/MapTitles.h"
#include "shell/Q2M.h"
#include "shell/copyright.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace shell {

namespace {

constexpr const char* kSelectMap = "Please select a map and try again.";

// Rewrites a list file from its list. A write that fails leaves the file as
// it was and tells the user; the list keeps its change.
void writeList(ui::Application& app, const char* fileName, const ui::ListBox& list) {
    auto& services = app.services();
    common::writeListOrTell(services, common::dataFile(services.files, fileName),
                            common::entriesOf(list), common::kListKeptUnsaved);
}

// Removes the highlighted entry; false when none is highlighted.
bool removeHighlighted(ui::ListBox& list) {
    return ui::skip([&] { list.removeItem(list.listIndex()); });
}

} // namespace

// ---- Buttons that open other windows ----------------------------------

void Q2M::Command2_Click() {
    app().get<content::q2map>().show();
}

void Q2M::Command10_Click() {
    app().get<content::q2maplist>().show();
}

void Q2M::Command4_Click() {
    app().get<copyright>().show();
}

void Q2M::Command5_Click() {
    app().get<Help>().show();
}

void Q2M::Command6_Click() {
    prod4();
    app().get<mods::q2mod>().show();
}

void Q2M::Command8_Click() {
    ui::skip([&] { prod4(); });
    ui::skip([&] { app().get<mods::q2edit>().show(); });
}

void Q2M::Command1_Click() {
    auto& roster = app().get<content::q3bots>();
    if (roster.List3.listCount() == 0)
        prod7();
    roster.show();
    roster.botinfo();
}

// ---- Maps ---------------------------------------------------------------

void Q2M::Command3_Click() {
    if (!removeHighlighted(List1))
        app().services().messages.show(kSelectMap);
    writeList(app(), common::kMapsFile, List1);
    Command3.setEnabled(false);
}

void Q2M::List1_Click() {
    mappro();
}

void Q2M::mappro() {
    m.setCaption(mapTitle(List1.text()));
    if (!m.caption().empty())
        Command3.setEnabled(true);
}

// ---- Mods ---------------------------------------------------------------

void Q2M::Command7_Click() {
    prod6();
    prod4();
    sFoldername.setCaption("");
    removeHighlighted(List2);
    writeList(app(), common::kModsFile, List2);
    // The next focus of the mod list leaves the launch button disabled.
    removelb.setCaption("false");
    if (List2.selCount() == 0)
        applyNoModState();
}

void Q2M::List2_Click() {
    modpro();
}

void Q2M::List2_GotFocus() {
    focuscontr.setCaption("true");
    if (removelb.caption() != "false")
        Image3.setEnabled(true);
    removelb.setCaption("true");
}

void Q2M::List2_LostFocus() {
    focuscontr.setCaption("false");
}

// ---- Map cycle ----------------------------------------------------------

void Q2M::List3c_Click() {
    if (List3c.selCount() == 1)
        plus.setEnabled(true);
}

void Q2M::List4c_Click() {
    if (List4c.selCount() == 1)
        minus.setEnabled(true);
}

void Q2M::plus_Click() {
    // With nothing chosen this adds an empty entry, as the text is empty.
    List4c.addItem(List3c.text());
    writeList(app(), common::kCycleFile, List4c);
}

void Q2M::minus_Click() {
    if (!removeHighlighted(List4c))
        app().services().messages.show(kSelectMap);
    writeList(app(), common::kCycleFile, List4c);
    minus.setEnabled(false);
}

void Q2M::clear_Click() {
    List4c.clear();
    writeList(app(), common::kCycleFile, List4c);
}

// ---- Map-mode tabs ------------------------------------------------------

void Q2M::Picture1_Click() {
    setSingleMapMode();
}

void Q2M::Picture2_Click() {
    removeCyclePlaceholder();
    copyCatalogueToAvailable();
    setCycleMode();
}

void Q2M::copyCatalogueToAvailable() {
    List3c.clear();
    if (List1.listCount() > 0)
        List3c.addItems(common::entriesOf(List1));
}

void Q2M::refreshAvailableMaps() {
    // A window still to load takes the copy at its load.
    if (isLoaded() && !singleMapMode())
        copyCatalogueToAvailable();
}

void Q2M::removeCyclePlaceholder() {
    // The entry the cycle list holds in the window's design.
    if (List4c.list(0) == "List4c")
        List4c.clear();
}

} // namespace shell
