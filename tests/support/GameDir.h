#pragma once
// A temporary game directory with a baseq3 folder, removed again at the end.
// Files are written as the launcher writes them: each line ended by CR LF.

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

class GameDir {
  public:
    GameDir();
    ~GameDir();
    GameDir(const GameDir&) = delete;
    GameDir& operator=(const GameDir&) = delete;

    std::string path() const { return root_.string(); }
    // The path of a file in the data folder.
    std::string data(const std::string& name) const;

    // Writes a file under the game directory, each line ended by CR LF.
    void write(const std::string& relative, const std::vector<std::string>& lines) const;
    void writeRaw(const std::string& relative, const std::string& bytes) const;
    // Writes a file in the data folder.
    void writeData(const std::string& name, const std::vector<std::string>& lines) const;
    // The bytes of a file; empty when it cannot be read.
    std::string read(const std::string& relative) const;
    std::string readData(const std::string& name) const;
    bool exists(const std::string& relative) const;
    void makeFolder(const std::string& relative) const;
    void makeExecutable(const std::string& relative) const;

    // The lines with CR LF after each.
    static std::string joined(const std::vector<std::string>& lines);

  private:
    std::filesystem::path root_;
};

} // namespace testsupport
