// The editor window driven like a user drives it: layout, the file list,
// the preview, entering, editing, saving, deleting and copying, with the
// saved task list checked byte for byte.
#include "editorfixture.h"

#include "ui/units.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QtTest>

#include <sys/stat.h>

using testing::Editor;
using ui::Answer;

namespace {
const QByteArray kHausBaum = "HAUS.WMF\r\nHaus\r\nBAUM.WMF\r\nBaum@gruen\r\n";
}

class TestEditor : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void startState();
    void fileListFilterSortAndRefresh();
    void reloadOnActivationFromAnotherWindowOnly();
    void preview_data();
    void preview();
    void noEntryKeepsCurrentEntry();
    void unloadablePictureStillShowsText();
    void enterTwoLinesAndSave();
    void eingabeByKey_data();
    void eingabeByKey();
    void enterEmptyText();
    void enterSecondEntryForPicture();
    void declineConfirmation();
    void declinedSaveKeptUntilReload();
    void pictureNamesStoredInCapitals_data();
    void pictureNamesStoredInCapitals();
    void unstorableTextRefused();
    void unstorablePictureNameRefused();
    void editFetchesStoredForm();
    void deleteQuestion_data();
    void deleteQuestion();
    void deleteAnswers_data();
    void deleteAnswers();
    void deleteLaterOfTwoEntries();
    void nothingSelectedDoesNothing();
    void unpairedLinesDoNothing();
    void missingFileStartsEmptyAndSaveCreatesIt();
    void listInAnyCaseWrittenBack();
    void unreadableFileRefusesSaving();
    void saveFailureKeepsListAndOldFile();
    void writeProtectedListNotReplaced();
    void copyToClipboard();
    void copyMetafileBytes();
    void closeBoxHidesAndShowsMainWindow();
    void bigListSpeed();
};

void TestEditor::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Abbrechen") << "Bild1" << QRect(120, 120, 495, 495);
    QTest::newRow("Editieren is smaller") << "Bild4" << QRect(840, 120, 480, 480);
    QTest::newRow("Neue Eingabe") << "Bild6" << QRect(1560, 120, 495, 495);
    QTest::newRow("Speichern") << "Bild2" << QRect(2280, 120, 495, 495);
    QTest::newRow("Kopieren") << "Bild5" << QRect(3000, 120, 495, 495);
    QTest::newRow("Löschen") << "Bild7" << QRect(3720, 120, 495, 495);
    QTest::newRow("file heading") << "Label1" << QRect(120, 840, 2055, 255);
    QTest::newRow("file list") << "Datei1" << QRect(120, 1080, 2055, 4320);
    QTest::newRow("picture heading") << "Label2" << QRect(2280, 840, 3135, 255);
    QTest::newRow("picture") << "Bild3" << QRect(2280, 1095, 3135, 4320);
    QTest::newRow("text heading") << "Label3" << QRect(5520, 840, 3135, 255);
    QTest::newRow("answer") << "Bezeichnung1" << QRect(5520, 1080, 3135, 4335);
    QTest::newRow("entry heading") << "Label4" << QRect(120, 5520, 8535, 255);
    QTest::newRow("text entry") << "Text1" << QRect(120, 5760, 8535, 975);
    QTest::newRow("list, off screen") << "Liste1" << QRect(9120, 240, 2535, 6270);
    QTest::newRow("Eingabe, off screen") << "Befehl1" << QRect(9480, 6720, 1695, 375);
}

void TestEditor::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Editor e(kHausBaum);
    QWidget *w = e.control(name.toLatin1().constData());
    QCOMPARE(w->geometry(), ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (twips.x() >= 8790)
        QVERIFY(w->x() >= e.form->width());
}

