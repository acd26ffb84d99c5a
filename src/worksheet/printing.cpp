#include "printing.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace worksheet {

OptionsTab::OptionsTab(const Options &options, QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Arbeitsblatt"));
    m_lineatur = new QComboBox(this);
    m_lineatur->setObjectName(QStringLiteral("Lineatur"));
    m_lineatur->addItem(QStringLiteral("Lineatur 1: 1. Klasse (5 mm)"), 1);
    m_lineatur->addItem(QStringLiteral("Lineatur 2: 2. Klasse (4 mm)"), 2);
    m_lineatur->setCurrentIndex(std::max(0, m_lineatur->findData(options.lineatur)));
    m_title = new QLineEdit(options.title, this);
    m_title->setObjectName(QStringLiteral("Ueberschrift"));
    m_title->setPlaceholderText(QStringLiteral("zum Beispiel: Tiere im Wald"));
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Lineatur:"), m_lineatur);
    form->addRow(QStringLiteral("Ü&berschrift:"), m_title);
}

Options OptionsTab::options() const
{
    return {m_lineatur->currentData().toInt(), m_title->text()};
}

Result printWithDialog(const QDir &folder, Options &options, QWidget *parent)
{
    tasklist::TaskList tasks;
    if (Result read = readTasks(folder, &tasks); !read.ok)
        return read;
    QPrinter printer(QPrinter::HighResolution);
    preparePages(printer);
    printer.setDocName(QStringLiteral("Arbeitsblatt"));
    const QString pdfFolder = QFileInfo(folder.path()).isWritable()
                                  ? folder.path()
                                  : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    printer.setOutputFileName(QDir(pdfFolder).filePath(QStringLiteral("Arbeitsblatt.pdf")));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("Druckdialog"));
    auto *tab = new OptionsTab(options, &dialog);
    dialog.setOptionTabs({tab});
    if (dialog.exec() != QDialog::Accepted)
        return {true, QString()};
    // The tab's own choices; the arcs follow the trainer's "Silben".
    const Options chosen = tab->options();
    options.lineatur = chosen.lineatur;
    options.title = chosen.title;
    const Result printed = paint(printer, tasks, folder, options);
    if (!printed.ok && printer.outputFormat() == QPrinter::PdfFormat)
        return {false, QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden.").arg(printer.outputFileName())};
    return printed;
}

} // namespace worksheet
