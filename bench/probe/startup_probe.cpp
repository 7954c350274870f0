// Runs one start-up for the start-up benchmark, in a process of its own as a
// user's start is: "program <game directory>" starts the launcher with its
// view there, "bare" shows a bare window of the main window's size, "text"
// the same window with one line of text. It writes
// "painted" to its output the moment the window has been painted the first
// time, then ends.
#include <cstdio>
#include <string>

#include "harness/ViewHarness.h"
#include "qt/EarlyStart.h"
#include "windows/MainWindow.h"

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    bool painted = false;
    if (mode == "bare" || mode == "text") {
        benchview::BareWindow window(9825, 6780, mode == "text" ? "Torvel Arvenix Pro" : nullptr);
        painted = window.showToFirstPaint();
    } else if (mode == "program" && argc > 2) {
        // As main() starts it: the work that needs no Qt begins first.
        qtview::EarlyStart early(argv[2]);
        benchview::ViewHarness program(argv[2], &early);
        painted = program.startToFirstPaint() &&
                  !program.get<windows::MainWindow>().mapList.state().items.empty();
    } else {
        std::fputs("usage: startup_probe bare | text | program <game directory>\n", stderr);
        return 2;
    }
    std::puts(painted ? "painted" : "not painted");
    std::fflush(stdout);
    return painted ? 0 : 1;
}