void TestEditor::startState()
{
    Editor e(kHausBaum, {"HAUS.WMF"});
    QCOMPARE(e.form->windowTitle(), QString("Revaze: Editor"));
    QCOMPARE(e.form->size(), QSize(586, 458));
    QCOMPARE(e.form->minimumSize(), e.form->maximumSize());
    const QList<std::pair<const char *, const char *>> tips = {{"Bild1", "Abbrechen"}, {"Bild4", "Editieren"},
        {"Bild6", "Neue Eingabe"}, {"Bild2", "Speichern"}, {"Bild5", "Kopieren"}, {"Bild7", "Löschen"}};
    for (const auto &[name, tip] : tips) {
        QCOMPARE(e.control(name)->toolTip(), QString::fromUtf8(tip));
        QCOMPARE(e.control<ui::PictureBox>(name)->grab().toImage().pixelColor(0, 0), QColor(0, 0, 128));
    }
    QCOMPARE(e.caption("Label1"), QString(" Dateiverzeichnis"));
    QCOMPARE(e.caption("Label2"), QString("Bild"));
    QCOMPARE(e.caption("Label3"), QString("Text"));
    QCOMPARE(e.caption("Label4"), QString(" Texteingabe:  Zeilenumbruch erfolgt durch das @-Zeichen"));
    QCOMPARE(e.control<QPushButton>("Befehl1")->text(), QString("Eingabe"));

    e.open();
    QVERIFY(e.control("Text1")->isVisible());
    QVERIFY(e.control("Label4")->isVisible());
    QVERIFY(e.control("Befehl1")->isHidden());
    QVERIFY(e.control("Liste1")->isVisible());
    // Centred by the load handler.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(qAbs(e.form->frameGeometry().center().x() - screen.center().x()) <= 1);
    // A window manager may add its title bar only after the window was placed.
    const int titleBar = e.form->frameGeometry().height() - e.form->height();
    QVERIFY(qAbs(e.form->frameGeometry().center().y() - screen.center().y()) <= 1 + titleBar / 2);
    QCOMPARE(e.lines(), (QStringList{"HAUS.WMF", "Haus", "BAUM.WMF", "Baum@gruen"}));
    QCOMPARE(e.selectedLine(), 0);
    QCOMPARE(e.preview(), QString("Haus"));
    QVERIFY(e.shown.isEmpty());
}

void TestEditor::fileListFilterSortAndRefresh()
{
    Editor e(kHausBaum);
    for (const char *name : {"b.wmf", "A.WMF", "c.Wmf", "notes.txt", "x.wmf.bak"})
        e.folder.writePicture(QString::fromUtf8(name), Qt::red);
    QVERIFY(QDir(e.folder.path()).mkdir("ordner.wmf"));
    e.open();
    QCOMPARE(e.files(), (QStringList{"A.WMF", "b.wmf", "c.Wmf"}));
    QCOMPARE(e.control<QListWidget>("Datei1")->currentRow(), 0);

    // A new picture appears at the next activation, and the first file is previewed again.
    e.folder.writePicture("HAUS.WMF", Qt::blue);
    e.pick("b.wmf");
    e.form->Form_Activate();
    QCOMPARE(e.files(), (QStringList{"A.WMF", "b.wmf", "c.Wmf", "HAUS.WMF"}));
    QCOMPARE(e.control<QListWidget>("Datei1")->currentRow(), 0);
    e.pick("HAUS.WMF");
    QCOMPARE(e.preview(), QString("Haus"));
    // The keyboard moves the selection and the preview with it.
    QTest::keyClick(e.control("Datei1"), Qt::Key_Home);
    QCOMPARE(e.preview(), QString());
    QCOMPARE(e.selectedLine(), 0);
    QTest::keyClick(e.control("Datei1"), Qt::Key_End);
    QCOMPARE(e.preview(), QString("Haus"));
}

void TestEditor::reloadOnActivationFromAnotherWindowOnly()
{
    Editor e(kHausBaum, {"HAUS.WMF"});
    e.open();
    QCOMPARE(e.lines().size(), 4);
    e.folder.write("REVAZE.INI", "HAUS.WMF\r\nNeu\r\n");

    // Back from another application (or from a message box): no reload.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(e.form.get());
    QTest::qWait(30);
    QCOMPARE(e.lines().size(), 4);

    // Back from another window of the program: the list is read again.
    ui::Window other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.hide();
    QApplication::setActiveWindow(e.form.get());
    QTRY_COMPARE(e.lines(), (QStringList{"HAUS.WMF", "Neu"}));
    QCOMPARE(e.preview(), QString("Neu"));
}

void TestEditor::preview_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("selected");
    QTest::newRow("small file name, capital line") << QByteArray("HAUS.WMF\r\nHaus\r\n") << "haus.wmf" << "Haus" << 0;
    QTest::newRow("later entry decides") << QByteArray("HAUS.WMF\r\nalt\r\nX.WMF\r\nx\r\nhaus.wmf\r\nneu\r\n")
                                         << "HAUS.WMF" << "neu" << 4;
    QTest::newRow("match on the last line") << QByteArray("X.WMF\r\nx\r\nHAUS.WMF") << "HAUS.WMF" << "" << 2;
    QTest::newRow("mark becomes a line break") << QByteArray("HAUS.WMF\r\nDas ist@ein Haus\r\n") << "HAUS.WMF"
                                               << "Das ist\rein Haus" << 0;
    QTest::newRow("umlaut name") << testing::cp1252("ÄPFEL.WMF\r\nÄpfel\r\n") << "äpfel.wmf" << "Äpfel" << 0;
    QTest::newRow("empty answer line") << QByteArray("HAUS.WMF\r\n\r\n") << "HAUS.WMF" << "" << 0;
}

