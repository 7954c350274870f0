#pragma once
// The main window: the map, mod and map-cycle catalogues, the server
// settings of the selected mod, the bot count, the map mode and the launch.
// Its controls are the catalogues and the current selection; the other
// windows read and write them directly.
//
// The implementation is split by subject: MainWindow.cpp (design, panel by
// panel), MainWindowLoad.cpp (load with the list and bot files, unload,
// settings.tvd), MainWindowLists.cpp (list handlers with the map title,
// buttons, cycle panel, tabs, focus handshake), MainWindowSettings.cpp (mod
// record and settings), MainWindowLaunch.cpp (launch, cycle config).

#include <memory>

#include "data/ListFileReadAhead.h"
#include "data/ModRecord.h"
#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"

namespace windows {

class MainWindow : public ui::Window {
  public:
    explicit MainWindow(ui::Application& app);

    // ---- public procedures --------------------------------------------
    void createDataFolder(); // create the data folder
    void loadMapsFile();     // maps.tvd into mapList
    // maps.tvd as read while the program started, for the first loadMapsFile.
    void takeReadAheadCatalogue(std::unique_ptr<data::ListFileReadAhead> catalogue);
    void loadModsFile();       // mods.tvd into modList
    void loadCycleFile();      // mapcycle.tvd into cycleMaps
    void disableModControls(); // disable the mod-dependent controls
    void enableModControls();  // enable the mod-dependent controls
    void deleteModRecord();    // delete the selected mod's record
    void loadBotFile();        // bots.tvd into the roster
    void deleteCycleConfig();  // delete the cycle config
    void writeCycleConfig();   // write the cycle config, keep its outcome
    void loadModRecord();      // selected mod's record into the settings controls
    void saveModSettings();    // settings controls into the selected mod's record
    // Tells the user `message`, then takes the highlighted mod off the mod
    // list and mods.tvd: its record is gone or unreadable.
    void dropMod(const std::string& message);
    void showMapTitle(); // title of the selected map into selectedMapTitle
    void launch();       // start the game
    // The title of this map entry into selectedMapTitle, as a click on it
    // shows it.
    void showMapTitleOf(const std::string& entry);

    // Map mode: single map ("S") or map cycle ("C"), with the tab pictures.
    void setSingleMapMode();
    void setCycleMode();
    bool singleMapMode() const; // without loading the window
    // The map catalogue changed: in cycle mode "Available Maps" becomes a
    // fresh copy of it, as a click on the cycle tab makes it.
    void refreshAvailableMaps();
    // The map catalogue was replaced: the title follows its highlighted map,
    // blank when none is highlighted.
    void catalogueReplaced();
    // The state with no mod selected (ends with loadModRecord).
    void applyNoModState();
    // The twelve server settings shown into lines 13 to 24 of a record.
    void takeSettings(data::ModRecord& record) const;
    // "Game with  3 bots" for the roster's selection count.
    static std::string botCountCaption(int selected);

    // ---- state no user sees (reading it loads the window) --------------
    // Which way the settings controls and the selected mod's record go: the
    // record into the controls while the mod list has the focus (and from
    // the end of the load step), otherwise each change of a setting into the
    // record.
    enum class SettingsFlow { SaveEdits, LoadRecord };
    SettingsFlow settingsFlow();
    // False from the removal of a mod until the next focus of the mod list,
    // which then leaves the launch button as it is.
    bool enablesLaunchOnModFocus();
    // The outcome of the last write of the cycle config.
    enum class CycleConfigWrite { NotAttempted, Written, Failed };
    CycleConfigWrite cycleConfigWrite();

    // ---- controls, in stacking order (later ones lie on top) -----------
    // Map-mode tabs and the hidden holders of their pictures.
    ui::PictureBox singleMapTab{*this, "Picture1"};    // single-map tab
    ui::PictureBox cycleTab{*this, "Picture2"};        // cycle tab
    ui::PictureBox singleMapTabOff{*this, "Picture3"}; // single-map tab, inactive (hidden)
    ui::PictureBox singleMapTabOn{*this, "Picture3a"}; // single-map tab, active (hidden)
    ui::PictureBox cycleTabOff{*this, "Picture4"};     // cycle tab, inactive (hidden)
    ui::PictureBox cycleTabOn{*this, "Picture4a"};     // cycle tab, active (hidden)

