#pragma once
// The entries of a list box as Qt's views read them: one row per entry, read
// from the control's state when a row is drawn, so a long list costs nothing
// until it is seen. A multi-selection list gives each row a check mark that
// shows whether the entry is selected. The list view tells the model when the
// control's entries or marks have changed.

#include <QAbstractListModel>

#include "ui/ListBox.h"

namespace qtview {

class ListModel : public QAbstractListModel {
  public:
    ListModel(const ui::ListBox& list, QObject* parent);

    // Qt asks for the index of every row when it lays out a list: made here
    // without the general checks that ask for the row and column counts.
    QModelIndex index(int row, int column = 0,
                      const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The entries changed: every row is read again.
    void entriesChanged();
    // The selected entries changed: the check marks are read again.
    void marksChanged();

  private:
    const ui::ListItem* entry(const QModelIndex& index) const;

    const ui::ListBox& list_;
    // The number of rows as last announced to the views.
    int rows_ = 0;
};

} // namespace qtview
