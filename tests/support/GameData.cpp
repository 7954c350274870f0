#include "support/GameData.h"

namespace testsupport {

std::vector<std::string> someSettings() {
    return {"20", "15", "8", "5", "0", "0", "1", "0", "1", "my.cfg", "0", "1"};
}

std::vector<std::string> modRecord(const std::string& folder,
                                   const std::vector<std::string>& settings) {
    std::vector<std::string> r{
        folder, "Capturelimit", "+set capturelimit", "1", "Option 2", "+set two",
        "0",    "Option 3",     "+set three",        "0", "0",        "+set extra 1"};
    r.insert(r.end(), settings.begin(), settings.end());
    return r;
}

std::vector<std::string> modRecord(const std::string& folder, const std::string& frag,
                                   const std::string& time, const std::string& maxClients,
                                   bool bots) {
    return {folder,
            "Option 1",
            "",
            "0",
            "Option 2",
            "",
            "0",
            "Option 3",
            "",
            "0",
            "0",
            "",
            frag,
            time,
            maxClients,
            "0",
            "0",
            "0",
            bots ? "1" : "0",
            "0",
            "0",
            "config.cfg",
            "0",
            "0"};
}

std::vector<std::string> linesOf(const std::string& bytes) {
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

void writeUsedGame(const GameDir& game) {
    game.writeData("launch_stat.tvd", {"1"});
    game.writeData("maps.tvd", {"q3dm7/q3dm1/q3dm17/"});
    game.writeData("mods.tvd", {"baseq3/OSP Tourney/"});
    game.writeData("baseq3.tvd", modRecord("baseq3", "20", "15", "8", true));
    game.writeData("OSP Tourney.tvd", modRecord("osp", "0", "10", "2"));
    game.writeData("settings.tvd", {"1", "0", "My Server", "S"});
    game.writeData("bots.tvd", {"Anarki - 1 - blue - 25 /Sarge - 5 - red  - 0  /", "1/"});
    game.makeFolder("osp");
}

} // namespace testsupport
