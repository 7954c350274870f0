#pragma once
// A temporary game directory with its data folder, the real file system
// working in it (wrapped so that tests can make chosen writes fail), fakes
// for the message box, the process start and the document opener, and every
// window of the launcher.

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "common/DataFolder.h"
#include "platform/Fakes.h"
#include "platform/FileSystem.h"
#include "shell/Windows.h"
#include "ui/Application.h"

namespace testsupport {

class GameDir {
  public:
    GameDir() {
        static int counter = 0;
        root_ = std::filesystem::temp_directory_path() /
                ("tap-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "baseq3");
    }
    ~GameDir() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    GameDir(const GameDir&) = delete;
    GameDir& operator=(const GameDir&) = delete;

    std::string path() const { return root_.string(); }
    std::string data(const std::string& name) const {
        return (root_ / common::kDataFolderName / name).string();
    }
    // Writes a file under the game directory, lines ended by CR LF.
    void write(const std::string& relative, const std::vector<std::string>& lines) const {
        writeRaw(relative, joined(lines));
    }
    void writeRaw(const std::string& relative, const std::string& bytes) const {
        const auto p = root_ / relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
    // Writes a file in the data folder.
    void writeData(const std::string& name, const std::vector<std::string>& lines) const {
        write(std::string(common::kDataFolderName) + "/" + name, lines);
    }
    std::string read(const std::string& relative) const {
        std::ifstream in(root_ / relative, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::string readData(const std::string& name) const {
        return read(std::string(common::kDataFolderName) + "/" + name);
    }
    bool exists(const std::string& relative) const {
        return std::filesystem::exists(root_ / relative);
    }
    static std::string joined(const std::vector<std::string>& lines) {
        std::string s;
        for (const auto& l : lines)
            s += l + "\r\n";
        return s;
    }

  private:
    std::filesystem::path root_;
};

// Everything a window test needs. Create the files first, then call start()
// (runs the program as at launch) or touch windows directly.
class Launcher {
  public:
    explicit Launcher(const std::string& workingDirectory)
        : real(workingDirectory), files(real),
          app(platform::Services{messages, processes, documents, files}) {
        startup = &shell::createWindows(app);
    }
    void start() { app.start(*startup); }
    template <class T> T& get() { return app.get<T>(); }

    platform::RealFileSystem real;
    platform::FaultyFileSystem files;
    platform::RecordingMessageBox messages;
    platform::RecordingProcessStarter processes;
    platform::RecordingDocumentOpener documents;
    ui::Application app;
    ui::Window* startup = nullptr;
};

} // namespace testsupport
