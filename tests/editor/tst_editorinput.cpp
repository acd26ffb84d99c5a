// The editor under real input: clicks, double clicks and keys delivered to
// the window, the way the window system delivers them.
#include "editorfixture.h"

#include <QtTest>

using testing::Editor;
using ui::Answer;

namespace {
const QByteArray kTwoPictures = "HAUS.WMF\r\nHaus\r\nBAUM.WMF\r\nBaum\r\n";

void clickFile(const Editor &e, int row)
{
    auto *list = e.control<QListWidget>("Datei1");
    testing::clickAt(list->viewport(), list->visualItemRect(list->item(row)).center());
}

// The file list's selected rows.
QList<int> selectedFiles(const Editor &e)
{
    QList<int> rows;
    for (const QModelIndex &index : e.control<QListWidget>("Datei1")->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}
} // namespace

class TestEditorInput : public QObject {
    Q_OBJECT
private slots:
    void fileStaysSelected_data();
    void fileStaysSelected();
    void doubleClickIsOneClick_data();
    void doubleClickIsOneClick();
    void noBreakSpaceTyped();
    void everyByteSurvivesEditAndSave();
};

void TestEditorInput::fileStaysSelected_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::newRow("ctrl+click on the selected entry") << "ctrl+click";
    QTest::newRow("ctrl+space") << "ctrl+space";
    QTest::newRow("click below the entries") << "below";
    QTest::newRow("ctrl+click below the entries") << "ctrl+below";
}

void TestEditorInput::fileStaysSelected()
{
    QFETCH(QString, gesture);
    Editor e(kTwoPictures, {"BAUM.WMF", "HAUS.WMF"});
    e.open();
    auto *list = e.control<QListWidget>("Datei1");
    clickFile(e, 1);
    QCOMPARE(e.preview(), QString("Haus"));
    QCOMPARE(QApplication::focusWidget(), list);

    const QPoint below(list->viewport()->width() / 2, list->viewport()->height() - 3);
    if (gesture == "ctrl+click")
        testing::clickAt(list->viewport(), list->visualItemRect(list->item(1)).center(), Qt::ControlModifier);
    else if (gesture == "ctrl+space")
        testing::keyTo(e.form.get(), Qt::Key_Space, Qt::ControlModifier);
    else
        testing::clickAt(list->viewport(), below, gesture == "below" ? Qt::NoModifier : Qt::ControlModifier);

    QCOMPARE(selectedFiles(e), QList<int>{1});
    QCOMPARE(e.preview(), QString("Haus"));
    QVERIFY(e.pictureShown());
    // "Editieren" still fetches the entry's text.
    testing::clickOn(e.control("Bild4"));
    QCOMPARE(e.control<QPlainTextEdit>("Text1")->toPlainText(), QString("Haus"));
}

void TestEditorInput::doubleClickIsOneClick_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("Löschen asks once") << "Bild7" << QStringList{"Diese Einträge löschen?"};
    QTest::newRow("Kopieren copies once") << "Bild5" << QStringList{"Kopieren"};
    QTest::newRow("Speichern asks once") << "Bild2" << QStringList{"Eingabe speichern"};
}

void TestEditorInput::doubleClickIsOneClick()
{
    QFETCH(QString, button);
    QFETCH(QStringList, titles);
    Editor e(kTwoPictures, {"BAUM.WMF", "HAUS.WMF"});
    e.open();
    testing::doubleClickOn(e.control(button.toLatin1().constData()));
    QCOMPARE(e.titles(), titles);
    QCOMPARE(e.lines().size(), 4);
}

void TestEditorInput::noBreakSpaceTyped()
{
    Editor e(QByteArray(""), {"HAUS.WMF"});
    e.open();
    testing::clickOn(e.control("Bild6"));
    auto *text = e.control<QPlainTextEdit>("Text1");
    QCOMPARE(QApplication::focusWidget(), text);
    testing::typeTo(e.form.get(), Qt::Key_D, "D");
    // AltGr+Space on a German keyboard.
    testing::typeTo(e.form.get(), Qt::Key_nobreakspace, QString(QChar(0xA0)), Qt::GroupSwitchModifier);
    testing::typeTo(e.form.get(), Qt::Key_E, "e");
    testing::keyTo(e.form.get(), Qt::Key_Return);
    testing::typeTo(e.form.get(), Qt::Key_F, "f");
    testing::answer(e, {Answer::Yes, Answer::Yes});
    testing::keyTo(e.form.get(), Qt::Key_Tab);
    testing::keyTo(e.form.get(), Qt::Key_Return);
    QCOMPARE(e.taskFile(), QByteArray("HAUS.WMF\r\nD\xA0" "e@f\r\n"));
}

void TestEditorInput::everyByteSurvivesEditAndSave()
{
    // Every byte a line can hold (not CR, which ends it, nor LF, which typed text drops).
    QByteArray answer;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            answer += char(b);
    }
    Editor e("HAUS.WMF\r\n" + answer + "\r\n", {"HAUS.WMF"});
    e.open();
    testing::clickOn(e.control("Bild6"));
    testing::clickOn(e.control("Bild4"));
    testing::clickOn(e.control("Text1"));
    testing::answer(e, {Answer::Yes, Answer::Yes});
    testing::keyTo(e.form.get(), Qt::Key_Tab);
    testing::keyTo(e.form.get(), Qt::Key_Return);
    const QByteArray saved = e.taskFile();
    QCOMPARE(saved, "HAUS.WMF\r\n" + answer + "\r\nHAUS.WMF\r\n" + answer + "\r\n");
}

REVAZE_TEST_MAIN(TestEditorInput)
#include "tst_editorinput.moc"
