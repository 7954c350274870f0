#pragma once
// List boxes (also the file and folder lists). The control owns the entries,
// the highlighted entry and, in a multi-selection list, the set of selected
// entries; the widget only shows them: the highlighted entry as the current
// row, each selected entry with a check mark. Clicks and the navigation keys
// go to the control; Qt's own selection handling is not used.

#include <string>
#include <vector>

#include <QListWidget>

#include "qt/controls/ControlView.h"
#include "ui/ListBox.h"

namespace qtview {

class ListView : public QListWidget, public ControlView {
  public:
    ListView(ui::ListBox& list, QWidget* parent);
    QWidget* widget() override { return this; }

  protected:
    void mirrorOwn(ui::Prop what) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void mirrorItems();
    void mirrorSelection();
    void mirrorHighlight();
    // The row that a navigation key moves the highlight to; -1 for none.
    int rowAfterKey(int key) const;

    ui::ListBox& list_;
    std::vector<std::string> shown_;
};

} // namespace qtview
