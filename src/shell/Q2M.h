#pragma once
// The main window: the map, mod and map-cycle catalogues, the server
// settings of the selected mod, the bot count, the map mode and the launch.
// Its controls are the catalogues and the current selection; the other
// windows read and write them directly.
//
// The implementation is split by subject: Q2M.cpp (design, panel by panel),
// Q2M_load.cpp (load with the list and bot files, unload, settings.tvd),
// Q2M_lists.cpp (list handlers with the map title, buttons, cycle panel,
// tabs, focus handshake), Q2M_settings.cpp (mod record and settings),
// Q2M_launch.cpp (launch, cycle config).

#include "common/ModRecord.h"
#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"

namespace shell {

class Q2M : public ui::Window {
  public:
    explicit Q2M(ui::Application& app);

    // ---- public procedures --------------------------------------------
    void prod1();        // create the data folder
    void prod2();        // maps.tvd into List1
    void prod3();        // mods.tvd into List2
    void mapcycle();     // mapcycle.tvd into List4c
    void prod4();        // disable the mod-dependent controls
    void prod5();        // enable the mod-dependent controls
    void prod6();        // delete the selected mod's record
    void prod7();        // bots.tvd into the roster
    void prod8();        // delete the cycle config
    void prod9();        // write the cycle config, set foldercycle
    void modpro();       // selected mod's record into the settings controls
    void savesettings(); // settings controls into the selected mod's record
    // Tells the user `message`, then takes the highlighted mod off the mod
    // list and mods.tvd: its record is gone or unreadable.
    void dropMod(const std::string& message);
    void mappro(); // title of the selected map into m
    void launch(); // start the game

    // Map mode: single map ("S") or map cycle ("C"), with the tab pictures.
    void setSingleMapMode();
    void setCycleMode();
    bool singleMapMode() const; // without loading the window
    // The map catalogue changed: in cycle mode "Available Maps" becomes a
    // fresh copy of it, as a click on the cycle tab makes it.
    void refreshAvailableMaps();
    // The state with no mod selected (ends with modpro).
    void applyNoModState();
    // The twelve server settings shown into lines 13 to 24 of a record.
    void takeSettings(common::ModRecord& record) const;
    // "Game with  3 bots" for the roster's selection count.
    static std::string botCountCaption(int selected);

    // ---- controls, in stacking order (later ones lie on top) -----------
    // Map-mode tabs and the hidden holders of their pictures.
    ui::PictureBox Picture1{*this, "Picture1"};   // single-map tab
    ui::PictureBox Picture2{*this, "Picture2"};   // cycle tab
    ui::PictureBox Picture3{*this, "Picture3"};   // single-map tab, inactive (hidden)
    ui::PictureBox Picture3a{*this, "Picture3a"}; // single-map tab, active (hidden)
    ui::PictureBox Picture4{*this, "Picture4"};   // cycle tab, inactive (hidden)
    ui::PictureBox Picture4a{*this, "Picture4a"}; // cycle tab, active (hidden)

    // Single-map panel.
    ui::PictureBox singlemap{*this, "singlemap"};
    ui::ListBox List1{*this, "List1", true, ui::ListBox::Selection::Single, &singlemap};
    ui::Label m{*this, "m", &singlemap};                         // title of the selected map
    ui::CommandButton Command2{*this, "Command2", &singlemap};   // "Add map to list"
    ui::CommandButton Command3{*this, "Command3", &singlemap};   // "Remove map"
    ui::CommandButton Command10{*this, "Command10", &singlemap}; // "Load/Save"

    // Cycle panel.
    ui::PictureBox cycle{*this, "cycle"};
    ui::Label Label12{*this, "Label12", &cycle}; // "Available Maps"
    ui::ListBox List3c{*this, "List3c", true, ui::ListBox::Selection::Single, &cycle};
    ui::Label Label13{*this, "Label13", &cycle}; // "Selected Maps"
    ui::ListBox List4c{*this, "List4c", false, ui::ListBox::Selection::Single, &cycle};
    ui::CommandButton plus{*this, "plus", &cycle};
    ui::CommandButton minus{*this, "minus", &cycle};
    ui::CommandButton clear{*this, "clear", &cycle};

    // Mods.
    ui::Label Label1{*this, "Label1"}; // heading over the mod list
    ui::ListBox List2{*this, "List2", true};
    ui::CommandButton Command6{*this, "Command6"}; // "Add mod to list"
    ui::CommandButton Command7{*this, "Command7"}; // "Remove mod"
    ui::CommandButton Command8{*this, "Command8"}; // "Edit mod"
    ui::Label Label3{*this, "Label3"};             // "Game folder:"
    ui::Label sFoldername{*this, "sFoldername"};

