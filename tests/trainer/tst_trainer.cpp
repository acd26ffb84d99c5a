// The trainer's rules, without a window: start-up, navigation and keys, the
// random draw, the reveal, the modes and the quiz. Pictures and message boxes
// are scripted.
#include "testcore.h"
#include "trainer/trainer.h"

#include <QRegularExpression>
#include <QtTest>

#include <deque>

using ui::Answer;

namespace {

QByteArray tasksWithAnswers(const QStringList &answers)
{
    QByteArray bytes;
    for (int k = 0; k < answers.size(); ++k)
        bytes += "P" + QByteArray::number(k + 1) + ".WMF\r\n" + testing::cp1252(answers.at(k)) + "\r\n";
    return bytes;
}

// A trainer on a task list whose pictures all load, but for those named missing.
struct Fixture {
    explicit Fixture(const QByteArray &list, QStringList missingPictures = {}) : missing(std::move(missingPictures))
    {
        if (!list.isNull())
            folder.write("REVAZE.INI", list);
    }
    bool load() { return trainer.load(folder.dir()); }
    // Loads and steps on to task `task`, forgetting the messages.
    void startAt(int task)
    {
        QVERIFY(load());
        for (int i = 1; i < task; ++i)
            trainer.nextTask();
        messages.clear();
    }
    // Random numbers that draw these tasks (1-based) out of `count`, each from all tasks.
    void draw(int count, std::initializer_list<int> tasks)
    {
        for (int k : tasks)
            randoms.push_back((k - 0.5) / count);
    }
    qint64 task() const { return trainer.modul().CurrentTask; }

    testing::TaskFolder folder;
    testing::MessageScript messages;
    QStringList missing;
    QStringList pictures;  // each picture shown, in order
    int ends = 0;
    std::deque<double> randoms;
    trainer::Trainer trainer{{[this](const QString &name) {
                                  pictures.append(name);
                                  return !missing.contains(name);
                              },
                              messages.ask(), [this] { ++ends; }},
                             std::make_unique<testing::ScriptedRandom>(&randoms)};
};

const QString kNotice[] = {
    "Du befindest dich jetzt im Arbeitsmodus:\r\rLies die Fragen, überlege und drücke ENTER.\r\r",
    "Du befindest dich jetzt im Lernmodus:\r\rLies die Fragen und merke dir die Antworten gut.\r\r",
    "Du befindest dich jetzt im Quizmodus:\r\rLies die Fragen und klicke die passende Antwort an.\r\r",
    "Du befindest dich jetzt im Schreibmodus:\r\rSchau dir das Bild an, schreibe das Wort und drücke ENTER.\r\r",
};

} // namespace

class TestTrainer : public QObject {
    Q_OBJECT
private slots:
    void startUp()
    {
        Fixture f(testing::numberedTasks(10));
        QVERIFY(f.load());
        QCOMPARE(f.trainer.counter(), QString(" Aufgabe 1 / 10"));
        QCOMPARE(f.trainer.answer(), QString("Antwort 1"));
        QCOMPARE(f.trainer.answerDisplay(), QString("Antwort 1\r"));
        QCOMPARE(f.trainer.modul().CurrentMode, int(app::LearningMode));
        QCOMPARE(f.trainer.visitedMask(), std::string(10, '0'));
        QCOMPARE(f.pictures, QStringList{"P1.WMF"});
        QVERIFY(f.messages.shown().isEmpty());
        QVERIFY(!f.trainer.modePanelShown());
        QVERIFY(!f.trainer.quizPanelIn());
    }

    void noTaskList_data()
    {
        testing::columns<bool>("folderOfThatName");
        QTest::newRow("no file") << false;
        QTest::newRow("a folder named REVAZE.INI") << true;
    }

    void noTaskList()
    {
        const auto [folderOfThatName] = testing::fetch<bool>("folderOfThatName");
        Fixture f(QByteArray{});
        if (folderOfThatName)
            QVERIFY(f.folder.dir().mkdir("REVAZE.INI"));
        QVERIFY(!f.load());
        QCOMPARE(f.ends, 1);
        QCOMPARE(f.messages.shown(), (QList<ui::Message>{{"Die Datei 'REVAZE.INI' wurde nicht gefunden!\r\r", "REVAZE.INI",
                                                            ui::Buttons::YesNo, ui::Icon::None, Answer::Yes}}));
    }

