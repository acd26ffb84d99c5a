// Moving through the tasks by buttons and keys, the random draw, the reveal,
// the modes and their notices, and ending the program.
#include "trainerfixture.h"

#include "ui/units.h"

#include <QtTest>

using testing::Trainer;

namespace {
int shownTask(const Trainer &t)
{
    const QStringList parts = t.counter().split(' ', Qt::SkipEmptyParts);
    return parts.size() == 4 ? parts.at(1).toInt() : -1;
}

void startAt(Trainer &t, int task)
{
    QVERIFY(t.form->Form_Load());
    for (int i = 1; i < task; ++i)
        t.form->Bild4_Click();
    t.messages.clear();
}
} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void steps_data();
    void steps();
    void keysTheHandlerIgnores_data();
    void keysTheHandlerIgnores();
    void randomDrawsEachTaskOnce();
    void randomWithOneTask();
    void randomIsUniformOverUndrawnTasks();
    void arrowsDoNotMarkTasks();
    void revealInWorkMode();
    void quitQuestion_data();
    void quitQuestion();
    void closeBoxAsksToo();
    void modeChangeOrder_data();
    void modeChangeOrder();
    void settingsButtonToggles();
    void emptyListIgnoresNavigation();
    void noticeOnActivationFromAnotherWindowOnly();
};

void TestNavigation::steps_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("to");
    QTest::newRow("right") << 10 << 3 << "Right" << 4;
    QTest::newRow("right on the last wraps") << 10 << 10 << "Right" << 1;
    QTest::newRow("left on the first wraps") << 10 << 1 << "Left" << 10;
    QTest::newRow("home") << 10 << 7 << "Home" << 1;
    QTest::newRow("end") << 10 << 3 << "End" << 10;
    QTest::newRow("home on the first") << 10 << 1 << "Home" << 1;
    QTest::newRow("one task, left") << 1 << 1 << "Left" << 1;
    QTest::newRow("one task, right") << 1 << 1 << "Right" << 1;
    QTest::newRow("first button") << 10 << 6 << "Bild9" << 1;
    QTest::newRow("previous button") << 10 << 6 << "Bild2" << 5;
    QTest::newRow("next button") << 10 << 6 << "Bild4" << 7;
    QTest::newRow("last button") << 10 << 6 << "Bild10" << 10;
    QTest::newRow("shift right acts as right") << 10 << 2 << "Shift+Right" << 3;
}

void TestNavigation::steps()
{
    QFETCH(int, count);
    QFETCH(int, from);
    QFETCH(QString, action);
    QFETCH(int, to);
    Trainer t(testing::numberedTasks(count), count);
    startAt(t, from);
    const QMap<QString, Qt::Key> keys{{"Right", Qt::Key_Right}, {"Left", Qt::Key_Left}, {"Home", Qt::Key_Home}, {"End", Qt::Key_End}};
    if (action.startsWith("Bild"))
        t.click(action.toLatin1().constData());
    else if (action == "Shift+Right")
        QTest::keyClick(t.form.get(), Qt::Key_Right, Qt::ShiftModifier);
    else
        t.key(keys.value(action));
    QCOMPARE(shownTask(t), to);
    QCOMPARE(t.counter(), QString(" Aufgabe %1 / %2").arg(to).arg(count));
    QCOMPARE(t.answerDisplay(), QString("Antwort %1\r").arg(to));
    QVERIFY(t.messages.shown().isEmpty());
}

void TestNavigation::keysTheHandlerIgnores_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("up") << int(Qt::Key_Up);
    QTest::newRow("down") << int(Qt::Key_Down);
    QTest::newRow("page up") << int(Qt::Key_PageUp);
    QTest::newRow("page down") << int(Qt::Key_PageDown);
    QTest::newRow("F1") << int(Qt::Key_F1);
    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("umlaut") << int(Qt::Key_Adiaeresis);
}

void TestNavigation::keysTheHandlerIgnores()
{
    QFETCH(int, key);
    Trainer t(testing::numberedTasks(5), 5);
    startAt(t, 3);
    t.key(Qt::Key(key));
    QCOMPARE(shownTask(t), 3);
    QCOMPARE(t.answerDisplay(), QString("Antwort 3\r"));
    QVERIFY(t.messages.shown().isEmpty());
}

