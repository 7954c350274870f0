#pragma once
// List boxes (also the file and folder lists). The control owns the entries,
// the highlighted entry and, in a multi-selection list, the set of selected
// entries; the widget only shows them, through a model that reads the
// control's entries: the highlighted entry as the current row, each selected
// entry with a check mark. Clicks and the navigation keys go to the control;
// Qt's own selection handling is not used.

#include <optional>
#include <vector>

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
    bool event(QEvent* e) override;

  private:
    // How the rows lie: the height of one row (every row has it), the
    // viewport's height, and whether the scroll bar counts rows or pixels.
    struct Rows {
        int step = 0;
        int viewport = 0;
        bool perItem = true;

        int maximum(int count) const;
        // The scroll bar's value once `row` of `count` rows is brought into
        // view from `value`, as QListView::scrollTo (EnsureVisible) does it
        // after laying the rows out.
        int bringIntoView(int value, int row, int count) const;
    };

    void mirrorHighlight();
    // The highlight went through these entries in turn as the entries
    // changed: the list ends where bringing each into view leaves it.
    void followHighlights(const std::vector<ui::PassedHighlight>& passed, int from);
    Rows rows() const;
    int scrollValue() const;
    // Scrolls to `value` now, or when the list is shown if it is hidden.
    void keepScrollValue(int value);
    // The row that a navigation key moves the highlight to; -1 for none.
    int rowAfterKey(int key) const;

    ui::ListBox& list_;
    ListModel* model_;
    // A hidden list is not laid out for a scroll nobody sees (a long list,
    // each time its font or size is set while the window is built): where
    // bringing its highlight into view took it is worked out from the rows
    // as they lie then, and the scroll bar is set when the list is shown.
    std::optional<int> hiddenValue_;
};

} // namespace qtview
