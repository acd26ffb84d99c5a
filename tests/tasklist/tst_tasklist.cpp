// The task list file: line ends, Windows-1252, finding the file, pairing and
// the atomic writer.
#include "tasklist/cp1252.h"
#include "tasklist/foldernames.h"
#include "tasklist/taskfile.h"
#include "testcore.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tasklist;

class TestTaskList : public QObject {
    Q_OBJECT
private slots:
    void readLines_data()
    {
        testing::columns<QByteArray, QStringList>("bytes", "lines");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("empty first line") << QByteArray("\r\na") << QStringList{"", "a"};
        QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("lone cr ends a line") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("lone lf is a character") << QByteArray("a\nb\r\n") << QStringList{"a\nb"};
        QTest::newRow("lf after crlf starts the next line") << QByteArray("a\r\n\nb") << QStringList{"a", "\nb"};
        QTest::newRow("cr cr lf") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("blanks are kept") << QByteArray("  HAUS.WMF \r\n") << QStringList{"  HAUS.WMF "};
        QTest::newRow("nul bytes are kept") << QByteArray("a\0b\r\n", 5) << QStringList{QString::fromUtf8("a\0b", 3)};
        QTest::newRow("umlauts are single bytes") << QByteArray("\xC4PFEL.WMF\r\n\xE4\xF6\xFC\xDF") << QStringList{"ÄPFEL.WMF", "äöüß"};
    }

    void readLines()
    {
        const auto [bytes, lines] = testing::fetch<QByteArray, QStringList>("bytes", "lines");
        testing::TaskFolder folder;
        folder.write("REVAZE.INI", bytes);
        const ReadResult read = tasklist::readLines(folder.filePath("REVAZE.INI"));
        QVERIFY(read.ok);
        QCOMPARE(read.lines, lines);
    }

