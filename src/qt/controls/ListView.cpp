#include "qt/controls/ListView.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "qt/KeyCodes.h"
#include "qt/Look.h"
#include "qt/Text.h"
#include "qt/UserAction.h"
#include "qt/controls/Palette.h"

namespace qtview {

ListView::ListView(ui::ListBox& list, QWidget* parent)
    : QListWidget(parent), ControlView(list), list_(list) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideNone);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

void ListView::mirrorOwn(ui::Prop what) {
    const ui::ControlState& s = control().state();
    if (touches(what, ui::Prop::Colors)) {
        const QColor fore = toQColor(s.foreColor);
        const QColor back = toQColor(s.backColor);
        setColors(this, QPalette::Text, fore, QPalette::Base, back);
        QPalette pal = palette();
        pal.setColor(QPalette::Highlight, QColor(190, 40, 20));
        pal.setColor(QPalette::HighlightedText, Qt::white);
        setPalette(pal);
    }
    if (what == ui::Prop::All || what == ui::Prop::Items) {
        mirrorItems();
        mirrorSelection();
        mirrorHighlight();
    } else if (what == ui::Prop::Selection) {
        mirrorSelection();
    } else if (what == ui::Prop::ListIndex) {
        mirrorHighlight();
    }
}

void ListView::mirrorItems() {
    // Only the changed middle part is replaced: lists grow one entry at a
    // time during a detection, and rebuilding them whole would be slow.
    const auto& items = list_.state().items;
    const std::size_t oldCount = shown_.size();
    const std::size_t newCount = items.size();
    std::size_t head = 0;
    while (head < oldCount && head < newCount && shown_[head] == items[head].text)
        ++head;
    std::size_t tail = 0;
    while (tail < oldCount - head && tail < newCount - head &&
           shown_[oldCount - 1 - tail] == items[newCount - 1 - tail].text)
        ++tail;
    for (std::size_t i = oldCount - tail; i-- > head;)
        delete takeItem(static_cast<int>(i));
    for (std::size_t i = head; i < newCount - tail; ++i)
        insertItem(static_cast<int>(i), toQ(items[i].text));
    shown_.clear();
    shown_.reserve(newCount);
    for (const auto& item : items)
        shown_.push_back(item.text);
}

void ListView::mirrorSelection() {
    if (!list_.multiSelect())
        return;
    const auto& items = list_.state().items;
    for (int i = 0; i < count() && i < static_cast<int>(items.size()); ++i) {
        const Qt::CheckState want =
            items[static_cast<std::size_t>(i)].selected ? Qt::Checked : Qt::Unchecked;
        if (item(i)->data(Qt::CheckStateRole) != QVariant(static_cast<int>(want)))
            item(i)->setCheckState(want);
    }
}

void ListView::mirrorHighlight() {
    const int index = list_.state().listIndex;
    if (index >= 0 && index < count()) {
        setCurrentRow(index);
        scrollToItem(item(index));
    } else {
        setCurrentRow(-1);
        clearSelection();
    }
}

void ListView::mousePressEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(e->position().toPoint());
    if (!index.isValid())
        return;
    const int row = index.row();
    userAction([this, row] { list_.userClickItem(row); });
}

void ListView::mouseDoubleClickEvent(QMouseEvent* e) {
    // Qt has delivered the second press of the double click already, as a
    // click of its own (it toggles a multi-selection entry back).
    e->accept();
}

void ListView::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
    userAction([this] { list_.userMouseMove(); });
}

void ListView::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
}

int ListView::rowAfterKey(int key) const {
    const int n = count();
    if (n == 0)
        return -1;
    const int current = list_.state().listIndex;
    const int rowHeight = std::max(1, sizeHintForRow(0));
    const int page = std::max(1, viewport()->height() / rowHeight - 1);
    switch (key) {
    case Qt::Key_Up:
        return current < 0 ? 0 : std::max(0, current - 1);
    case Qt::Key_Down:
        return std::min(n - 1, current + 1);
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return n - 1;
    case Qt::Key_PageUp:
        return std::max(0, current - page);
    case Qt::Key_PageDown:
        return std::min(n - 1, std::max(0, current) + page);
    default:
        return current;
    }
}

void ListView::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        e->ignore();
        return;
    }
    e->accept();
    const int code = windowsKeyCode(*e);
    if (code != 0)
        userAction([this, code] { list_.userKeyDown(code); });
    if (key == Qt::Key_Space && list_.multiSelect()) {
        const int current = list_.state().listIndex;
        if (current >= 0)
            userAction([this, current] { list_.userClickItem(current); });
        return;
    }
    const int row = rowAfterKey(key);
    if (row != list_.state().listIndex && row >= 0)
        userAction([this, row] { list_.userHighlight(row); });
}

} // namespace qtview
