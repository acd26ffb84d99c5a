// The task list file: line ends, Windows-1252, pairing and the atomic writer.
#include "tasklist/cp1252.h"
#include "tasklist/foldernames.h"
#include "tasklist/taskfile.h"
#include "testsupport.h"

#include <QFile>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tasklist;

namespace {
std::vector<std::string> split(const QByteArray &bytes)
{
    std::vector<std::string> out;
    for (auto line : splitLines(std::string_view(bytes.constData(), std::size_t(bytes.size()))))
        out.emplace_back(line);
    return out;
}

QStringList toList(const std::vector<std::string> &lines)
{
    QStringList out;
    for (const auto &line : lines)
        out.append(QString::fromStdString(line));
    return out;
}
} // namespace

class TestTaskFile : public QObject {
    Q_OBJECT
private slots:
    void lineEnds_data();
    void lineEnds();
    void everyByteSurvives();
    void umlautsAreSingleBytes();
    void upperCase_data();
    void upperCase();
    void listFileFound_data();
    void listFileFound();
    void pairing_data();
    void pairing();
    void unreadableFileFails_data();
    void unreadableFileFails();
    void writerWritesExactBytes();
    void writerRefusesUnmappableText();
    void writerKeepsPermissions();
    void writeProtectedFileLeftAlone_data();
    void writeProtectedFileLeftAlone();
    void failedWriteLeavesOldFile();
};

void TestTaskFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lone cr ends a line") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone lf is a character") << QByteArray("a\nb\r\n") << QStringList{"a\nb"};
    QTest::newRow("lf after crlf starts the next line") << QByteArray("a\r\n\nb") << QStringList{"a", "\nb"};
    QTest::newRow("cr cr lf") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("empty lines count") << QByteArray("\r\n\r\n") << QStringList{"", ""};
    QTest::newRow("blanks are kept") << QByteArray("  HAUS.WMF \r\n") << QStringList{"  HAUS.WMF "};
    QTest::newRow("nul bytes are kept") << QByteArray("a\0b\r\n", 5) << QStringList{QString::fromUtf8("a\0b", 3)};
}

void TestTaskFile::lineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(toList(split(bytes)), lines);
}

void TestTaskFile::everyByteSurvives()
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            all += char(b);
    }
    const std::string decoded = decodeCp1252(all);
    std::string bad;
    QCOMPARE(encodeCp1252(decoded, &bad), all);
    QVERIFY(bad.empty());
    // The five undefined bytes become the C1 code points of the same value.
    QCOMPARE(QString::fromStdString(decodeCp1252("\x81\x8d\x8f\x90\x9d")),
             QString::fromUtf8("\u0081\u008d\u008f\u0090\u009d"));
    QCOMPARE(QString::fromStdString(decodeCp1252("\x80\x9f")), QString::fromUtf8("€Ÿ"));
}

void TestTaskFile::umlautsAreSingleBytes()
{
    std::string bad;
    QCOMPARE(encodeCp1252("äöüßÄÖÜ", &bad), std::string("\xE4\xF6\xFC\xDF\xC4\xD6\xDC"));
    QCOMPARE(decodeCp1252("\xC4PFEL.WMF"), std::string("ÄPFEL.WMF"));
}

void TestTaskFile::upperCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("upper");
    QTest::newRow("ascii") << "haus.wmf" << "HAUS.WMF";
    QTest::newRow("umlauts") << "äpfel.wmf" << "ÄPFEL.WMF";
    QTest::newRow("accents and caron") << "éšœžÿ" << "ÉŠŒŽŸ";
    QTest::newRow("sharp s and micro stay") << "fuß µ" << "FUß µ";
    QTest::newRow("division sign stays") << "÷" << "÷";
}

void TestTaskFile::upperCase()
{
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QCOMPARE(QString::fromStdString(upperCp1252(text.toStdString())), upper);
}

