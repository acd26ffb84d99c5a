#include "commandline.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

namespace app {

namespace {

const QString kHelp = QStringLiteral(
    "Aufruf: revaze [ORDNER]\n"
    "        revaze --arbeitsblatt DATEI.pdf [ORDNER] [--lineatur 1|2] [--titel TEXT] [--silben]\n"
    "        revaze --bild-importieren DATEI... [--ordner ORDNER]\n"
    "Revaze übt Lesen und Schreiben mit Bildern und Wörtern. Die Aufgaben stehen in der\n"
    "Datei REVAZE.INI im ORDNER (ohne Angabe: im aktuellen Ordner).\n"
    "  --arbeitsblatt DATEI.pdf  das Arbeitsblatt zur Aufgabenliste als PDF schreiben\n"
    "    --lineatur 1|2           die Lineatur der 1. Klasse (5 mm, ohne Angabe) oder der 2. Klasse (4 mm)\n"
    "    --titel TEXT             eine Überschrift für die Aufgabenseiten\n"
    "    --silben                 auf den Lösungsseiten einen Silbenbogen unter jede Silbe\n"
    "  --bild-importieren DATEI...  Bilder (PNG, JPEG, GIF, BMP, SVG, WMF) als Aufgabenbilder\n"
    "                             in den ORDNER übernehmen (ohne Angabe: den aktuellen)\n"
    "                             (Dateinamen, die mit - beginnen, nach --)\n"
    "  --help     diese Hilfe zeigen\n"
    "  --version  die Version zeigen\n");

const QString kUnknown = QStringLiteral("unbekannte Angabe. Hilfe: revaze --help");
const QString kWorksheetUsage =
    QStringLiteral("Aufruf: revaze --arbeitsblatt DATEI.pdf [ORDNER] [--lineatur 1|2] [--titel TEXT] [--silben]");
const QString kImportUsage = QStringLiteral("Aufruf: revaze --bild-importieren DATEI... [--ordner ORDNER]");

CommandLine failed(const QString &message, const QString &folder = QString())
{
    CommandLine result;
    result.folder = folder;
    result.action = CommandLine::Fail;
    result.message = QStringLiteral("revaze: ") + message + QChar('\n');
    return result;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    // Options only in their long form, as written in the help; nothing after "--" is an option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption versionOption(QStringLiteral("version"));
    const QCommandLineOption worksheet(QStringLiteral("arbeitsblatt"), QString(), QStringLiteral("DATEI"));
    const QCommandLineOption lineatur(QStringLiteral("lineatur"), QString(), QStringLiteral("1|2"));
    const QCommandLineOption title(QStringLiteral("titel"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption bySyllables(QStringLiteral("silben"));
    const QCommandLineOption import(QStringLiteral("bild-importieren"));
    const QCommandLineOption folder(QStringLiteral("ordner"), QString(), QStringLiteral("ORDNER"));
    const QCommandLineOption fromMenu(QStringLiteral("aus-dem-menue"));
    parser.addOptions({help, versionOption, worksheet, lineatur, title, bySyllables, import, folder, fromMenu});

    // The program's name goes first, as the parser expects it.
    const bool parsed = parser.parse(QStringList{QStringLiteral("revaze")} + arguments);
    CommandLine result;
    // Asked for anywhere, even where an option's value would stand, as before the parser.
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        result.action = CommandLine::PrintHelp;
        result.message = kHelp;
        return result;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        result.action = CommandLine::PrintVersion;
        result.message = QStringLiteral("Revaze ") + version + QChar('\n');
        return result;
    }
    const QStringList positional = parser.positionalArguments();
    const bool worksheetOnly = parser.isSet(lineatur) || parser.isSet(title) || parser.isSet(bySyllables);

    // A job's option without its value still names the job, for its usage message.
    const auto named = [&arguments](const QString &option) {
        return std::any_of(arguments.cbegin(), arguments.cend(), [&option](const QString &argument) {
            return argument == option || argument.startsWith(option + QChar('='));
        });
    };
    if (parser.isSet(worksheet) || named(QStringLiteral("--arbeitsblatt"))) {
        if (!parsed || parser.values(worksheet).size() != 1 || parser.value(worksheet).isEmpty() || positional.size() > 1
            || parser.isSet(import) || parser.isSet(folder) || parser.isSet(fromMenu) || parser.values(lineatur).size() > 1
            || parser.values(title).size() > 1)
            return failed(kWorksheetUsage);
        result.action = CommandLine::Worksheet;
        result.outputFile = parser.value(worksheet);
        // A folder without a readable list is the job's failure, not the command line's.
        result.folder = positional.value(0);
        if (parser.isSet(lineatur)) {
            const QString year = parser.value(lineatur);
            if (year != QLatin1String("1") && year != QLatin1String("2"))
                return failed(QStringLiteral("--lineatur: 1 für die 1. Klasse oder 2 für die 2. Klasse"));
            result.lineatur = year.toInt();
        }
        result.title = parser.value(title);
        result.syllables = parser.isSet(bySyllables);
        return result;
    }
    if (parser.isSet(import)) {
        result.folder = parser.value(folder);
        if (!parsed || positional.isEmpty() || parser.values(folder).size() > 1 || worksheetOnly || parser.isSet(fromMenu))
            return failed(kImportUsage, result.folder);
        if (!result.folder.isEmpty() && !QFileInfo(result.folder).isDir())
            return failed(QStringLiteral("Ordner nicht gefunden: ") + result.folder, result.folder);
        result.action = CommandLine::ImportPictures;
        result.pictures = positional;
        return result;
    }
    if (!parsed || positional.size() > 1 || worksheetOnly || parser.isSet(folder)
        || (parser.isSet(fromMenu) && !positional.isEmpty()))
        return failed(kUnknown);
    result.fromMenu = parser.isSet(fromMenu);
    result.folder = positional.value(0);
    if (!result.folder.isEmpty() && !QFileInfo(result.folder).isDir())
        return failed(QStringLiteral("Ordner nicht gefunden: ") + result.folder, result.folder);
    return result;
}

} // namespace app