void TestEditor::preview()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, file);
    QFETCH(QString, shown);
    QFETCH(int, selected);
    Editor e(list, {"AAA.WMF", file});
    e.open();
    QCOMPARE(e.files().first(), QString("AAA.WMF"));
    QCOMPARE(e.selectedLine(), -1);
    QCOMPARE(e.preview(), QString());
    e.pick(file);
    QVERIFY(e.pictureShown());
    QCOMPARE(e.preview(), shown);
    QCOMPARE(e.selectedLine(), selected);
}

void TestEditor::noEntryKeepsCurrentEntry()
{
    Editor e(kHausBaum, {"HAUS.WMF", "BOOT.WMF"});
    e.open();
    e.pick("HAUS.WMF");
    QCOMPARE(e.selectedLine(), 0);
    e.pick("BOOT.WMF");
    QVERIFY(e.pictureShown());
    QCOMPARE(e.preview(), QString());
    QCOMPARE(e.selectedLine(), 0);
    // "Editieren" and "Löschen" still act on the house.
    e.click("Bild4");
    QCOMPARE(e.control<QPlainTextEdit>("Text1")->toPlainText(), QString("Haus"));
    e.click("Bild7");
    QCOMPARE(e.shown.size(), 1);
    QCOMPARE(e.shown.first().message.text, QString("HAUS.WMF\r\rHaus\r"));
}

void TestEditor::unloadablePictureStillShowsText()
{
    Editor e(kHausBaum, {"BAUM.WMF"});
    e.folder.write("HAUS.WMF", "kein Bild");
    e.open();
    QVERIFY(e.pictureShown());  // BAUM.WMF first
    e.pick("HAUS.WMF");
    QVERIFY(!e.pictureShown());
    QCOMPARE(e.preview(), QString("Haus"));
    QVERIFY(e.shown.isEmpty());
    // "Kopieren" then copies the text alone and says so.
    e.click("Bild5");
    QCOMPARE(e.shown.size(), 1);
    QCOMPARE(e.shown.first().message.text, QString("Die Lösung wurde in\rdie Zwischenablage kopiert !\r"));
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data->text(), QString("Haus"));
    QVERIFY(!data->hasImage());
}

void TestEditor::enterTwoLinesAndSave()
{
    Editor e(kHausBaum, {"BAUM.WMF", "haus.wmf"});
    e.open();
    e.pick("haus.wmf");
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.click("Bild6");
    QCOMPARE(e.preview(), QString());
    QVERIFY(e.control("Befehl1")->isVisible());
    QCOMPARE(QApplication::focusWidget(), e.control("Text1"));
    e.type("Der Hund\nbellt");
    e.pressEingabe();

    QCOMPARE(e.titles(), (QStringList{"Eingabe bestätigen:", "Eingabe speichern", "Liste speichern"}));
    const ui::Message confirm = e.shown.at(0).message;
    QCOMPARE(confirm.text, QString("Angezeigtes Bild mit Text übernehmen?\r"));
    QCOMPARE(confirm.buttons, ui::Buttons::YesNo);
    QCOMPARE(confirm.icon, ui::Icon::Stop);
    QCOMPARE(confirm.defaultButton, Answer::No);
    QCOMPARE(e.shown.at(0).preview, QString("Der Hund\rbellt"));
    const ui::Message save = e.shown.at(1).message;
    QCOMPARE(save.text, QString("Änderungen an der Liste abspeichern?\r"));
    QCOMPARE(save.icon, ui::Icon::Stop);
    QCOMPARE(save.defaultButton, Answer::No);
    QCOMPARE(e.shown.at(1).preview, QString());
    const ui::Message done = e.shown.at(2).message;
    QCOMPARE(done.text, QString("Liste wurde gespeichert!\r"));
    QCOMPARE(done.buttons, ui::Buttons::Ok);
    QCOMPARE(done.icon, ui::Icon::None);

    QCOMPARE(e.taskFile(), kHausBaum + "HAUS.WMF\r\nDer Hund@bellt\r\n");
    QCOMPARE(e.lines().mid(4), (QStringList{"HAUS.WMF", "Der Hund@bellt"}));
    QCOMPARE(e.selectedLine(), 4);
    QCOMPARE(e.preview(), QString("Der Hund\rbellt"));
    QVERIFY(e.control("Text1")->isHidden());
    QVERIFY(e.control("Befehl1")->isHidden());
    QVERIFY(e.control("Label4")->isHidden());
    // "Neue Eingabe" opens the entry again, caption line included.
    e.click("Bild6");
    QVERIFY(e.control("Label4")->isVisible());
    QVERIFY(e.control("Text1")->isVisible());
}

