#pragma once
// The start-up window: the first window of the program. Its load step
// refuses to run at the root of the file system, hands over to the main
// window when the first run is done, or stays open as the first-run window.

#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"

namespace shell {

class startup : public ui::Window {
  public:
    explicit startup(ui::Application& app);

    static constexpr const char* kDesignCaption = "Startup";
    // Set before every close by the program, so the unload step can tell it
    // from a close by the user.
    static constexpr const char* kClosingCaption = "Startup ";

    ui::Image Image1{*this, "Image1"}; // background
    ui::DirListBox Dir1{*this, "Dir1"};
    ui::FileListBox File1{*this, "File1"};
    ui::Label txt_firsttime{*this, "txt_firsttime"};
    // Progress of the first-run pass, hidden until it runs.
    ui::PictureBox mDedAll{*this, "mDedAll"};
    ui::Label Label5{*this, "Label5", &mDedAll};
    ui::Label status1{*this, "status1", &mDedAll};
    ui::Label status2{*this, "status2", &mDedAll};
    ui::Label status3{*this, "status3", &mDedAll};
    ui::Shape Shape1{*this, "Shape1", &mDedAll};
    ui::Image Image2{*this, "Image2"}; // accept, plain
    ui::Image Image3{*this, "Image3"}; // accept, lit

    // The text of the first-run window.
    static std::string firstRunText();
    // True when the folder is the root of its file system.
    static bool isFileSystemRoot(const std::string& folder);

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

  private:
    void Image3_Click();
    // Sets the closing caption and unloads the window.
    void closeByProgram();
};

} // namespace shell