void TestTaskFile::listFileFound_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("found");
    QTest::newRow("capitals") << QStringList{"REVAZE.INI"} << "REVAZE.INI";
    QTest::newRow("mixed case") << QStringList{"Revaze.ini"} << "Revaze.ini";
    QTest::newRow("small letters") << QStringList{"revaze.ini", "haus.wmf"} << "revaze.ini";
    QTest::newRow("capitals win over others") << QStringList{"revaze.ini", "REVAZE.INI", "Revaze.ini"} << "REVAZE.INI";
    QTest::newRow("else the first in byte order") << QStringList{"revaze.ini", "rEVAZE.INI", "Revaze.Ini"} << "Revaze.Ini";
    QTest::newRow("a folder of that name") << QStringList{"revaze.ini/"} << "revaze.ini";
    QTest::newRow("none: the name to create") << QStringList{"REVAZE.INI.bak", "REVAZE"} << "REVAZE.INI";
}

void TestTaskFile::listFileFound()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, found);
    QTemporaryDir dir;
    for (const QString &entry : entries) {
        if (entry.endsWith('/'))
            QVERIFY(QDir(dir.path()).mkdir(entry.chopped(1)));
        else
            QVERIFY(QFile(dir.filePath(entry)).open(QIODevice::WriteOnly));
    }
    QCOMPARE(taskListFile(QDir(dir.path())), dir.filePath(found));
}

void TestTaskFile::pairing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("unpaired");
    QTest::newRow("empty file") << QByteArray() << QStringList() << QStringList() << false;
    QTest::newRow("three tasks")
        << QByteArray("A.WMF\r\na\r\nB.WMF\r\nb\r\nC.WMF\r\nDas ist@ein@Haus\r\n") << QStringList{"A.WMF", "B.WMF", "C.WMF"}
        << QStringList{"a", "b", "Das ist@ein@Haus"} << false;
    QTest::newRow("ends after a picture line") << QByteArray("A.WMF\r\na\r\nB.WMF\r\n") << QStringList{"A.WMF", "B.WMF"}
                                               << QStringList{"a", ""} << true;
    QTest::newRow("one empty line after the last pair") << QByteArray("A.WMF\r\na\r\n\r\n") << QStringList{"A.WMF"}
                                                        << QStringList{"a"} << false;
    QTest::newRow("only an empty line") << QByteArray("\r\n") << QStringList() << QStringList() << false;
    QTest::newRow("empty answers are tasks") << QByteArray("A.WMF\r\n\r\n\r\n\r\n") << QStringList{"A.WMF", ""}
                                             << QStringList{"", ""} << false;
}

void TestTaskFile::pairing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, pictures);
    QFETCH(QStringList, answers);
    QFETCH(bool, unpaired);
    testing::TaskFolder folder;
    folder.write("REVAZE.INI", bytes);
    const LoadResult loaded = loadTaskList(folder.filePath("REVAZE.INI").toStdString());
    QVERIFY(loaded.ok);
    QCOMPARE(toList(loaded.tasks.pictures), pictures);
    QCOMPARE(toList(loaded.tasks.answers), answers);
    QCOMPARE(loaded.unpairedLastLine, unpaired);
}

void TestTaskFile::unreadableFileFails_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("folder of that name") << "folder";
    QTest::newRow("no permission") << "permission";
}

void TestTaskFile::unreadableFileFails()
{
    QFETCH(QString, kind);
    testing::TaskFolder folder;
    if (kind == "folder")
        QVERIFY(QDir(folder.path()).mkdir("REVAZE.INI"));
    if (kind == "permission") {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        folder.write("REVAZE.INI", "A\r\nB\r\n");
        QFile::setPermissions(folder.filePath("REVAZE.INI"), QFileDevice::WriteOwner);
    }
    const LoadResult loaded = loadTaskList(folder.filePath("REVAZE.INI").toStdString());
    QVERIFY(!loaded.ok);
    QVERIFY(!loaded.error.empty());
}

