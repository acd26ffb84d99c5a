#include "filelist.h"

namespace ui {

FileList::FileList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QItemSelectionModel::SelectionFlags FileList::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    // A click beside the entries selects nothing, and so takes nothing away either.
    if (!index.isValid() && (command & QItemSelectionModel::Clear))
        return QItemSelectionModel::NoUpdate;
    return command;
}

} // namespace ui
