#include "harness/ViewHarness.h"

#include <functional>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPalette>

#include "qt/Look.h"
#include "windows/MainWindow.h"

namespace benchview {

namespace {

constexpr qint64 kPaintTimeoutMs = 60000;

// Notes the first paint event of one widget, wherever Qt delivers it from.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(std::function<bool(const QObject*)> isTarget)
        : isTarget_(std::move(isTarget)) {
        qApp->installEventFilter(this);
    }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    // Runs events until the widget has been painted. The children of a
    // window are painted in the same pass as the window itself, so once the
    // event that painted it has been handled, the whole window is on screen.
    bool waitForPaint() {
        QElapsedTimer clock;
        clock.start();
        while (!painted_ && clock.elapsed() < kPaintTimeoutMs)
            QCoreApplication::processEvents();
        return painted_;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && !painted_ && isTarget_(watched))
            painted_ = true;
        return false;
    }

  private:
    std::function<bool(const QObject*)> isTarget_;
    bool painted_ = false;
};

} // namespace

void ensureQtApplication() {
    if (QApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt wants a private runtime folder; the start-up probes inherit it.
        const QString runtime =
            QDir::temp().filePath(QString("tap_bench_runtime_%1").arg(::getuid()));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    static int argc = 1;
    static char name[] = "tap_bench";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends: destroying it after main() would run into
    // Qt's own statics being torn down.
    new QApplication(argc, argv);
}

ViewHarness::ViewHarness(const std::string& gameDirectory, qtview::EarlyStart* early) {
    ensureQtApplication();
    qtview::ServiceOverrides overrides;
    overrides.messages = &messages;
    overrides.processes = &processes;
    overrides.documents = &documents;
    launcher_ = std::make_unique<qtview::Launcher>(gameDirectory, overrides, early);
}

ViewHarness::~ViewHarness() {
    launcher_.reset();
    // Widgets of unloaded windows are deleted later: let that happen now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool ViewHarness::startToFirstPaint() {
    return startToFirstPaintOf(get<windows::MainWindow>());
}

bool ViewHarness::startToFirstPaintOf(const ui::Window& shown) {
    PaintWatch watch([this, &shown](const QObject* o) { return o == widget(shown); });
    launcher_->start();
    return watch.waitForPaint();
}

void ViewHarness::paintWindows() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    for (QWidget* w : view().visibleWindows())
        w->repaint();
}

BareWindow::BareWindow(int widthTwips, int heightTwips, const char* caption) {
    ensureQtApplication();
    widget_ = std::make_unique<QWidget>();
    widget_->setFixedSize(qtview::clientSize(widthTwips, heightTwips));
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    widget_->setPalette(pal);
    widget_->setAutoFillBackground(true);
    if (caption != nullptr) {
        auto* label = new QLabel(caption, widget_.get());
        label->setFont(qtview::toQFont(ui::Font{}));
        label->move(8, 8);
    }
}

bool BareWindow::showToFirstPaint() {
    PaintWatch watch([this](const QObject* o) { return o == widget_.get(); });
    widget_->show();
    return watch.waitForPaint();
}

} // namespace benchview