    void oddLineCount()
    {
        Fixture f("P1.WMF\r\nAntwort 1\r\nP2.WMF\r\n");
        QVERIFY(f.load());
        QCOMPARE(f.messages.texts(), QStringList{"Unterschiedliche Dateieinträge!\r\r"});
        QCOMPARE(f.messages.titles(), QStringList{"Revaze: Dateifehler"});
        QCOMPARE(f.trainer.counter(), QString(" Aufgabe 1 / 2"));
    }

    void emptyList()
    {
        Fixture f("");
        QVERIFY(f.load());
        QCOMPARE(f.trainer.counter(), QString(" Aufgabe 0 / 0"));
        QCOMPARE(f.pictures, QStringList{""});
        for (int key : {39, 37, 36, 35, 32, 13})
            f.trainer.keyDown(key);
        f.trainer.judgeChoice(0);
        QVERIFY(f.messages.shown().isEmpty());
        QCOMPARE(f.trainer.answerDisplay(), QString());
        QCOMPARE(f.trainer.counter(), QString(" Aufgabe 0 / 0"));
        f.trainer.chooseMode(app::QuizMode);
        QCOMPARE(f.messages.shown().size(), 1);
    }

    void steps_data()
    {
        testing::columns<int, int, QString, int>("count", "from", "action", "to");
        QTest::newRow("right") << 10 << 3 << "39" << 4;
        QTest::newRow("right on the last wraps") << 10 << 10 << "39" << 1;
        QTest::newRow("left") << 10 << 3 << "37" << 2;
        QTest::newRow("left on the first wraps") << 10 << 1 << "37" << 10;
        QTest::newRow("home") << 10 << 7 << "36" << 1;
        QTest::newRow("end") << 10 << 3 << "35" << 10;
        QTest::newRow("one task, left") << 1 << 1 << "37" << 1;
        QTest::newRow("first") << 10 << 6 << "first" << 1;
        QTest::newRow("previous") << 10 << 6 << "previous" << 5;
        QTest::newRow("next") << 10 << 6 << "next" << 7;
        QTest::newRow("last") << 10 << 6 << "last" << 10;
        for (int key : {38, 40, 33, 34, 112, 65, 0})
            QTest::addRow("key %d does nothing", key) << 5 << 3 << QString::number(key) << 3;
    }

    void steps()
    {
        const auto [count, from, action, to] = testing::fetch<int, int, QString, int>("count", "from", "action", "to");
        Fixture f(testing::numberedTasks(count));
        f.startAt(from);
        const QMap<QString, void (trainer::Trainer::*)()> buttons{{"first", &trainer::Trainer::firstTask},
            {"previous", &trainer::Trainer::previousTask}, {"next", &trainer::Trainer::nextTask},
            {"last", &trainer::Trainer::lastTask}};
        if (buttons.contains(action))
            (f.trainer.*buttons.value(action))();
        else
            f.trainer.keyDown(action.toInt());
        QCOMPARE(f.task(), to);
        QCOMPARE(f.trainer.counter(), QString(" Aufgabe %1 / %2").arg(to).arg(count));
        QCOMPARE(f.trainer.answerDisplay(), QString("Antwort %1\r").arg(to));
        QCOMPARE(f.pictures.last(), QString("P%1.WMF").arg(to));
        QVERIFY(f.messages.shown().isEmpty());
        QCOMPARE(f.trainer.visitedMask(), std::string(count, '0'));
    }

    void randomDrawsEachTaskOnce()
    {
        Fixture f(testing::numberedTasks(3));
        f.startAt(1);
        QList<qint64> seen;
        for (int i = 0; i < 3; ++i) {
            f.randoms.push_back(0.99);
            f.trainer.keyDown(32);
            seen.append(f.task());
        }
        std::sort(seen.begin(), seen.end());
        QCOMPARE(seen, (QList<qint64>{1, 2, 3}));
        QCOMPARE(f.trainer.visitedMask(), std::string("111"));
        QVERIFY(f.messages.shown().isEmpty());

        // The press after the last draw starts the round again.
        f.randoms.push_back(0.0);
        f.trainer.randomTask();
        QCOMPARE(f.messages.texts(), QStringList{"Es wurden alle Aufgaben bearbeitet.\rDie Reihe beginnt wieder von vorn.\r\r"});
        QCOMPARE(f.messages.titles(), QStringList{"Revaze"});
        QCOMPARE(f.trainer.visitedMask(), std::string("100"));
        QCOMPARE(f.task(), 1);
    }

