#pragma once
// Main-window tests: a game directory with the data files a test writes
// first, and the main window opened on it as the program opens it.

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/GameData.h"
#include "support/GameDir.h"
#include "support/Launcher.h"
#include "windows/MainWindow.h"

namespace testsupport {

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
    windows::MainWindow& open() {
        launcher = std::make_unique<Launcher>(dir.path());
        auto& q = launcher->get<windows::MainWindow>();
        q.show();
        return q;
    }
    std::vector<std::string> dataLines(const std::string& name) const {
        return linesOf(dir.readData(name));
    }
    const std::vector<std::string>& messages() const { return launcher->messages.shown; }
};

} // namespace testsupport
