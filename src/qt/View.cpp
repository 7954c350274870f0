#include "qt/View.h"

#include <algorithm>

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include "qt/Text.h"
#include "qt/WindowWidget.h"
#include "qt/controls/ControlFactory.h"
#include "qt/controls/ControlView.h"
#include "ui/Control.h"

namespace qtview {

namespace {

// Progress painted during a long run: at most about sixty pictures a second.
// The pace is kept within one run only: the first change that a user action
// makes is painted at once, however soon after the last action's picture.
constexpr qint64 kProgressPaintMs = 16;

class Announcement {
  public:
    explicit Announcement(int& depth) : depth_(depth) { ++depth_; }
    ~Announcement() { --depth_; }
    Announcement(const Announcement&) = delete;
    Announcement& operator=(const Announcement&) = delete;

  private:
    int& depth_;
};

} // namespace

View::View(ui::Application& app) : app_(app) {
    // The core decides when the program ends (applicationEnded).
    QApplication::setQuitOnLastWindowClosed(false);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
    app_.setObserver(this);
}

View::~View() {
    app_.setObserver(nullptr);
    QObject::disconnect(qApp, nullptr, this, nullptr);
    for (auto& [window, widget] : windows_)
        delete widget;
    for (auto& widget : dying_)
        delete widget.data();
}

void View::windowChanged(ui::Window& w, ui::WindowEvent e) {
    const Announcement announcement(announcing_);
    const auto it = windows_.find(&w);
    WindowWidget* widget = it == windows_.end() ? nullptr : it->second;
    switch (e) {
    case ui::WindowEvent::Shown:
    case ui::WindowEvent::Raised:
        if (widget == nullptr)
            widget = build(w);
        bringForward(*widget);
        break;
    case ui::WindowEvent::Hidden:
        if (widget != nullptr)
            widget->hide();
        break;
    case ui::WindowEvent::Unloaded:
        destroy(w);
        break;
    case ui::WindowEvent::Caption:
        if (widget != nullptr)
            widget->setWindowTitle(toQ(w.currentCaption()));
        break;
    case ui::WindowEvent::Loaded:
        break;
    }
}

void View::controlChanged(ui::Control& c, ui::Prop what) {
    const Announcement announcement(announcing_);
    const auto it = controls_.find(&c);
    if (it == controls_.end())
        return;
    it->second->mirror(what);
    paintProgress(c, what);
}

// A detection runs inside its click without returning to the event loop, so
// nothing it changes would reach the screen before it ends. A label whose
// caption or width changes (a percentage, a progress fill) therefore has its
// window painted at once, and so has a panel that comes into sight (the
// first-run window's warning, shown before the long part begins). Only
// painting happens here: the user's input waits until the click has ended.
void View::paintProgress(const ui::Control& c, ui::Prop what) {
    const bool progress = c.kind() == ui::ControlKind::Label &&
                          (what == ui::Prop::Caption || what == ui::Prop::Geometry);
    const bool panel =
        c.kind() == ui::ControlKind::PictureBox && what == ui::Prop::Visible && c.state().visible;
    if (!progress && !panel)
        return;
    QWidget* top = windowWidget(c.window());
    if (top == nullptr || !top->isVisible())
        return;
    if (lastProgressPaint_.isValid() && lastProgressPaint_.elapsed() < kProgressPaintMs)
        return;
    top->repaint();
    if (!lastProgressPaint_.isValid()) {
        // Runs once the action has ended and the event loop has its turn.
        QMetaObject::invokeMethod(
            this, [this] { lastProgressPaint_.invalidate(); }, Qt::QueuedConnection);
    }
    lastProgressPaint_.restart();
}

// On screen, not minimised, above the other windows and active.
void View::bringForward(QWidget& top) {
    top.setWindowState(top.windowState() & ~Qt::WindowMinimized);
    top.show();
    if (QGuiApplication::platformName() != "offscreen")
        top.raise();
    top.activateWindow();
}

void View::applicationEnded() {
    if (ended_)
        ended_();
}

WindowWidget* View::build(ui::Window& w) {
    auto* top = new WindowWidget(w);
    for (ui::Control* c : w.controls()) {
        QWidget* parent = top;
        if (c->parent() != nullptr) {
            const auto p = controls_.find(c->parent());
            if (p != controls_.end())
                parent = p->second->widget();
        }
        ControlView* view = createControlView(*c, parent);
        if (view == nullptr)
            continue;
        QWidget* widget = view->widget();
        widget->setObjectName(toQ(c->name()));
        controls_[c] = view;
        byWidget_[widget] = c;
        view->mirror(ui::Prop::All);
    }
    // Mouse moves without a button reach only widgets that track the mouse,
    // the inner parts of lists and combo boxes included.
    for (QWidget* child : top->findChildren<QWidget*>())
        child->setMouseTracking(true);
    windows_[&w] = top;
    top->centreOnScreen();
    return top;
}

void View::destroy(ui::Window& w) {
    const auto it = windows_.find(&w);
    if (it == windows_.end())
        return;
    WindowWidget* top = it->second;
    windows_.erase(it);
    for (ui::Control* c : w.controls()) {
        const auto v = controls_.find(c);
        if (v == controls_.end())
            continue;
        byWidget_.erase(v->second->widget());
        controls_.erase(v);
    }
    top->hide();
    // The unload may run inside an event of this very widget.
    top->deleteLater();
    dying_.erase(std::remove_if(dying_.begin(), dying_.end(),
                                [](const QPointer<QWidget>& p) { return p.isNull(); }),
                 dying_.end());
    dying_.emplace_back(top);
}

void View::focusChanged(QWidget* now) {
    if (now == nullptr)
        return;
    if (announcing_ > 0) {
        QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(now)] {
            if (!target.isNull() && target->hasFocus())
                takeFocus(target.data());
        });
        return;
    }
    takeFocus(now);
}

void View::takeFocus(QWidget* now) {
    for (QWidget* w = now; w != nullptr; w = w->parentWidget()) {
        const auto it = byWidget_.find(w);
        if (it == byWidget_.end())
            continue;
        ui::Control* c = it->second;
        if (c->focusable())
            app_.userFocus(c);
        return;
    }
}

QWidget* View::windowWidget(const ui::Window& w) const {
    const auto it = windows_.find(&w);
    return it == windows_.end() ? nullptr : it->second;
}

QWidget* View::controlWidget(const ui::Control& c) const {
    const auto it = controls_.find(&c);
    return it == controls_.end() ? nullptr : it->second->widget();
}

std::vector<QWidget*> View::visibleWindows() const {
    std::vector<QWidget*> shown;
    for (const auto& window : app_.windows()) {
        QWidget* w = windowWidget(*window);
        if (w != nullptr && w->isVisible())
            shown.push_back(w);
    }
    return shown;
}

} // namespace qtview