    void randomIsUniformOverUndrawnTasks()
    {
        // Numbers spread evenly over [0, 1) must hit each undrawn task equally often.
        trainer::VisitedMask mask;
        const int draws = 4000;
        QMap<qint64, int> hits;
        for (int i = 0; i < draws; ++i) {
            mask.reset(6);
            mask.draw(0.0); // task 1
            mask.draw(0.0); // now task 6 (the last open one moved into slot 0)
            hits[mask.draw((i + 0.5) / draws)]++;
        }
        QCOMPARE(hits.keys(), (QList<qint64>{2, 3, 4, 5}));
        for (int task : {2, 3, 4, 5})
            QCOMPARE(hits.value(task), draws / 4);
        QCOMPARE(std::count(mask.text().begin(), mask.text().end(), '1'), 3);
        // A number of 1, which no source should give, still draws the last open task.
        mask.reset(3);
        QCOMPARE(mask.draw(1.0), 3);
    }

    void reveal_data()
    {
        testing::columns<QString, QString>("answer", "shown");
        QTest::newRow("one line") << "Haus" << "Haus\r";
        QTest::newRow("two lines") << "Der Hund@bellt" << "Der Hund\rbellt\r";
        QTest::newRow("mark first and last") << "@x@" << "\rx\r\r";
        QTest::newRow("empty answer") << "" << "\r";
    }

    void reveal()
    {
        const auto [answer, shown] = testing::fetch<QString, QString>("answer", "shown");
        Fixture f(tasksWithAnswers({"Erste", answer}));
        f.startAt(1);
        f.trainer.chooseMode(app::WorkMode);
        f.trainer.nextTask();
        QCOMPARE(f.trainer.answerDisplay(), QString());
        f.trainer.keyDown(13);
        QCOMPARE(f.trainer.answerDisplay(), shown);
        f.trainer.reveal();
        QCOMPARE(f.trainer.answerDisplay(), shown);
        f.trainer.keyDown(37);
        QCOMPARE(f.trainer.answerDisplay(), QString());
    }

    void quit_data()
    {
        testing::columns<Answer, int>("answer", "ends");
        QTest::newRow("no") << Answer::No << 0;
        QTest::newRow("yes") << Answer::Yes << 1;
    }

    void quit()
    {
        const auto [answer, ends] = testing::fetch<Answer, int>("answer", "ends");
        Fixture f(testing::numberedTasks(4));
        f.startAt(3);
        f.messages.answer({answer});
        f.trainer.keyDown(27);
        QCOMPARE(f.messages.shown(), (QList<ui::Message>{{"Dieses Programm jetzt beenden?", "Ridoziruvirer", ui::Buttons::YesNo,
                                                            ui::Icon::Stop, Answer::No}}));
        QCOMPARE(f.ends, ends);
        QCOMPARE(f.task(), 3);
    }

    void modes_data()
    {
        testing::columns<int, QString>("mode", "display");
        QTest::newRow("work") << 1 << "";
        QTest::newRow("learning") << 2 << "Antwort 1\r";
        QTest::newRow("quiz") << 3 << "";
        QTest::newRow("writing") << 4 << "";
    }

    void modes()
    {
        const auto [mode, display] = testing::fetch<int, QString>("mode", "display");
        Fixture f(testing::numberedTasks(8));
        f.startAt(7);
        f.trainer.toggleModePanel();
        f.randoms = {0.0, 0.0, 0.0};
        f.messages.observe([&f, &display](const ui::Message &) {
            // The notice comes after task 1 is shown and the panel is hidden.
            QCOMPARE(f.task(), 1);
            QCOMPARE(f.trainer.answerDisplay(), display);
            QVERIFY(!f.trainer.modePanelShown());
        });
        f.trainer.chooseMode(mode);
        QCOMPARE(f.trainer.modul().CurrentMode, mode);
        QCOMPARE(f.messages.texts(), QStringList{kNotice[mode - 1]});
        QCOMPARE(f.trainer.quizPanelIn(), mode == 3);
        QCOMPARE(f.trainer.choices().isEmpty(), mode != 3);
        // The notice on activation follows the mode.
        f.trainer.showModeNotice();
        QCOMPARE(f.messages.texts().last(), kNotice[mode - 1]);
        // A task shown later follows the mode too.
        f.trainer.nextTask();
        QCOMPARE(f.trainer.answerDisplay(), mode == 2 ? QString("Antwort 2\r") : QString());
    }

