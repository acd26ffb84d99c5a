// The editor's rules, without a window: text conversion and line kinds, the
// file list and preview, entering, fetching, deleting, copying and saving,
// with the saved task list checked byte for byte. Pictures, message boxes
// and the clipboard are scripted.
#include "editor/listeditor.h"
#include "testcore.h"

#include <QtTest>

#include <sys/stat.h>

using ui::Answer;
using editor::EditorList;

namespace {

const QByteArray kHausBaum = "HAUS.WMF\r\nHaus\r\nBAUM.WMF\r\nBaum@gruen\r\n";

// An editor on a folder with a task list (none when null) and picture files.
// Files named in `unloadable` are no pictures.
struct Fixture {
    explicit Fixture(const QByteArray &list, const QStringList &pictures = {}, QStringList broken = {})
        : unloadable(std::move(broken))
    {
        if (!list.isNull())
            folder.write("REVAZE.INI", list);
        for (const QString &name : pictures)
            folder.write(name, "picture");
        editor.setFolder(folder.dir());
        messages.observe([this](const ui::Message &) { previewWhileAsked.append(editor.previewText()); });
    }
    void open()
    {
        editor.LoadEditorList();
        messages.clear();
        previewWhileAsked.clear();
    }
    void pick(const QString &file) { editor.selectFile(int(editor.files().indexOf(file))); }
    QStringList lines() const { return editor.list().lines(); }
    int selectedLine() const { return editor.list().selected(); }
    QByteArray taskFile() const { return folder.read("REVAZE.INI"); }

    testing::TaskFolder folder;
    testing::MessageScript messages;
    QStringList unloadable;
    QString shownPicture;  // what the preview shows, empty for nothing
    QStringList previewWhileAsked;
    QStringList copied;  // text, picture path
    editor::ListEditor editor{{[this](const QString &name) {
                                   const bool loads = name.isEmpty() || !unloadable.contains(name);
                                   if (loads)
                                       shownPicture = name;
                                   return loads;
                               },
                               messages.ask(),
                               [this](const QString &text, const QString &path) { copied = QStringList{text, path}; }}};
};

} // namespace

class TestListEditor : public QObject {
    Q_OBJECT
private slots:
    void breaksToMarks_data()
    {
        testing::columns<QString, QString>("typed", "stored");
        QTest::newRow("CR LF") << "A\r\nB" << "A@B";
        QTest::newRow("mark stays") << "A@B" << "A@B";
        QTest::newRow("lone LF dropped") << "A\nB" << "AB";
        QTest::newRow("lone CR") << "A\rB" << "A@B";
        QTest::newRow("two empty lines") << "A\r\n\r\n" << "A@@";
        QTest::newRow("umlauts and no-break space untouched") << "Bär\u00a0\r\nKäse" << "Bär\u00a0@Käse";
    }

    void breaksToMarks()
    {
        const auto [typed, stored] = testing::fetch<QString, QString>("typed", "stored");
        QCOMPARE(editor::BreaksToMarks(typed), stored);
    }

    void pictureLine_data()
    {
        testing::columns<QString, bool>("line", "picture");
        QTest::newRow("capitals") << "HAUS.WMF" << true;
        QTest::newRow("mixed") << "Haus.Wmf" << true;
        QTest::newRow("just the ending") << ".wmf" << true;
        QTest::newRow("too short") << "WMF" << false;
        QTest::newRow("trailing blank") << "HAUS.WMF " << false;
        QTest::newRow("other ending") << "HAUS.EMF" << false;
        QTest::newRow("fullwidth letters") << QString::fromUtf8("HAUS.ＷＭＦ") << false;
    }

    void pictureLine()
    {
        const auto [line, picture] = testing::fetch<QString, bool>("line", "picture");
        QCOMPARE(editor::isPictureLine(line), picture);
    }

