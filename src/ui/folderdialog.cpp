#include "folderdialog.h"

#include <QFileDialog>

namespace ui {

namespace {
FolderHook &hook()
{
    static FolderHook h;
    return h;
}
} // namespace

void setFolderHook(FolderHook h)
{
    hook() = std::move(h);
}

QString chooseFolder(const QString &title, const QString &startFolder, QWidget *parent)
{
    if (hook())
        return hook()(startFolder);
    // Qt's own dialog, so that its texts follow the program's German
    // translation rather than the desktop's language.
    QFileDialog dialog(parent, title, startFolder);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Ordner:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Art:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Auswählen"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace ui