void TestEditor::eingabeByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestEditor::eingabeByKey()
{
    QFETCH(int, key);
    Editor e("", {"HAUS.WMF"});
    e.open();
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.click("Bild6");
    e.type("Haus");
    e.pressEingabe(Qt::Key(key));
    QCOMPARE(e.titles().value(0), QString("Eingabe bestätigen:"));
    QCOMPARE(e.taskFile(), QByteArray("HAUS.WMF\r\nHaus\r\n"));
    // The button is pressed once, not also by the window or a second key handler.
    QCOMPARE(e.shown.size(), 3);
}

void TestEditor::enterEmptyText()
{
    Editor e(kHausBaum, {"BAUM.WMF"});
    e.open();
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.enter("");
    QCOMPARE(e.lines().mid(4), (QStringList{"BAUM.WMF", ""}));
    QCOMPARE(e.taskFile(), kHausBaum + "BAUM.WMF\r\n\r\n");
    QCOMPARE(e.selectedLine(), 4);
    QCOMPARE(e.preview(), QString());
}

void TestEditor::enterSecondEntryForPicture()
{
    Editor e(kHausBaum, {"HAUS.WMF"});
    e.open();
    QCOMPARE(e.selectedLine(), 0);
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.enter("Villa");
    QCOMPARE(e.selectedLine(), 4);
    QCOMPARE(e.preview(), QString("Villa"));
    // "Editieren" fetches the new text, the current entry now.
    e.click("Bild4");
    QCOMPARE(e.control<QPlainTextEdit>("Text1")->toPlainText(), QString("Villa"));
    QVERIFY(e.control("Text1")->isHidden());
}

void TestEditor::declineConfirmation()
{
    Editor e(kHausBaum, {"HAUS.WMF"});
    e.open();
    testing::answer(e, {Answer::No});
    e.enter("Villa");
    QCOMPARE(e.titles(), QStringList{"Eingabe bestätigen:"});
    QCOMPARE(e.lines().size(), 4);
    QCOMPARE(e.taskFile(), kHausBaum);
    QVERIFY(e.control("Text1")->isHidden());
    QVERIFY(e.control("Befehl1")->isHidden());
    QVERIFY(e.pictureShown());
    QCOMPARE(e.preview(), QString("Haus"));
}

void TestEditor::declinedSaveKeptUntilReload()
{
    Editor e(kHausBaum, {"HAUS.WMF"});
    e.open();
    testing::answer(e, {Answer::Yes, Answer::No});
    e.enter("Villa");
    QCOMPARE(e.titles(), (QStringList{"Eingabe bestätigen:", "Eingabe speichern"}));
    QCOMPARE(e.lines().size(), 6);
    QCOMPARE(e.preview(), QString("Villa"));
    QCOMPARE(e.taskFile(), kHausBaum);

    // A later save writes it with the next change ("Speichern" here).
    e.shown.clear();
    testing::answer(e, {Answer::Yes});
    e.click("Bild2");
    QCOMPARE(e.titles(), (QStringList{"Eingabe speichern", "Liste speichern"}));
    QCOMPARE(e.taskFile(), kHausBaum + "HAUS.WMF\r\nVilla\r\n");

    // Declined once more, then closed and opened again: gone.
    testing::answer(e, {Answer::Yes, Answer::No});
    e.enter("Schloss");
    QCOMPARE(e.lines().size(), 8);
    e.click("Bild1");
    QVERIFY(e.form->isHidden());
    QVERIFY(e.lines().isEmpty());
    QVERIFY(e.mainWindow.isVisible());
    e.mainWindow.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&e.mainWindow));
    e.form->show();
    e.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(e.form.get()));
    QTRY_COMPARE(e.lines().size(), 6);
    QCOMPARE(e.lines().last(), QString("Villa"));
}

void TestEditor::pictureNamesStoredInCapitals_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("small letters") << "haus.wmf" << QByteArray("HAUS.WMF");
    QTest::newRow("umlaut") << "äpfel.wmf" << QByteArray("\xC4PFEL.WMF");
    QTest::newRow("sharp s stays") << "straße.wmf" << QByteArray("STRA\xDF" "E.WMF");
    QTest::newRow("mixed ending") << "Boot.Wmf" << QByteArray("BOOT.WMF");
}

void TestEditor::pictureNamesStoredInCapitals()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, line);
    Editor e("", {file});
    e.open();
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.enter("Wort");
    QCOMPARE(e.taskFile(), line + "\r\nWort\r\n");
    // The stored name finds its file again.
    QCOMPARE(e.selectedLine(), 0);
    QCOMPARE(e.preview(), QString("Wort"));
}

