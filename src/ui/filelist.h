#pragma once
// The file list box: one entry stays selected as long as the list has
// entries. Ctrl+click and Ctrl+Space, which would take the selection away,
// leave it where it is. Files dropped on it from a file manager and the
// paste key are handed on.

#include <QListWidget>

namespace ui {

class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

signals:
    void filesDropped(const QStringList &paths);
    void pasteRequested();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace ui