    // Server settings.
    ui::Label Label5{*this, "Label5"};   // "Hostname:"
    ui::TextBox Text1{*this, "Text1"};   // host name
    ui::Label Label14{*this, "Label14"}; // "Fraglimit (0 = off)"
    ui::TextBox sfrag{*this, "sfrag"};
    ui::Label Label15{*this, "Label15"}; // "Timelimit (0 = off)"
    ui::TextBox stime{*this, "stime"};
    ui::Label Label16{*this, "Label16"}; // "Max. Clients"
    ui::TextBox smaxcl{*this, "smaxcl"};
    ui::Label mop1{*this, "mop1"};
    ui::TextBox sop1{*this, "sop1"};
    ui::Label mop2{*this, "mop2"};
    ui::TextBox sop2{*this, "sop2"};
    ui::Label mop3{*this, "mop3"};
    ui::TextBox sop3{*this, "sop3"};
    ui::CheckBox sded{*this, "sded"};
    ui::Label Label17{*this, "Label17"}; // "run dedicated server on/off"
    ui::CheckBox sv_pure{*this, "sv_pure"};
    ui::Label Label18{*this, "Label18"}; // "pure server on/off"
    ui::CheckBox sclose{*this, "sclose"};
    ui::Label Label19{*this, "Label19"}; // "close when launching Q3A"
    ui::CheckBox sweapons{*this, "sweapons"};
    ui::Label Label4{*this, "Label4"};             // bot count, the caption of sweapons
    ui::CommandButton Command1{*this, "Command1"}; // "Edit" (the bot roster)

    // The mod's definition, never seen by the user.
    ui::Frame Frame4{*this, "Frame4"};
    ui::TextBox q2cl1{*this, "q2cl1", &Frame4};
    ui::TextBox q2cl2{*this, "q2cl2", &Frame4};
    ui::TextBox q2cl3{*this, "q2cl3", &Frame4};
    ui::CheckBox q2clck{*this, "q2clck", &Frame4};
    ui::TextBox q2cl4{*this, "q2cl4", &Frame4};

    // Around the launch button (their mouse-move resets its picture pair).
    ui::Label Label6{*this, "Label6"}; // caption above the config box ("exec cfg:")
    ui::CheckBox scfg{*this, "scfg"};
    ui::Label Label7{*this, "Label7"}; // caption above the config box
    ui::TextBox scfgfile{*this, "scfgfile"};
    ui::Label Label8{*this, "Label8"};
    ui::Label Label9{*this, "Label9"};   // left of the launch button
    ui::Label Label10{*this, "Label10"}; // right of the launch button
    ui::Label Label2{*this, "Label2"};   // along the bottom edge
    // The launch button: Label11 lies beneath the two pictures and takes the
    // clicks that a disabled picture lets through.
    ui::Label Label11{*this, "Label11"};
    ui::Image Image3{*this, "Image3"};
    ui::Image Image4{*this, "Image4"};

    ui::CommandButton Command4{*this, "Command4"}; // "©"
    ui::CommandButton Command5{*this, "Command5"}; // "?"

    // Hidden labels used as flags and values.
    ui::Label focuscontr{*this, "focuscontr"};
    ui::Label removelb{*this, "removelb"};
    ui::Label foldercycle{*this, "foldercycle"};
    ui::Label qm{*this, "qm"};

    // The link document opened by the about window.
    ui::OleContainer OLE1{*this, "OLE1"};

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

  private:
    // The design, panel by panel.
    void design();
    void designTabs();
    void designSingleMapPanel();
    void designCyclePanel();
    void designMods();
    void designServerSettings();
    void designDefinitionFrame();
    void designLaunchArea();
    void designFlags();
    void bindHandlers();
    // Empties the cycle list while it holds only its design-time entry.
    void removeCyclePlaceholder();
    // "Available Maps" := the map catalogue, without a selection.
    void copyCatalogueToAvailable();

    // Lists and buttons.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command10_Click();
    void List1_Click();
    void List2_Click();
    void List2_GotFocus();
    void List2_LostFocus();
    void List3c_Click();
    void List4c_Click();
    void plus_Click();
    void minus_Click();
    void clear_Click();
    void Picture1_Click();
    void Picture2_Click();

    // Settings changes: each saves the record while focuscontr is "false".
    void settingChanged();

    // Launch button.
    void Image3_Click();
    void Image4_Click();
    void Label11_Click();
    void Image3_MouseMove();
    void resetLaunchPicture();
};

} // namespace shell
