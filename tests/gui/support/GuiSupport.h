#pragma once
// Helpers of the GUI tests: a temporary game directory, the program running
// on it with recording services, pointer input through the real window
// (so that Qt finds the widget under the pointer, as for a user), and the
// screenshots every test leaves under the build folder.

#include <memory>
#include <string>
#include <vector>

#include <QPoint>
#include <QString>
#include <QTemporaryDir>

#include "platform/Fakes.h"
#include "qt/Launcher.h"
#include "ui/Control.h"

class QWidget;

namespace guitest {

class GameDir {
  public:
    GameDir();
    std::string path() const;
    // Writes a file under the game directory, each line ended by CR LF.
    void write(const QString& relative, const std::vector<std::string>& lines) const;
    void writeData(const QString& name, const std::vector<std::string>& lines) const;
    // Writes the bytes as they are (scripts need plain line ends).
    void writeBytes(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    QByteArray readData(const QString& name) const;
    void makeExecutable(const QString& relative) const;

  private:
    QTemporaryDir dir_;
};

// The program on a game directory, with the message box and the document
// opener recording instead of opening anything; the process start is the
// real one unless a recording one is asked for.
class Program {
  public:
    explicit Program(const GameDir& game, bool recordProcesses = true);
    void start() { launcher_->start(); }

    qtview::Launcher& launcher() { return *launcher_; }
    ui::Application& app() { return launcher_->app(); }
    // The widget of a window, or of one of its controls; null when it has
    // none on screen.
    QWidget* window(const std::string& windowName) const;
    QWidget* control(const std::string& windowName, const std::string& controlName) const;
    ui::Control& core(const std::string& windowName, const std::string& controlName) const;

    platform::RecordingMessageBox messages;
    platform::RecordingProcessStarter processes;
    platform::RecordingDocumentOpener documents;

  private:
    std::unique_ptr<qtview::Launcher> launcher_;
};

// Pointer input at a point of a widget (its centre by default), sent to the
// window that holds it.
void moveMouse(QWidget* w, QPoint at = {});
void click(QWidget* w, QPoint at = {});

// Saves every window on screen as <build>/screenshots/<test>_<window>.png.
void saveScreenshots(qtview::View& view, const QString& test);

// Text of the label or picture widget's fore colour as shown.
QString shownTextColor(QWidget* w);

} // namespace guitest
