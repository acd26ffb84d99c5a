// The editor's list rules without its window: text conversion, line kinds,
// names in capitals, the preview's search, the current entry, the file list.
#include "editor/editorlist.h"
#include "testsupport.h"

#include <QtTest>

using editor::EditorList;

class TestEditorList : public QObject {
    Q_OBJECT
private slots:
    void breaksToMarks_data();
    void breaksToMarks();
    void pictureLine_data();
    void pictureLine();
    void upperName_data();
    void upperName();
    void preview_data();
    void preview();
    void currentEntry_data();
    void currentEntry();
    void removeEntryClearsSelection();
    void unstorable();
    void pictureFiles();
};

void TestEditorList::breaksToMarks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("CR LF") << "A\r\nB" << "A@B";
    QTest::newRow("mark stays") << "A@B" << "A@B";
    QTest::newRow("lone LF dropped") << "A\nB" << "AB";
    QTest::newRow("lone CR") << "A\rB" << "A@B";
    QTest::newRow("two empty lines") << "A\r\n\r\n" << "A@@";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("umlauts untouched") << "Bär\r\nKäse" << "Bär@Käse";
}

void TestEditorList::breaksToMarks()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(editor::BreaksToMarks(typed), stored);
}

void TestEditorList::pictureLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("picture");
    QTest::newRow("capitals") << "HAUS.WMF" << true;
    QTest::newRow("small letters") << "haus.wmf" << true;
    QTest::newRow("mixed") << "Haus.Wmf" << true;
    QTest::newRow("just the ending") << ".wmf" << true;
    QTest::newRow("too short") << "WMF" << false;
    QTest::newRow("trailing blank") << "HAUS.WMF " << false;
    QTest::newRow("other ending") << "HAUS.EMF" << false;
    QTest::newRow("answer") << "Der Hund@bellt" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("fullwidth letters") << QString::fromUtf8("HAUS.ＷＭＦ") << false;
}

void TestEditorList::pictureLine()
{
    QFETCH(QString, line);
    QFETCH(bool, picture);
    QCOMPARE(editor::isPictureLine(line), picture);
}

void TestEditorList::upperName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("upper");
    QTest::newRow("ascii") << "haus.wmf" << "HAUS.WMF";
    QTest::newRow("umlaut") << "äpfel.wmf" << "ÄPFEL.WMF";
    QTest::newRow("sharp s stays") << "straße.wmf" << "STRAßE.WMF";
    QTest::newRow("micro stays") << "µ.wmf" << "µ.WMF";
    QTest::newRow("s caron") << "šal.wmf" << "ŠAL.WMF";
    QTest::newRow("y diaeresis") << "ÿ.wmf" << "Ÿ.WMF";
    QTest::newRow("e acute") << "café.wmf" << "CAFÉ.WMF";
}

void TestEditorList::upperName()
{
    QFETCH(QString, name);
    QFETCH(QString, upper);
    QCOMPARE(editor::upperName(name), upper);
    QVERIFY(editor::namesPicture(name, upper));
    QVERIFY(editor::namesPicture(upper, upper));
}

void TestEditorList::preview_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("matched");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("answer");
    const QStringList two{"HAUS.WMF", "Haus", "BAUM.WMF", "Baum@gruen", "HAUS.WMF", "Villa"};
    QTest::newRow("small file, capital line") << QStringList{"HAUS.WMF", "Haus"} << -1 << "haus.wmf" << true << 0 << "Haus";
    QTest::newRow("last entry wins") << two << -1 << "HAUS.WMF" << true << 4 << "Villa";
    QTest::newRow("no match keeps selection") << two << 2 << "BOOT.WMF" << false << 2 << "";
    QTest::newRow("match on the last line") << QStringList{"A", "HAUS.WMF"} << -1 << "haus.wmf" << true << 1 << "";
    QTest::newRow("umlaut in other case") << QStringList{"ÄPFEL.WMF", "Äpfel"} << -1 << "äpfel.wmf" << true << 0 << "Äpfel";
    QTest::newRow("answer lines take part") << QStringList{"X.WMF", "haus.wmf", "Y"} << -1 << "HAUS.WMF" << true << 1 << "Y";
    QTest::newRow("blanks are part of the name") << QStringList{" HAUS.WMF", "Haus"} << -1 << "HAUS.WMF" << false << -1 << "";
    QTest::newRow("sharp s is not SS") << QStringList{"STRASSE.WMF", "x"} << -1 << "straße.wmf" << false << -1 << "";
    QTest::newRow("empty list") << QStringList{} << -1 << "HAUS.WMF" << false << -1 << "";
}

