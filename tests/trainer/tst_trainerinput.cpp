// The main window under real input: mouse clicks and double clicks delivered
// to the window, keys delivered to whatever the window system gives them to.
#include "trainerfixture.h"

#include <QtTest>

using testing::Trainer;

namespace {
int shownTask(const Trainer &t)
{
    const QStringList parts = t.counter().split(' ', Qt::SkipEmptyParts);
    return parts.size() == 4 ? parts.at(1).toInt() : -1;
}

// Task 1 on screen, the window active and its notice answered.
void open(Trainer &t)
{
    QVERIFY(t.form->Form_Load());
    QVERIFY(testing::showActive(t.form.get()));
    QTRY_COMPARE(t.messages.shown().size(), 1);
    t.messages.clear();
}

qsizetype drawn(const Trainer &t)
{
    return qsizetype(std::count(t.form->VisitedMask().begin(), t.form->VisitedMask().end(), '1'));
}
} // namespace

class TestTrainerInput : public QObject {
    Q_OBJECT
private slots:
    void doubleClickIsOneClick_data();
    void doubleClickIsOneClick();
    void doubleClickOnQuizChoiceJudgesOnce();
    void keysAfterModeChosenWithMouse_data();
    void keysAfterModeChosenWithMouse();
};

void TestTrainerInput::doubleClickIsOneClick_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("task");      // shown afterwards
    QTest::addColumn<int>("marked");    // tasks drawn by the random button
    QTest::addColumn<bool>("panel");    // mode panel shown
    QTest::addColumn<int>("notices");
    QTest::newRow("next") << "Bild4" << 6 << 0 << false << 0;
    QTest::newRow("previous") << "Bild2" << 4 << 0 << false << 0;
    QTest::newRow("random") << "Bild3" << 1 << 1 << false << 0;
    QTest::newRow("settings") << "Bild6" << 5 << 0 << true << 0;
    QTest::newRow("reveal") << "Bild5" << 5 << 0 << false << 0;
}

void TestTrainerInput::doubleClickIsOneClick()
{
    QFETCH(QString, control);
    QFETCH(int, task);
    QFETCH(int, marked);
    QFETCH(bool, panel);
    QFETCH(int, notices);
    Trainer t(testing::numberedTasks(10), 10);
    open(t);
    t.form->Bild10_Click();
    for (int i = 0; i < 5; ++i)
        t.form->Bild4_Click();
    QCOMPARE(shownTask(t), 5);
    t.randoms = {0.0, 0.0};

    testing::doubleClickOn(t.control(control.toLatin1().constData()));
    QCOMPARE(shownTask(t), task);
    QCOMPARE(drawn(t), marked);
    QCOMPARE(t.control("Frame1")->isVisible(), panel);
    QCOMPARE(t.messages.shown().size(), notices);

    // The click after a double click counts again.
    if (control == "Bild4") {
        testing::clickOn(t.control("Bild4"));
        QCOMPARE(shownTask(t), 7);
    }
}

void TestTrainerInput::doubleClickOnQuizChoiceJudgesOnce()
{
    Trainer t(testing::numberedTasks(3), 3);
    open(t);
    testing::clickOn(t.control("Bild6"));
    // Every draw hits task 1: all four choices are its answer.
    t.randoms = {0.0, 0.0, 0.0};
    testing::doubleClickOn(t.control("Option3"));
    QCOMPARE(t.messages.titles(), QStringList{"Revaze"});
    QCOMPARE(t.form->modul().CurrentMode, int(app::QuizMode));
    t.messages.clear();

    testing::doubleClickOn(t.control("quiz2"));
    QCOMPARE(t.messages.shown().size(), 1);
    QCOMPARE(t.messages.shown().first().text, QString("Das ist richtig, weiter!\r\r"));
    QCOMPARE(shownTask(t), 2);
}

void TestTrainerInput::keysAfterModeChosenWithMouse_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("task");
    QTest::addColumn<int>("marked");
    QTest::newRow("space draws a task") << int(Qt::Key_Space) << 4 << 1;
    QTest::newRow("right") << int(Qt::Key_Right) << 2 << 0;
    QTest::newRow("end") << int(Qt::Key_End) << 4 << 0;
    QTest::newRow("down does nothing") << int(Qt::Key_Down) << 1 << 0;
    QTest::newRow("up does nothing") << int(Qt::Key_Up) << 1 << 0;
    QTest::newRow("tab does nothing") << int(Qt::Key_Tab) << 1 << 0;
}

void TestTrainerInput::keysAfterModeChosenWithMouse()
{
    QFETCH(int, key);
    QFETCH(int, task);
    QFETCH(int, marked);
    Trainer t(testing::numberedTasks(4), 4);
    open(t);
    testing::clickOn(t.control("Bild6"));
    testing::clickOn(t.control("Option1"));
    QCOMPARE(t.messages.shown().size(), 1);
    QCOMPARE(t.form->modul().CurrentMode, int(app::WorkMode));
    t.messages.clear();

    t.randoms = {0.99};
    testing::keyTo(t.form.get(), Qt::Key(key));
    QCOMPARE(shownTask(t), task);
    QCOMPARE(drawn(t), marked);
    // Nothing else took the key: no mode changed, no notice came.
    QVERIFY(t.messages.shown().isEmpty());
    QCOMPARE(t.form->modul().CurrentMode, int(app::WorkMode));
    QVERIFY(t.control<QRadioButton>("Option1")->isChecked());
    QCOMPARE(t.answerDisplay(), QString());
}

REVAZE_TEST_MAIN(TestTrainerInput)
#include "tst_trainerinput.moc"
