// The editor opened from the main window's "Editor" button and closed by
// its "Abbrechen" button.
#include "editor/form3.h"
#include "testsupport.h"
#include "trainer/form1.h"

#include <QListView>
#include <QtTest>

class TestEditorOpening : public QObject {
    Q_OBJECT
private slots:
    void openAndClose();
};

void TestEditorOpening::openAndClose()
{
    testing::TaskFolder folder;
    folder.write("REVAZE.INI", "HAUS.WMF\r\nHaus\r\n");
    folder.writePicture("HAUS.WMF", Qt::red);
    testing::MessageScript messages;
    testing::EndWatch ends;
    trainer::Form1 main;
    QVERIFY(main.Form_Load());
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTRY_COMPARE(messages.shown().size(), 1);  // the mode notice

    QTest::mouseClick(main.findChild<QWidget *>("Bild13"), Qt::LeftButton);
    editor::Form3 *editor = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<editor::Form3 *>(w))
            editor = form;
    }
    QVERIFY(editor);
    QVERIFY(editor->isVisible());
    QVERIFY(main.isHidden());
    QVERIFY(QTest::qWaitForWindowActive(editor));
    auto *list = editor->findChild<QListView *>("Liste1");
    QTRY_COMPARE(list->model()->rowCount(), 2);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(qAbs(editor->frameGeometry().center().x() - screen.center().x()) <= 1);
    QCOMPARE(messages.shown().size(), 1);

    // "Abbrechen": the editor goes, the main window comes back and shows its notice.
    editor->move(10, 10);
    QTest::mouseClick(editor->findChild<QWidget *>("Bild1"), Qt::LeftButton);
    QVERIFY(editor->isHidden());
    QCOMPARE(list->model()->rowCount(), 0);
    QVERIFY(main.isVisible());
    QTRY_COMPARE(messages.shown().size(), 2);
    QCOMPARE(messages.shown().last().title, QString("Revaze"));

    // Opened again: the same window, not centred again, the list read again.
    QTest::mouseClick(main.findChild<QWidget *>("Bild13"), Qt::LeftButton);
    QTest::qWait(20);
    QVERIFY(qAbs(editor->frameGeometry().center().x() - screen.center().x()) > 50);
    QVERIFY(editor->isVisible());
    QTRY_COMPARE(list->model()->rowCount(), 2);
    int editors = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        editors += qobject_cast<editor::Form3 *>(w) != nullptr;
    QCOMPARE(editors, 1);
    QCOMPARE(ends.count(), 0);
}

REVAZE_TEST_MAIN(TestEditorOpening)
#include "tst_editor_opening.moc"
