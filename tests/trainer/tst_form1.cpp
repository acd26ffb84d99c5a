// The main window: start-up, layout and showing a task.
#include "trainerfixture.h"

#include "ui/units.h"

#include <QtTest>

using testing::Trainer;

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void startsOnTaskOneWithNotice();
    void missingTaskList_data();
    void missingTaskList();
    void listFoundInAnyCase();
    void oddLineCountWarnsAndGoesOn();
    void emptyTaskList();
    void layout_data();
    void layout();
    void toolbarTips();
    void pictureAtNaturalSizeFromTopLeft();
    void pictureNames_data();
    void pictureNames();
    void missingPictureAtStart();
    void hugeListShowsItsCounter();
    void damagedTaskLists_data();
    void damagedTaskLists();
};

void TestForm1::startsOnTaskOneWithNotice()
{
    Trainer t(testing::numberedTasks(10), 10);
    QVERIFY(t.form->Form_Load());
    QCOMPARE(t.counter(), QString(" Aufgabe 1 / 10"));
    QCOMPARE(t.caption("Bezeichnung3"), QString("Antwort 1"));
    QCOMPARE(t.answerDisplay(), QString("Antwort 1\r"));
    QVERIFY(t.messages.shown().isEmpty());

    t.form->show();
    QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
    QTRY_COMPARE(t.messages.shown().size(), 1);
    QTest::qWait(50);
    QCOMPARE(t.messages.shown().size(), 1);
    const ui::Message notice = t.messages.shown().first();
    QCOMPARE(notice.text, QString("Du befindest dich jetzt im Lernmodus:\r\rLies die Fragen und merke dir die Antworten gut.\r\r"));
    QCOMPARE(notice.title, QString("Revaze"));
    QCOMPARE(notice.buttons, ui::Buttons::Ok);
    QCOMPARE(notice.icon, ui::Icon::None);
    QCOMPARE(t.form->windowTitle(), QString("O n d r e l"));
    QCOMPARE(t.form->size(), QSize(666, 529));
}

void TestForm1::missingTaskList_data()
{
    QTest::addColumn<bool>("folderOfThatName");
    QTest::newRow("no file") << false;
    QTest::newRow("a folder named REVAZE.INI") << true;
}

void TestForm1::missingTaskList()
{
    QFETCH(bool, folderOfThatName);
    testing::TaskFolder folder;
    if (folderOfThatName)
        QVERIFY(QDir(folder.path()).mkdir("REVAZE.INI"));
    testing::MessageScript messages;
    testing::EndWatch ends;
    trainer::Form1 form;
    QVERIFY(!form.Form_Load());
    QCOMPARE(ends.count(), 1);
    QCOMPARE(messages.shown().size(), 1);
    const ui::Message box = messages.shown().first();
    QCOMPARE(box.text, QString("Die Datei 'REVAZE.INI' wurde nicht gefunden!\r\r"));
    QCOMPARE(box.title, QString("REVAZE.INI"));
    QCOMPARE(box.buttons, ui::Buttons::YesNo);
    QCOMPARE(box.icon, ui::Icon::None);
}

void TestForm1::listFoundInAnyCase()
{
    Trainer t(testing::numberedTasks(2), 2);
    QVERIFY(QFile::rename(t.folder.filePath("REVAZE.INI"), t.folder.filePath("revaze.ini")));
    QVERIFY(t.form->Form_Load());
    QCOMPARE(t.counter(), QString(" Aufgabe 1 / 2"));
    QVERIFY(t.messages.shown().isEmpty());
}

void TestForm1::oddLineCountWarnsAndGoesOn()
{
    Trainer t("P1.WMF\r\nAntwort 1\r\nP2.WMF\r\n", 2);
    QVERIFY(t.form->Form_Load());
    QCOMPARE(t.messages.shown().size(), 1);
    QCOMPARE(t.messages.shown().first().text, QString("Unterschiedliche Dateieinträge!\r\r"));
    QCOMPARE(t.messages.shown().first().title, QString("Revaze: Dateifehler"));
    QCOMPARE(t.messages.shown().first().buttons, ui::Buttons::Ok);
    QCOMPARE(t.counter(), QString(" Aufgabe 1 / 2"));
    QCOMPARE(t.form->VisitedMask(), std::string("00"));
}

