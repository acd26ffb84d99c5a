#pragma once
// The file list box: one entry stays selected as long as the list has
// entries. Ctrl+click and Ctrl+Space, which would take the selection away,
// leave it where it is.

#include <QListWidget>

namespace ui {

class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
};

} // namespace ui