    void everyByteSurvives()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString decoded = decodeCp1252(all);
        QCOMPARE(decoded.size(), 256);
        QString bad;
        QCOMPARE(encodeCp1252(decoded, &bad), all);
        QVERIFY(bad.isEmpty());
        // The five undefined bytes become the C1 characters of the same value.
        QCOMPARE(decodeCp1252("\x81\x8d\x8f\x90\x9d"), QString::fromUtf8("\u0081\u008d\u008f\u0090\u009d"));
        QCOMPARE(decodeCp1252("\x80\x9f\xa0"), QString::fromUtf8("€Ÿ\u00a0"));
        QCOMPARE(decodeCp1252("Preis 5\x80"), QString::fromUtf8("Preis 5€")); // its only byte outside Latin-1
        QCOMPARE(decodeCp1252("\x9f"), QString::fromUtf8("Ÿ"));
    }

    void upperCase_data()
    {
        testing::columns<QString, QString>("text", "upper");
        QTest::newRow("ascii") << "haus.wmf" << "HAUS.WMF";
        QTest::newRow("umlauts") << "äpfel.wmf" << "ÄPFEL.WMF";
        QTest::newRow("accents and caron") << "éšœžÿ" << "ÉŠŒŽŸ";
        QTest::newRow("sharp s and micro stay") << "fuß µ" << "FUß µ";
        QTest::newRow("division sign stays") << "÷" << "÷";
        QTest::newRow("letters beyond the code page stay") << "ł☺" << "ł☺";
    }

    void upperCase()
    {
        const auto [text, upper] = testing::fetch<QString, QString>("text", "upper");
        QCOMPARE(upperCp1252(text), upper);
    }

    void listFileFound_data()
    {
        testing::columns<QStringList, QString>("entries", "found");
        QTest::newRow("capitals") << QStringList{"REVAZE.INI"} << "REVAZE.INI";
        QTest::newRow("small letters") << QStringList{"revaze.ini", "haus.wmf"} << "revaze.ini";
        QTest::newRow("capitals win over others") << QStringList{"revaze.ini", "REVAZE.INI", "Revaze.ini"} << "REVAZE.INI";
        QTest::newRow("else the first in byte order") << QStringList{"revaze.ini", "rEVAZE.INI", "Revaze.Ini"} << "Revaze.Ini";
        QTest::newRow("a folder of that name") << QStringList{"revaze.ini/"} << "revaze.ini";
        QTest::newRow("none: the name to create") << QStringList{"REVAZE.INI.bak", "REVAZE"} << "REVAZE.INI";
    }

    void listFileFound()
    {
        const auto [entries, found] = testing::fetch<QStringList, QString>("entries", "found");
        testing::TaskFolder folder;
        for (const QString &entry : entries) {
            if (entry.endsWith('/'))
                QVERIFY(folder.dir().mkdir(entry.chopped(1)));
            else
                folder.write(entry, "");
        }
        QCOMPARE(taskListFile(folder.dir()), folder.filePath(found));
    }

    void pairing_data()
    {
        testing::columns<QByteArray, QStringList, QStringList, bool>("bytes", "pictures", "answers", "unpaired");
        QTest::newRow("empty file") << QByteArray() << QStringList() << QStringList() << false;
        QTest::newRow("three tasks")
            << QByteArray("A.WMF\r\na\r\nB.WMF\r\nb\r\nC.WMF\r\nDas ist@ein@Haus\r\n") << QStringList{"A.WMF", "B.WMF", "C.WMF"}
            << QStringList{"a", "b", "Das ist@ein@Haus"} << false;
        QTest::newRow("ends after a picture line") << QByteArray("A.WMF\r\na\r\nB.WMF\r\n") << QStringList{"A.WMF", "B.WMF"}
                                                   << QStringList{"a", ""} << true;
        QTest::newRow("one empty line after the last pair") << QByteArray("A.WMF\r\na\r\n\r\n") << QStringList{"A.WMF"}
                                                            << QStringList{"a"} << false;
        QTest::newRow("empty answers are tasks") << QByteArray("A.WMF\r\n\r\n\r\n\r\n") << QStringList{"A.WMF", ""}
                                                 << QStringList{"", ""} << false;
    }

    void pairing()
    {
        const auto [bytes, pictures, answers, unpaired] = testing::fetch<QByteArray, QStringList, QStringList, bool>(
            "bytes", "pictures", "answers", "unpaired");
        testing::TaskFolder folder;
        folder.write("REVAZE.INI", bytes);
        const LoadResult loaded = loadTaskList(folder.filePath("REVAZE.INI"));
        QVERIFY(loaded.ok);
        QCOMPARE(loaded.tasks.pictures, pictures);
        QCOMPARE(loaded.tasks.answers, answers);
        QCOMPARE(loaded.unpairedLastLine, unpaired);
    }

    void unreadableFileFails_data()
    {
        testing::columns<QString, QString>("kind", "reason");  // reason empty: the system's words
        QTest::newRow("missing") << "missing" << "";
        QTest::newRow("folder of that name") << "folder" << "keine Datei";
        QTest::newRow("a device") << "device" << "keine Datei";
        QTest::newRow("no permission") << "permission" << "";
    }

    void unreadableFileFails()
    {
        const auto [kind, reason] = testing::fetch<QString, QString>("kind", "reason");
        testing::TaskFolder folder;
        QString file = folder.filePath("REVAZE.INI");
        if (kind == "folder")
            QVERIFY(folder.dir().mkdir("REVAZE.INI"));
        if (kind == "device")
            QVERIFY(QFile::link("/dev/zero", file));
        if (kind == "permission") {
            if (::geteuid() == 0)
                QSKIP("root reads every file");
            folder.write("REVAZE.INI", "A\r\nB\r\n");
            QFile::setPermissions(file, QFileDevice::WriteOwner);
        }
        const LoadResult loaded = loadTaskList(file);
        QVERIFY(!loaded.ok);
        QVERIFY2(!loaded.error.isEmpty() && loaded.error.contains(reason), qPrintable(loaded.error));
    }

    void writerWritesExactBytes()
    {
        testing::TaskFolder folder;
        const QString file = folder.filePath("REVAZE.INI");
        const QStringList lines{"ÄPFEL.WMF", "Die Äpfel@sind rot", "", "a\nb"};
        QVERIFY(writeLines(file, lines).ok);
        QCOMPARE(folder.read("REVAZE.INI"), QByteArray("\xC4PFEL.WMF\r\nDie \xC4pfel@sind rot\r\n\r\na\nb\r\n"));
        QCOMPARE(tasklist::readLines(file).lines, lines);
        QCOMPARE(folder.files(), QStringList{"REVAZE.INI"});
    }

    void writerRefuses_data()
    {
        testing::columns<QString, QString>("line", "named");  // named in the reason
        QTest::newRow("characters beyond the code page") << "Grüße ☺ und ☺ ł" << "☺ł";
        QTest::newRow("a line end in a line") << "a\rb" << "CR";
        for (const char16_t c1 : {u'\u0080', u'\u009F'})  // C1 controls the code page lacks
            QTest::addRow("U+%04X", unsigned(c1)) << "x" + QString(QChar(c1)) << QString(QChar(c1));
    }

    void writerRefuses()
    {
        const auto [line, named] = testing::fetch<QString, QString>("line", "named");
        testing::TaskFolder folder;
        folder.write("REVAZE.INI", "OLD\r\n");
        const WriteResult result = writeLines(folder.filePath("REVAZE.INI"), {"A", line});
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(named), qPrintable(result.error));
        QCOMPARE(folder.read("REVAZE.INI"), QByteArray("OLD\r\n"));
    }

    void writeProtection_data()
    {
        // The test's own file, so the owner's bits decide, for root too.
        testing::columns<QString, int, bool>("kind", "mode", "written");
        QTest::newRow("no write bit for the owner") << "file" << 0464 << false;
        QTest::newRow("only the owner may write") << "file" << 0200 << true;
        QTest::newRow("the owner may write, the group read") << "file" << 0640 << true;
        // Root writes another user's file when its owner may.
        QTest::newRow("someone else's, owner may write") << "other's" << 0640 << true;
        QTest::newRow("someone else's, read-only") << "other's" << 0444 << false;
        // A folder where the file should be: the rename fails, nothing is lost.
        QTest::newRow("a folder in its place") << "folder" << 0755 << false;
        QTest::newRow("a folder that is not there") << "no folder" << 0644 << false;
    }

    void writeProtection()
    {
        auto [kind, mode, written] = testing::fetch<QString, int, bool>("kind", "mode", "written");
        testing::TaskFolder folder;
        QString file = folder.filePath("REVAZE.INI");
        if (kind == "folder")
            QVERIFY(folder.dir().mkpath("REVAZE.INI/inhalt"));
        else if (kind == "no folder")
            file = folder.filePath("fehlt/REVAZE.INI");
        else
            folder.write("REVAZE.INI", "OLD\r\n");
        const QByteArray path = QFile::encodeName(file);
        if (kind == "other's") {
            if (::geteuid() != 0)
                QSKIP("only root can give a file away");
            QCOMPARE(::chown(path.constData(), 4242, 4242), 0);
            kind = "file";
        }
        ::chmod(path.constData(), mode_t(mode));
        const WriteResult result = writeLines(file, {"NEU"});
        QCOMPARE(result.ok, written);
        struct stat st {};
        if (written && (mode & 0400)) // the new file keeps the old one's permissions (a writer may read what it wrote)
            QVERIFY(::stat(path.constData(), &st) == 0 && int(st.st_mode & 0777) == mode);
        QCOMPARE(result.writeProtected, kind == "file" && !written);
        QCOMPARE(result.error.isEmpty(), written);
        ::chmod(path.constData(), 0755);
        if (kind == "file")
            QCOMPARE(folder.read("REVAZE.INI"), written ? QByteArray("NEU\r\n") : QByteArray("OLD\r\n"));
        else
            QCOMPARE(folder.files(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestTaskList)
#include "tst_tasklist.moc"