void TestForm1::emptyTaskList()
{
    Trainer t("");
    QVERIFY(t.form->Form_Load());
    QCOMPARE(t.counter(), QString(" Aufgabe 0 / 0"));
    QCOMPARE(t.answerDisplay(), QString());
    QVERIFY(t.control<ui::PictureBox>("Bild1")->picture().isNull());
    QVERIFY(t.messages.shown().isEmpty());
    QCOMPARE(t.ends.count(), 0);
}

void TestForm1::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("counter") << "Label1" << QRect(120, 830, 4815, 375);
    QTest::newRow("picture") << "Bild1" << QRect(120, 1200, 4815, 6615);
    QTest::newRow("answer header") << "Bezeichnung5" << QRect(5040, 830, 4815, 375);
    QTest::newRow("answer display") << "Bezeichnung1" << QRect(5160, 1320, 4575, 6375);
    QTest::newRow("answer holder") << "Bezeichnung3" << QRect(10200, 120, 1935, 375);
    QTest::newRow("mode panel") << "Frame1" << QRect(840, 720, 2295, 1335);
    QTest::newRow("quiz option") << "Option3" << QRect(120, 960, 2055, 255);
    QTest::newRow("quiz panel parked") << "Picture1" << QRect(10200, 840, 4815, 6975);
    QTest::newRow("last quiz label") << "quiz4" << QRect(120, 5160, 4575, 1695);
    QTest::newRow("stop button") << "Bild7" << QRect(120, 120, 495, 495);
    QTest::newRow("next button is smaller") << "Bild4" << QRect(4320, 120, 480, 480);
    QTest::newRow("copyright button") << "Bild11" << QRect(9360, 120, 495, 495);
}

void TestForm1::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Trainer t(testing::numberedTasks(1), 1);
    QWidget *w = t.control(name.toLatin1().constData());
    QCOMPARE(w->geometry(), ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    // Whatever lies beyond the client area's right edge is never seen.
    if (twips.x() >= 10200)
        QVERIFY(w->x() >= t.form->width());
}

void TestForm1::toolbarTips()
{
    Trainer t(testing::numberedTasks(1), 1);
    const QList<std::pair<const char *, const char *>> tips = {
        {"Bild7", "Programmende"},    {"Bild6", "Einstellung"},    {"Bild9", "Erste Aufgabe"},
        {"Bild2", "Vorherige Aufgabe"}, {"Bild3", "Zufällige Aufgabe"}, {"Bild4", "Nächste Aufgabe"},
        {"Bild10", "Letzte Aufgabe"}, {"Bild5", "Lösung zeigen"},  {"Bild8", "Benutzerwahl"},
        {"Bild12", "Tastenbelegung"}, {"Bild13", "Editor"},        {"Bild11", "Copyright"}};
    for (const auto &[name, tip] : tips)
        QCOMPARE(t.control(name)->toolTip(), QString::fromUtf8(tip));
    QVERIFY(t.control("Frame1")->isHidden());
    QVERIFY(t.control<QRadioButton>("Option2")->isChecked());
    QCOMPARE(t.caption("Bezeichnung5"), QString(" L ö s u n g   d e r   A u f g a b e "));
}

void TestForm1::pictureAtNaturalSizeFromTopLeft()
{
    Trainer t("BILD.WMF\r\nHaus\r\n");
    t.folder.writePicture("BILD.WMF", Qt::red, 40, 30);
    QVERIFY(t.form->Form_Load());
    t.form->show();
    const QImage shot = t.control("Bild1")->grab().toImage();
    QCOMPARE(shot.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(39, 29), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(40, 10), ui::colors::lightBlue);
    QCOMPARE(shot.pixelColor(10, 30), ui::colors::lightBlue);
}

void TestForm1::pictureNames_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("onDisk");
    QTest::addColumn<bool>("found");
    QTest::newRow("exact") << "HAUS.WMF" << "HAUS.WMF" << true;
    QTest::newRow("other letter case") << "BLUME.WMF" << "blume.wmf" << true;
    QTest::newRow("umlaut in other case") << "ÄPFEL.WMF" << "äpfel.wmf" << true;
    QTest::newRow("backslash folder") << "Bilder\\HAUS.WMF" << "bilder/haus.wmf" << true;
    QTest::newRow("blanks belong to the name") << "  HAUS.WMF " << "HAUS.WMF" << false;
    QTest::newRow("a folder is no picture") << "ORDNER.WMF" << "ORDNER.WMF/" << false;
    QTest::newRow("text is no picture") << "TEXT.WMF" << "TEXT.WMF:text" << false;
}

