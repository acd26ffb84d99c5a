// The command line: a task folder, --help, --version, the worksheet and
// the import of pictures.
#include "app/commandline.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "testcore.h"

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        testing::columns<QStringList, int, QString, bool>("arguments", "action", "folder", "fromMenu");
        QTest::newRow("nothing") << QStringList() << int(app::CommandLine::Run) << "" << false;
        QTest::newRow("folder") << QStringList{"/tmp"} << int(app::CommandLine::Run) << "/tmp" << false;
        QTest::newRow("missing folder") << QStringList{"/gibt/es/nicht"} << int(app::CommandLine::Fail) << "/gibt/es/nicht" << false;
        QTest::newRow("help") << QStringList{"--help"} << int(app::CommandLine::PrintHelp) << "" << false;
        QTest::newRow("help after a folder") << QStringList{"/tmp", "-h"} << int(app::CommandLine::PrintHelp) << "" << false;
        QTest::newRow("version") << QStringList{"--version"} << int(app::CommandLine::PrintVersion) << "" << false;
        QTest::newRow("from the desktop menu") << QStringList{"--aus-dem-menue"} << int(app::CommandLine::Run) << "" << true;
        QTest::newRow("unknown option") << QStringList{"--bunt"} << int(app::CommandLine::Fail) << "" << false;
        QTest::newRow("two folders") << QStringList{"/tmp", "/"} << int(app::CommandLine::Fail) << "" << false;
        QTest::newRow("worksheet") << QStringList{"--arbeitsblatt", "a.pdf"} << int(app::CommandLine::Worksheet) << "" << false;
        QTest::newRow("worksheet of a folder") << QStringList{"--arbeitsblatt", "a.pdf", "/tmp"}
                                               << int(app::CommandLine::Worksheet) << "/tmp" << false;
        QTest::newRow("worksheet without a file") << QStringList{"--arbeitsblatt"} << int(app::CommandLine::Fail) << "" << false;
        QTest::newRow("worksheet, two folders") << QStringList{"--arbeitsblatt", "a.pdf", "/tmp", "/"}
                                                << int(app::CommandLine::Fail) << "" << false;
    }

    void parse()
    {
        const auto [arguments, action, folder, fromMenu] = testing::fetch<QStringList, int, QString, bool>(
            "arguments", "action", "folder", "fromMenu");
        const app::CommandLine line = app::parseCommandLine(arguments, "1.2.3");
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.folder, folder);
        QCOMPARE(line.fromMenu, fromMenu);
        QCOMPARE(line.message.isEmpty(), action == app::CommandLine::Run || action == app::CommandLine::Worksheet);
        QCOMPARE(line.outputFile, action == app::CommandLine::Worksheet ? QString("a.pdf") : QString());
        if (action == app::CommandLine::PrintVersion)
            QCOMPARE(line.message, QString("Revaze 1.2.3\n"));
    }

    void programPrintsAndExits_data()
    {
        testing::columns<QString, int, QString>("argument", "status", "start");
        QTest::newRow("help") << "--help" << 0 << "Aufruf: revaze [ORDNER]";
        QTest::newRow("version") << "--version" << 0 << "Revaze ";
        QTest::newRow("missing folder") << "/gibt/es/nicht" << 2 << "";
    }

    void programPrintsAndExits()
    {
        const auto [argument, status, start] = testing::fetch<QString, int, QString>("argument", "status", "start");
        QProcess program;
        program.start(qEnvironmentVariable("REVAZE_BINARY"), {argument});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), status);
        if (!start.isEmpty())
            QVERIFY(QString::fromUtf8(program.readAllStandardOutput()).startsWith(start));
        else
            QVERIFY(QString::fromUtf8(program.readAllStandardError()).contains("Ordner nicht gefunden"));
    }

    // Without any display, as from a script over ssh.
    void worksheetWithoutDisplay_data()
    {
        testing::columns<QStringList, int, QString>("arguments", "status", "error");
        const QString samples = qEnvironmentVariable("REVAZE_SOURCE_DIR") + "/samples";
        QTest::newRow("written") << QStringList{samples} << 0 << "";
        QTest::newRow("no list") << QStringList{"/"} << 1 << "REVAZE.INI";
        QTest::newRow("no such folder") << QStringList{"/gibt/es/nicht"} << 1 << "/gibt/es/nicht";
        QTest::newRow("too many arguments") << QStringList{"/", "/"} << 2 << "Aufruf";
    }
    void worksheetWithoutDisplay()
    {
        const auto [arguments, status, error] = testing::fetch<QStringList, int, QString>("arguments", "status", "error");
        QTemporaryDir out;
        const QString pdf = out.filePath("blatt.pdf");
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        program.setProcessEnvironment(env);
        program.start(qEnvironmentVariable("REVAZE_BINARY"), QStringList{"--arbeitsblatt", pdf} + arguments);
        QVERIFY(program.waitForFinished(60000));
        const QString stderrText = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitCode(), status);
        QVERIFY2(stderrText.contains(error), qPrintable(stderrText));
        QFile written(pdf);
        QCOMPARE(written.open(QIODevice::ReadOnly) && written.read(5) == "%PDF-", status == 0);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), status == 0 ? 1 : 0);
    }

    void importArguments_data()
    {
        // pictures: empty for a wrong command line
        testing::columns<QStringList, QStringList, QString>("arguments", "pictures", "folder");
        QTest::newRow("files") << QStringList{"a.png", "b.jpg"} << QStringList{"a.png", "b.jpg"} << "";
        QTest::newRow("folder anywhere") << QStringList{"a.png", "--ordner", "/tmp", "b.jpg"}
                                         << QStringList{"a.png", "b.jpg"} << "/tmp";
        QTest::newRow("no file") << QStringList{"--ordner", "/tmp"} << QStringList{} << "";
        QTest::newRow("folder without a name") << QStringList{"a.png", "--ordner"} << QStringList{} << "";
        QTest::newRow("missing folder") << QStringList{"a.png", "--ordner", "/gibt/es/nicht"} << QStringList{} << "";
    }
    void importArguments()
    {
        const auto [arguments, pictures, folder] = testing::fetch<QStringList, QStringList, QString>("arguments", "pictures", "folder");
        const app::CommandLine line = app::parseCommandLine(QStringList{"--bild-importieren"} + arguments, "1");
        QCOMPARE(int(line.action), int(pictures.isEmpty() ? app::CommandLine::Fail : app::CommandLine::ImportPictures));
        if (!pictures.isEmpty()) {
            QCOMPARE(line.pictures, pictures);
            QCOMPARE(line.folder, folder);
        }
    }

    void importWithoutDisplay()
    {
        QTemporaryDir dir;
        QFile png(dir.filePath("Bär.png"));
        QVERIFY(png.open(QIODevice::WriteOnly));
        png.write(QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAADElEQVR4nGP4z8AAAAMBAQDJ/pLvAAAAAElFTkSuQmCC"));
        png.close();
        QFile text(dir.filePath("brief.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("Hallo") == 5);
        text.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir.path()); // the default folder
        program.start(qEnvironmentVariable("REVAZE_BINARY"), {"--bild-importieren", png.fileName(), text.fileName()});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 1); // one of the two failed
        QVERIFY(QString::fromUtf8(program.readAllStandardOutput()).contains("BÄR.WMF"));
        QVERIFY(QString::fromUtf8(program.readAllStandardError()).contains("brief.txt"));
        QVERIFY(QFile::exists(dir.filePath("BÄR.WMF")));
        QVERIFY(!QFile::exists(dir.filePath("BRIEF.WMF")));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