    // Writing mode's judge on children's spellings. Marks: each letter as
    // typed; "~x" x typed for another letter, "_" a letter missing, "+x" x
    // typed too many.
    void judgeWriting_data()
    {
        testing::columns<QString, QString, QString, bool>("typed", "answer", "marks", "onlyCapitals");
        QTest::newRow("right, ü typed as u and its mark") << "Der Schlu\u0308ssel" << "Der Schlüssel" << "Der Schlüssel" << false;
        QTest::newRow("a noun in small letters") << "das haus" << "Das Haus" << "~das ~haus" << true;
        QTest::newRow("a letter too many") << "Das Hause" << "Das Haus" << "Das Haus+e" << false;
        QTest::newRow("a letter missing marks only itself") << "Das Hus" << "Das Haus" << "Das H_us" << false;
        QTest::newRow("run together") << "Dashaus" << "Das Haus" << "Das_~haus" << false;
        QTest::newRow("spaces and line breaks count as one") << " Der  Fisch\tschwimmt " << "Der Fisch@schwimmt"
                                                             << "Der Fisch schwimmt" << false;
        QTest::newRow("no-break space") << "Das\u00A0Haus" << "Das Haus" << "Das Haus" << false;
        QTest::newRow("ae is no ä") << "Die Aepfel" << "Die Äpfel" << "Die ~A+epfel" << false;
        QTest::newRow("ß") << "Die Strase" << "Die Straße" << "Die Stra~se" << false;
        QTest::newRow("punctuation counts") << "Die Sonne scheint" << "Die Sonne@scheint." << "Die Sonne scheint_" << false;
        QTest::newRow("nothing typed") << "" << "Der Ball" << "________" << false;
        QTest::newRow("a soft hyphen only marks syllables") << "Sonne" << "Son\u00ADne" << "Sonne" << false;
    }
    void judgeWriting()
    {
        const auto [typed, answer, marks, onlyCapitals] = testing::fetch<QString, QString, QString, bool>(
            "typed", "answer", "marks", "onlyCapitals");
        const trainer::WritingCheck check = trainer::judgeWriting(typed, answer);
        QString shown;
        for (const trainer::LetterMark &mark : check.marks)
            shown += QStringList{"", "~", "_", "+"}.at(mark.kind) + (mark.typed.isNull() ? QString() : QString(mark.typed));
        QCOMPARE(shown, marks);
        QCOMPARE(check.right, !marks.contains(QRegularExpression("[~_+]")));
        QCOMPARE(check.onlyCapitalsWrong, onlyCapitals);
    }

    // Writing mode: the keys type, but for Esc, Enter (which checks), Page
    // Down and Page Up. A wrong check keeps the text; the third shows the
    // right answer, as "Lösung zeigen" does at once; a right one says so and
    // goes on, writing afresh. The picture's dictation is writing mode's alone.
    void writing()
    {
        Fixture f(tasksWithAnswers({"Das Haus", "Der Hund@bellt", "Die Maus"}));
        f.startAt(1);
        f.trainer.chooseMode(app::WritingMode);
        f.messages.clear();
        for (int key : {32, 37, 39, 36, 35, int('V')})
            f.trainer.keyDown(key);
        QCOMPARE(f.task(), 1);
        f.trainer.setTyped("Das Hus");
        for (int check = 1; check <= 3; ++check) {
            f.trainer.keyDown(13);
            QVERIFY(f.trainer.lastCheck() && !f.trainer.lastCheck()->right);
            QCOMPARE(f.trainer.solutionShown(), check == 3);
        }
        QVERIFY(f.messages.shown().isEmpty());
        f.trainer.setTyped("Das  Haus");
        f.trainer.checkWriting();
        QCOMPARE(f.messages.shown(), QList<ui::Message>{ui::information("Das ist richtig, weiter!\r\r", "Veduzozeva")});
        QCOMPARE(f.task(), 2);
        QVERIFY(f.trainer.typed().isEmpty() && !f.trainer.lastCheck() && !f.trainer.solutionShown());
        f.trainer.reveal();
        QVERIFY(f.trainer.solutionShown());
        f.trainer.keyDown(34);
        QCOMPARE(f.task(), 3);
        f.trainer.keyDown(33);
        QCOMPARE(f.task(), 2);
        f.trainer.keyDown(27);
        QCOMPARE(f.messages.titles().last(), QString("Ridoziruvirer"));
        f.trainer.chooseMode(app::LearningMode);
        QVERIFY(f.trainer.dictation().isEmpty());
    }