void TestNavigation::randomDrawsEachTaskOnce()
{
    Trainer t(testing::numberedTasks(3), 3);
    startAt(t, 1);
    QList<int> seen;
    for (int i = 0; i < 3; ++i) {
        t.randoms.push_back(0.99);
        t.key(Qt::Key_Space);
        seen.append(shownTask(t));
    }
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, (QList<int>{1, 2, 3}));
    QCOMPARE(t.form->VisitedMask(), std::string("111"));
    QVERIFY(t.messages.shown().isEmpty());

    t.randoms.push_back(0.0);
    t.key(Qt::Key_Space);
    QCOMPARE(t.messages.shown().size(), 1);
    QCOMPARE(t.messages.shown().first().text,
             QString("Es wurden alle Aufgaben bearbeitet.\rDie Reihe beginnt wieder von vorn.\r\r"));
    QCOMPARE(t.messages.shown().first().title, QString("Revaze"));
    QCOMPARE(t.form->VisitedMask(), std::string("100"));
    QCOMPARE(shownTask(t), 1);
}

void TestNavigation::randomWithOneTask()
{
    Trainer t(testing::numberedTasks(1), 1);
    startAt(t, 1);
    t.click("Bild3");
    QVERIFY(t.messages.shown().isEmpty());
    for (int i = 0; i < 3; ++i) {
        t.click("Bild3");
        QCOMPARE(t.messages.shown().size(), i + 1);
        QCOMPARE(shownTask(t), 1);
    }
}

void TestNavigation::randomIsUniformOverUndrawnTasks()
{
    // Numbers spread evenly over [0, 1) must hit each undrawn task equally often.
    trainer::VisitedMask mask;
    const int draws = 4000;
    QMap<std::int64_t, int> hits;
    for (int i = 0; i < draws; ++i) {
        mask.reset(6);
        mask.draw(0.0); // task 1
        mask.draw(0.0); // now task 6 (the last open one moved into slot 0)
        hits[mask.draw((i + 0.5) / draws)]++;
    }
    QCOMPARE(hits.size(), 4);
    for (int task : {2, 3, 4, 5})
        QCOMPARE(hits.value(task), draws / 4);
}

void TestNavigation::arrowsDoNotMarkTasks()
{
    Trainer t(testing::numberedTasks(2), 2);
    startAt(t, 1);
    t.key(Qt::Key_Right);
    QCOMPARE(t.form->VisitedMask(), std::string("00"));
    t.randoms.push_back(0.7);
    t.key(Qt::Key_Space);
    QCOMPARE(shownTask(t), 2);
    QCOMPARE(t.form->VisitedMask(), std::string("01"));
}

void TestNavigation::revealInWorkMode()
{
    Trainer t("P1.WMF\r\nDer Hund@bellt\r\nP2.WMF\r\n@@x@\r\n", 2);
    startAt(t, 1);
    t.form->Option1_Click();
    QCOMPARE(t.answerDisplay(), QString());
    t.key(Qt::Key_Return);
    QCOMPARE(t.answerDisplay(), QString("Der Hund\rbellt\r"));
    t.key(Qt::Key_Return);
    QCOMPARE(t.answerDisplay(), QString("Der Hund\rbellt\r"));
    t.key(Qt::Key_Right);
    QCOMPARE(t.answerDisplay(), QString());
    t.click("Bild5");
    QCOMPARE(t.answerDisplay(), QString("\r\rx\r\r"));
    // Shown with a line break for each CR.
    QCOMPARE(t.control<QLabel>("Bezeichnung1")->text(), QString("\n\nx\n\n"));
}

void TestNavigation::quitQuestion_data()
{
    QTest::addColumn<ui::Answer>("answer");
    QTest::addColumn<int>("ends");
    QTest::newRow("no") << ui::Answer::No << 0;
    QTest::newRow("yes") << ui::Answer::Yes << 1;
}

void TestNavigation::quitQuestion()
{
    QFETCH(ui::Answer, answer);
    QFETCH(int, ends);
    Trainer t(testing::numberedTasks(4), 4);
    startAt(t, 3);
    t.messages.answer(answer);
    t.key(Qt::Key_Escape);
    QCOMPARE(t.messages.shown().size(), 1);
    const ui::Message box = t.messages.shown().first();
    QCOMPARE(box.text, QString("Dieses Programm jetzt beenden?"));
    QCOMPARE(box.title, QString("Ridoziruvirer"));
    QCOMPARE(box.buttons, ui::Buttons::YesNo);
    QCOMPARE(box.defaultButton, ui::Answer::No);
    QCOMPARE(box.icon, ui::Icon::Stop);
    QCOMPARE(t.ends.count(), ends);
    QCOMPARE(shownTask(t), 3);
}