void TestTaskFile::writerWritesExactBytes()
{
    testing::TaskFolder folder;
    const std::string file = folder.filePath("REVAZE.INI").toStdString();
    const std::vector<std::string> lines{"ÄPFEL.WMF", "Die Äpfel@sind rot", "", "a\nb"};
    QVERIFY(writeLines(file, lines).ok);
    QCOMPARE(folder.read("REVAZE.INI"), QByteArray("\xC4PFEL.WMF\r\nDie \xC4pfel@sind rot\r\n\r\na\nb\r\n"));
    // Read back and written again: the same bytes.
    const ReadResult read = readLines(file);
    QVERIFY(read.ok);
    QCOMPARE(read.lines, lines);
    QVERIFY(QDir(folder.path()).entryList(QDir::Files) == QStringList{"REVAZE.INI"});
}

void TestTaskFile::writerRefusesUnmappableText()
{
    testing::TaskFolder folder;
    folder.write("REVAZE.INI", "OLD\r\n");
    const WriteResult result = writeLines(folder.filePath("REVAZE.INI").toStdString(), {"Grüße ☺ und ☺ ł"});
    QVERIFY(!result.ok);
    QVERIFY(QString::fromStdString(result.error).endsWith("☺ł"));
    QCOMPARE(folder.read("REVAZE.INI"), QByteArray("OLD\r\n"));
}

void TestTaskFile::writerKeepsPermissions()
{
    testing::TaskFolder folder;
    folder.write("REVAZE.INI", "OLD\r\n");
    const QByteArray path = QFile::encodeName(folder.filePath("REVAZE.INI"));
    QCOMPARE(::chmod(path.constData(), 0640), 0);
    QVERIFY(writeLines(path.toStdString(), {"NEU"}).ok);
    struct stat st {};
    QCOMPARE(::stat(path.constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), 0640);
}

void TestTaskFile::writeProtectedFileLeftAlone_data()
{
    // The test's own file, so the owner's bits decide, for root too.
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("written");
    QTest::newRow("read-only for all") << 0444 << false;
    QTest::newRow("no write bit for the owner") << 0464 << false;
    QTest::newRow("owner only, read") << 0400 << false;
    QTest::newRow("owner may write") << 0644 << true;
    QTest::newRow("only the owner may write") << 0200 << true;
}

void TestTaskFile::writeProtectedFileLeftAlone()
{
    QFETCH(int, mode);
    QFETCH(bool, written);
    testing::TaskFolder folder;
    folder.write("REVAZE.INI", "OLD\r\n");
    const QByteArray path = QFile::encodeName(folder.filePath("REVAZE.INI"));
    QCOMPARE(::chmod(path.constData(), mode_t(mode)), 0);
    const WriteResult result = writeLines(path.toStdString(), {"NEU"});
    QCOMPARE(result.ok, written);
    QCOMPARE(result.writeProtected, !written);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"REVAZE.INI"});
    ::chmod(path.constData(), 0644);
    QCOMPARE(folder.read("REVAZE.INI"), written ? QByteArray("NEU\r\n") : QByteArray("OLD\r\n"));
}

void TestTaskFile::failedWriteLeavesOldFile()
{
    testing::TaskFolder folder;
    // A folder where the file should be: the rename fails, nothing is lost.
    QVERIFY(QDir(folder.path()).mkpath("REVAZE.INI/inhalt"));
    const WriteResult result = writeLines(folder.filePath("REVAZE.INI").toStdString(), {"A", "B"});
    QVERIFY(!result.ok);
    QVERIFY(!result.error.empty());
    QVERIFY(QFileInfo(folder.filePath("REVAZE.INI/inhalt")).isDir());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    // A folder that does not exist.
    QVERIFY(!writeLines(folder.filePath("fehlt/REVAZE.INI").toStdString(), {"A"}).ok);
}

REVAZE_TEST_MAIN(TestTaskFile)
#include "tst_taskfile.moc"