void TestEditor::unstorableTextRefused()
{
    Editor e(kHausBaum, {"HAUS.WMF"});
    e.open();
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.enter(QString::fromUtf8("Ωmega"));
    QCOMPARE(e.titles(), QStringList{"Revaze"});
    QVERIFY(e.shown.first().message.text.contains(QString::fromUtf8("Ω")));
    QCOMPARE(e.lines().size(), 4);
    QCOMPARE(e.taskFile(), kHausBaum);
    // The entry stays open for a correction.
    QVERIFY(e.control("Befehl1")->isVisible());
    QCOMPARE(e.control<QPlainTextEdit>("Text1")->toPlainText(), QString::fromUtf8("Ωmega"));
}

void TestEditor::unstorablePictureNameRefused()
{
    Editor e("", {QString::fromUtf8("ωmega.wmf")});
    e.open();
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.enter("Omega");
    QCOMPARE(e.titles(), QStringList{"Revaze"});
    QVERIFY(e.shown.first().message.text.contains(QString::fromUtf8("ω")));
    QVERIFY(e.lines().isEmpty());
    QCOMPARE(e.taskFile(), QByteArray());
}

void TestEditor::editFetchesStoredForm()
{
    Editor e("HAUS.WMF\r\nDer Hund@bellt\r\n", {"HAUS.WMF"});
    e.open();
    auto *text = e.control<QPlainTextEdit>("Text1");
    e.type("Rest");
    e.click("Bild4");
    QCOMPARE(text->toPlainText(), QString("Der Hund@bellt"));
    QVERIFY(text->isVisible());
    QVERIFY(e.control("Befehl1")->isHidden());
    QCOMPARE(e.lines().size(), 2);
    QCOMPARE(e.preview(), QString("Der Hund\rbellt"));
    QVERIFY(e.shown.isEmpty());
    // With the entry closed, Tab does not reach the hidden "Eingabe" button.
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != e.control("Befehl1"));

    // "Neue Eingabe", "Editieren", a change, "Eingabe": the marks are stored unchanged.
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.click("Bild6");
    QCOMPARE(text->toPlainText(), QString());
    e.click("Bild4");
    QCOMPARE(text->toPlainText(), QString("Der Hund@bellt"));
    text->moveCursor(QTextCursor::End);
    e.type("\nlaut");
    e.pressEingabe();
    QCOMPARE(e.taskFile(), QByteArray("HAUS.WMF\r\nDer Hund@bellt\r\nHAUS.WMF\r\nDer Hund@bellt@laut\r\n"));
}

void TestEditor::deleteQuestion_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shown");
    QTest::newRow("20 characters whole") << "12345678901234567890" << "12345678901234567890";
    QTest::newRow("21 characters cut") << "123456789012345678901" << "12345678901234567890 ...";
    QTest::newRow("mark shown as it is") << "Der Hund@bellt" << "Der Hund@bellt";
    QTest::newRow("empty answer") << "" << "";
}

void TestEditor::deleteQuestion()
{
    QFETCH(QString, answer);
    QFETCH(QString, shown);
    Editor e("X.WMF\r\nx\r\nHAUS.WMF\r\n" + answer.toLatin1() + "\r\n", {"haus.wmf"});
    e.open();
    e.click("Bild7");
    QCOMPARE(e.shown.size(), 1);
    const ui::Message question = e.shown.first().message;
    QCOMPARE(question.text, "HAUS.WMF\r\r" + shown + "\r");
    QCOMPARE(question.title, QString("Diese Einträge löschen?"));
    QCOMPARE(question.buttons, ui::Buttons::YesNo);
    QCOMPARE(question.icon, ui::Icon::Stop);
    QCOMPARE(question.defaultButton, Answer::No);
}

void TestEditor::deleteAnswers_data()
{
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("linesLeft");
    QTest::addColumn<QByteArray>("file");
    const QByteArray list = "HAUS.WMF\r\nHaus\r\nBAUM.WMF\r\nBaum\r\nBOOT.WMF\r\nBoot\r\n";
    QTest::newRow("no") << QList<Answer>{Answer::No} << QStringList{"Diese Einträge löschen?"} << 6 << list;
    QTest::newRow("yes, then no") << QList<Answer>{Answer::Yes, Answer::No}
                                  << QStringList{"Diese Einträge löschen?", "Eingabe speichern"} << 4 << list;
    QTest::newRow("yes, yes") << QList<Answer>{Answer::Yes, Answer::Yes}
                              << QStringList{"Diese Einträge löschen?", "Eingabe speichern", "Liste speichern"} << 4
                              << QByteArray("HAUS.WMF\r\nHaus\r\nBOOT.WMF\r\nBoot\r\n");
}

