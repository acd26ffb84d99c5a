#pragma once
// The program's command line: an optional task folder, --help, --version,
// and the jobs done without a window (--arbeitsblatt, --bild-importieren).
// Exit statuses: 0 done, 1 failed, 2 wrong command line.

#include <QString>
#include <QStringList>

namespace app {

struct CommandLine {
    enum Action { Run, PrintHelp, PrintVersion, Fail, Worksheet, ImportPictures } action = Run;
    QString folder;   // empty: the current directory
    QString outputFile;  // Worksheet: the PDF file to write
    int lineatur = 1;    // Worksheet: the ruling of the first or the second school year
    QString title;       // Worksheet: the heading of the task pages, if any
    bool syllables = false;  // Worksheet: arcs under the syllables of the solutions
    QStringList pictures;  // ImportPictures: the files to import
    bool fromMenu = false;  // started by the desktop entry
    QString message;  // what to print for PrintHelp, PrintVersion and Fail
};

// `arguments` without the program name.
CommandLine parseCommandLine(const QStringList &arguments, const QString &version);

} // namespace app
