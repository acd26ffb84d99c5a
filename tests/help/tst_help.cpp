// The key assignment and about windows, opened from the main window.
#include "../trainer/trainerfixture.h"
#include "help/form2.h"
#include "help/vazideza.h"
#include "ui/units.h"

#include <QtTest>

using testing::Trainer;

namespace {
template <typename W> QList<W *> openWindows()
{
    QList<W *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<W *>(w))
            found.append(window);
    return found;
}

QString labelCaption(QWidget *window, const char *name)
{
    return window->findChild<ui::Label *>(QLatin1String(name))->caption();
}
} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void keyWindowOpensOnceWithItsTexts();
    void keyWindowControlsStayOnResize();
    void aboutWindowClosesBothWays_data();
    void aboutWindowClosesBothWays();
    void aboutWindowPlace_data();
    void aboutWindowPlace();
    void aboutWindowReturnsToItsPlace();
    void closingGivesNoticeBack();
};

void TestHelp::keyWindowOpensOnceWithItsTexts()
{
    Trainer t(testing::numberedTasks(2), 2);
    QVERIFY(t.form->Form_Load());
    t.click("Bild12");
    t.click("Bild12");
    QCOMPARE(openWindows<help::Form2>().size(), 1);
    help::Form2 *keys = openWindows<help::Form2>().first();
    QVERIFY(keys->isVisible());
    QVERIFY(!keys->parentWidget());
    QCOMPARE(keys->windowTitle(), QString("Revaze:  Tastenbelegung"));
    const QString names = "L - P f e i l\rR - P f e i l\rL e e r t a s t e\rE N T E R\rP o s 1\rE n d e\rE s c\r";
    const QString actions = "-   z u r ü c k\r-   w e i t e r\r-   Z u f a l l\r-   L ö s u n g\r-   A n f a n g\r"
                            "-   S c h l u s s\r-   B e e n d e n\r";
    QCOMPARE(labelCaption(keys, "Bezeichnung1"), names);
    QCOMPARE(labelCaption(keys, "Bezeichnung2"), actions);
    QTest::mouseClick(keys->findChild<QWidget *>("Bild1"), Qt::LeftButton);
    QVERIFY(keys->isHidden());
    t.click("Bild12");
    QCOMPARE(openWindows<help::Form2>(), QList<help::Form2 *>{keys});
    QCOMPARE(labelCaption(keys, "Bezeichnung1"), names);
    // Keys do nothing here.
    QTest::keyClick(keys, Qt::Key_Right);
    QCOMPARE(t.counter(), QString(" Aufgabe 1 / 2"));
}

void TestHelp::keyWindowControlsStayOnResize()
{
    help::Form2 keys;
    keys.show();
    QWidget *label = keys.findChild<QWidget *>("Bezeichnung2");
    const QRect before = label->geometry();
    QCOMPARE(before, ui::twipsRect(3000, 360, 2175, 2055));
    keys.resize(keys.width() + 200, keys.height() + 100);
    QCOMPARE(label->geometry(), before);
    QVERIFY(keys.minimumSize() != keys.maximumSize());
}

void TestHelp::aboutWindowClosesBothWays_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("Okay label") << "Bezeichnung1";
    QTest::newRow("traffic light") << "Bild1";
}

void TestHelp::aboutWindowClosesBothWays()
{
    QFETCH(QString, control);
    Trainer t(testing::numberedTasks(1), 1);
    QVERIFY(t.form->Form_Load());
    t.click("Bild11");
    QCOMPARE(openWindows<help::VAZIDEZA>().size(), 1);
    help::VAZIDEZA *about = openWindows<help::VAZIDEZA>().first();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    about->grab();
    QCOMPARE(labelCaption(about, "Bezeichnung1"), QString("O k a y"));
    QVERIFY(labelCaption(about, "Bezeichnung6").contains("\r\n"));
    QVERIFY(labelCaption(about, "Bezeichnung7").contains("\r\n"));
    QTest::mouseClick(about->findChild<QWidget *>(control), Qt::LeftButton);
    QVERIFY(about->isHidden());
    t.click("Bild11");
    QCOMPARE(openWindows<help::VAZIDEZA>(), QList<help::VAZIDEZA *>{about});
    QVERIFY(about->isVisible());
}

void TestHelp::aboutWindowPlace_data()
{
    QTest::addColumn<QSizeF>("screen");
    QTest::addColumn<QSizeF>("window");
    QTest::addColumn<QPointF>("place");
    QTest::newRow("1024 x 768") << QSizeF(15360, 11520) << QSizeF(3705, 3915) << QPointF(5827.5, 1901.25);
    QTest::newRow("1920 x 1080") << QSizeF(28800, 16200) << QSizeF(3705, 3915) << QPointF(12547.5, 3071.25);
    QTest::newRow("window larger than screen") << QSizeF(3000, 3000) << QSizeF(3705, 3915) << QPointF(-352.5, -228.75);
}

void TestHelp::aboutWindowPlace()
{
    QFETCH(QSizeF, screen);
    QFETCH(QSizeF, window);
    QFETCH(QPointF, place);
    QCOMPARE(help::aboutWindowPlace(screen, window), place);
}

void TestHelp::aboutWindowReturnsToItsPlace()
{
    help::VAZIDEZA about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    about.grab();
    const QPoint home = about.pos();
    const QPointF expected = help::aboutWindowPlace(ui::screenSizeTwips(), about.outerSizeTwips());
    QCOMPARE(home, QPoint(int(expected.x() / 15), int(expected.y() / 15)));
    about.move(home + QPoint(40, 30));
    about.repaint();
    QCOMPARE(about.pos(), home);
}

void TestHelp::closingGivesNoticeBack()
{
    Trainer t(testing::numberedTasks(1), 1);
    QVERIFY(t.form->Form_Load());
    t.form->show();
    QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
    QTRY_COMPARE(t.messages.shown().size(), 1);
    t.click("Bild12");
    help::Form2 *keys = openWindows<help::Form2>().first();
    QApplication::setActiveWindow(keys);
    QVERIFY(QTest::qWaitForWindowActive(keys));
    QTest::mouseClick(keys->findChild<QWidget *>("Bild1"), Qt::LeftButton);
    QApplication::setActiveWindow(t.form.get()); // what the window manager does
    QTRY_COMPARE(t.messages.shown().size(), 2);
    QTest::qWait(30);
    QCOMPARE(t.messages.shown().size(), 2);
    QCOMPARE(t.messages.shown().last().text.left(30), QString("Du befindest dich jetzt im Ler"));
}

REVAZE_TEST_MAIN(TestHelp)
#include "tst_help.moc"
