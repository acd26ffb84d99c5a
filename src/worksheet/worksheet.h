#pragma once
// Worksheets on paper from a task list: the task pages with each picture
// above empty school ruling, then the solution pages with the answers
// written on it. Pages are drawn one after another onto a printer or a PDF
// file, so the length of the list costs time but no memory.

#include "tasklist/taskfile.h"
#include "worksheet/worksheetlayout.h"

#include <QDir>
#include <QString>

class QPagedPaintDevice;

namespace worksheet {

struct Result {
    bool ok = false;
    QString message; // for the user, in German, when not ok
};

// Sets up the device for the worksheet's pages: A4 portrait, the whole sheet.
void preparePages(QPagedPaintDevice &device);

// Draws every page of the worksheet; the device is prepared already.
Result paint(QPagedPaintDevice &device, const tasklist::TaskList &tasks, const QDir &folder,
             const Options &options = Options());

// Reads the folder's task list (German message when it cannot be read or is empty).
Result readTasks(const QDir &folder, tasklist::TaskList *tasks);

// The worksheet of the folder's task list as a PDF file. The file appears
// only when it is complete: a failure leaves any old file as it was.
Result writePdf(const QString &pdfFile, const QDir &folder, const Options &options = Options());

} // namespace worksheet