    // Single-map panel.
    ui::PictureBox singleMapPanel{*this, "singlemap"};
    ui::ListBox mapList{*this, "List1", true, ui::ListBox::Selection::Single, &singleMapPanel};
    ui::Label selectedMapTitle{*this, "m", &singleMapPanel};            // title of the selected map
    ui::CommandButton addMapButton{*this, "Command2", &singleMapPanel}; // "Add map to list"
    ui::CommandButton removeMapButton{*this, "Command3", &singleMapPanel};     // "Remove map"
    ui::CommandButton loadSaveMapsButton{*this, "Command10", &singleMapPanel}; // "Load/Save"

    // Cycle panel.
    ui::PictureBox cyclePanel{*this, "cycle"};
    ui::Label availableMapsHeading{*this, "Label12", &cyclePanel}; // "Available Maps"
    ui::ListBox availableMaps{*this, "List3c", true, ui::ListBox::Selection::Single, &cyclePanel};
    ui::Label selectedMapsHeading{*this, "Label13", &cyclePanel}; // "Selected Maps"
    ui::ListBox cycleMaps{*this, "List4c", false, ui::ListBox::Selection::Single, &cyclePanel};
    ui::CommandButton addToCycleButton{*this, "plus", &cyclePanel};
    ui::CommandButton removeFromCycleButton{*this, "minus", &cyclePanel};
    ui::CommandButton clearCycleButton{*this, "clear", &cyclePanel};

    // Mods.
    ui::Label modsHeading{*this, "Label1"}; // heading over the mod list
    ui::ListBox modList{*this, "List2", true};
    ui::CommandButton addModButton{*this, "Command6"};    // "Add mod to list"
    ui::CommandButton removeModButton{*this, "Command7"}; // "Remove mod"
    ui::CommandButton editModButton{*this, "Command8"};   // "Edit mod"
    ui::Label gameFolderCaption{*this, "Label3"};         // "Game folder:"
    ui::Label gameFolder{*this, "sFoldername"};

    // Server settings.
    ui::Label hostNameCaption{*this, "Label5"};   // "Hostname:"
    ui::TextBox hostName{*this, "Text1"};         // host name
    ui::Label fragLimitCaption{*this, "Label14"}; // "Fraglimit (0 = off)"
    ui::TextBox fragLimit{*this, "sfrag"};
    ui::Label timeLimitCaption{*this, "Label15"}; // "Timelimit (0 = off)"
    ui::TextBox timeLimit{*this, "stime"};
    ui::Label maxClientsCaption{*this, "Label16"}; // "Max. Clients"
    ui::TextBox maxClients{*this, "smaxcl"};
    ui::Label optionCaption1{*this, "mop1"};
    ui::TextBox optionValue1{*this, "sop1"};
    ui::Label optionCaption2{*this, "mop2"};
    ui::TextBox optionValue2{*this, "sop2"};
    ui::Label optionCaption3{*this, "mop3"};
    ui::TextBox optionValue3{*this, "sop3"};
    ui::CheckBox dedicatedServer{*this, "sded"};
    ui::Label dedicatedServerCaption{*this, "Label17"}; // "run dedicated server on/off"
    ui::CheckBox pureServer{*this, "sv_pure"};
    ui::Label pureServerCaption{*this, "Label18"}; // "pure server on/off"
    ui::CheckBox closeOnLaunch{*this, "sclose"};
    ui::Label closeOnLaunchCaption{*this, "Label19"}; // "close when launching Q3A"
    ui::CheckBox withBots{*this, "sweapons"};
    ui::Label botCount{*this, "Label4"};                   // bot count, the caption of withBots
    ui::CommandButton editRosterButton{*this, "Command1"}; // "Edit" (the bot roster)

