#include "qt/controls/ListModel.h"

#include "qt/Text.h"

namespace qtview {

ListModel::ListModel(const ui::ListBox& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), rows_(static_cast<int>(list.state().items.size())) {}

QModelIndex ListModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || row >= rows_ || column != 0 || parent.isValid())
        return {};
    return createIndex(row, column);
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

const ui::ListItem* ListModel::entry(const QModelIndex& index) const {
    const auto& items = list_.state().items;
    if (!index.isValid() || index.row() < 0 || index.row() >= rows_ ||
        index.row() >= static_cast<int>(items.size()))
        return nullptr;
    return &items[static_cast<std::size_t>(index.row())];
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    const ui::ListItem* item = entry(index);
    if (item == nullptr)
        return {};
    if (role == Qt::DisplayRole)
        return toQ(item->text);
    if (role == Qt::CheckStateRole && list_.multiSelect())
        return static_cast<int>(item->selected ? Qt::Checked : Qt::Unchecked);
    return {};
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    if (entry(index) == nullptr)
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (list_.multiSelect())
        f |= Qt::ItemIsUserCheckable;
    return f;
}

void ListModel::entriesChanged() {
    beginResetModel();
    rows_ = static_cast<int>(list_.state().items.size());
    endResetModel();
}

void ListModel::marksChanged() {
    if (rows_ > 0 && list_.multiSelect())
        emit dataChanged(index(0), index(rows_ - 1), {Qt::CheckStateRole});
}

} // namespace qtview