    void missingPicture()
    {
        Fixture f(testing::numberedTasks(3), {"P1.WMF", "P3.WMF"});
        QVERIFY(f.load());
        QCOMPARE(f.messages.shown(), (QList<ui::Message>{{"P1.WMF wurde nicht gefunden!\r", "Ladefehler", ui::Buttons::Ok,
                                                            ui::Icon::None, Answer::Ok}}));
        // The counter stays empty and the answer is not revealed, but the task is the new one.
        QCOMPARE(f.trainer.counter(), QString());
        QCOMPARE(f.trainer.answerDisplay(), QString());
        QCOMPARE(f.trainer.answer(), QString("Antwort 1"));
        f.trainer.nextTask();
        QCOMPARE(f.trainer.counter(), QString(" Aufgabe 2 / 3"));
        f.trainer.nextTask();
        QCOMPARE(f.trainer.counter(), QString(" Aufgabe 2 / 3"));
        QCOMPARE(f.task(), 3);
        f.trainer.reveal();
        QCOMPARE(f.trainer.answerDisplay(), QString("Antwort 3\r"));
    }

    void quizChoices()
    {
        Fixture f(tasksWithAnswers({"Zebra", "apfel", "Öl@fass", "Birne"}));
        QVERIFY(f.load());
        f.draw(4, {3, 2});
        f.randoms.push_back(1.0);  // no source gives 1, but it would still draw the last task
        f.trainer.chooseMode(app::QuizMode);
        QCOMPARE(f.trainer.choices(), (QStringList{"apfel", "Birne", "Öl@fass", "Zebra"}));
        QCOMPARE(f.trainer.choiceCaptions(), (QStringList{"apfel", "Birne", "Öl\rfass", "Zebra"}));
        // Leaving quiz mode keeps the captions.
        f.trainer.chooseMode(app::WorkMode);
        QCOMPARE(f.trainer.choiceCaptions(), (QStringList{"apfel", "Birne", "Öl\rfass", "Zebra"}));
    }

    void judging_data()
    {
        testing::columns<QList<int>, QString, int, bool>("draws", "pick", "occurrence", "right");
        // Task 1 of four is "Haus"; the others "haus", "Maus", "Der Hund@bellt".
        QTest::newRow("the right one") << QList<int>{3, 3, 2} << "Haus" << 0 << true;
        QTest::newRow("the same text in other case is wrong") << QList<int>{2, 3, 3} << "haus" << 0 << false;
        QTest::newRow("current task drawn again: both right") << QList<int>{1, 3, 4} << "Haus" << 1 << true;
        QTest::newRow("a text with marks is judged raw") << QList<int>{4, 3, 2} << "Der Hund@bellt" << 0 << false;
    }

    void judging()
    {
        const auto [draws, pick, occurrence, right] = testing::fetch<QList<int>, QString, int, bool>(
            "draws", "pick", "occurrence", "right");
        Fixture f(tasksWithAnswers({"Haus", "haus", "Maus", "Der Hund@bellt"}));
        QVERIFY(f.load());
        for (int k : draws)
            f.draw(4, {k});
        f.trainer.chooseMode(app::QuizMode);
        f.messages.clear();
        const QStringList choices = f.trainer.choices();
        const int position = occurrence == 0 ? choices.indexOf(pick) : choices.lastIndexOf(pick);
        QVERIFY(position >= 0 && (occurrence == 0 || position != choices.indexOf(pick)));
        f.trainer.judgeChoice(position);
        QCOMPARE(f.messages.titles(), QStringList{"Veduzozeva"});
        QCOMPARE(f.messages.texts(), QStringList{right ? "Das ist richtig, weiter!\r\r" : "Das ist leider falsch!\r\r"});
        QCOMPARE(f.task(), right ? 2 : 1);
        if (!right)
            QCOMPARE(f.trainer.choices(), choices);
        // No label beyond the four.
        f.trainer.judgeChoice(-1);
        f.trainer.judgeChoice(4);
        QCOMPARE(f.messages.shown().size(), 1);
    }

