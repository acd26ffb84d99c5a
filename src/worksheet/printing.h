#pragma once
// Printing a worksheet from the editor: the system's print dialog, with its
// printers and "print to file" as PDF, and a tab of its own for the ruling
// and the title.

#include "worksheet/worksheet.h"

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace worksheet {

// The print dialog's tab for the worksheet: the ruling ("Lineatur") and the
// title ("Überschrift"); options() gives those two.
class OptionsTab : public QWidget {
    Q_OBJECT
public:
    explicit OptionsTab(const Options &options, QWidget *parent = nullptr);
    Options options() const;

private:
    QComboBox *m_lineatur = nullptr;
    QLineEdit *m_title = nullptr;
};

// Prints the worksheet of the folder's task list through the print dialog,
// which starts from `options` and leaves the choices in it for the next
// print. Printed to a file, the worksheet goes beside the list, or where the
// user keeps documents when that folder is read-only. A dialog cancelled is
// no failure; a list that cannot be read fails before any dialog.
Result printWithDialog(const QDir &folder, Options &options, QWidget *parent);

} // namespace worksheet