    void preview_data()
    {
        testing::columns<QStringList, int, QString, bool, int, QString>("lines", "before", "file", "matched", "selected",
                                                                        "answer");
        const QStringList two{"HAUS.WMF", "Haus", "BAUM.WMF", "Baum@gruen", "HAUS.WMF", "Villa"};
        QTest::newRow("small file, capital line") << QStringList{"HAUS.WMF", "Haus"} << -1 << "haus.wmf" << true << 0 << "Haus";
        QTest::newRow("last entry wins") << two << -1 << "HAUS.WMF" << true << 4 << "Villa";
        QTest::newRow("no match keeps selection") << two << 2 << "BOOT.WMF" << false << 2 << "";
        QTest::newRow("match on the last line") << QStringList{"A", "HAUS.WMF"} << -1 << "haus.wmf" << true << 1 << "";
        QTest::newRow("umlaut in other case") << QStringList{"ÄPFEL.WMF", "Äpfel"} << -1 << "äpfel.wmf" << true << 0 << "Äpfel";
        QTest::newRow("umlaut line in small letters") << QStringList{"äpfel.wmf", "x"} << -1 << "ÄPFEL.WMF" << true << 0 << "x";
        QTest::newRow("answer lines take part") << QStringList{"X.WMF", "haus.wmf", "Y"} << -1 << "HAUS.WMF" << true << 1 << "Y";
        QTest::newRow("blanks are part of the name") << QStringList{" HAUS.WMF", "Haus"} << -1 << "HAUS.WMF" << false << -1 << "";
        QTest::newRow("other letters") << QStringList{"maus.wmf", "x"} << -1 << "HAUS.WMF" << false << -1 << "";
        QTest::newRow("sharp s is not SS") << QStringList{"STRASSE.WMF", "x"} << -1 << "straße.wmf" << false << -1 << "";
    }

    void preview()
    {
        const auto [lines, before, file, matched, selected, answer] = testing::fetch<QStringList, int, QString, bool, int, QString>(
            "lines", "before", "file", "matched", "selected", "answer");
        EditorList list;
        list.setLines(lines);
        list.select(before);
        QString text = "old";
        QCOMPARE(list.preview(file, &text), matched);
        QCOMPARE(list.selected(), selected);
        QCOMPARE(text, answer);
    }

    void currentEntry_data()
    {
        testing::columns<QStringList, int, int, QString>("lines", "selected", "picture", "editLine");  // picture -1: no entry
        const QStringList list{"HAUS.WMF", "Haus", "BAUM.WMF", "Baum"};
        QTest::newRow("picture line") << list << 2 << 2 << "Baum";
        QTest::newRow("answer line") << list << 1 << 0 << "Haus";
        QTest::newRow("nothing selected") << list << -1 << -1 << "";
        QTest::newRow("beyond the list") << list << 4 << -1 << "";
        QTest::newRow("picture line at the end") << QStringList{"A", "HAUS.WMF"} << 1 << -1 << "";
        QTest::newRow("answer line at the start") << QStringList{"Haus", "B"} << 0 << -1 << "";
    }

    void currentEntry()
    {
        const auto [lines, selected, picture, editLine] = testing::fetch<QStringList, int, int, QString>(
            "lines", "selected", "picture", "editLine");
        EditorList list;
        list.setLines(lines);
        list.select(selected);
        const auto entry = list.currentEntry();
        QCOMPARE(entry.has_value(), picture >= 0);
        QCOMPARE(list.editLine().value_or(QString()), editLine);
        if (entry) {
            QCOMPARE(entry->picture, picture);
            QCOMPARE(entry->answer, picture + 1);
            list.removeEntry(*entry);
            QCOMPARE(list.count(), lines.size() - 2);
            QCOMPARE(list.selected(), -1);
        }
    }

    void fileList()
    {
        Fixture f(kHausBaum, {"b.wmf", "A.WMF", "c.Wmf", "notes.txt", "x.wmf.bak"});
        QVERIFY(f.folder.dir().mkdir("ordner.wmf"));
        f.open();
        QCOMPARE(f.editor.files(), (QStringList{"A.WMF", "b.wmf", "c.Wmf"}));
        QCOMPARE(f.editor.selectedFile(), 0);
        QCOMPARE(f.shownPicture, QString("A.WMF"));
        QCOMPARE(f.lines(), (QStringList{"HAUS.WMF", "Haus", "BAUM.WMF", "Baum@gruen"}));
        // A new picture appears at the next activation, and the first file is previewed again.
        f.folder.write("haus.wmf", "picture");
        f.pick("b.wmf");
        f.editor.LoadEditorList();
        QCOMPARE(f.editor.files(), (QStringList{"A.WMF", "b.wmf", "c.Wmf", "haus.wmf"}));
        QCOMPARE(f.editor.selectedFile(), 0);
        f.pick("haus.wmf");
        QCOMPARE(f.editor.previewText(), QString("Haus"));
        QCOMPARE(f.selectedLine(), 0);
        QVERIFY(f.messages.shown().isEmpty());
    }

