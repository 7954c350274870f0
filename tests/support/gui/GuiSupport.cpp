#include "support/gui/GuiSupport.h"

#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPalette>
#include <QTest>
#include <QTextLayout>
#include <QWidget>
#include <QWindow>

#include "ui/Window.h"

namespace guitest {

Program::Program(const GameDir& game, bool recordProcesses) {
    qtview::ServiceOverrides overrides;
    overrides.messages = &messages;
    overrides.documents = &documents;
    if (recordProcesses)
        overrides.processes = &processes;
    launcher_ = std::make_unique<qtview::Launcher>(game.path(), overrides);
}

bool Program::startOnMainWindow() {
    start();
    return QTest::qWaitForWindowExposed(window<windows::MainWindow>());
}

QStringList texts(QWidget* list) {
    QStringList all;
    auto* l = qobject_cast<QListView*>(list);
    for (int i = 0; l != nullptr && i < l->model()->rowCount(); ++i)
        all << l->model()->index(i, 0).data().toString();
    return all;
}

namespace {

QListView& listView(QWidget* list) {
    auto* l = qobject_cast<QListView*>(list);
    if (l == nullptr)
        throw std::logic_error("the widget is no list");
    return *l;
}

} // namespace

int currentRow(QWidget* list) {
    const QModelIndex current = listView(list).currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool anyRowSelected(QWidget* list) {
    return listView(list).selectionModel()->hasSelection();
}

Qt::CheckState checkState(QWidget* list, int row) {
    const QListView& l = listView(list);
    return static_cast<Qt::CheckState>(l.model()->index(row, 0).data(Qt::CheckStateRole).toInt());
}

QPoint rowCentre(QWidget* list, int row) {
    const QListView& l = listView(list);
    return l.visualRect(l.model()->index(row, 0)).center();
}

void clickRow(QWidget* list, int row) {
    click(listView(list).viewport(), rowCentre(list, row));
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

int linesHolding(QWidget* w, const QString& part) {
    auto* label = qobject_cast<QLabel*>(w);
    if (label == nullptr)
        return 0;
    const QString text = label->text();
    const int from = static_cast<int>(text.indexOf(part));
    if (from < 0)
        return 0;
    const int to = from + static_cast<int>(part.size());
    QTextLayout layout(text, label->font());
    QTextOption option(label->alignment());
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        if (line.textStart() < to && line.textStart() + line.textLength() > from)
            ++lines;
    }
    layout.endLayout();
    return lines;
}

} // namespace guitest
