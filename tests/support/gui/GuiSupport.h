#pragma once
// Helpers of the GUI tests: the program running on a temporary game directory
// with recording services, pointer input through the real window
// (so that Qt finds the widget under the pointer, as for a user), and the
// screenshots every test leaves under the build folder.

#include <memory>
#include <string>
#include <vector>

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>

#include "qt/Launcher.h"
#include "support/GameDir.h"
#include "support/Recording.h"
#include "ui/Control.h"
#include "windows/AboutWindow.h"
#include "windows/HelpWindow.h"
#include "windows/MainWindow.h"
#include "windows/RosterWindow.h"
#include "windows/StartupWindow.h"

class QWidget;

namespace guitest {

using testsupport::GameDir;

// The program on a game directory, with the message box and the document
// opener recording instead of opening anything; the process start is the
// real one unless a recording one is asked for.
class Program : public testsupport::RecordingServices {
  public:
    explicit Program(const GameDir& game, bool recordProcesses = true);
    void start() { launcher_->start(); }
    // Starts the program and waits until the main window is on screen;
    // false when it does not come.
    bool startOnMainWindow();

    qtview::Launcher& launcher() { return *launcher_; }
    ui::Application& app() { return launcher_->app(); }
    template <class W> W& get() { return app().get<W>(); }
    // The widget of a window, or of a control; null when it has none on
    // screen.
    template <class W> QWidget* window() { return launcher_->view().windowWidget(get<W>()); }
    QWidget* widget(const ui::Control& c) const { return launcher_->view().controlWidget(c); }

  private:
    std::unique_ptr<qtview::Launcher> launcher_;
};

// A file's bytes as Qt holds them.
inline QByteArray bytes(const std::string& s) {
    return QByteArray::fromStdString(s);
}

// The texts of a list widget's rows, top to bottom; none for another widget.
QStringList texts(QWidget* list);
// A list widget's current row (its highlighted entry), -1 for none; whether
// any row is shown selected; a row's check mark.
int currentRow(QWidget* list);
bool anyRowSelected(QWidget* list);
Qt::CheckState checkState(QWidget* list, int row);
// The centre of a row, in the coordinates of the list's viewport (which
// takes the clicks).
QPoint rowCentre(QWidget* list, int row);
// A click on a row through the window, as a user's.
void clickRow(QWidget* list, int row);

// Pointer input at a point of a widget (its centre by default), sent to the
// window that holds it.
void moveMouse(QWidget* w, QPoint at = {});
void click(QWidget* w, QPoint at = {});

// Saves every window on screen as <build>/screenshots/<test>_<window>.png.
void saveScreenshots(qtview::View& view, const QString& test);

// Text of the label or picture widget's fore colour as shown.
QString shownTextColor(QWidget* w);

// How many lines a word-wrapped label spreads a part of its text over, laid
// out as the label lays it out (its font, width and alignment); 0 when the
// text does not hold the part.
int linesHolding(QWidget* label, const QString& part);

} // namespace guitest
