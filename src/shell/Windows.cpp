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

namespace {

template <class... W> struct WindowList {
    static void create(ui::Application& app) { (app.add<W>(), ...); }
    static void unload(ui::Application& app) { (app.get<W>().unload(), ...); }
};

// Every window of the program, in closing order: the about window first, the
// main window last. They are created in the same order.
using AllWindows = WindowList<copyright, Help, gfx, content::q2bot, mods::q2edit, content::q2map,
                              content::q2maplist, mods::q2mod, content::q3bots, startup, Q2M>;

} // namespace

ui::Window& createWindows(ui::Application& app) {
    AllWindows::create(app);
    return app.get<startup>();
}

void unloadEveryWindow(ui::Application& app) {
    // unload() passes over a window that is not loaded.
    AllWindows::unload(app);
}

} // namespace shell