    void choicesKeptWhenPictureFails()
    {
        Fixture f(tasksWithAnswers({"Eins", "Zwei"}), {"P2.WMF"});
        QVERIFY(f.load());
        f.draw(2, {1, 1, 1});
        f.trainer.chooseMode(app::QuizMode);
        const QStringList before = f.trainer.choices();
        f.trainer.nextTask();
        QCOMPARE(f.messages.titles().last(), QString("Ladefehler"));
        QCOMPARE(f.trainer.choices(), before);
        QCOMPARE(f.trainer.answer(), QString("Zwei"));
        f.messages.clear();
        f.trainer.judgeChoice(0);
        QCOMPARE(f.messages.texts(), QStringList{"Das ist leider falsch!\r\r"});
    }

    void switchFolder_data()
    {
        testing::columns<QByteArray, QString>("list", "message");  // list null: no list file
        QTest::newRow("a folder with a list") << QByteArray("A.WMF\r\nNeu\r\n") << kNotice[1];
        QTest::newRow("a folder without one") << QByteArray() << "In diesem Ordner gibt es keine Aufgabenliste 'REVAZE.INI':\r";
        QTest::newRow("a list that cannot be read") << QByteArray("folder")
                                                    << "Die Aufgabenliste 'REVAZE.INI' in diesem Ordner kann nicht gelesen werden:\r";
    }

    void switchFolder()
    {
        const auto [list, message] = testing::fetch<QByteArray, QString>("list", "message");
        Fixture f(testing::numberedTasks(4));
        f.startAt(3);
        f.trainer.chooseMode(app::QuizMode);
        f.trainer.toggleModePanel();
        f.messages.clear();
        testing::TaskFolder other;
        if (list == "folder")
            QVERIFY(other.dir().mkdir("REVAZE.INI"));
        else if (!list.isNull())
            other.write("revaze.ini", list);
        const bool good = list.startsWith("A.WMF");
        QCOMPARE(f.trainer.switchFolder(other.dir()), good);
        QCOMPARE(f.messages.shown().size(), 1);
        QVERIFY2(f.messages.texts().first().startsWith(message), qPrintable(f.messages.texts().first()));
        QCOMPARE(f.trainer.folder(), good ? other.dir() : f.folder.dir());
        QCOMPARE(f.trainer.counter(), good ? QString(" Aufgabe 1 / 1") : QString(" Aufgabe 1 / 4"));
        QCOMPARE(f.trainer.modul().CurrentMode, good ? int(app::LearningMode) : int(app::QuizMode));
        QCOMPARE(f.trainer.modePanelShown(), !good);
        if (good)
            QCOMPARE(f.trainer.answerDisplay(), QString("Neu\r"));
    }

    // Reading aloud says only what the child can see: "@" and the quiz
    // choices are pauses between parts.
    void speakable_data()
    {
        testing::columns<int, bool, QStringList>("mode", "revealed", "parts");
        QTest::newRow("learning mode: at once") << int(app::LearningMode) << false << QStringList{"Der Hund", "bellt"};
        QTest::newRow("work mode: not before the reveal") << int(app::WorkMode) << false << QStringList{};
        QTest::newRow("work mode: after it") << int(app::WorkMode) << true << QStringList{"Der Hund", "bellt"};
        QTest::newRow("quiz: the choices top to bottom")
            << int(app::QuizMode) << false << QStringList{"Das Pferd", "Der Hund", "bellt", "Der Vogel", "singt", "Die Katze"};
    }
    void speakable()
    {
        const auto [mode, revealed, parts] = testing::fetch<int, bool, QStringList>("mode", "revealed", "parts");
        Fixture f(tasksWithAnswers({"Der Hund@bellt", "Die Katze", "Das Pferd", "Der Vogel@singt"}));
        f.startAt(1);
        f.draw(4, {2, 3, 4}); // the other three tasks as the wrong choices
        f.trainer.chooseMode(mode);
        if (revealed)
            f.trainer.reveal();
        QCOMPARE(f.trainer.speakable(), parts);
        const bool quiz = mode == int(app::QuizMode);
        const QStringList second = quiz ? QStringList{"Der Hund", "bellt"} : QStringList{};
        QCOMPARE(f.trainer.speakableChoice(1), second);
        QCOMPARE(f.trainer.speakableChoice(4), QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestTrainer)
#include "tst_trainer.moc"
