#include "support/GameData.h"

#include <QDir>

namespace guitest {

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

void writeUsedGame(const GameDir& game) {
    game.writeData("launch_stat.tvd", {"1"});
    game.writeData("maps.tvd", {"q3dm7/q3dm1/q3dm17/"});
    game.writeData("mods.tvd", {"baseq3/OSP Tourney/"});
    game.writeData("baseq3.tvd", modRecord("baseq3", "20", "15", "8", true));
    game.writeData("OSP Tourney.tvd", modRecord("osp", "0", "10", "2"));
    game.writeData("settings.tvd", {"1", "0", "My Server", "S"});
    game.writeData("bots.tvd", {"Anarki - 1 - blue - 25 /Sarge - 5 - red  - 0  /", "1/"});
    QDir(QString::fromStdString(game.path())).mkpath("osp");
}

} // namespace guitest
