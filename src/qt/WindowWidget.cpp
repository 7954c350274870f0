#include "qt/WindowWidget.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include "qt/Look.h"
#include "qt/Text.h"
#include "qt/UserAction.h"

namespace qtview {

namespace {

Qt::WindowFlags flagsFor(const ui::Window& w) {
    Qt::WindowFlags type = Qt::Window;
    if (!w.showInTaskbar())
        type = Qt::Tool; // kept out of the task bar where the desktop allows
    else if (w.borderStyle() == ui::BorderStyle::FixedDialog)
        type = Qt::Dialog;
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

} // namespace

WindowWidget::WindowWidget(ui::Window& window) : QWidget(nullptr), window_(window) {
    setWindowFlags(flagsFor(window));
    setObjectName(toQ(window.name()));
    setWindowTitle(toQ(window.currentCaption()));
    setFixedSize(clientSize(window.clientWidth(), window.clientHeight()));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    setMouseTracking(true);
}

void WindowWidget::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect free = screen->availableGeometry();
    move(free.center() - QPoint(width() / 2, height() / 2));
}

void WindowWidget::closeEvent(QCloseEvent* e) {
    e->ignore();
    userAction([this] { window_.userClose(); });
}

void WindowWidget::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
    userAction([this] { window_.userMouseMove(); });
}

} // namespace qtview
