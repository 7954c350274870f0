// Design of the main window: its controls' places and first states, and the
// binding of their events.
//
// Three columns: the map list or the map cycle on the left (switched by the
// two tab pictures), the mod list in the middle with the launch button below
// it, the server settings on the right.
#include "shell/Q2M.h"

#include "shell/Artwork.h"
#include "ui/Application.h"

namespace shell {

namespace {

// Left edge of the server-settings column.
constexpr int kSettingsLeft = 6480;

ui::Font boldFont() {
    ui::Font f;
    f.bold = true;
    return f;
}

} // namespace

Q2M::Q2M(ui::Application& app) : ui::Window(app, "Q2M", "Torvel Arvenix Pro", 9825, 6780) {
    design();
    bindHandlers();
}

void Q2M::design() {
    designTabs();
    designSingleMapPanel();
    designCyclePanel();
    designMods();
    designServerSettings();
    designDefinitionFrame();
    designLaunchArea();
    designFlags();
}

// Map-mode tabs: the window opens in single-map mode.
void Q2M::designTabs() {
    Picture1.place(120, 120, 1440, 375);
    Picture1.setPicture(art::kTabSingleOn);
    Picture2.place(1560, 120, 1440, 375);
    Picture2.setPicture(art::kTabCycleOff);
    const struct {
        ui::PictureBox& box;
        const char* picture;
        int left;
    } holders[] = {
        {Picture3, art::kTabSingleOff, 120},
        {Picture3a, art::kTabSingleOn, 120},
        {Picture4, art::kTabCycleOff, 1560},
        {Picture4a, art::kTabCycleOn, 1560},
    };
    for (const auto& h : holders) {
        h.box.place(h.left, 120, 1440, 375);
        h.box.setPicture(h.picture);
        h.box.setVisible(false);
    }
}

// Single-map panel (children placed inside the panel).
void Q2M::designSingleMapPanel() {
    singlemap.place(120, 555, 2880, 4425);
    m.place(0, 45, 2880, 255);
    m.setFont(boldFont());
    m.setAlignment(ui::Align::Right);
    List1.place(0, 360, 2880, 3255);
    Command2.place(0, 3720, 1395, 315);
    Command2.setCaption("Add map to list");
    Command2.setToolTip("Click to add a map");
    Command3.place(1485, 3720, 1395, 315);
    Command3.setCaption("Remove map");
    Command3.setToolTip("Click to remove selected map");
    Command3.setEnabled(false);
    Command10.place(0, 4080, 2880, 315);
    Command10.setCaption("Load/Save");
    Command10.setToolTip("Click to Load/Save Maplist");
}

// Cycle panel, at the same place, hidden.
void Q2M::designCyclePanel() {
    cycle.place(120, 555, 2880, 4425);
    cycle.setVisible(false);
    Label12.place(0, 45, 2880, 255);
    Label12.setCaption("Available Maps");
    Label12.setFont(boldFont());
    Label12.setAlignment(ui::Align::Center);
    List3c.place(0, 360, 2880, 1575);
    plus.place(0, 2010, 930, 315);
    plus.setCaption("\\/");
    plus.setToolTip("Add to cycle list");
    plus.setEnabled(false);
    minus.place(975, 2010, 930, 315);
    minus.setCaption("/\\");
    minus.setToolTip("Remove from cycle list");
    minus.setEnabled(false);
    clear.place(1950, 2010, 930, 315);
    clear.setCaption("Clear");
    clear.setToolTip("Clear Cycle List");
    Label13.place(0, 2415, 2880, 255);
    Label13.setCaption("Selected Maps");
    Label13.setFont(boldFont());
    Label13.setAlignment(ui::Align::Center);
    List4c.place(0, 2700, 2880, 1695);
    List4c.addItem("List4c");
}

// Mods.
void Q2M::designMods() {
    Label1.place(3240, 165, 3000, 255);
    Label1.setCaption("Mods");
    List2.place(3240, 480, 3000, 2895);
    Command6.place(3240, 3480, 1455, 315);
    Command6.setCaption("Add mod to list");
    Command6.setToolTip("Click to add a mod");
    Command7.place(4785, 3480, 1455, 315);
    Command7.setCaption("Remove mod");
    Command7.setToolTip("Click to remove selected mod");
    Command7.setEnabled(false);
    Command8.place(3240, 3840, 3000, 315);
    Command8.setCaption("Edit mod");
    Command8.setToolTip("Click to edit selected mod");
    Command8.setEnabled(false);
    Label3.place(3240, 4275, 1020, 255);
    Label3.setCaption("Game folder:");
    sFoldername.place(4320, 4275, 1920, 255);
    sFoldername.setFont(boldFont());
}

// Server settings.
void Q2M::designServerSettings() {
    constexpr int labelLeft = kSettingsLeft;
    constexpr int labelWidth = 2400;
    constexpr int boxLeft = 8985;
    constexpr int boxWidth = 720;
    Label5.place(labelLeft, 165, 3225, 255);
    Label5.setCaption("Hostname:");
    Text1.place(labelLeft, 480, 3225, 285);

    const struct {
        ui::Label& label;
        const char* caption;
        ui::TextBox& box;
        int top;
    } numberRows[] = {
        {Label14, "Fraglimit (0 = off)", sfrag, 900},
        {Label15, "Timelimit (0 = off)", stime, 1260},
        {Label16, "Max. Clients", smaxcl, 1620},
        {mop1, "Option 1", sop1, 1980},
        {mop2, "Option 2", sop2, 2340},
        {mop3, "Option 3", sop3, 2700},
    };
    for (const auto& r : numberRows) {
        r.label.place(labelLeft, r.top + 15, labelWidth, 255);
        r.label.setCaption(r.caption);
        r.box.place(boxLeft, r.top, boxWidth, 285);
        r.box.setText("0");
        r.box.setAlignment(ui::Align::Center);
        r.box.setEnabled(false);
    }
    for (ui::TextBox* box : {&sfrag, &stime, &smaxcl})
        box->setMaxLength(3);
    for (ui::Label* caption : {&mop1, &mop2, &mop3})
        caption->setVisible(false);
    for (ui::TextBox* box : {&sop1, &sop2, &sop3})
        box->setVisible(false);

    // Check boxes carry no text; the label to their right is their caption.
    const struct {
        ui::CheckBox& box;
        ui::Label& label;
        const char* caption;
        int top;
    } checkRows[] = {
        {sded, Label17, "run dedicated server on/off", 3105},
        {sv_pure, Label18, "pure server on/off", 3465},
        {sclose, Label19, "close when launching Q3A", 3825},
        {sweapons, Label4, "Game with  0 bots", 4185},
    };
    for (const auto& r : checkRows) {
        r.box.place(labelLeft, r.top, 195, 195);
        r.box.setEnabled(false);
        r.label.place(labelLeft + 270, r.top - 30, labelWidth - 270, 255);
        r.label.setCaption(r.caption);
    }
    Label4.setEnabled(false);
    Command1.place(boxLeft, 4110, boxWidth, 315);
    Command1.setCaption("Edit");
    Command1.setEnabled(false);
}

// The selected mod's definition, never seen by the user.
void Q2M::designDefinitionFrame() {
    Frame4.place(kSettingsLeft, 4680, 3225, 1095);
    Frame4.setVisible(false);
    q2cl1.place(120, 240, 1455, 285);
    q2cl2.place(1650, 240, 1455, 285);
    q2cl3.place(120, 600, 1455, 285);
    q2clck.place(1650, 645, 195, 195);
    q2cl4.place(1920, 600, 1185, 285);
}

// Around the launch button.
void Q2M::designLaunchArea() {
    Label7.place(3120, 4680, 3600, 255);
    scfg.place(4200, 5040, 195, 195);
    scfg.setEnabled(false);
    Label6.place(4470, 5010, 1170, 255);
    Label6.setCaption("exec cfg:");
    scfgfile.place(4200, 5400, 1440, 285);
    scfgfile.setText("config.cfg");
    scfgfile.setEnabled(false);
    Label8.place(5640, 5010, 1080, 675);
    Label9.place(3120, 5880, 1080, 780);
    Label10.place(5640, 5880, 1080, 780);
    Label2.place(0, 6660, 9825, 120);
    Label11.place(4200, 5880, 1440, 735);
    Image3.place(4200, 5880, 1440, 780);
    Image3.setPicture(art::kLaunch0);
    Image4.place(4200, 5880, 1440, 780);
    Image4.setPicture(art::kLaunch1);
    Image4.setVisible(false);
    Image4.setEnabled(false);

    Command4.place(120, 6165, 375, 375);
    Command4.setCaption("©");
    Command4.setToolTip("Click here for Copyright information");
    Command5.place(555, 6165, 375, 375);
    Command5.setCaption("?");
    Command5.setToolTip("Click here for ReadMe-file");
}

// Flags and values, never seen.
void Q2M::designFlags() {
    const struct {
        ui::Label& flag;
        const char* value;
        int left;
        int top;
    } flags[] = {
        {focuscontr, "false", 6840, 5880},
        {removelb, "true", 8280, 5880},
        {foldercycle, "", 6840, 6240},
        {qm, "\"", 8280, 6240},
    };
    for (const auto& f : flags) {
        f.flag.place(f.left, f.top, 1215, 255);
        f.flag.setCaption(f.value);
        f.flag.setVisible(false);
    }
    OLE1.place(9480, 6240, 255, 255);
    OLE1.setDocument(art::kLinkPage);
    OLE1.setVisible(false);
}

void Q2M::bindHandlers() {
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    Command5.onClick = [this] { Command5_Click(); };
    Command6.onClick = [this] { Command6_Click(); };
    Command7.onClick = [this] { Command7_Click(); };
    Command8.onClick = [this] { Command8_Click(); };
    Command10.onClick = [this] { Command10_Click(); };

    List1.onClick = [this] { List1_Click(); };
    List2.onClick = [this] { List2_Click(); };
    List2.onGotFocus = [this] { List2_GotFocus(); };
    List2.onLostFocus = [this] { List2_LostFocus(); };
    List3c.onClick = [this] { List3c_Click(); };
    List4c.onClick = [this] { List4c_Click(); };
    plus.onClick = [this] { plus_Click(); };
    minus.onClick = [this] { minus_Click(); };
    clear.onClick = [this] { clear_Click(); };
    Picture1.onClick = [this] { Picture1_Click(); };
    Picture2.onClick = [this] { Picture2_Click(); };

    // Every change of a server setting saves the record (while the user
    // works in the settings).
    for (ui::TextBox* box : {&sfrag, &stime, &smaxcl, &sop1, &sop2, &sop3, &scfgfile})
        box->onChange = [this] { settingChanged(); };
    for (ui::CheckBox* box : {&sweapons, &sded, &scfg, &sclose, &sv_pure})
        box->onClick = [this] { settingChanged(); };

    Image3.onClick = [this] { Image3_Click(); };
    Image4.onClick = [this] { Image4_Click(); };
    Label11.onClick = [this] { Label11_Click(); };
    Image3.onMouseMove = [this] { Image3_MouseMove(); };
    for (ui::Control* around : std::initializer_list<ui::Control*>{
             &Label2, &Label6, &Label7, &Label8, &Label9, &Label10, &scfgfile})
        around->onMouseMove = [this] { resetLaunchPicture(); };
}

} // namespace shell
