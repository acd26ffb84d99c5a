// The main window's wiring under real input: clicks, double clicks and keys
// delivered to the window the way the window system delivers them. The
// rules behind them are tested in tst_trainer.
#include "app/settings.h"
#include "editor/form3.h"
#include "help/form2.h"
#include "help/vazideza.h"
#include "speech/speechengine.h"
#include "testsupport.h"
#include "trainer/form1.h"
#include "ui/folderdialog.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/units.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QStyleHints>
#include <QtTest>

#include <deque>

namespace {

// The main window on a list of `count` tasks with pictures, shown and active,
// its first notice answered.
struct Window {
    explicit Window(int count, const QByteArray &list = QByteArray())
    {
        folder.write("REVAZE.INI", list.isNull() ? testing::numberedTasks(count) : list);
        for (int k = 1; k <= count; ++k)
            testing::writePicture(folder, QString("P%1.WMF").arg(k), QColor::fromHsv((k * 37) % 360, 200, 200));
    }
    void open()
    {
        QVERIFY(form.Form_Load(folder.dir()));
        QVERIFY(testing::showActive(&form));
        QTRY_COMPARE(messages.shown().size(), 1);
        messages.clear();
    }
    QWidget *control(const char *name) const { return testing::control(&form, name); }
    // Pixels of a label's text in red (dark red too), or in blue.
    qsizetype textPixels(const char *label, bool red) const
    {
        const QImage image = control(label)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constBits());
        return std::count_if(pixels, pixels + image.width() * image.height(), [red](QRgb c) {
            return red ? qRed(c) > 110 && qBlue(c) < 90 : qBlue(c) > 200 && qRed(c) < 60;
        });
    }
    // Opens the mode panel with "Einstellung" and clicks one of its buttons.
    void inModePanel(const QByteArray &name) const
    {
        testing::clickOn(control("Bild6"));
        testing::clickOn(control(name.constData()));
    }
    QString caption(const char *name) const { return testing::control<ui::Label>(&form, name)->caption(); }
    qint64 task() const { return form.trainer().modul().CurrentTask; }
    qsizetype drawn() const
    {
        const std::string &mask = form.trainer().visitedMask();
        return std::count(mask.begin(), mask.end(), '1');
    }

    testing::TaskFolder folder;
    testing::WindowMessages messages;
    testing::EndWatch ends;
    std::deque<double> randoms;
    trainer::Form1 form{std::make_unique<testing::ScriptedRandom>(&randoms)};
};

