#pragma once
// The program on a game directory without a screen: the real file system
// working there (wrapped so that tests can make chosen writes fail), the
// recording services and every window of the launcher. Create the files
// first, then call start() (runs the program as at launch) or touch windows
// directly.

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/Recording.h"
#include "ui/Application.h"

namespace testsupport {

class Launcher : public RecordingServices {
  public:
    explicit Launcher(const std::string& workingDirectory);
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    void start() { app.start(*startup); }
    template <class T> T& get() { return app.get<T>(); }
    // The main window's map catalogue; a catalogue put in its place.
    std::vector<std::string> catalogue();
    void setCatalogue(const std::vector<std::string>& entries);

    platform::RealFileSystem real;
    FaultyFileSystem files;
    ui::Application app;
    ui::Window* startup = nullptr;
};

} // namespace testsupport
