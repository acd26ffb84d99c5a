// Revaze: a picture, a word to find, and three ways to practise it.
#include "app/commandline.h"
#include "app/desktopstart.h"
#include "app/settings.h"
#include "app/withoutwindow.h"
#include "trainer/form1.h"
#include "ui/application.h"

#include <QDir>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Read before any window exists, so --help works without a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const app::CommandLine command = app::parseCommandLine(arguments, QStringLiteral(REVAZE_VERSION));
    if (command.action == app::CommandLine::Worksheet || command.action == app::CommandLine::ImportPictures)
        return app::runWithoutWindow(command, argc, argv);
    if (command.action != app::CommandLine::Run) {
        std::fputs(command.message.toLocal8Bit().constData(), command.action == app::CommandLine::Fail ? stderr : stdout);
        return command.action == app::CommandLine::Fail ? 2 : 0;
    }

    ui::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("revaze"));
    QApplication::setApplicationVersion(QStringLiteral(REVAZE_VERSION));
    app.installGermanTranslation();
    // The task folder: the one named, or the folder the program starts in;
    // from the desktop menu, the one chosen last.
    QString folder = command.folder.isEmpty() ? QDir::currentPath() : command.folder;
    if (command.fromMenu) {
        folder = app::findTaskFolderForDesktopStart(folder, app::samplesFolder(),
                                                    QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                                    app::rememberedTaskFolder());
        if (folder.isEmpty())
            return 0;
    }

    trainer::Form1 form;
    if (!form.Form_Load(QDir(folder)))
        return 0;
    form.show();
    return QApplication::exec();
}
