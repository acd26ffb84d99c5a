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
            "Revaze übt Lesen und Schreiben mit Bildern und Wörtern. Die Aufgaben stehen in der\n"
            "Datei REVAZE.INI im ORDNER (ohne Angabe: im aktuellen Ordner).\n"
            "  --help     diese Hilfe zeigen\n"
            "  --version  die Version zeigen\n");
        return result;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        result.action = CommandLine::PrintVersion;
        result.message = QStringLiteral("Revaze ") + version + QChar('\n');
        return result;
    }
    if (arguments == QStringList{QStringLiteral("--aus-dem-menue")}) {
        result.fromMenu = true;
        return result;
    }
    if (arguments.size() > 1 || (arguments.size() == 1 && arguments.first().startsWith(QChar('-')))) {
        result.action = CommandLine::Fail;
        result.message = QStringLiteral("revaze: unbekannte Angabe. Hilfe: revaze --help\n");
        return result;
    }
    if (arguments.size() == 1) {
        result.folder = arguments.first();
        if (!QFileInfo(result.folder).isDir()) {
            result.action = CommandLine::Fail;
            result.message = QStringLiteral("revaze: Ordner nicht gefunden: ") + result.folder + QChar('\n');
        }
    }
    return result;
}

} // namespace app