void TestForm1::pictureNames()
{
    QFETCH(QString, stored);
    QFETCH(QString, onDisk);
    QFETCH(bool, found);
    Trainer t(testing::cp1252(stored + "\r\nAntwort\r\n"));
    if (onDisk.endsWith('/')) {
        QVERIFY(QDir(t.folder.path()).mkpath(onDisk));
    } else if (onDisk.endsWith(":text")) {
        t.folder.write(onDisk.chopped(5), "Das ist kein Bild.\r\n");
    } else {
        QVERIFY(QDir(t.folder.path()).mkpath(QFileInfo(onDisk).path()));
        t.folder.writePicture(onDisk, Qt::green);
    }
    QVERIFY(t.form->Form_Load());
    QCOMPARE(!t.control<ui::PictureBox>("Bild1")->picture().isNull(), found);
    if (!found) {
        QCOMPARE(t.messages.shown().size(), 1);
        QCOMPARE(t.messages.shown().first().text, stored + " wurde nicht gefunden!\r");
        QCOMPARE(t.messages.shown().first().title, QString("Ladefehler"));
    }
}

void TestForm1::missingPictureAtStart()
{
    Trainer t(testing::numberedTasks(3), 3);
    QFile::remove(t.folder.filePath("P1.WMF"));
    QVERIFY(t.form->Form_Load());
    QCOMPARE(t.messages.titles(), QStringList{"Ladefehler"});
    QCOMPARE(t.counter(), QString());
    QCOMPARE(t.answerDisplay(), QString());
    QCOMPARE(t.caption("Bezeichnung3"), QString("Antwort 1"));
    QVERIFY(t.control<ui::PictureBox>("Bild1")->picture().isNull());
    t.form->show();
    QTRY_COMPARE(t.messages.shown().size(), 2); // the mode notice follows
    t.form->Bild4_Click();
    QCOMPARE(t.counter(), QString(" Aufgabe 2 / 3"));
    QVERIFY(!t.control<ui::PictureBox>("Bild1")->picture().isNull());
}

void TestForm1::hugeListShowsItsCounter()
{
    QByteArray list;
    for (int k = 1; k <= 100000; ++k)
        list += "\r\nAntwort " + QByteArray::number(k) + "\r\n";
    Trainer t(list);
    QVERIFY(t.form->Form_Load());
    QCOMPARE(t.counter(), QString(" Aufgabe 1 / 100000"));
    for (int i = 0; i < 39999; ++i)
        t.form->Form_KeyDown(39, 0);
    QCOMPARE(t.counter(), QString(" Aufgabe 40000 / 100000"));
    QCOMPARE(t.answerDisplay(), QString("Antwort 40000\r"));
}

void TestForm1::damagedTaskLists_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray random(50 * 1024 * 1024, Qt::Uninitialized);
    quint32 x = 2463534242u;
    for (char &c : random) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = char(x);
    }
    QTest::newRow("50 MB of random bytes") << random;
    QTest::newRow("10 MB picture line") << QByteArray(10 * 1024 * 1024, 'A') + "\r\nAntwort\r\n";
    QTest::newRow("10 MB answer line") << "P1.WMF\r\n" + QByteArray(10 * 1024 * 1024, 'b') + "\r\n";
    QTest::newRow("nul bytes") << QByteArray("P1.WMF\0X\r\nA\0B\r\n", 14);
}

void TestForm1::damagedTaskLists()
{
    QFETCH(QByteArray, bytes);
    Trainer t(bytes, 1);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(t.form->Form_Load());
    t.form->show();
    t.form->grab();
    for (int i = 0; i < 3; ++i)
        t.form->Bild4_Click();
    QVERIFY2(timer.elapsed() < 30000, qPrintable(QString::number(timer.elapsed())));
    for (const ui::Message &m : t.messages.shown())
        QVERIFY(m.title == "Ladefehler" || m.title == "Revaze: Dateifehler");
}

REVAZE_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
