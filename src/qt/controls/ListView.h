#pragma once
// List boxes (also the file and folder lists). The control owns the entries,
// the highlighted entry and, in a multi-selection list, the set of selected
// entries; the widget only shows them, through a model that reads the
// control's entries: the highlighted entry as the current row, each selected
// entry with a check mark. Clicks and the navigation keys go to the control;
// Qt's own selection handling is not used.

#include <QListView>

#include "qt/controls/ControlView.h"
#include "qt/controls/ListModel.h"
#include "ui/ListBox.h"

namespace qtview {

class ListView : public QListView, public ControlView {
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
    void showEvent(QShowEvent* e) override;

  private:
    void mirrorHighlight();
    // The row that a navigation key moves the highlight to; -1 for none.
    int rowAfterKey(int key) const;

    ui::ListBox& list_;
    ListModel* model_;
    // The highlight changed while the list was hidden: it is scrolled into
    // view when the list is shown, so that a hidden list is not laid out
    // for a scroll nobody sees (a long list, each time its font or size is
    // set while the window is built).
    bool scrollOnShow_ = false;
};

} // namespace qtview
