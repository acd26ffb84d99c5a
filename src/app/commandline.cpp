#include "commandline.h"

#include <QFileInfo>

namespace app {

CommandLine parseCommandLine(const QStringList &arguments, const QString &version)
{
    CommandLine result;
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        result.action = CommandLine::PrintHelp;
        result.message = QStringLiteral(
            "Aufruf: revaze [ORDNER]\n"
            "        revaze --arbeitsblatt DATEI.pdf [ORDNER]\n"
            "        revaze --bild-importieren DATEI... [--ordner ORDNER]\n"
            "Revaze übt Lesen und Schreiben mit Bildern und Wörtern. Die Aufgaben stehen in der\n"
            "Datei REVAZE.INI im ORDNER (ohne Angabe: im aktuellen Ordner).\n"
            "  --arbeitsblatt DATEI.pdf  das Arbeitsblatt zur Aufgabenliste als PDF schreiben\n"
            "  --bild-importieren DATEI...  Bilder (PNG, JPEG, GIF, BMP, SVG, WMF) als Aufgabenbilder\n"
            "                             in den ORDNER übernehmen (ohne Angabe: den aktuellen)\n"
            "  --help     diese Hilfe zeigen\n"
            "  --version  die Version zeigen\n");
        return result;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        result.action = CommandLine::PrintVersion;
        result.message = QStringLiteral("Revaze ") + version + QChar('\n');
        return result;
    }
    const auto fail = [&result](const QString &message) {
        result.action = CommandLine::Fail;
        result.message = QStringLiteral("revaze: ") + message + QStringLiteral("\n");
        return result;
    };
    const auto folderArgument = [&](const QString &folder) {
        result.folder = folder;
        return QFileInfo(folder).isDir();
    };
    if (!arguments.isEmpty() && arguments.first() == QStringLiteral("--arbeitsblatt")) {
        if (arguments.size() < 2 || arguments.size() > 3 || arguments.at(1).isEmpty())
            return fail(QStringLiteral("Aufruf: revaze --arbeitsblatt DATEI.pdf [ORDNER]"));
        result.action = CommandLine::Worksheet;
        result.outputFile = arguments.at(1);
        // A folder without a readable list is the job's failure, not the command line's.
        result.folder = arguments.value(2);
        return result;
    }
    if (!arguments.isEmpty() && arguments.first() == QStringLiteral("--bild-importieren")) {
        const QString usage = QStringLiteral("Aufruf: revaze --bild-importieren DATEI... [--ordner ORDNER]");
        for (qsizetype i = 1; i < arguments.size(); ++i) {
            if (arguments.at(i) == QStringLiteral("--ordner")) {
                if (i + 1 >= arguments.size() || !result.folder.isEmpty())
                    return fail(usage);
                result.folder = arguments.at(++i);
            } else {
                result.pictures.append(arguments.at(i));
            }
        }
        if (result.pictures.isEmpty())
            return fail(usage);
        if (!result.folder.isEmpty() && !QFileInfo(result.folder).isDir())
            return fail(QStringLiteral("Ordner nicht gefunden: ") + result.folder);
        result.action = CommandLine::ImportPictures;
        return result;
    }
    if (arguments == QStringList{QStringLiteral("--aus-dem-menue")}) {
        result.fromMenu = true;
        return result;
    }
    if (arguments.size() > 1 || (arguments.size() == 1 && arguments.first().startsWith(QChar('-'))))
        return fail(QStringLiteral("unbekannte Angabe. Hilfe: revaze --help"));
    if (arguments.size() == 1 && !folderArgument(arguments.first()))
        return fail(QStringLiteral("Ordner nicht gefunden: ") + result.folder);
    return result;
}

} // namespace app
