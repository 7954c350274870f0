#include "support/GameDir.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

#include "data/DataFolder.h"

namespace testsupport {

namespace {

std::string inData(const std::string& name) {
    return std::string(data::kDataFolderName) + "/" + name;
}

} // namespace

GameDir::GameDir() {
    static int counter = 0;
    root_ = std::filesystem::temp_directory_path() /
            ("tap-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "baseq3");
}

GameDir::~GameDir() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

std::string GameDir::data(const std::string& name) const {
    return (root_ / data::kDataFolderName / name).string();
}

void GameDir::write(const std::string& relative, const std::vector<std::string>& lines) const {
    writeRaw(relative, joined(lines));
}

void GameDir::writeRaw(const std::string& relative, const std::string& bytes) const {
    const auto p = root_ / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + p.string());
}

void GameDir::writeData(const std::string& name, const std::vector<std::string>& lines) const {
    write(inData(name), lines);
}

std::string GameDir::read(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string GameDir::readData(const std::string& name) const {
    return read(inData(name));
}

bool GameDir::exists(const std::string& relative) const {
    return std::filesystem::exists(root_ / relative);
}

void GameDir::makeFolder(const std::string& relative) const {
    std::filesystem::create_directories(root_ / relative);
}

void GameDir::makeExecutable(const std::string& relative) const {
    using std::filesystem::perms;
    std::filesystem::permissions(root_ / relative,
                                 perms::owner_read | perms::owner_write | perms::owner_exec);
}

std::string GameDir::joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines)
        s += l + "\r\n";
    return s;
}

} // namespace testsupport
