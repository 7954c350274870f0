#include "windows/AllWindows.h"

#include "windows/AboutWindow.h"
#include "windows/ArtworkStore.h"
#include "windows/BotWindow.h"
#include "windows/HelpWindow.h"
#include "windows/MainWindow.h"
#include "windows/MapListsWindow.h"
#include "windows/MapWindow.h"
#include "windows/ModEditor.h"
#include "windows/ModWindow.h"
#include "windows/RosterWindow.h"
#include "windows/StartupWindow.h"

namespace windows {

namespace {

template <class... W> struct WindowList {
    static void create(ui::Application& app) { (app.add<W>(), ...); }
    static void unload(ui::Application& app) { (app.get<W>().unload(), ...); }
};

// Every window of the program, in closing order: the about window first, the
// main window last. They are created in the same order.
using AllWindows = WindowList<AboutWindow, HelpWindow, ArtworkStore, windows::BotWindow,
                              windows::ModEditor, windows::MapWindow, windows::MapListsWindow,
                              windows::ModWindow, windows::RosterWindow, StartupWindow, MainWindow>;

} // namespace

ui::Window& createWindows(ui::Application& app) {
    AllWindows::create(app);
    return app.get<StartupWindow>();
}

void unloadEveryWindow(ui::Application& app) {
    // unload() passes over a window that is not loaded.
    AllWindows::unload(app);
}

} // namespace windows
