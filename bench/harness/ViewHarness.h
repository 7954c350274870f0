#pragma once
// The program with its real Qt view, for the benchmarks whose cost lies
// partly on screen: one Qt application for the whole run (the offscreen
// platform unless QT_QPA_PLATFORM names another), the launcher on a game
// directory with recording services, so that no message box waits for a
// click, and waits for windows to be painted. A bare window of the same size
// gives the floor that start-up is measured against.

#include <memory>
#include <string>

#include <QWidget>

#include "qt/Launcher.h"
#include "support/Recording.h"
#include "ui/Window.h"

namespace benchview {

// Makes the run's Qt application on first call.
void ensureQtApplication();

class ViewHarness : public testsupport::RecordingServices {
  public:
    // With `early`, as main() starts the program (see EarlyStart).
    explicit ViewHarness(const std::string& gameDirectory, qtview::EarlyStart* early = nullptr);
    ~ViewHarness();
    ViewHarness(const ViewHarness&) = delete;
    ViewHarness& operator=(const ViewHarness&) = delete;

    // Starts the program as at launch and returns once the main window has
    // been painted the first time, every control in it; false when that has
    // not happened within a minute.
    bool startToFirstPaint();
    // Starts the program as at launch and returns once this window (the
    // first-run window, say) has been painted the first time; false when
    // that has not happened within a minute.
    bool startToFirstPaintOf(const ui::Window& shown);
    // Lets the view finish what the last action left to do (delayed layouts,
    // pending updates), then paints every window on screen.
    void paintWindows();

    ui::Application& app() { return launcher_->app(); }
    template <class W> W& get() { return app().template get<W>(); }
    qtview::View& view() { return launcher_->view(); }
    // The window's widget; null while it is not on screen.
    QWidget* widget(const ui::Window& w) { return view().windowWidget(w); }

  private:
    std::unique_ptr<qtview::Launcher> launcher_;
};

// A plain black top-level widget of a window's client size; with a caption,
// it shows that one line of text in the launcher's font, so the font set-up
// that any window with text needs is part of its cost.
class BareWindow {
  public:
    BareWindow(int widthTwips, int heightTwips, const char* caption = nullptr);
    // Shows it and returns once it has been painted; false after a minute.
    bool showToFirstPaint();

  private:
    std::unique_ptr<QWidget> widget_;
};

} // namespace benchview
