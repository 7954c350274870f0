#pragma once
// The program for one game directory: the platform services on Qt, every
// window of the launcher and the view that shows them. main() runs it on the
// current directory; the GUI tests run it on temporary game directories and
// may put recording services in place of the real ones.

#include <string>

#include "platform/FileSystem.h"
#include "qt/EarlyStart.h"
#include "qt/QtDocumentOpener.h"
#include "qt/QtMessageBox.h"
#include "qt/QtProcessStarter.h"
#include "qt/View.h"
#include "ui/Application.h"

namespace qtview {

struct ServiceOverrides {
    platform::MessageBox* messages = nullptr;
    platform::ProcessStarter* processes = nullptr;
    platform::DocumentOpener* documents = nullptr;
};

class Launcher {
  public:
    // With `early`, the start-up takes over what it has read ahead.
    explicit Launcher(const std::string& workingDirectory, ServiceOverrides overrides = {},
                      EarlyStart* early = nullptr);
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // Loads the start-up window, which shows itself or hands over at once.
    void start();
    // No window is left: the program is over.
    bool ended() const { return app_.ended(); }
    // From now on Qt's event loop ends when the last window has gone. A
    // message shown after that (the game could not be started once every
    // window had closed) is still left open until the user has read it.
    void quitWhenEnded();

    ui::Application& app() { return app_; }
    View& view() { return view_; }

  private:
    QtMessageBox qtMessages_;
    QtProcessStarter qtProcesses_;
    QtDocumentOpener qtDocuments_;
    platform::RealFileSystem files_;
    ui::Application app_;
    View view_;
    ui::Window* startup_;
};

} // namespace qtview
