// Quiz mode: four sorted choices, judged on the raw text.
#include "trainerfixture.h"

#include <QtTest>

using testing::Trainer;

namespace {
QStringList quizCaptions(const Trainer &t)
{
    return {t.caption("quiz1"), t.caption("quiz2"), t.caption("quiz3"), t.caption("quiz4")};
}

QByteArray tasksWithAnswers(const QStringList &answers)
{
    QByteArray bytes;
    for (int k = 0; k < answers.size(); ++k)
        bytes += "P" + QByteArray::number(k + 1) + ".WMF\r\n" + testing::cp1252(answers.at(k)) + "\r\n";
    return bytes;
}

// Random numbers that pick these tasks (1-based) out of `count`.
void drawTasks(Trainer &t, int count, std::initializer_list<int> tasks)
{
    for (int k : tasks)
        t.randoms.push_back((k - 0.5) / count);
}
} // namespace

class TestQuiz : public QObject {
    Q_OBJECT
private slots:
    void choicesAreSortedAndShownWithBreaks();
    void judging_data();
    void judging();
    void singleTask();
    void rightAnswerOnLastTaskLeadsToFirst();
    void choicesKeptWhenPictureFails();
    void panelKeepsCaptionsAfterLeaving();
};

void TestQuiz::choicesAreSortedAndShownWithBreaks()
{
    Trainer t(tasksWithAnswers({"Zebra", "apfel", "Öl@fass", "Birne"}), 4);
    QVERIFY(t.form->Form_Load());
    drawTasks(t, 4, {3, 2, 4});
    t.form->Option3_Click();
    QCOMPARE(t.form->List3(), (QStringList{"apfel", "Birne", "Öl@fass", "Zebra"}));
    QCOMPARE(quizCaptions(t), (QStringList{"apfel", "Birne", "Öl\rfass", "Zebra"}));
    QCOMPARE(t.control<QLabel>("quiz3")->text(), QString("Öl\nfass"));
}

void TestQuiz::judging_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("pick");
    QTest::addColumn<bool>("right");
    const QStringList answers{"Haus", "haus", "Maus", "Der Hund@bellt"};
    QTest::newRow("right one") << answers << QList<int>{3, 3, 2} << 4 << true;  // Haus haus Maus Maus
    QTest::newRow("same text in other case is wrong") << answers << QList<int>{2, 3, 3} << -1 << false;
    QTest::newRow("wrong one") << answers << QList<int>{3, 4, 2} << 3 << false;
    QTest::newRow("current task drawn twice, both right") << answers << QList<int>{1, 3, 4} << -2 << true;
}

void TestQuiz::judging()
{
    QFETCH(QStringList, answers);
    QFETCH(QList<int>, draws);
    QFETCH(int, pick);
    QFETCH(bool, right);
    Trainer t(tasksWithAnswers(answers), answers.size());
    QVERIFY(t.form->Form_Load());
    for (int k : draws)
        drawTasks(t, answers.size(), {k});
    t.form->Option3_Click();
    t.messages.clear();
    const QStringList choices = t.form->List3();
    // Negative picks name the first (-1) or second (-2) label holding "Haus"/"haus".
    int position = pick - 1;
    if (pick == -1)
        position = choices.indexOf("haus");
    if (pick == -2)
        position = choices.lastIndexOf("Haus");
    if (pick == 4)
        position = choices.indexOf("Haus");
    QVERIFY(position >= 0);
    t.click(QByteArray("quiz" + QByteArray::number(position + 1)).constData());
    QCOMPARE(t.messages.shown().size(), 1);
    QCOMPARE(t.messages.shown().first().title, QString("Veduzozeva"));
    QCOMPARE(t.messages.shown().first().text,
             right ? QString("Das ist richtig, weiter!\r\r") : QString("Das ist leider falsch!\r\r"));
    QCOMPARE(t.counter(), right ? QString(" Aufgabe 2 / 4") : QString(" Aufgabe 1 / 4"));
    if (!right)
        QCOMPARE(t.form->List3(), choices);
}

void TestQuiz::singleTask()
{
    Trainer t(tasksWithAnswers({"Sonne"}), 1);
    QVERIFY(t.form->Form_Load());
    t.form->Option3_Click();
    QCOMPARE(quizCaptions(t), QStringList(4, "Sonne"));
    for (const char *label : {"quiz1", "quiz2", "quiz3", "quiz4"}) {
        t.messages.clear();
        t.click(label);
        QCOMPARE(t.messages.shown().first().text, QString("Das ist richtig, weiter!\r\r"));
        QCOMPARE(t.counter(), QString(" Aufgabe 1 / 1"));
    }
}

void TestQuiz::rightAnswerOnLastTaskLeadsToFirst()
{
    Trainer t(tasksWithAnswers({"A", "B", "C"}), 3);
    QVERIFY(t.form->Form_Load());
    t.form->Option3_Click();
    t.form->Bild10_Click();
    const int position = t.form->List3().indexOf("C");
    switch (position) {
    case 0: t.form->quiz1_Click(); break;
    case 1: t.form->quiz2_Click(); break;
    case 2: t.form->quiz3_Click(); break;
    default: t.form->quiz4_Click(); break;
    }
    QCOMPARE(t.counter(), QString(" Aufgabe 1 / 3"));
    QVERIFY(t.form->List3().contains("A"));
}

void TestQuiz::choicesKeptWhenPictureFails()
{
    Trainer t(tasksWithAnswers({"Eins", "Zwei"}), 2);
    QFile::remove(t.folder.filePath("P2.WMF"));
    QVERIFY(t.form->Form_Load());
    drawTasks(t, 2, {1, 1, 1});
    t.form->Option3_Click();
    const QStringList before = t.form->List3();
    t.form->Bild4_Click();
    QCOMPARE(t.messages.titles().last(), QString("Ladefehler"));
    QCOMPARE(t.form->List3(), before);
    QCOMPARE(t.caption("Bezeichnung3"), QString("Zwei"));
    t.messages.clear();
    t.form->quiz1_Click();
    QCOMPARE(t.messages.shown().first().text, QString("Das ist leider falsch!\r\r"));
}

void TestQuiz::panelKeepsCaptionsAfterLeaving()
{
    Trainer t(tasksWithAnswers({"Eins", "Zwei"}), 2);
    QVERIFY(t.form->Form_Load());
    t.form->Option3_Click();
    const QStringList captions = quizCaptions(t);
    QCOMPARE(t.control("Picture1")->x(), t.control("Bezeichnung5")->x());
    t.form->Option1_Click();
    QCOMPARE(quizCaptions(t), captions);
    QCOMPARE(t.control("Picture1")->x(), t.control("Bezeichnung3")->x());
    QVERIFY(t.control("Picture1")->x() >= t.form->width());
}

REVAZE_TEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
