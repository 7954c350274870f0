#pragma once
// A game directory in a temporary folder that lives as long as the fuzz
// process, with the real file system working in it and services that do
// nothing. Every input is written into its data folder as files, so the
// readers take it the way they take a player's files.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

#include "data/DataFolder.h"
#include "platform/DocumentOpener.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ProcessStarter.h"
#include "platform/Services.h"

namespace fuzzsupport {

class Workspace {
  public:
    Workspace() : files(makeRoot()) {}
    ~Workspace() {
        std::error_code ec;
        std::filesystem::remove_all(root(), ec);
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    std::filesystem::path root() const { return files.workingDirectory(); }
    std::filesystem::path data() const { return root() / data::kDataFolderName; }

    // An empty data folder and an empty baseq3 folder.
    void reset() const {
        std::error_code ec;
        std::filesystem::remove_all(data(), ec);
        std::filesystem::create_directories(data());
        std::filesystem::create_directories(root() / "baseq3");
    }
    void writeData(const std::string& name, std::string_view bytes) const {
        std::ofstream(data() / name, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    platform::RealFileSystem files;

  private:
    // In memory where the system offers it: the writers flush every file to
    // disk, which would make each run slow.
    static std::string makeRoot() {
        const char* tmp = std::getenv("TMPDIR");
        std::string folder = tmp && *tmp ? tmp : "/tmp";
        if (::access("/dev/shm", W_OK) == 0)
            folder = "/dev/shm";
        std::string pattern = folder + "/tap-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        return pattern;
    }
};

class SilentMessageBox : public platform::MessageBox {
  public:
    void show(const std::string&) override {}
};
class NoProcessStarter : public platform::ProcessStarter {
  public:
    bool start(const std::string&, const std::string&) override { return false; }
};
class NoDocumentOpener : public platform::DocumentOpener {
  public:
    bool open(const std::string&) override { return false; }
};

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A broken expectation is a finding: abort, so libFuzzer keeps the input.
inline void expect(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace fuzzsupport
