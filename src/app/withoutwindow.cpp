#include "withoutwindow.h"

#include "pictureimport/pictureimport.h"
#include "ui/message.h"
#include "worksheet/worksheet.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <unistd.h>

namespace app {

namespace {

void printError(const QString &message)
{
    std::fputs(("revaze: " + message + QChar('\n')).toLocal8Bit().constData(), stderr);
}

// A question on the terminal; without one, the answer is Nein.
ui::Answer askOnTerminal(const ui::Message &message)
{
    if (!isatty(STDIN_FILENO))
        return ui::Answer::No;
    QString text = message.text.trimmed();
    text.replace(QChar('\r'), QChar('\n'));
    std::fputs((text + QStringLiteral(" [j/N] ")).toLocal8Bit().constData(), stderr);
    char line[16] = {};
    if (!std::fgets(line, sizeof line, stdin))
        return ui::Answer::No;
    return (line[0] == 'j' || line[0] == 'J') ? ui::Answer::Yes : ui::Answer::No;
}

} // namespace

int runWithoutWindow(const CommandLine &command, int &argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication gui(argc, argv);
    const QDir folder(command.folder.isEmpty() ? QDir::currentPath() : command.folder);
    if (command.action == CommandLine::Worksheet) {
        const worksheet::Result written =
            worksheet::writePdf(command.outputFile, folder, {command.lineatur, command.title, command.syllables});
        if (!written.ok)
            printError(written.message);
        return written.ok ? 0 : 1;
    }
    pictureimport::Importer importer(folder, askOnTerminal);
    int status = 0;
    for (const QString &picture : command.pictures) {
        const pictureimport::Result result = importer.importFile(picture);
        if (result.ok())
            std::printf("%s\n", qPrintable(folder.filePath(result.fileName)));
        else
            printError(result.message);
        if (result.status == pictureimport::Result::Failed)
            status = 1;
    }
    return status;
}

} // namespace app