    // The mod's definition, never seen by the user.
    ui::Frame modDefinitionFrame{*this, "Frame4"};
    ui::TextBox optionPrefix1{*this, "q2cl1", &modDefinitionFrame};
    ui::TextBox optionPrefix2{*this, "q2cl2", &modDefinitionFrame};
    ui::TextBox optionPrefix3{*this, "q2cl3", &modDefinitionFrame};
    ui::CheckBox extraCommandLineOn{*this, "q2clck", &modDefinitionFrame};
    ui::TextBox extraCommandLine{*this, "q2cl4", &modDefinitionFrame};

    // Around the launch button (their mouse-move resets its picture pair).
    ui::Label execConfigCaption{*this, "Label6"}; // caption above the config box ("exec cfg:")
    ui::CheckBox execConfig{*this, "scfg"};
    ui::Label launchHoverTop{*this, "Label7"}; // caption above the config box
    ui::TextBox configFile{*this, "scfgfile"};
    ui::Label launchHoverUpperRight{*this, "Label8"};
    ui::Label launchHoverLowerLeft{*this, "Label9"};   // left of the launch button
    ui::Label launchHoverLowerRight{*this, "Label10"}; // right of the launch button
    ui::Label launchHoverBottom{*this, "Label2"};      // along the bottom edge
    // The launch button: a label beneath the two pictures takes the clicks
    // that a disabled picture lets through.
    ui::Label launchClickArea{*this, "Label11"};
    ui::Image launchButtonPlain{*this, "Image3"};
    ui::Image launchButtonLit{*this, "Image4"};

    ui::CommandButton aboutButton{*this, "Command4"}; // "©"
    ui::CommandButton helpButton{*this, "Command5"};  // "?"

    // The link document opened by the about window.
    ui::OleContainer linkPageDocument{*this, "OLE1"};

  protected:
    void onLoad() override;
    void onUnload(bool& cancel) override;
    void onDesignRestored() override;

  private:
    // The state no user sees, at its design values.
    struct Flags {
        SettingsFlow settingsFlow = SettingsFlow::SaveEdits;
        bool enablesLaunchOnModFocus = true;
        CycleConfigWrite cycleConfigWrite = CycleConfigWrite::NotAttempted;
    };
    Flags flags_;
    std::unique_ptr<data::ListFileReadAhead> readAheadCatalogue_;
    void setSettingsFlow(SettingsFlow flow);
    void setEnablesLaunchOnModFocus(bool enables);
    void setCycleConfigWrite(CycleConfigWrite outcome);

    // The design, panel by panel.
    void design();
    void designTabs();
    void designSingleMapPanel();
    void designCyclePanel();
    void designMods();
    void designServerSettings();
    void designDefinitionFrame();
    void designLaunchArea();
    void designLinkDocument();
    void bindHandlers();
    // Empties the cycle list while it holds only its design-time entry.
    void removeCyclePlaceholder();
    // "Available Maps" := the map catalogue, without a selection.
    void copyCatalogueToAvailable();

    // Lists and buttons.
    void editRosterClicked();
    void addMapClicked();
    void removeMapClicked();
    void aboutClicked();
    void helpClicked();
    void addModClicked();
    void removeModClicked();
    void editModClicked();
    void loadSaveMapsClicked();
    void mapListClicked();
    void modListClicked();
    void modListFocused();
    void modListFocusLost();
    void availableMapsClicked();
    void cycleMapsClicked();
    void addToCycleClicked();
    void removeFromCycleClicked();
    void clearCycleClicked();
    void singleMapTabClicked();
    void cycleTabClicked();

    // Settings changes: each saves the record while the flow is SaveEdits.
    void settingChanged();

    // Launch button.
    void launchButtonPlainClicked();
    void launchButtonLitClicked();
    void launchClickAreaClicked();
    void launchButtonPlainHovered();
    void resetLaunchPicture();
};

} // namespace windows
