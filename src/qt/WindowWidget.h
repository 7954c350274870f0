#pragma once
// The top-level widget of one window: fixed size, black, a close button but
// no minimise or maximise button. The title-bar close asks the window (whose
// unload step may cancel); the widget never closes by itself.

#include <QWidget>

#include "ui/Window.h"

namespace qtview {

class WindowWidget : public QWidget {
  public:
    explicit WindowWidget(ui::Window& window);
    ui::Window& window() const { return window_; }

    // Puts the widget in the middle of the screen's free area.
    void centreOnScreen();

  protected:
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

  private:
    ui::Window& window_;
};

} // namespace qtview
