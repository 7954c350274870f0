// The main window's side of the bot roster: reading bots.tvd into the roster
// window's list, and the text of the bot count label.
#include "common/BotFile.h"
#include "common/NumberText.h"
#include "content/q3bots.h"
#include "shell/Q2M.h"
#include "ui/Application.h"

namespace shell {

void Q2M::prod7() {
    // Touching the roster loads the roster window, hidden; its count label
    // is set at that load, before the selection is restored, so it is set
    // again here.
    auto& bots = app().get<content::q3bots>();
    common::restoreRoster(app().services().files, bots.List3);
    bots.nr.setCaption(common::plainNumber(bots.List3.selCount()));
}

std::string Q2M::botCountCaption(int selected) {
    return "Game with " + common::numberText(selected) + (selected == 1 ? " bot" : " bots");
}

} // namespace shell