    void noEntryKeepsCurrentEntry()
    {
        Fixture f(kHausBaum, {"HAUS.WMF", "BOOT.WMF"});
        f.open();
        f.pick("HAUS.WMF");
        f.pick("BOOT.WMF");
        QCOMPARE(f.shownPicture, QString("BOOT.WMF"));
        QCOMPARE(f.editor.previewText(), QString());
        QCOMPARE(f.selectedLine(), 0);
        // "Editieren" and "Löschen" still act on the house.
        QCOMPARE(f.editor.editText(), std::optional<QString>("Haus"));
        f.editor.deleteEntry();
        QCOMPARE(f.messages.texts(), QStringList{"HAUS.WMF\r\rHaus\r"});
    }

    void unloadablePictureStillShowsText()
    {
        Fixture f(kHausBaum, {"BAUM.WMF", "HAUS.WMF"}, {"HAUS.WMF"});
        f.open();
        f.pick("HAUS.WMF");
        QCOMPARE(f.shownPicture, QString());
        QCOMPARE(f.editor.previewText(), QString("Haus"));
        // "Kopieren" then copies the text alone and says so.
        f.editor.copy();
        QCOMPARE(f.copied, (QStringList{"Haus", ""}));
        QCOMPARE(f.messages.texts(), QStringList{"Die Lösung wurde in\rdie Zwischenablage kopiert !\r"});
    }

    void enterAndSave()
    {
        Fixture f(kHausBaum, {"BAUM.WMF", "haus.wmf"});
        f.open();
        f.pick("haus.wmf");
        QVERIFY(f.editor.textEntryShown());
        QVERIFY(!f.editor.entryButtonShown());
        f.editor.newEntry();
        QCOMPARE(f.editor.previewText(), QString());
        QVERIFY(f.editor.entryButtonShown());
        f.messages.answer({Answer::Yes, Answer::Yes});
        f.editor.enter("Der Hund\r\nbellt");

        QCOMPARE(f.messages.shown(),
                 (QList<ui::Message>{
                     {"Angezeigtes Bild mit Text übernehmen?\r", "Eingabe bestätigen:", ui::Buttons::YesNo, ui::Icon::Stop, Answer::No},
                     {"Änderungen an der Liste abspeichern?\r", "Eingabe speichern", ui::Buttons::YesNo, ui::Icon::Stop, Answer::No},
                     {"Liste wurde gespeichert!\r", "Liste speichern", ui::Buttons::Ok, ui::Icon::None, Answer::Ok}}));
        // The confirmation shows the text as it will be stored, under its picture.
        QCOMPARE(f.previewWhileAsked, (QStringList{"Der Hund\rbellt", "", "Der Hund\rbellt"}));
        QCOMPARE(f.taskFile(), kHausBaum + "HAUS.WMF\r\nDer Hund@bellt\r\n");
        QCOMPARE(f.selectedLine(), 4);
        QCOMPARE(f.editor.previewText(), QString("Der Hund\rbellt"));
        QVERIFY(!f.editor.textEntryShown());
        QVERIFY(!f.editor.entryButtonShown());
        QCOMPARE(f.editor.editText(), std::optional<QString>("Der Hund@bellt"));
    }

