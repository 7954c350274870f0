#include "support/GuiSupport.h"

#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QPalette>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "ui/Window.h"

namespace guitest {

GameDir::GameDir() {
    QDir(dir_.path()).mkpath("baseq3");
}

std::string GameDir::path() const {
    return dir_.path().toStdString();
}

void GameDir::write(const QString& relative, const std::vector<std::string>& lines) const {
    QByteArray bytes;
    for (const auto& line : lines)
        bytes += QByteArray::fromStdString(line + "\r\n");
    writeBytes(relative, bytes);
}

void GameDir::writeBytes(const QString& relative, const QByteArray& bytes) const {
    const QString file = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + file.toStdString());
}

void GameDir::writeData(const QString& name, const std::vector<std::string>& lines) const {
    write("Tolvdata/" + name, lines);
}

QByteArray GameDir::read(const QString& relative) const {
    QFile in(dir_.filePath(relative));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

QByteArray GameDir::readData(const QString& name) const {
    return read("Tolvdata/" + name);
}

void GameDir::makeExecutable(const QString& relative) const {
    QFile(dir_.filePath(relative))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

Program::Program(const GameDir& game, bool recordProcesses) {
    qtview::ServiceOverrides overrides;
    overrides.messages = &messages;
    overrides.documents = &documents;
    if (recordProcesses)
        overrides.processes = &processes;
    launcher_ = std::make_unique<qtview::Launcher>(game.path(), overrides);
}

QWidget* Program::window(const std::string& windowName) const {
    const ui::Window* w = launcher_->app().find(windowName);
    return w == nullptr ? nullptr : launcher_->view().windowWidget(*w);
}

ui::Control& Program::core(const std::string& windowName, const std::string& controlName) const {
    const ui::Window* w = launcher_->app().find(windowName);
    ui::Control* c = w == nullptr ? nullptr : w->control(controlName);
    if (c == nullptr)
        throw std::logic_error("no control " + windowName + "." + controlName);
    return *c;
}

QWidget* Program::control(const std::string& windowName, const std::string& controlName) const {
    return launcher_->view().controlWidget(core(windowName, controlName));
}

namespace {

QPoint inWindow(QWidget* w, QPoint at) {
    if (at.isNull())
        at = w->rect().center();
    return w->mapTo(w->window(), at);
}

QWindow* handleOf(QWidget* w) {
    QWindow* handle = w->window()->windowHandle();
    if (handle == nullptr)
        throw std::logic_error("the widget's window is not on screen");
    return handle;
}

} // namespace

void moveMouse(QWidget* w, QPoint at) {
    QTest::mouseMove(handleOf(w), inWindow(w, at));
}

void click(QWidget* w, QPoint at) {
    QTest::mouseClick(handleOf(w), Qt::LeftButton, Qt::NoModifier, inWindow(w, at));
}

void saveScreenshots(qtview::View& view, const QString& test) {
    const QDir dir(TAP_SCREENSHOT_DIR);
    QDir().mkpath(dir.path());
    for (QWidget* w : view.visibleWindows())
        w->grab().save(dir.filePath(test + "_" + w->objectName() + ".png"));
}

QString shownTextColor(QWidget* w) {
    return w->palette().color(QPalette::Active, QPalette::WindowText).name();
}

} // namespace guitest
