#pragma once
// Main-window tests: a game directory with the data files a test writes
// first, and the main window opened on it as the program opens it.

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "GameFixture.h"
#include "shell/Q2M.h"

namespace testsupport {

// The twelve settings of a record: frag, time, max clients, option values
// 1 to 3, bots, dedicated, exec cfg, config file, close, pure.
inline std::vector<std::string> someSettings() {
    return {"20", "15", "8", "5", "0", "0", "1", "0", "1", "my.cfg", "0", "1"};
}

// A 24-line mod record for a game folder: option 1 shown, options 2 and 3
// hidden, extra command line off.
inline std::vector<std::string>
modRecord(const std::string& folder, const std::vector<std::string>& settings = someSettings()) {
    std::vector<std::string> r{
        folder, "Capturelimit", "+set capturelimit", "1", "Option 2", "+set two",
        "0",    "Option 3",     "+set three",        "0", "0",        "+set extra 1"};
    r.insert(r.end(), settings.begin(), settings.end());
    return r;
}

// Splits a file's bytes into its CR LF lines.
inline std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

struct MainWindowTest : ::testing::Test {
    GameDir dir;
    std::unique_ptr<Launcher> launcher;

    // Writes maps.tvd and mods.tvd (one SlashList line each) and a record
    // for every mod, with the mod's name in lower case as its folder.
    void catalogues(const std::string& maps, const std::vector<std::string>& mods) {
        dir.writeData("maps.tvd", {maps});
        std::string line;
        for (const auto& mod : mods) {
            line += mod + "/";
            dir.writeData(mod + ".tvd", modRecord(folderOf(mod)));
        }
        dir.writeData("mods.tvd", {line});
    }
    static std::string folderOf(const std::string& mod) {
        std::string f;
        for (const char c : mod)
            f.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
        return f;
    }
    void settings(const std::vector<std::string>& lines) { dir.writeData("settings.tvd", lines); }

    // A fresh program on the directory, with its main window shown.
    shell::Q2M& open() {
        launcher = std::make_unique<Launcher>(dir.path());
        auto& q = launcher->get<shell::Q2M>();
        q.show();
        return q;
    }
    std::vector<std::string> dataLines(const std::string& name) const {
        return linesOf(dir.readData(name));
    }
    const std::vector<std::string>& messages() const { return launcher->messages.shown; }
};

} // namespace testsupport