    void enter_data()
    {
        // refusal: the box that refuses, or nothing; added: to the file
        testing::columns<QString, QString, QList<Answer>, QString, QByteArray>("file", "typed", "answers", "refusal", "added");
        QTest::newRow("empty text") << "BAUM.WMF" << "" << QList<Answer>{Answer::Yes, Answer::Yes} << ""
                                    << QByteArray("BAUM.WMF\r\n\r\n");
        QTest::newRow("small letters stored in capitals") << "haus.wmf" << "Wort" << QList<Answer>{Answer::Yes, Answer::Yes}
                                                          << "" << QByteArray("HAUS.WMF\r\nWort\r\n");
        QTest::newRow("declined") << "HAUS.WMF" << "Villa" << QList<Answer>{Answer::No} << "" << QByteArray();
        QTest::newRow("text beyond the code page") << "HAUS.WMF" << "Ωmega" << QList<Answer>{Answer::Yes, Answer::Yes}
                                                   << "Ω" << QByteArray();
        QTest::newRow("name beyond the code page") << "ωmega.wmf" << "Omega" << QList<Answer>{Answer::Yes, Answer::Yes}
                                                   << "ω" << QByteArray();
    }

    void enter()
    {
        const auto [file, typed, answers, refusal, added] = testing::fetch<QString, QString, QList<Answer>, QString, QByteArray>(
            "file", "typed", "answers", "refusal", "added");
        Fixture f(kHausBaum, {file});
        f.open();
        f.pick(file);
        const QString before = f.editor.previewText();
        f.editor.newEntry();
        for (Answer a : answers)
            f.messages.answer({a});
        f.editor.enter(typed);
        QCOMPARE(f.taskFile(), kHausBaum + added);
        if (!refusal.isEmpty()) {
            // Nothing is taken over, and the entry stays open for a correction.
            QCOMPARE(f.messages.titles(), QStringList{"Revaze"});
            QVERIFY(f.messages.texts().first().contains(refusal));
            QVERIFY(f.editor.entryButtonShown());
            QCOMPARE(f.lines().size(), 4);
            return;
        }
        QVERIFY(!f.editor.entryButtonShown());
        if (added.isEmpty()) {
            QCOMPARE(f.messages.titles(), QStringList{"Eingabe bestätigen:"});
            QCOMPARE(f.editor.previewText(), before);
            QCOMPARE(f.lines().size(), 4);
            return;
        }
        QCOMPARE(f.lines().size(), 6);
        QCOMPARE(f.selectedLine(), 4);
        QCOMPARE(f.editor.previewText(), typed);
        QCOMPARE(f.editor.editText(), std::optional<QString>(typed));
    }

    void declinedSaveKeptUntilReload()
    {
        Fixture f(kHausBaum, {"HAUS.WMF"});
        f.open();
        f.messages.answer({Answer::Yes, Answer::No});
        f.editor.enter("Villa");
        QCOMPARE(f.messages.titles(), (QStringList{"Eingabe bestätigen:", "Eingabe speichern"}));
        QCOMPARE(f.lines().size(), 6);
        QCOMPARE(f.editor.previewText(), QString("Villa"));
        QCOMPARE(f.taskFile(), kHausBaum);
        // A later save writes it ("Speichern").
        f.messages.answer({Answer::Yes});
        f.editor.SaveStep();
        QCOMPARE(f.taskFile(), kHausBaum + "HAUS.WMF\r\nVilla\r\n");
        // Declined once more, then closed and opened again: gone.
        f.messages.answer({Answer::Yes, Answer::No});
        f.editor.enter("Schloss");
        QCOMPARE(f.lines().size(), 8);
        const int revision = f.editor.listRevision();
        f.editor.close();
        QVERIFY(f.lines().isEmpty());
        QVERIFY(f.editor.listRevision() != revision);
        f.editor.LoadEditorList();
        QCOMPARE(f.lines().size(), 6);
        QCOMPARE(f.lines().last(), QString("Villa"));
    }

    void deleteQuestion_data()
    {
        testing::columns<QString, QString>("answer", "shown");
        QTest::newRow("20 characters whole") << "12345678901234567890" << "12345678901234567890";
        QTest::newRow("21 characters cut") << "123456789012345678901" << "12345678901234567890 ...";
        QTest::newRow("empty answer") << "" << "";
    }

