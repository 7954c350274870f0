#pragma once
// The saved map lists window: keeps named copies of the map catalogue (the
// main window's List1) as <name>.map files in the data folder. The Load page
// replaces the catalogue with a saved list, the Save page writes the
// catalogue under a name, the Delete page removes a saved list. A load or a
// save closes the window; a delete leaves it open with its lists refreshed.

#include "common/TabStrip.h"
#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"

namespace content {

class q2maplist : public ui::Window {
  public:
    explicit q2maplist(ui::Application& app);

    // ---- public procedures --------------------------------------------
    void dellist();  // delete the file chosen on the Delete page
    void savelist(); // write the catalogue under the typed name, close
    void loadlist(); // the chosen file becomes the catalogue, then maplist
    void maplist();  // write maps.tvd, close

    // ---- controls, in stacking order ----------------------------------
    // Tab strip: the strip picture, the page titles and the tabs over them.
    ui::PictureBox Picture2{*this, "Picture2"};
    ui::Label Label6{*this, "Label6", &Picture2}; // "Load"
    ui::Label Label7{*this, "Label7", &Picture2}; // "Save"
    ui::Label Label9{*this, "Label9", &Picture2}; // "Delete"
    ui::Label Label1{*this, "Label1", &Picture2}; // tab Load
    ui::Label Label3{*this, "Label3", &Picture2}; // tab Save
    ui::Label Label4{*this, "Label4", &Picture2}; // tab Delete
    ui::PictureBox leiste1{*this, "leiste1"};
    ui::PictureBox leiste2{*this, "leiste2"};
    ui::PictureBox leiste3{*this, "leiste3"};

    ui::PictureBox mLoad{*this, "mLoad"};
    ui::Image Image11{*this, "Image11", &mLoad}; // background
    ui::FileListBox File1{*this, "File1", &mLoad};
    ui::Image Image9{*this, "Image9", &mLoad};   // load, plain
    ui::Image Image10{*this, "Image10", &mLoad}; // load, lit

    ui::PictureBox mSave{*this, "mSave"};
    ui::Image Image3{*this, "Image3", &mSave}; // background
    ui::TextBox Text1{*this, "Text1", &mSave}; // name of the list
    ui::FileListBox File1b{*this, "File1b", &mSave};
    ui::Image Image2{*this, "Image2", &mSave}; // save, plain
    ui::Image Image1{*this, "Image1", &mSave}; // save, lit

    ui::PictureBox mDelMP{*this, "mDelMP"};
    ui::Image Image6{*this, "Image6", &mDelMP}; // background
    ui::FileListBox File1c{*this, "File1c", &mDelMP};
    ui::Image Image4{*this, "Image4", &mDelMP}; // delete, plain
    ui::Image Image5{*this, "Image5", &mDelMP}; // delete, lit

  protected:
    void Form_Load() override;

  private:
    void design();
    void bindHandlers();
    common::TabStrip tabStrip();
    void selectTab(int tab);
    void refreshLists();
};

} // namespace content
