// The command line: a task folder, --help and --version.
#include "app/commandline.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("nothing") << QStringList() << int(app::CommandLine::Run) << "" << false;
        QTest::newRow("folder") << QStringList{"/tmp"} << int(app::CommandLine::Run) << "/tmp" << false;
        QTest::newRow("missing folder") << QStringList{"/gibt/es/nicht"} << int(app::CommandLine::Fail) << "/gibt/es/nicht" << false;
        QTest::newRow("help") << QStringList{"--help"} << int(app::CommandLine::PrintHelp) << "" << false;
        QTest::newRow("help after a folder") << QStringList{"/tmp", "-h"} << int(app::CommandLine::PrintHelp) << "" << false;
        QTest::newRow("version") << QStringList{"--version"} << int(app::CommandLine::PrintVersion) << "" << false;
        QTest::newRow("from the desktop menu") << QStringList{"--aus-dem-menue"} << int(app::CommandLine::Run) << "" << true;
        QTest::newRow("unknown option") << QStringList{"--bunt"} << int(app::CommandLine::Fail) << "" << false;
        QTest::newRow("two folders") << QStringList{"/tmp", "/"} << int(app::CommandLine::Fail) << "" << false;
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, folder);
        QFETCH(bool, fromMenu);
        const app::CommandLine line = app::parseCommandLine(arguments, "1.2.3");
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.folder, folder);
        QCOMPARE(line.fromMenu, fromMenu);
        QCOMPARE(line.message.isEmpty(), action == app::CommandLine::Run);
        if (action == app::CommandLine::PrintVersion)
            QCOMPARE(line.message, QString("Revaze 1.2.3\n"));
    }

    void programPrintsAndExits_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("start");
        QTest::newRow("help") << "--help" << 0 << "Aufruf: revaze [ORDNER]";
        QTest::newRow("version") << "--version" << 0 << "Revaze ";
        QTest::newRow("missing folder") << "/gibt/es/nicht" << 2 << "";
    }

    void programPrintsAndExits()
    {
        QFETCH(QString, argument);
        QFETCH(int, status);
        QFETCH(QString, start);
        QProcess program;
        program.start(qEnvironmentVariable("REVAZE_BINARY"), {argument});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), status);
        if (!start.isEmpty())
            QVERIFY(QString::fromUtf8(program.readAllStandardOutput()).startsWith(start));
        else
            QVERIFY(QString::fromUtf8(program.readAllStandardError()).contains("Ordner nicht gefunden"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
