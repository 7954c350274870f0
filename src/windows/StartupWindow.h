#pragma once
// The start-up window: the first window of the program. Its load step
// refuses to run at the root of the file system, hands over to the main
// window when the first run is done, or stays open as the first-run window.

#include "ui/Controls.h"
#include "ui/ListBox.h"
#include "ui/Window.h"

namespace windows {

class StartupWindow : public ui::Window {
  public:
    explicit StartupWindow(ui::Application& app);

    static constexpr const char* kDesignCaption = "Startup";
    // The title while the program closes the window.
    static constexpr const char* kClosingCaption = "Startup ";

    ui::Image background{*this, "Image1"}; // background
    ui::DirListBox packageFolder{*this, "Dir1"};
    ui::FileListBox packageFiles{*this, "File1"};
    ui::Label firstRunNotice{*this, "txt_firsttime"};
    // Progress of the first-run pass, hidden until it runs.
    ui::PictureBox detectionPanel{*this, "mDedAll"};
    ui::Label detectionWarning{*this, "Label5", &detectionPanel};
    ui::Label progressTrack{*this, "status1", &detectionPanel};
    ui::Label progressFill{*this, "status2", &detectionPanel};
    ui::Label progressPercent{*this, "status3", &detectionPanel};
    ui::Shape progressFrame{*this, "Shape1", &detectionPanel};
    ui::Image acceptButtonPlain{*this, "Image2"}; // accept, plain
    ui::Image acceptButtonLit{*this, "Image3"};   // accept, lit

    // The text of the first-run window.
    static std::string firstRunText();
    // True when the folder is the root of its file system.
    static bool isFileSystemRoot(const std::string& folder);

  protected:
    void onLoad() override;
    void onUnload(bool& cancel) override;
    void onDesignRestored() override;

  private:
    void startDetectionClicked();
    // Sets the closing caption, notes the close as the program's and
    // unloads the window.
    void closeByProgram();

    // True from a close by the program until the window has unloaded, so the
    // unload step can tell it from a close by the user.
    bool closingByProgram_ = false;
};

} // namespace windows
