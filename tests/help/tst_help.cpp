// The key assignment and about windows: their texts, closing, and the about
// window's place.
#include "help/form2.h"
#include "help/vazideza.h"
#include "testsupport.h"
#include "ui/label.h"

#include <QtTest>

namespace {
QString caption(QWidget *window, const char *name)
{
    return testing::control<ui::Label>(window, name)->caption();
}
} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void keyWindow()
    {
        help::Form2 keys;
        QVERIFY(testing::showActive(&keys));
        const QString names = "L - P f e i l\rR - P f e i l\rL e e r t a s t e\rE N T E R\rP o s 1\rE n d e\rE s c\r";
        const QString actions = "-   z u r ü c k\r-   w e i t e r\r-   Z u f a l l\r-   L ö s u n g\r-   A n f a n g\r"
                                "-   S c h l u s s\r-   B e e n d e n\r";
        QCOMPARE(caption(&keys, "Bezeichnung1"), names);
        QCOMPARE(caption(&keys, "Bezeichnung2"), actions);
        testing::keyTo(&keys, Qt::Key_Right);
        testing::clickOn(testing::control(&keys, "Bild1"));
        QVERIFY(keys.isHidden());
        // Shown again: the same texts, not appended to.
        QVERIFY(testing::showActive(&keys));
        QCOMPARE(caption(&keys, "Bezeichnung1"), names);
    }

    void aboutWindowClosesBothWays_data()
    {
        testing::columns<QString>("control");
        QTest::newRow("Okay label") << "Bezeichnung1";
        QTest::newRow("traffic light") << "Bild1";
    }

    void aboutWindowClosesBothWays()
    {
        const auto [control] = testing::fetch<QString>("control");
        help::VAZIDEZA about;
        QVERIFY(testing::showActive(&about));
        QCOMPARE(caption(&about, "Bezeichnung1"), QString("O k a y"));
        QVERIFY(caption(&about, "Bezeichnung6").contains("\r\n"));
        QVERIFY(caption(&about, "Bezeichnung7").contains("\r\n"));
        testing::doubleClickOn(testing::control(&about, control.toLatin1().constData()));
        QVERIFY(about.isHidden());
    }

    void aboutWindowKeepsItsPlace()
    {
        help::VAZIDEZA about;
        QVERIFY(testing::showActive(&about));
        about.grab();
        const QPoint home = about.pos();
        // Centred across the screen, with less room above it than below.
        const QRect screen = about.screen()->geometry(), frame = about.frameGeometry();
        QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 2);
        QVERIFY(frame.top() - screen.top() < screen.bottom() - frame.bottom());
        // Dragged away, it comes back at its next paint.
        about.move(home + QPoint(40, 30));
        about.repaint();
        QCOMPARE(about.pos(), home);
    }
};

REVAZE_TEST_MAIN(TestHelp)
#include "tst_help.moc"