    void deleteQuestion()
    {
        const auto [answer, shown] = testing::fetch<QString, QString>("answer", "shown");
        Fixture f("X.WMF\r\nx\r\nHAUS.WMF\r\n" + answer.toLatin1() + "\r\n", {"haus.wmf"});
        f.open();
        f.editor.deleteEntry();
        QCOMPARE(f.messages.shown(), (QList<ui::Message>{{"HAUS.WMF\r\r" + shown + "\r", "Diese Einträge löschen?",
                                                            ui::Buttons::YesNo, ui::Icon::Stop, Answer::No}}));
    }

    void deleteAnswers_data()
    {
        testing::columns<QList<Answer>, QStringList, int, QByteArray>("answers", "titles", "linesLeft", "file");
        const QByteArray list = "HAUS.WMF\r\nHaus\r\nBAUM.WMF\r\nBaum\r\nBOOT.WMF\r\nBoot\r\n";
        QTest::newRow("no") << QList<Answer>{Answer::No} << QStringList{"Diese Einträge löschen?"} << 6 << list;
        QTest::newRow("yes, then no") << QList<Answer>{Answer::Yes, Answer::No}
                                      << QStringList{"Diese Einträge löschen?", "Eingabe speichern"} << 4 << list;
        QTest::newRow("yes, yes") << QList<Answer>{Answer::Yes, Answer::Yes}
                                  << QStringList{"Diese Einträge löschen?", "Eingabe speichern", "Liste speichern"} << 4
                                  << QByteArray("HAUS.WMF\r\nHaus\r\nBOOT.WMF\r\nBoot\r\n");
    }

    void deleteAnswers()
    {
        const auto [answers, titles, linesLeft, file] = testing::fetch<QList<Answer>, QStringList, int, QByteArray>(
            "answers", "titles", "linesLeft", "file");
        Fixture f("HAUS.WMF\r\nHaus\r\nBAUM.WMF\r\nBaum\r\nBOOT.WMF\r\nBoot\r\n", {"BAUM.WMF", "HAUS.WMF"});
        f.open();
        QCOMPARE(f.selectedLine(), 2);
        for (Answer a : answers)
            f.messages.answer({a});
        f.editor.deleteEntry();
        QCOMPARE(f.messages.titles(), titles);
        QCOMPARE(f.lines().size(), linesLeft);
        QCOMPARE(f.taskFile(), file);
        QCOMPARE(f.shownPicture, QString("BAUM.WMF"));
        QCOMPARE(f.editor.previewText(), linesLeft == 6 ? QString("Baum") : QString());
        if (linesLeft == 6)
            return;
        // The tree has no entry left, so there is no current entry and "Löschen" does nothing.
        QCOMPARE(f.selectedLine(), -1);
        f.messages.clear();
        f.editor.deleteEntry();
        QVERIFY(f.messages.shown().isEmpty());
    }

    void deleteLaterOfTwoEntries()
    {
        Fixture f("HAUS.WMF\r\nalt\r\nBAUM.WMF\r\nBaum\r\nHAUS.WMF\r\nneu\r\n", {"HAUS.WMF"});
        f.open();
        QCOMPARE(f.selectedLine(), 4);
        f.messages.answer({Answer::Yes, Answer::Yes});
        f.editor.deleteEntry();
        QCOMPARE(f.messages.texts().first(), QString("HAUS.WMF\r\rneu\r"));
        QCOMPARE(f.taskFile(), QByteArray("HAUS.WMF\r\nalt\r\nBAUM.WMF\r\nBaum\r\n"));
        QCOMPARE(f.editor.previewText(), QString("alt"));
        QCOMPARE(f.selectedLine(), 0);
    }

    void nothingSelected()
    {
        Fixture f(kHausBaum);
        f.open();
        QVERIFY(f.editor.files().isEmpty());
        QCOMPARE(f.shownPicture, QString());
        QCOMPARE(f.editor.editText(), std::nullopt);
        f.editor.deleteEntry();
        f.editor.copy();
        QVERIFY(f.messages.shown().isEmpty());
        QVERIFY(f.copied.isEmpty());
        // "Eingabe" says why nothing happens and appends nothing.
        f.editor.enter("Haus");
        QCOMPARE(f.messages.texts(), QStringList{"Es ist kein Bild ausgewählt.\r"});
        QCOMPARE(f.lines().size(), 4);
    }

