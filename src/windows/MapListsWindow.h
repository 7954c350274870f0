#pragma once
// The saved map lists window: keeps named copies of the map catalogue (the
// main window's mapList) as <name>.map files in the data folder. The Load page
// replaces the catalogue with a saved list, the Save page writes the
// catalogue under a name, the Delete page removes a saved list. A load or a
// save closes the window; a delete leaves it open with its lists refreshed.

#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"
#include "windows/TabStrip.h"

namespace windows {

class MapListsWindow : public ui::Window {
  public:
    explicit MapListsWindow(ui::Application& app);

    // ---- public procedures --------------------------------------------
    void deleteChosenList();    // delete the file chosen on the Delete page
    void saveCatalogueAsList(); // write the catalogue under the typed name, close
    void loadChosenList();      // the chosen file becomes the catalogue, then saveCatalogue
    void saveCatalogue();       // write maps.tvd, close

    // ---- controls, in stacking order ----------------------------------
    // Tab strip: the strip picture, the page titles and the tabs over them.
    ui::PictureBox strip{*this, "Picture2"};
    ui::Label loadTitle{*this, "Label6", &strip};   // "Load"
    ui::Label saveTitle{*this, "Label7", &strip};   // "Save"
    ui::Label deleteTitle{*this, "Label9", &strip}; // "Delete"
    ui::Label loadTab{*this, "Label1", &strip};     // tab Load
    ui::Label saveTab{*this, "Label3", &strip};     // tab Save
    ui::Label deleteTab{*this, "Label4", &strip};   // tab Delete
    ui::PictureBox stripLoadActive{*this, "leiste1"};
    ui::PictureBox stripSaveActive{*this, "leiste2"};
    ui::PictureBox stripDeleteActive{*this, "leiste3"};

    ui::PictureBox loadPage{*this, "mLoad"};
    ui::Image loadBackground{*this, "Image11", &loadPage}; // background
    ui::FileListBox loadPageFiles{*this, "File1", &loadPage};
    ui::Image loadButtonPlain{*this, "Image9", &loadPage}; // load, plain
    ui::Image loadButtonLit{*this, "Image10", &loadPage};  // load, lit

    ui::PictureBox savePage{*this, "mSave"};
    ui::Image saveBackground{*this, "Image3", &savePage}; // background
    ui::TextBox listName{*this, "Text1", &savePage};      // name of the list
    ui::FileListBox savePageFiles{*this, "File1b", &savePage};
    ui::Image saveButtonPlain{*this, "Image2", &savePage}; // save, plain
    ui::Image saveButtonLit{*this, "Image1", &savePage};   // save, lit

    ui::PictureBox deletePage{*this, "mDelMP"};
    ui::Image deleteBackground{*this, "Image6", &deletePage}; // background
    ui::FileListBox deletePageFiles{*this, "File1c", &deletePage};
    ui::Image deleteButtonPlain{*this, "Image4", &deletePage}; // delete, plain
    ui::Image deleteButtonLit{*this, "Image5", &deletePage};   // delete, lit

  protected:
    void onLoad() override;

  private:
    void design();
    void bindHandlers();
    windows::TabStrip tabStrip();
    void selectTab(int tab);
    void refreshLists();
};

} // namespace windows