void TestNavigation::closeBoxAsksToo()
{
    Trainer t(testing::numberedTasks(2), 2);
    startAt(t, 1);
    t.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.form.get()));
    t.messages.clear();
    t.messages.answer(ui::Answer::No);
    QVERIFY(!t.form->close());
    QCOMPARE(t.messages.titles(), QStringList{"Ridoziruvirer"});
    QVERIFY(t.form->isVisible());
    t.messages.answer(ui::Answer::Yes);
    t.form->close();
    QCOMPARE(t.ends.count(), 1);
}

void TestNavigation::modeChangeOrder_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<bool>("revealed");
    QTest::addColumn<bool>("quizPanelIn");
    QTest::newRow("work") << "Option1"
                          << "Du befindest dich jetzt im Arbeitsmodus:\r\rLies die Fragen, überlege und drücke ENTER.\r\r"
                          << false << false;
    QTest::newRow("learning") << "Option2"
                              << "Du befindest dich jetzt im Lernmodus:\r\rLies die Fragen und merke dir die Antworten gut.\r\r"
                              << true << false;
    QTest::newRow("quiz") << "Option3"
                          << "Du befindest dich jetzt im Quizmodus:\r\rLies die Fragen und klicke die passende Antwort an.\r\r"
                          << false << true;
}

void TestNavigation::modeChangeOrder()
{
    QFETCH(QString, option);
    QFETCH(QString, notice);
    QFETCH(bool, revealed);
    QFETCH(bool, quizPanelIn);
    Trainer t(testing::numberedTasks(8), 8);
    startAt(t, 7);
    t.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.form.get()));
    QTRY_COMPARE(t.messages.shown().size(), 1);
    t.messages.clear();
    t.click("Bild6");
    QVERIFY(t.control("Frame1")->isVisible());
    auto *button = t.control<QRadioButton>(option.toLatin1().constData());
    if (button->isChecked()) // the toolkit does not click an option that is already chosen
        t.form->Option2_Click();
    else
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
    QCOMPARE(shownTask(t), 1);
    QVERIFY(t.control("Frame1")->isHidden());
    QCOMPARE(t.answerDisplay(), revealed ? QString("Antwort 1\r") : QString());
    QCOMPARE(t.control("Picture1")->x(), t.control(quizPanelIn ? "Bezeichnung5" : "Bezeichnung3")->x());
    QCOMPARE(t.messages.shown().size(), 1);
    QCOMPARE(t.messages.shown().first().text, notice);
    QCOMPARE(t.form->modul().CurrentMode, option.right(1).toInt());
}

void TestNavigation::settingsButtonToggles()
{
    Trainer t(testing::numberedTasks(3), 3);
    startAt(t, 2);
    t.form->show();
    t.click("Bild6");
    QVERIFY(t.control("Frame1")->isVisible());
    t.click("Bild6");
    QVERIFY(t.control("Frame1")->isHidden());
    QCOMPARE(shownTask(t), 2);
    QCOMPARE(t.form->modul().CurrentMode, 2);
}

void TestNavigation::emptyListIgnoresNavigation()
{
    Trainer t("");
    startAt(t, 1);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_Space, Qt::Key_Return})
        t.key(key);
    t.click("Bild3");
    t.click("Bild5");
    t.form->quiz1_Click();
    QVERIFY(t.messages.shown().isEmpty());
    QCOMPARE(t.counter(), QString(" Aufgabe 0 / 0"));
    QCOMPARE(t.answerDisplay(), QString());
    t.form->Option3_Click();
    QCOMPARE(t.messages.shown().size(), 1);
    t.key(Qt::Key_Escape);
    QCOMPARE(t.messages.titles().last(), QString("Ridoziruvirer"));
}

void TestNavigation::noticeOnActivationFromAnotherWindowOnly()
{
    Trainer t(testing::numberedTasks(2), 2);
    startAt(t, 1);
    t.form->show();
    QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
    QTRY_COMPARE(t.messages.shown().size(), 1);

    // Back from another application: no notice.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(t.form.get());
    QTest::qWait(30);
    QCOMPARE(t.messages.shown().size(), 1);

    // Back from another window of the program: one notice.
    ui::Window other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.hide();
    QApplication::setActiveWindow(t.form.get());
    QTRY_COMPARE(t.messages.shown().size(), 2);
    QTest::qWait(30);
    QCOMPARE(t.messages.shown().size(), 2);
}

REVAZE_TEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
