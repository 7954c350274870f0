#include "shell/Windows.h"

#include "content/q2bot.h"
#include "content/q2map.h"
#include "content/q2maplist.h"
#include "content/q3bots.h"
#include "mods/q2edit.h"
#include "mods/q2mod.h"
#include "shell/Help.h"
#include "shell/Q2M.h"
#include "shell/copyright.h"
#include "shell/gfx.h"
#include "shell/startup.h"

namespace shell {

ui::Window& createWindows(ui::Application& app) {
    auto& first = app.add<startup>();
    app.add<Q2M>();
    app.add<content::q3bots>();
    app.add<copyright>();
    app.add<Help>();
    app.add<gfx>();
    app.add<content::q2map>();
    app.add<content::q2maplist>();
    app.add<content::q2bot>();
    app.add<mods::q2mod>();
    app.add<mods::q2edit>();
    return first;
}

void unloadEveryWindow(ui::Application& app) {
    static const char* const order[] = {"copyright", "Help",    "gfx",       "q2bot",
                                        "q2edit",    "q2map",   "q2maplist", "q2mod",
                                        "q3bots",    "startup", "Q2M"};
    for (const char* name : order) {
        if (ui::Window* w = app.find(name))
            w->unload();
    }
}

} // namespace shell
