// "Benutzerwahl": practising with the task list of another folder.
#include "trainerfixture.h"

#include "ui/folderdialog.h"

#include <QtTest>

using testing::Trainer;

class TestFolderChoice : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ui::setFolderHook(nullptr); }
    void folderWithTaskListStartsOver();
    void folderWithoutUsableList_data();
    void folderWithoutUsableList();
    void cancelledDialogChangesNothing();
};

void TestFolderChoice::folderWithTaskListStartsOver()
{
    Trainer t(testing::numberedTasks(5), 5);
    QVERIFY(t.form->Form_Load());
    t.form->Option3_Click();
    t.form->Bild4_Click();
    t.form->Bild3_Click();
    t.click("Bild6");

    QTemporaryDir other;
    QFile list(other.filePath("REVAZE.INI"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("\r\nZweiter Ordner\r\n\r\nnoch eine\r\n");
    list.close();
    QString offered;
    ui::setFolderHook([&](const QString &start) {
        offered = start;
        return other.path();
    });
    t.messages.clear();
    t.click("Bild8");
    QCOMPARE(offered, t.folder.path());
    QCOMPARE(QDir::currentPath(), QDir(other.path()).canonicalPath());
    QCOMPARE(t.counter(), QString(" Aufgabe 1 / 2"));
    QCOMPARE(t.answerDisplay(), QString("Zweiter Ordner\r"));
    QCOMPARE(t.form->modul().CurrentMode, 2);
    QVERIFY(t.control<QRadioButton>("Option2")->isChecked());
    QVERIFY(t.control("Frame1")->isHidden());
    QCOMPARE(t.control("Picture1")->x(), t.control("Bezeichnung3")->x());
    QCOMPARE(t.form->VisitedMask(), std::string("00"));
    QCOMPARE(t.messages.shown().size(), 1);
    QVERIFY(t.messages.shown().first().text.startsWith("Du befindest dich jetzt im Lernmodus:"));
    QDir::setCurrent(t.folder.path());
}

void TestFolderChoice::folderWithoutUsableList_data()
{
    QTest::addColumn<bool>("folderNamedLikeList");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no list") << false << "In diesem Ordner gibt es keine Aufgabenliste 'REVAZE.INI':";
    QTest::newRow("unreadable list") << true << "Die Aufgabenliste 'REVAZE.INI' in diesem Ordner kann nicht gelesen werden:";
}

void TestFolderChoice::folderWithoutUsableList()
{
    QFETCH(bool, folderNamedLikeList);
    QFETCH(QString, reason);
    Trainer t(testing::numberedTasks(3), 3);
    QVERIFY(t.form->Form_Load());
    t.form->Bild4_Click();
    QTemporaryDir other;
    if (folderNamedLikeList)
        QVERIFY(QDir(other.path()).mkdir("REVAZE.INI"));
    ui::setFolderHook([&](const QString &) { return other.path(); });
    t.messages.clear();
    t.click("Bild8");
    QCOMPARE(t.messages.shown().size(), 1);
    const ui::Message box = t.messages.shown().first();
    QCOMPARE(box.title, QString("Revaze"));
    QCOMPARE(box.buttons, ui::Buttons::Ok);
    QCOMPARE(box.text, reason + "\r" + QDir::toNativeSeparators(other.path()) + "\r\r");
    QCOMPARE(t.ends.count(), 0);
    QCOMPARE(QDir::currentPath(), QDir(t.folder.path()).canonicalPath());
    QCOMPARE(t.counter(), QString(" Aufgabe 2 / 3"));
}

void TestFolderChoice::cancelledDialogChangesNothing()
{
    Trainer t(testing::numberedTasks(3), 3);
    QVERIFY(t.form->Form_Load());
    ui::setFolderHook([](const QString &) { return QString(); });
    t.click("Bild8");
    QVERIFY(t.messages.shown().isEmpty());
    QCOMPARE(t.counter(), QString(" Aufgabe 1 / 3"));
}

REVAZE_TEST_MAIN(TestFolderChoice)
#include "tst_folderchoice.moc"