void TestEditorList::preview()
{
    QFETCH(QStringList, lines);
    QFETCH(int, before);
    QFETCH(QString, file);
    QFETCH(bool, matched);
    QFETCH(int, selected);
    QFETCH(QString, answer);
    EditorList list;
    list.setLines(lines);
    list.select(before);
    QString text = "old";
    QCOMPARE(list.preview(file, &text), matched);
    QCOMPARE(list.selected(), selected);
    QCOMPARE(text, answer);
}

void TestEditorList::currentEntry_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("picture");  // -1: no entry
    QTest::addColumn<QString>("editLine");
    const QStringList list{"HAUS.WMF", "Haus", "BAUM.WMF", "Baum"};
    QTest::newRow("picture line") << list << 2 << 2 << "Baum";
    QTest::newRow("answer line") << list << 1 << 0 << "Haus";
    QTest::newRow("nothing selected") << list << -1 << -1 << "";
    QTest::newRow("picture line at the end") << QStringList{"A", "HAUS.WMF"} << 1 << -1 << "";
    QTest::newRow("answer line at the start") << QStringList{"Haus", "B"} << 0 << -1 << "";
    QTest::newRow("empty answer") << QStringList{"HAUS.WMF", ""} << 0 << 0 << "";
}

void TestEditorList::currentEntry()
{
    QFETCH(QStringList, lines);
    QFETCH(int, selected);
    QFETCH(int, picture);
    QFETCH(QString, editLine);
    EditorList list;
    list.setLines(lines);
    list.select(selected);
    const auto entry = list.currentEntry();
    QCOMPARE(entry.has_value(), picture >= 0);
    QCOMPARE(list.editLine().has_value(), picture >= 0);
    if (entry) {
        QCOMPARE(entry->picture, picture);
        QCOMPARE(entry->answer, picture + 1);
        QCOMPARE(*list.editLine(), editLine);
    }
}

void TestEditorList::removeEntryClearsSelection()
{
    EditorList list;
    list.setLines({"A.WMF", "a", "B.WMF", "b", "C.WMF", "c"});
    list.select(2);
    list.removeEntry(*list.currentEntry());
    QCOMPARE(list.lines(), (QStringList{"A.WMF", "a", "C.WMF", "c"}));
    QCOMPARE(list.selected(), -1);
    QVERIFY(!list.currentEntry());
    list.select(9);
    QCOMPARE(list.selected(), -1);
}

void TestEditorList::unstorable()
{
    QCOMPARE(editor::unstorableCharacters("Bär@Käse €"), QString());
    QCOMPARE(editor::unstorableCharacters(QString::fromUtf8("Ωmega Ω ő")), QString::fromUtf8("Ωő"));
}

void TestEditorList::pictureFiles()
{
    testing::TaskFolder folder;
    for (const char *name : {"b.wmf", "A.WMF", "c.Wmf", "notes.txt", "x.wmf.bak", "äpfel.wmf", "Z.WMF", ".versteckt.wmf"})
        folder.write(QString::fromUtf8(name), "x");
    QVERIFY(QDir(folder.path()).mkdir("ordner.wmf"));
    QCOMPARE(editor::pictureFiles(QDir(folder.path())),
             (QStringList{"A.WMF", "b.wmf", "c.Wmf", "Z.WMF", QString::fromUtf8("äpfel.wmf")}));
}

REVAZE_TEST_MAIN(TestEditorList)
#include "tst_editorlist.moc"