// Notes what it was asked to say instead of speaking.
struct FakeSpeech : speech::Engine {
    struct Log {
        QString problem;
        QList<QStringList> said;
        int stops = 0;
    };
    explicit FakeSpeech(Log *log) : log(log) {}
    QString problem() override { return log->problem; }
    void say(const QStringList &parts) override { log->said.append(parts); }
    void stop() override { ++log->stops; }
    Log *log;
};

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void init() { app::setReadsBySyllables(false); }

    void startsWithTaskOneAndNotice()
    {
        Window w(10);
        QVERIFY(w.form.Form_Load(w.folder.dir()));
        QVERIFY(w.messages.shown().isEmpty());
        QVERIFY(testing::showActive(&w.form));
        QVERIFY((w.form.frameGeometry().center() - w.form.screen()->geometry().center()).manhattanLength() <= 2);
        QTRY_COMPARE(w.messages.shown().size(), 1);
        QTest::qWait(50);
        QCOMPARE(w.messages.titles(), QStringList{"Revaze"});
        QCOMPARE(w.caption("Label1"), QString(" Aufgabe 1 / 10"));
        QCOMPARE(w.caption("Bezeichnung1"), QString("Antwort 1\r"));
        QCOMPARE(qobject_cast<ui::PictureBox *>(w.control("Bild1"))->picture().size(), QSize(40, 30));
        QVERIFY(w.control("Frame1")->isHidden());
        QVERIFY(qobject_cast<QRadioButton *>(w.control("Option2"))->isChecked());
        QCOMPARE(w.form.grab().toImage().pixelColor(52, 24), ui::colors::lightBlue); // the toolbar between two buttons
    }

    void toolbar_data()
    {
        testing::columns<QString, int, QString, QString>("button", "task", "display", "shows");  // shows: a window or box
        QTest::newRow("first") << "Bild9" << 1 << "" << "";
        QTest::newRow("previous") << "Bild2" << 4 << "" << "";
        QTest::newRow("random") << "Bild3" << 1 << "" << "";
        QTest::newRow("next") << "Bild4" << 6 << "" << "";
        QTest::newRow("last") << "Bild10" << 10 << "" << "";
        QTest::newRow("reveal") << "Bild5" << 5 << "Antwort 5\r" << "";
        QTest::newRow("settings") << "Bild6" << 5 << "" << "Frame1";
        QTest::newRow("end") << "Bild7" << 5 << "" << "Ridoziruvirer";
        QTest::newRow("keys") << "Bild12" << 5 << "" << "Form2";
        QTest::newRow("about") << "Bild11" << 5 << "" << "VAZIDEZA";
    }

    void toolbar()
    {
        const auto [button, task, display, shows] = testing::fetch<QString, int, QString, QString>(
            "button", "task", "display", "shows");
        Window w(10);
        w.open();
        w.inModePanel("Option1");  // work mode: the display stays empty
        for (int i = 1; i < 5; ++i)
            w.form.Bild4_Click();
        w.messages.clear();
        testing::clickOn(w.control(button.toLatin1().constData()));
        QCOMPARE(w.task(), task);
        QCOMPARE(w.caption("Label1"), QString(" Aufgabe %1 / 10").arg(task));
        QCOMPARE(w.caption("Bezeichnung1"), display);
        QCOMPARE(w.drawn(), button == "Bild3" ? 1 : 0);
        if (shows == "Frame1") {
            QVERIFY(w.control("Frame1")->isVisible());
            testing::clickOn(w.control(button.toLatin1().constData()));  // and away again
            QVERIFY(w.control("Frame1")->isHidden());
        }
        else if (shows.startsWith("Form") || shows == "VAZIDEZA")
            QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow()->objectName() == shows);
        else
            QCOMPARE(w.messages.titles(), shows.isEmpty() ? QStringList() : QStringList{shows});
    }

    void doubleClickIsOneClick_data()
    {
        testing::columns<QString, int, bool, int>("control", "task", "panel", "notices");
        QTest::newRow("next") << "Bild4" << 6 << false << 0;
        QTest::newRow("a mode") << "Option1" << 1 << false << 1;
    }

    void doubleClickIsOneClick()
    {
        const auto [control, task, panel, notices] = testing::fetch<QString, int, bool, int>("control", "task", "panel", "notices");
        Window w(10);
        w.open();
        for (int i = 1; i < 5; ++i)
            w.form.Bild4_Click();
        if (control.startsWith("Option"))
            testing::clickOn(w.control("Bild6"));
        w.randoms = {0.0, 0.0};
        testing::doubleClickOn(w.control(control.toLatin1().constData()));
        QCOMPARE(w.task(), task);
        QCOMPARE(w.drawn(), control == "Bild3" ? 1 : 0);
        QCOMPARE(w.control("Frame1")->isVisible(), panel);
        QCOMPARE(w.messages.shown().size(), notices);
        // The click after a double click counts again.
        testing::clickOn(w.control("Bild4"));
        QCOMPARE(w.task(), task + 1);
    }

    void keysAfterModeChosenWithMouse_data()
    {
        testing::columns<int, int, int, QString>("key", "task", "marked", "display");
        QTest::newRow("space draws a task") << int(Qt::Key_Space) << 4 << 1 << "";
        QTest::newRow("right") << int(Qt::Key_Right) << 2 << 0 << "";
        QTest::newRow("left") << int(Qt::Key_Left) << 4 << 0 << "";
        QTest::newRow("end") << int(Qt::Key_End) << 4 << 0 << "";
        QTest::newRow("home") << int(Qt::Key_Home) << 1 << 0 << "";
        QTest::newRow("enter reveals") << int(Qt::Key_Return) << 1 << 0 << "Antwort 1\r";
        QTest::newRow("down does nothing") << int(Qt::Key_Down) << 1 << 0 << "";
        QTest::newRow("tab does nothing") << int(Qt::Key_Tab) << 1 << 0 << "";
    }

    void keysAfterModeChosenWithMouse()
    {
        const auto [key, task, marked, display] = testing::fetch<int, int, int, QString>("key", "task", "marked", "display");
        Window w(4);
        w.open();
        w.inModePanel("Option1");
        QCOMPARE(w.messages.shown().size(), 1);
        w.messages.clear();
        w.randoms = {0.99};
        testing::keyTo(&w.form, Qt::Key(key));
        QCOMPARE(w.task(), task);
        QCOMPARE(w.drawn(), marked);
        QCOMPARE(w.caption("Bezeichnung1"), display);
        // Nothing else took the key: no mode changed, no notice came.
        QVERIFY(w.messages.shown().isEmpty());
        QCOMPARE(w.form.trainer().modul().CurrentMode, int(app::WorkMode));
        QVERIFY(qobject_cast<QRadioButton *>(w.control("Option1"))->isChecked());
    }

    void quizPanel()
    {
        Window w(3);
        w.open();
        testing::clickOn(w.control("Bild6"));
        w.randoms = {0.0, 0.0, 0.0};  // every draw hits task 1: four right choices
        testing::clickOn(w.control("Option3"));
        QCOMPARE(w.control("Picture1")->x(), w.control("Bezeichnung5")->x());
        QCOMPARE(w.caption("quiz4"), QString("Antwort 1"));
        w.messages.clear();
        testing::doubleClickOn(w.control("quiz2"));
        QCOMPARE(w.messages.texts(), QStringList{"Das ist richtig, weiter!\r\r"});
        QCOMPARE(w.task(), 2);
        w.inModePanel("Option2");
        QCOMPARE(w.control("Picture1")->x(), w.control("Bezeichnung3")->x());
        QVERIFY(w.control("Picture1")->x() >= w.form.width());
    }

    void closeBoxAsks()
    {
        Window w(2);
        w.open();
        w.messages.answer({ui::Answer::No});
        QVERIFY(!w.form.close());
        QCOMPARE(w.messages.titles(), QStringList{"Ridoziruvirer"});
        QVERIFY(w.form.isVisible());
        w.messages.answer({ui::Answer::Yes});
        w.form.close();
        QCOMPARE(w.ends.count(), 1);
    }

    void userChoosesAFolder()
    {
        Window w(3);
        w.open();
        testing::TaskFolder other;
        other.write("REVAZE.INI", "NEU.WMF\r\nNeu\r\n");
        testing::writePicture(other, "NEU.WMF", Qt::red);
        QString offeredFrom;
        ui::setFolderHook([&](const QString &start) {
            offeredFrom = start;
            return other.path();
        });
        testing::clickOn(w.control("Bild8"));
        QTRY_COMPARE(offeredFrom, w.folder.path());
        ui::setFolderHook(nullptr);
        QCOMPARE(w.caption("Label1"), QString(" Aufgabe 1 / 1"));
        QCOMPARE(w.caption("Bezeichnung1"), QString("Neu\r"));
        QCOMPARE(w.messages.titles(), QStringList{"Revaze"});
        QCOMPARE(app::rememberedTaskFolder(), other.path()); // for the next start from the menu
        // The editor works in the new folder too.
        testing::clickOn(w.control("Bild13"));
        QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow()->objectName() == "Form3");
        QTRY_COMPARE(testing::control(QApplication::activeWindow(), "Datei1")->property("count").toInt(), 1);
    }

    // Back from the editor, the trainer shows the list as the editor saved
    // it: the task shown stays while the list reaches it, the mode stays,
    // random draws start anew. A list not saved changes nothing.
    void savedListReadAgain_data()
    {
        // drawn: the task drawn at random; answers: to the editor's delete and save questions
        testing::columns<double, ui::Answer, QString>("drawn", "save", "counter");
        QTest::newRow("saved, the task still there") << 0.5 << ui::Answer::Yes << " Aufgabe 2 / 2";
        QTest::newRow("saved, the task gone") << 0.9 << ui::Answer::Yes << " Aufgabe 1 / 2";
        QTest::newRow("not saved, closed by the close box") << 0.9 << ui::Answer::No << " Aufgabe 3 / 3";
    }
    void savedListReadAgain()
    {
        const auto [drawn, save, counter] = testing::fetch<double, ui::Answer, QString>("drawn", "save", "counter");
        Window w(3);
        w.open();
        w.inModePanel("Option1");
        w.randoms = {drawn};
        testing::clickOn(w.control("Bild3"));
        w.messages.answer({ui::Answer::Yes, save});
        // In the editor, the first picture's task is deleted; then it closes.
        testing::clickOn(w.control("Bild13"));
        QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow()->objectName() == "Form3");
        auto *editor = qobject_cast<editor::Form3 *>(QApplication::activeWindow());
        QVERIFY(!w.form.isVisible());
        QTRY_COMPARE(testing::control(editor, "Datei1")->property("count").toInt(), 3);
        testing::clickOn(testing::control(editor, "Bild7"));
        w.messages.clear();
        // "Abbrechen" or the close box: the editor goes, dropping its list, and the trainer comes back.
        if (save == ui::Answer::Yes)
            testing::clickOn(testing::control(editor, "Bild1"));
        else
            QVERIFY(!editor->close());
        QVERIFY(editor->isHidden() && w.form.isVisible());
        QCOMPARE(editor->editor().list().count(), 0);
        QTRY_COMPARE(w.messages.titles(), QStringList{"Revaze"}); // the mode notice, back in the trainer
        QCOMPARE(w.caption("Label1"), counter);
        QCOMPARE(w.form.trainer().modul().CurrentMode, int(app::WorkMode));
        QCOMPARE(w.caption("Bezeichnung1"), QString());
        QCOMPARE(w.drawn(), save == ui::Answer::Yes ? 0 : 1);
    }

    // A box that comes up while a window waits to open drops it: the editor
    // does not open under the quit question.
    void boxDropsAWaitingWindow()
    {
        Window w(1);
        w.open();
        testing::clickOn(w.control("Bild13"));
        testing::clickOn(w.control("Bild7")); // within the double-click time; Nein
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 200);
        QCOMPARE(w.messages.titles(), QStringList{"Ridoziruvirer"});
        QCOMPARE(QApplication::activeWindow(), &w.form);
    }

    void noticeOnActivationFromAnotherWindowOnly()
    {
        Window w(2);
        w.open();
        // Back from another application: no notice.
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(&w.form);
        QTest::qWait(30);
        QVERIFY(w.messages.shown().isEmpty());
        // Back from another window of the program: one notice.
        testing::clickOn(w.control("Bild12"));
        QTRY_VERIFY(QApplication::activeWindow() != &w.form);
        testing::clickOn(testing::control(QApplication::activeWindow(), "Bild1"));
        QApplication::setActiveWindow(&w.form);  // the window manager's part
        QTRY_COMPARE(w.messages.shown().size(), 1);
        QTest::qWait(30);
        QCOMPARE(w.messages.shown().size(), 1);
    }

    // V, a click on the answer display, a right click on a quiz label: read
    // aloud what the child sees, through the window's real input path.
    void readAloud_data()
    {
        testing::columns<int, QString, QList<QStringList>>("mode", "action", "said");
        const QStringList dog{"Der Hund", "bellt"};
        QTest::newRow("learning mode, V") << 2 << "V" << QList<QStringList>{dog};
        QTest::newRow("learning mode, click on the answer") << 2 << "click" << QList<QStringList>{dog};
        QTest::newRow("work mode, V before the reveal") << 1 << "Right Left V" << QList<QStringList>{};
        QTest::newRow("work mode, Enter then V") << 1 << "Right Left Enter V" << QList<QStringList>{dog};
        QTest::newRow("V twice: again from the start") << 2 << "V V" << QList<QStringList>{dog, dog};
        QTest::newRow("quiz, right click on the second label") << 3 << "right" << QList<QStringList>{dog};
        QTest::newRow("writing: V types, the picture reads") << 4 << "V click picture" << QList<QStringList>{dog};
    }
    void readAloud()
    {
        const auto [mode, action, said] = testing::fetch<int, QString, QList<QStringList>>("mode", "action", "said");
        Window w(2, "P1.WMF\r\nDer Hund@bellt\r\nP2.WMF\r\nAber\r\n");
        FakeSpeech::Log log;
        w.form.setSpeechEngine(std::make_unique<FakeSpeech>(&log));
        w.open();
        w.inModePanel("Option" + QByteArray::number(mode));
        QCOMPARE(w.form.trainer().modul().CurrentMode, mode);
        w.messages.clear();
        for (const QString &step : action.split(' ')) {
            if (step == "V")
                testing::keyTo(&w.form, Qt::Key_V);
            else if (step == "Enter")
                testing::keyTo(&w.form, Qt::Key_Return);
            else if (step == "Right" || step == "Left")
                testing::keyTo(&w.form, step == "Right" ? Qt::Key_Right : Qt::Key_Left);
            else if (step == "click")
                testing::clickOn(w.control("Bezeichnung1"));
            else if (step == "right") // all four choices are the dog: the draw gives task 1 each time
                testing::clickOn(w.control("quiz2"), {}, Qt::RightButton);
            else if (step == "picture")
                testing::clickOn(w.control("Bild1"));
        }
        QCOMPARE(log.said, said);
        QVERIFY(w.messages.shown().isEmpty()); // a right click judges nothing
        QCOMPARE(w.task(), qint64(1));
        // Leaving the task stops the speech.
        const int stops = log.stops;
        testing::keyTo(&w.form, mode == 4 ? Qt::Key_PageDown : Qt::Key_Right);
        if (!said.isEmpty())
            QVERIFY(log.stops > stops);
    }

    // Writing mode's wiring: the field has the keyboard once the mode is
    // chosen with the mouse; Enter and "Prüfen" check, the letters judged
    // show under the field, "Lösung zeigen" the answer; another mode hides it all.
    void writingMode()
    {
        Window w(2, testing::cp1252("P1.WMF\r\nDie Äpfel\r\nP2.WMF\r\nDer Hund\r\n"));
        w.open();
        w.inModePanel("Option4");
        QWidget *field = w.control("Text1");
        testing::typeText(&w.form, "Die Apfl\n");
        QCOMPARE(w.caption("Bezeichnung7"), QString("Die Apf_l"));
        QVERIFY(w.textPixels("Bezeichnung7", true) > 0 && w.textPixels("Bezeichnung7", true) < w.textPixels("Bezeichnung7", false));
        QVERIFY(w.control("Bezeichnung7")->isVisible() && !w.control("Bezeichnung8")->isVisible());
        testing::clickOn(w.control("Bild5"));
        QVERIFY(w.control("Bezeichnung8")->isVisible());
        QCOMPARE(w.caption("Bezeichnung8"), QString("Die Äpfel"));
        testing::keyTo(&w.form, Qt::Key_A, Qt::ControlModifier); // all of it, typed again
        testing::typeText(&w.form, "Die Äpfel");
        testing::clickOn(w.control("Bezeichnung6"));
        QVERIFY(w.task() == 2 && field->property("text").toString().isEmpty() && !w.control("Bezeichnung7")->isVisible());
        w.inModePanel("Option2");
        QVERIFY(!field->isVisible() && !w.control("Bezeichnung6")->isVisible() && QApplication::focusWidget() != field);
    }

    // "Silben", off at first: the answer display and the quiz labels show
    // each word's syllables in blue and dark red once the patterns are
    // loaded, the text unchanged; the choice is kept for the next run.
    // Off, a soft hyphen shows as nothing.
    void readBySyllables()
    {
        Window w(2, testing::cp1252("P1.WMF\r\nDie Sonne\r\nP2.WMF\r\nDie Son\u00ADne\r\n"));
        w.open();
        const auto reds = [&w](const char *label) { return w.textPixels(label, true); };
        const QImage plain = w.control("Bezeichnung1")->grab().toImage();
        QCOMPARE(reds("Bezeichnung1"), 0);
        testing::keyTo(&w.form, Qt::Key_Right);
        QCOMPARE(w.control("Bezeichnung1")->grab().toImage(), plain);
        w.inModePanel("Check1");
        QTRY_VERIFY_WITH_TIMEOUT(reds("Bezeichnung1") > 0, 20000);
        QCOMPARE(w.caption("Bezeichnung1"), QString("Die Son\u00ADne\r"));
        testing::clickOn(w.control("Option3"));
        QVERIFY(reds("quiz1") > 0);
        trainer::Form1 nextRun;
        QVERIFY(testing::control<QCheckBox>(&nextRun, "Check1")->isChecked());
        w.inModePanel("Check1");
        QCOMPARE(reds("quiz1"), 0);
    }

    void speechMissingSaysSoOnce()
    {
        Window w(2);
        FakeSpeech::Log log;
        log.problem = "Die deutsche Stimme fehlt (Debian-Paket espeak-ng-data).";
        w.form.setSpeechEngine(std::make_unique<FakeSpeech>(&log));
        w.open();
        for (int i = 0; i < 3; ++i)
            testing::keyTo(&w.form, Qt::Key_V);
        QCOMPARE(w.messages.texts(), QStringList{log.problem + "\r"});
        QVERIFY(log.said.isEmpty());
    }
};

REVAZE_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