void TestEditor::deleteAnswers()
{
    QFETCH(QList<Answer>, answers);
    QFETCH(QStringList, titles);
    QFETCH(int, linesLeft);
    QFETCH(QByteArray, file);
    Editor e("HAUS.WMF\r\nHaus\r\nBAUM.WMF\r\nBaum\r\nBOOT.WMF\r\nBoot\r\n", {"BAUM.WMF", "HAUS.WMF"});
    e.open();
    QCOMPARE(e.selectedLine(), 2);
    for (Answer a : answers)
        e.answers.push_back(a);
    e.click("Bild7");
    QCOMPARE(e.titles(), titles);
    QCOMPARE(e.lines().size(), linesLeft);
    QCOMPARE(e.taskFile(), file);
    QVERIFY(e.pictureShown());
    if (linesLeft == 6) {
        QCOMPARE(e.preview(), QString("Baum"));
        return;
    }
    QCOMPARE(e.lines(), (QStringList{"HAUS.WMF", "Haus", "BOOT.WMF", "Boot"}));
    QCOMPARE(e.preview(), QString());
    // The tree has no entry left, so there is no current entry and "Löschen" does nothing.
    QCOMPARE(e.selectedLine(), -1);
    e.shown.clear();
    e.click("Bild7");
    QVERIFY(e.shown.isEmpty());
}

void TestEditor::deleteLaterOfTwoEntries()
{
    Editor e("HAUS.WMF\r\nalt\r\nBAUM.WMF\r\nBaum\r\nHAUS.WMF\r\nneu\r\n", {"HAUS.WMF"});
    e.open();
    QCOMPARE(e.selectedLine(), 4);
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.click("Bild7");
    QCOMPARE(e.shown.first().message.text, QString("HAUS.WMF\r\rneu\r"));
    QCOMPARE(e.taskFile(), QByteArray("HAUS.WMF\r\nalt\r\nBAUM.WMF\r\nBaum\r\n"));
    QCOMPARE(e.preview(), QString("alt"));
    QCOMPARE(e.selectedLine(), 0);
}

void TestEditor::nothingSelectedDoesNothing()
{
    Editor e(kHausBaum);
    e.open();
    QVERIFY(e.files().isEmpty());
    QVERIFY(!e.pictureShown());
    QGuiApplication::clipboard()->setText("vorher");
    e.type("Text");
    for (const char *button : {"Bild4", "Bild7", "Bild5"})
        e.click(button);
    QVERIFY(e.shown.isEmpty());
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("vorher"));
    QCOMPARE(e.control<QPlainTextEdit>("Text1")->toPlainText(), QString("Text"));

    // "Eingabe" says why nothing happens and appends nothing.
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.click("Bild6");
    e.type("Haus");
    e.pressEingabe();
    QCOMPARE(e.titles(), QStringList{"Revaze"});
    QCOMPARE(e.shown.first().message.text, QString("Es ist kein Bild ausgewählt.\r"));
    QCOMPARE(e.lines().size(), 4);
    QCOMPARE(e.taskFile(), kHausBaum);
}

void TestEditor::unpairedLinesDoNothing()
{
    // The only line naming the picture is the last one: no answer line follows it.
    Editor e("BAUM.WMF\r\nBaum\r\nHAUS.WMF", {"HAUS.WMF"});
    e.open();
    QCOMPARE(e.selectedLine(), 2);
    e.click("Bild4");
    e.click("Bild7");
    QVERIFY(e.shown.isEmpty());
    QCOMPARE(e.control<QPlainTextEdit>("Text1")->toPlainText(), QString());
    QCOMPARE(e.lines().size(), 3);
}

void TestEditor::missingFileStartsEmptyAndSaveCreatesIt()
{
    Editor e(QByteArray(), {"HAUS.WMF"});
    e.open();
    QVERIFY(e.shown.isEmpty());
    QVERIFY(e.lines().isEmpty());
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.enter("Haus");
    QCOMPARE(e.titles().last(), QString("Liste speichern"));
    QCOMPARE(e.taskFile(), QByteArray("HAUS.WMF\r\nHaus\r\n"));
}

void TestEditor::listInAnyCaseWrittenBack()
{
    Editor e(QByteArray(), {"HAUS.WMF"});
    e.folder.write("Revaze.ini", "HAUS.WMF\r\nHaus\r\n");
    e.open();
    QCOMPARE(e.preview(), QString("Haus"));
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.enter("Villa");
    QCOMPARE(e.titles().last(), QString("Liste speichern"));
    QCOMPARE(QDir(e.folder.path()).entryList(QDir::Files), (QStringList{"HAUS.WMF", "Revaze.ini"}));
    QCOMPARE(e.folder.read("Revaze.ini"), QByteArray("HAUS.WMF\r\nHaus\r\nHAUS.WMF\r\nVilla\r\n"));
}

