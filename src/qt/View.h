#pragma once
// The renderer: shows every window of the core as a real window. It knows
// no window by name. A window's widget is built when the window is shown,
// brought to the front when it is shown again, hidden when it hides and
// destroyed when it unloads; every control gets a widget of its kind,
// parented to its container, stacked in declaration order. Property changes
// are mirrored as they are announced, and the widgets pass the user's input
// to the controls' entry points.

#include <functional>
#include <unordered_map>
#include <vector>

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include "ui/Application.h"
#include "ui/Observer.h"

class QWidget;

namespace qtview {

class ControlView;
class WindowWidget;

class View : public QObject, public ui::Observer {
  public:
    explicit View(ui::Application& app);
    ~View() override;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    void windowChanged(ui::Window& w, ui::WindowEvent e) override;
    void controlChanged(ui::Control& c, ui::Prop what) override;
    void applicationEnded() override;

    // The widgets on screen; null while the window has none.
    QWidget* windowWidget(const ui::Window& w) const;
    QWidget* controlWidget(const ui::Control& c) const;
    // Top-level widgets of the windows that are on screen now.
    std::vector<QWidget*> visibleWindows() const;
    // Called when the last window has gone.
    void setEndedHandler(std::function<void()> handler) { ended_ = std::move(handler); }

  private:
    WindowWidget* build(ui::Window& w);
    void destroy(ui::Window& w);
    static void bringForward(QWidget& top);
    void focusChanged(QWidget* now);
    void takeFocus(QWidget* now);
    void paintProgress(const ui::Control& c, ui::Prop what);

    ui::Application& app_;
    std::unordered_map<const ui::Window*, WindowWidget*> windows_;
    std::unordered_map<const ui::Control*, ControlView*> controls_;
    std::unordered_map<const QWidget*, ui::Control*> byWidget_;
    std::vector<QPointer<QWidget>> dying_;
    std::function<void()> ended_;
    // Depth of the core's announcements being handled: focus changes that Qt
    // reports meanwhile reach the core afterwards, not in the middle of them.
    int announcing_ = 0;
    // When a window was last painted in the middle of the user action that
    // runs now; invalid between actions.
    QElapsedTimer lastProgressPaint_;
};

} // namespace qtview
