#include "qt/Launcher.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "qt/Look.h"
#include "windows/AllWindows.h"
#include "windows/MainWindow.h"

// The pictures and documents are compiled into a static library; naming
// their initialisers here links them in.
static void initResources() {
    Q_INIT_RESOURCE(art);
    Q_INIT_RESOURCE(docs);
}

namespace qtview {

namespace {

template <class T> T& either(T* chosen, T& fallback) {
    return chosen != nullptr ? *chosen : fallback;
}

void quitWhenNoMessageIsOpen() {
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(100, qApp, quitWhenNoMessageIsOpen);
        return;
    }
    QCoreApplication::exit(0);
}

ui::Application& initialised(ui::Application& app) {
    initResources();
    QApplication::setWindowIcon(QIcon(picturePath("icon")));
    return app;
}

} // namespace

Launcher::Launcher(const std::string& workingDirectory, ServiceOverrides overrides,
                   EarlyStart* early)
    : files_(workingDirectory),
      app_(platform::Services{either<platform::MessageBox>(overrides.messages, qtMessages_),
                              either<platform::ProcessStarter>(overrides.processes, qtProcesses_),
                              either<platform::DocumentOpener>(overrides.documents, qtDocuments_),
                              files_}),
      view_(initialised(app_)), startup_(&windows::createWindows(app_)) {
    if (early != nullptr)
        app_.get<windows::MainWindow>().takeReadAheadCatalogue(early->takeCatalogue());
}

void Launcher::start() {
    app_.start(*startup_);
}

void Launcher::quitWhenEnded() {
    // Not at once: the last window may close inside an event that goes on
    // to show a message.
    view_.setEndedHandler([] { QTimer::singleShot(0, qApp, quitWhenNoMessageIsOpen); });
}

} // namespace qtview