void TestEditor::unreadableFileRefusesSaving()
{
    Editor e(QByteArray(), {"HAUS.WMF"});
    QVERIFY(QDir(e.folder.path()).mkdir("REVAZE.INI"));
    e.open();
    QCOMPARE(e.titles(), QStringList{"Revaze: Dateifehler"});
    QVERIFY(e.shown.first().message.text.startsWith("Die Datei 'REVAZE.INI' kann nicht gelesen werden:\r"));
    QVERIFY(e.lines().isEmpty());
    QVERIFY(e.pictureShown());

    e.shown.clear();
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.enter("Haus");
    QCOMPARE(e.titles(), (QStringList{"Eingabe bestätigen:", "Eingabe speichern", "Revaze: Dateifehler"}));
    QVERIFY(QFileInfo(e.folder.filePath("REVAZE.INI")).isDir());
    QCOMPARE(e.lines(), (QStringList{"HAUS.WMF", "Haus"}));

    // Readable at a later activation: saving works again.
    QVERIFY(QDir(e.folder.path()).rmdir("REVAZE.INI"));
    e.folder.write("REVAZE.INI", "BAUM.WMF\r\nBaum\r\n");
    e.form->Form_Activate();
    e.shown.clear();
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.enter("Haus");
    QCOMPARE(e.titles().last(), QString("Liste speichern"));
    QCOMPARE(e.taskFile(), QByteArray("BAUM.WMF\r\nBaum\r\nHAUS.WMF\r\nHaus\r\n"));
}

void TestEditor::saveFailureKeepsListAndOldFile()
{
    Editor e(kHausBaum, {"HAUS.WMF"});
    e.open();
    // Tests may run as root, whom permissions do not stop: a folder in the
    // file's place makes replacing it fail.
    QVERIFY(QFile::rename(e.folder.filePath("REVAZE.INI"), e.folder.filePath("alt.ini")));
    QVERIFY(QDir(e.folder.path()).mkpath("REVAZE.INI/inhalt"));
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.enter("Villa");
    QCOMPARE(e.titles(), (QStringList{"Eingabe bestätigen:", "Eingabe speichern", "Revaze: Dateifehler"}));
    const QString failure = e.shown.last().message.text;
    QVERIFY2(failure.startsWith("Die Liste konnte nicht gespeichert werden:\r"), qPrintable(failure));
    QVERIFY(failure.size() > 60);
    QCOMPARE(e.shown.last().message.buttons, ui::Buttons::Ok);
    QVERIFY(QFileInfo(e.folder.filePath("REVAZE.INI/inhalt")).isDir());
    QCOMPARE(e.lines().size(), 6);
    QCOMPARE(e.preview(), QString("Villa"));
    // No half-written file is left behind.
    QCOMPARE(QDir(e.folder.path()).entryList(QDir::Files), (QStringList{"alt.ini", "HAUS.WMF"}));

    // Once the folder is gone, "Speichern" writes the kept list.
    QVERIFY(QDir(e.folder.filePath("REVAZE.INI")).removeRecursively());
    QVERIFY(QFile::rename(e.folder.filePath("alt.ini"), e.folder.filePath("REVAZE.INI")));
    QCOMPARE(e.taskFile(), kHausBaum);
    e.shown.clear();
    testing::answer(e, {Answer::Yes});
    e.click("Bild2");
    QCOMPARE(e.titles(), (QStringList{"Eingabe speichern", "Liste speichern"}));
    QCOMPARE(e.taskFile(), kHausBaum + "HAUS.WMF\r\nVilla\r\n");
}

void TestEditor::writeProtectedListNotReplaced()
{
    Editor e(QByteArray(), {"HAUS.WMF"});
    e.folder.write("revaze.ini", kHausBaum);
    const QByteArray path = QFile::encodeName(e.folder.filePath("revaze.ini"));
    QCOMPARE(::chmod(path.constData(), 0444), 0);
    e.open();
    testing::answer(e, {Answer::Yes, Answer::Yes});
    e.enter("Villa");
    QCOMPARE(e.titles(), (QStringList{"Eingabe bestätigen:", "Eingabe speichern", "Revaze: Dateifehler"}));
    QCOMPARE(e.shown.last().message.text,
             QString("Die Datei 'revaze.ini' ist schreibgeschützt.\rDie Liste wurde nicht gespeichert; sie bleibt im Editor.\r"));
    QCOMPARE(e.folder.read("revaze.ini"), kHausBaum);
    QCOMPARE(QDir(e.folder.path()).entryList(QDir::Files), (QStringList{"HAUS.WMF", "revaze.ini"}));
    QCOMPARE(e.lines().size(), 6);
    QCOMPARE(QFile::permissions(e.folder.filePath("revaze.ini")) & QFileDevice::WriteOwner, QFileDevice::Permissions());
}

