#include "qt/controls/ListView.h"

#include <algorithm>

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionViewItem>

#include "qt/KeyCodes.h"
#include "qt/Look.h"
#include "qt/UserAction.h"
#include "qt/controls/Palette.h"

namespace qtview {

ListView::ListView(ui::ListBox& list, QWidget* parent)
    : QListView(parent), ControlView(list), list_(list), model_(new ListModel(list, this)) {
    setModel(model_);
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
        const int from = scrollValue();
        model_->entriesChanged();
        if (!s.passedHighlights.empty())
            followHighlights(s.passedHighlights, from);
        mirrorHighlight();
    } else if (what == ui::Prop::Selection) {
        model_->marksChanged();
    } else if (what == ui::Prop::ListIndex) {
        mirrorHighlight();
    }
}

void ListView::mirrorHighlight() {
    const int index = list_.state().listIndex;
    const int count = model_->rowCount();
    if (index >= 0 && index < count) {
        const QModelIndex current = model_->index(index);
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
        if (isVisible())
            scrollTo(current);
        else
            keepScrollValue(rows().bringIntoView(scrollValue(), index, count));
    } else {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
        clearSelection();
    }
}

void ListView::followHighlights(const std::vector<ui::PassedHighlight>& passed, int from) {
    const Rows now = rows();
    int value = from;
    for (const ui::PassedHighlight& h : passed)
        value = now.bringIntoView(value, h.index, h.count);
    keepScrollValue(value);
}

int ListView::Rows::maximum(int count) const {
    if (!perItem)
        return std::max(0, count * step - viewport);
    return std::max(0, count - (step > 0 ? viewport / step : 0));
}

int ListView::Rows::bringIntoView(int value, int row, int count) const {
    value = std::clamp(value, 0, maximum(count));
    if (perItem) {
        const int shown = step > 0 ? viewport / step : 0;
        if (row >= value && row < value + shown)
            return value;
        value = row < value ? row : row - std::max(shown, 1) + 1;
    } else {
        const int top = row * step - value;
        if (top >= 0 && top + step <= viewport)
            return value;
        value = top < 0 ? row * step : row * step + std::min(0, step - viewport);
    }
    return std::clamp(value, 0, maximum(count));
}

ListView::Rows ListView::rows() const {
    Rows r;
    r.viewport = viewport()->height();
    r.perItem = verticalScrollMode() == QAbstractItemView::ScrollPerItem;
    // Rows of one height: the view takes the last row's.
    const int count = model_->rowCount();
    if (count > 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        r.step = itemDelegate()->sizeHint(option, model_->index(count - 1)).height() + spacing();
    }
    return r;
}

int ListView::scrollValue() const {
    return hiddenValue_ ? *hiddenValue_ : verticalScrollBar()->value();
}

void ListView::keepScrollValue(int value) {
    if (!isVisible()) {
        hiddenValue_ = value;
        return;
    }
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(value);
}

bool ListView::event(QEvent* e) {
    if (e->type() == QEvent::Show && hiddenValue_) {
        executeDelayedItemsLayout();
        verticalScrollBar()->setValue(*hiddenValue_);
        hiddenValue_.reset();
    }
    return QListView::event(e);
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
    const int n = model_->rowCount();
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
