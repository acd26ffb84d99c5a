// The command line: a task folder, --help, --version, the worksheet and
// the import of pictures.
#include "app/commandline.h"
#include "ui/picturefile.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "testcore.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

// The program with these arguments and no display of any kind.
Run runWithoutDisplay(const QStringList &arguments, const QString &workingFolder = {},
                      const QString &program = qEnvironmentVariable("REVAZE_BINARY"))
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workingFolder);
    testing::endsWithTest(process);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        testing::columns<QStringList, int, QString, bool>("arguments", "action", "folder", "fromMenu");
        QTest::newRow("nothing") << QStringList() << int(app::CommandLine::Run) << "" << false;
        QTest::newRow("folder") << QStringList{"/tmp"} << int(app::CommandLine::Run) << "/tmp" << false;
        QTest::newRow("help after a folder") << QStringList{"/tmp", "-h"} << int(app::CommandLine::PrintHelp) << "" << false;
        QTest::newRow("from the desktop menu") << QStringList{"--aus-dem-menue"} << int(app::CommandLine::Run) << "" << true;
        QTest::newRow("unknown option") << QStringList{"--bunt"} << int(app::CommandLine::Fail) << "" << false;
        QTest::newRow("two folders") << QStringList{"/tmp", "/"} << int(app::CommandLine::Fail) << "" << false;
        QTest::newRow("worksheet") << QStringList{"--arbeitsblatt", "a.pdf"} << int(app::CommandLine::Worksheet) << "" << false;
        QTest::newRow("worksheet of a folder") << QStringList{"--arbeitsblatt", "a.pdf", "/tmp"}
                                               << int(app::CommandLine::Worksheet) << "/tmp" << false;
        QTest::newRow("worksheet without a file") << QStringList{"--arbeitsblatt"} << int(app::CommandLine::Fail) << "" << false;
        QTest::newRow("worksheet, two folders") << QStringList{"--arbeitsblatt", "a.pdf", "/tmp", "/"}
                                                << int(app::CommandLine::Fail) << "" << false;
        const int import = app::CommandLine::ImportPictures;
        QTest::newRow("import") << QStringList{"--bild-importieren", "a.png", "b.jpg"} << import << "" << false;
        QTest::newRow("import, folder anywhere") << QStringList{"--bild-importieren", "a.png", "--ordner", "/tmp", "b.jpg"}
                                                 << import << "/tmp" << false;
        QTest::newRow("import, no file") << QStringList{"--bild-importieren", "--ordner", "/tmp"}
                                         << int(app::CommandLine::Fail) << "/tmp" << false;
        QTest::newRow("import, folder without a name") << QStringList{"--bild-importieren", "a.png", "--ordner"}
                                                       << int(app::CommandLine::Fail) << "" << false;
        QTest::newRow("import, missing folder") << QStringList{"--bild-importieren", "a.png", "--ordner", "/gibt/es/nicht"}
                                                << int(app::CommandLine::Fail) << "/gibt/es/nicht" << false;
    }

    void parse()
    {
        const auto [arguments, action, folder, fromMenu] = testing::fetch<QStringList, int, QString, bool>(
            "arguments", "action", "folder", "fromMenu");
        const app::CommandLine line = app::parseCommandLine(arguments, "1.2.3");
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.folder, folder);
        QCOMPARE(line.fromMenu, fromMenu);
        QCOMPARE(line.message.isEmpty(), action == app::CommandLine::Run || action == app::CommandLine::Worksheet
                                             || action == app::CommandLine::ImportPictures);
        QCOMPARE(line.outputFile, action == app::CommandLine::Worksheet ? QString("a.pdf") : QString());
        if (action == app::CommandLine::ImportPictures)
            QCOMPARE(line.pictures, (QStringList{"a.png", "b.jpg"}));
    }

    // Without any display, as from a script over ssh. "PDF" stands for a
    // file in an empty folder.
    void withoutDisplay_data()
    {
        testing::columns<QStringList, int, QString>("arguments", "status", "said");
        const QString samples = qEnvironmentVariable("REVAZE_SOURCE_DIR") + "/samples";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Aufruf: revaze [ORDNER]";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Revaze ";
        QTest::newRow("missing folder") << QStringList{"/gibt/es/nicht"} << 2 << "Ordner nicht gefunden";
        QTest::newRow("worksheet written") << QStringList{"--arbeitsblatt", "PDF", samples} << 0 << "";
        QTest::newRow("worksheet, no list") << QStringList{"--arbeitsblatt", "PDF", "/"} << 1 << "REVAZE.INI";
        QTest::newRow("worksheet, no such folder") << QStringList{"--arbeitsblatt", "PDF", "/gibt/es/nicht"} << 1
                                                   << "/gibt/es/nicht";
        QTest::newRow("worksheet, too many arguments") << QStringList{"--arbeitsblatt", "PDF", "/", "/"} << 2 << "Aufruf";
        QTest::newRow("worksheet into a pipe") << QStringList{"--arbeitsblatt", "/dev/stdout", samples} << 0 << "%PDF-";
        QTest::newRow("worksheet without its file") << QStringList{"--arbeitsblatt"} << 2 << "Aufruf: revaze --arbeitsblatt";
        QTest::newRow("worksheet, second year, a title, syllables")
            << QStringList{"--arbeitsblatt", "PDF", samples, "--lineatur", "2", "--titel", "Tiere im Wald", "--silben"} << 0 << "";
        QTest::newRow("syllables without a worksheet") << QStringList{"--silben"} << 2 << "unbekannte Angabe";
        QTest::newRow("worksheet, no third year") << QStringList{"--arbeitsblatt", "PDF", samples, "--lineatur", "3"} << 2
                                                  << "--lineatur";
    }
    void withoutDisplay()
    {
        auto [arguments, status, said] = testing::fetch<QStringList, int, QString>("arguments", "status", "said");
        QTemporaryDir out;
        const QString pdf = out.filePath("blatt.pdf");
        arguments.replaceInStrings(QRegularExpression("^PDF$"), pdf);
        const Run run = runWithoutDisplay(arguments);
        QCOMPARE(run.status, status);
        // What was asked for opens the standard output; a failure is told on the error output.
        QVERIFY2(said.isEmpty() || (status == 0 ? run.out.startsWith(said) : run.err.contains(said)), qPrintable(run.out + run.err));
        QFile written(pdf);
        QCOMPARE(written.open(QIODevice::ReadOnly) && written.read(5) == "%PDF-", status == 0 && arguments.contains(pdf));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), QFile::exists(pdf) ? 1 : 0);
    }

    void importWithoutDisplay()
    {
        QTemporaryDir dir;
        QImage photo(1200, 900, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        QVERIFY(photo.save(dir.filePath("Bär.png")));
        QFile text(dir.filePath("brief.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("Hallo") == 5);
        text.close();
        // Into the working folder, the default; one of the two fails.
        const Run run = runWithoutDisplay({"--bild-importieren", dir.filePath("Bär.png"), text.fileName()}, dir.path());
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.contains("BÄR.WMF"));
        QVERIFY(run.err.contains("brief.txt"));
        QVERIFY(!QFile::exists(dir.filePath("BRIEF.WMF")));
        // The photo's natural size fits the trainer's picture box.
        QString error;
        QCOMPARE(ui::Picture::load(dir.filePath("BÄR.WMF"), &error).size(), QSize(321, 240));
        // Again, from a script: the question whether to replace it is no question, and Nein.
        QVERIFY(runWithoutDisplay({"--bild-importieren", dir.filePath("Bär.png")}, dir.path()).err.contains("nicht ersetzt"));
    }

    // What the system refuses to store is told with the system's reason, and
    // what was there stays: a device stays a device, a folder gets no file.
    void refusedWritesSayWhy_data()
    {
        testing::columns<bool, QString>("worksheet", "reason");
        QTest::newRow("worksheet into a full device") << true << QString::fromLocal8Bit(std::strerror(ENOSPC));
        QTest::newRow("picture beyond the file size limit") << false << QString::fromLocal8Bit(std::strerror(EFBIG));
    }
    void refusedWritesSayWhy()
    {
        const auto [worksheet, reason] = testing::fetch<bool, QString>("worksheet", "reason");
        QTemporaryDir dir;
        Run run;
        if (worksheet) {
            // Root may replace /dev/full itself, so root writes into a device of its own.
            QString device = QStringLiteral("/dev/full");
            if (::geteuid() == 0) {
                device = dir.filePath("voll");
                QVERIFY(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0);
            }
            run = runWithoutDisplay({"--arbeitsblatt", device, qEnvironmentVariable("REVAZE_SOURCE_DIR") + "/samples"});
            QVERIFY(QFileInfo(device).exists() && !QFileInfo(device).isFile());
        } else {
            QImage photo(700, 500, QImage::Format_RGB32);
            photo.fill(Qt::red);
            QVERIFY(photo.save(dir.filePath("foto.png")));
            // Files may not grow beyond 8 blocks, as on a disk that is full.
            run = runWithoutDisplay({"-c", "trap '' XFSZ; ulimit -f 8; exec \"$0\" \"$@\"", qEnvironmentVariable("REVAZE_BINARY"),
                                     "--bild-importieren", dir.filePath("foto.png"), "--ordner", dir.path()},
                                    {}, "/bin/sh");
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"foto.png"});
        }
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