void TestEditor::copyToClipboard()
{
    Editor e("HAUS.WMF\r\nDer Hund@bellt\r\n", {"HAUS.WMF", "BOOT.WMF"});
    e.open();
    e.pick("HAUS.WMF");
    e.click("Bild5");
    QCOMPARE(e.titles(), QStringList{"Kopieren"});
    QCOMPARE(e.shown.first().message.text, QString("Grafik und Lösung wurden in\rdie Zwischenablage kopiert !\r"));
    QCOMPARE(e.shown.first().message.buttons, ui::Buttons::Ok);
    QCOMPARE(e.shown.first().message.icon, ui::Icon::None);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data->text(), QString("Der Hund\rbellt"));
    QCOMPARE(data->data("image/png"), e.folder.read("HAUS.WMF"));
    const QImage image = qvariant_cast<QImage>(data->imageData());
    QCOMPARE(image.size(), QSize(40, 30));
    QCOMPARE(image.pixelColor(5, 5), e.control<ui::PictureBox>("Bild3")->grab().toImage().pixelColor(5, 5));
    // Nothing else changes.
    QCOMPARE(e.lines().size(), 2);
    QCOMPARE(e.preview(), QString("Der Hund\rbellt"));
    QCOMPARE(e.taskFile(), QByteArray("HAUS.WMF\r\nDer Hund@bellt\r\n"));

    // A picture without an entry: empty text, the picture all the same.
    e.pick("BOOT.WMF");
    e.click("Bild5");
    QCOMPARE(e.shown.size(), 2);
    data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data->text(), QString());
    QCOMPARE(data->data("image/png"), e.folder.read("BOOT.WMF"));
}

void TestEditor::copyMetafileBytes()
{
    const QString samples =
        qEnvironmentVariable("REVAZE_SOURCE_DIR", QStringLiteral(REVAZE_SOURCE_DIR_FALLBACK)) + "/samples";
    QFile sample(samples + "/HAUS.WMF");
    if (!sample.open(QIODevice::ReadOnly))
        QSKIP("sample pictures not found");
    const QByteArray bytes = sample.readAll();
    Editor e("HAUS.WMF\r\nHaus\r\n");
    e.folder.write("haus.wmf", bytes);
    e.open();
    QVERIFY(e.pictureShown());
    e.click("Bild5");
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data->data("image/x-wmf"), bytes);
    QVERIFY(!qvariant_cast<QImage>(data->imageData()).isNull());
    QCOMPARE(data->text(), QString("Haus"));
}

void TestEditor::closeBoxHidesAndShowsMainWindow()
{
    Editor e(kHausBaum, {"HAUS.WMF"});
    e.open();
    QVERIFY(!e.lines().isEmpty());
    e.form->close();
    QVERIFY(e.form->isHidden());
    QVERIFY(e.mainWindow.isVisible());
    QVERIFY(e.lines().isEmpty());
    QVERIFY(e.shown.isEmpty());
}

void TestEditor::bigListSpeed()
{
    QByteArray list;
    for (int k = 1; k <= 100000; ++k)
        list += "P" + QByteArray::number(k % 1000) + ".WMF\r\nAntwort " + QByteArray::number(k) + "@zweite Zeile\r\n";
    Editor e(list);
    for (int k = 0; k < 1000; ++k)
        e.folder.write(QString("P%1.WMF").arg(k), "kein Bild");
    e.folder.writePicture("P0.WMF", Qt::red);
    e.open();
    QCOMPARE(e.lines().size(), 200000);

    QElapsedTimer timer;
    timer.start();
    e.form->Form_Activate();
    const qint64 activation = timer.elapsed();
    QCOMPARE(e.lines().size(), 200000);
    QCOMPARE(e.files().size(), 1000);
    QCOMPARE(e.selectedLine(), 199998);
    QCOMPARE(e.preview(), QString("Antwort 100000\rzweite Zeile"));

    testing::answer(e, {Answer::Yes});
    timer.start();
    e.click("Bild2");
    const qint64 save = timer.elapsed();
    QCOMPARE(e.taskFile(), list);
    qInfo("activation with 200000 lines and 1000 files: %lld ms, save: %lld ms", activation, save);
    // Far above the usual figures, so that a loaded or instrumented build passes too.
    QVERIFY(activation < 3000);
    QVERIFY(save < 3000);
}

REVAZE_TEST_MAIN(TestEditor)
#include "tst_editor.moc"