    void listFile_data()
    {
        // titles: opening, then entering and saving; failure: the start of the last box's text
        testing::columns<QString, QStringList, QString>("state", "titles", "failure");
        QTest::newRow("missing: the save creates it") << "missing"
            << QStringList{"Eingabe bestätigen:", "Eingabe speichern", "Liste speichern"} << "";
        QTest::newRow("in small letters: written back") << "small"
            << QStringList{"Eingabe bestätigen:", "Eingabe speichern", "Liste speichern"} << "";
        QTest::newRow("unreadable: never overwritten") << "folder"
            << QStringList{"Revaze: Dateifehler", "Eingabe bestätigen:", "Eingabe speichern", "Revaze: Dateifehler"}
            << "Die Datei 'REVAZE.INI' konnte nicht gelesen werden";
        QTest::newRow("write-protected") << "read-only"
            << QStringList{"Eingabe bestätigen:", "Eingabe speichern", "Revaze: Dateifehler"}
            << "Die Datei 'revaze.ini' ist schreibgeschützt.\rDie Liste wurde nicht gespeichert; sie bleibt im Editor.\r";
        QTest::newRow("replaced by a folder after opening") << "replaced"
            << QStringList{"Eingabe bestätigen:", "Eingabe speichern", "Revaze: Dateifehler"}
            << "Die Liste konnte nicht gespeichert werden:\r";
    }

    void listFile()
    {
        const auto [state, titles, failure] = testing::fetch<QString, QStringList, QString>("state", "titles", "failure");
        Fixture f(QByteArray(), {"HAUS.WMF"});
        const QString small = f.folder.filePath("revaze.ini");
        if (state == "folder")
            QVERIFY(f.folder.dir().mkdir("REVAZE.INI"));
        if (state == "small" || state == "read-only")
            f.folder.write("revaze.ini", kHausBaum);
        if (state == "read-only")
            QCOMPARE(::chmod(QFile::encodeName(small).constData(), 0444), 0);
        if (state == "replaced")
            f.folder.write("REVAZE.INI", kHausBaum);
        f.editor.LoadEditorList();
        if (state == "replaced") {
            QVERIFY(QFile::rename(f.folder.filePath("REVAZE.INI"), f.folder.filePath("alt")));
            QVERIFY(f.folder.dir().mkpath("REVAZE.INI/inhalt"));
        }
        f.messages.answer({Answer::Yes, Answer::Yes});
        f.editor.enter("Villa");
        QCOMPARE(f.messages.titles(), titles);
        QVERIFY2(f.messages.texts().last().startsWith(failure), qPrintable(f.messages.texts().last()));
        // The entry stays in the list whatever became of the file.
        QCOMPARE(f.lines().last(), QString("Villa"));
        const QByteArray before = state == "missing" || state == "folder" ? QByteArray() : kHausBaum;
        const QByteArray saved = failure.isEmpty() ? before + "HAUS.WMF\r\nVilla\r\n" : before;
        if (state == "small" || state == "read-only")
            QCOMPARE(f.folder.read("revaze.ini"), saved);
        else if (state == "replaced")
            QCOMPARE(f.folder.read("alt"), saved);
        else if (state == "missing")
            QCOMPARE(f.taskFile(), saved);
        QCOMPARE(f.folder.files().size(), state == "folder" ? 1 : 2);
    }

    void copy()
    {
        Fixture f("HAUS.WMF\r\nDer Hund@bellt\r\n", {"HAUS.WMF", "BOOT.WMF"});
        f.open();
        f.pick("HAUS.WMF");
        f.editor.copy();
        QCOMPARE(f.copied, (QStringList{"Der Hund\rbellt", f.folder.filePath("HAUS.WMF")}));
        QCOMPARE(f.messages.texts(), QStringList{"Grafik und Lösung wurden in\rdie Zwischenablage kopiert !\r"});
        QCOMPARE(f.messages.titles(), QStringList{"Kopieren"});
        // A picture without an entry: no text, the picture still.
        f.pick("BOOT.WMF");
        f.editor.copy();
        QCOMPARE(f.copied, (QStringList{"", f.folder.filePath("BOOT.WMF")}));
        QCOMPARE(f.lines().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestListEditor)
#include "tst_listeditor.moc"
