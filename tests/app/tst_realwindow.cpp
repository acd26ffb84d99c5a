// The real program in a real X server, driven by real key presses.
#include "testsupport.h"

#include <QProcess>
#include <QtTest>

namespace {

QString run(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Polls xdotool until `done` holds, for at most ms milliseconds.
bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer timer;
    for (timer.start(); timer.elapsed() < ms; QTest::qWait(100)) {
        if (done())
            return true;
    }
    return false;
}

// Waits until a visible window with exactly this title exists (or, with
// `present` false, until none does).
bool waitForWindow(const QString &title, bool present = true, int ms = 15000)
{
    return waitFor([&] { return run({"search", "--onlyvisible", "--name", "^" + title + "$"}).isEmpty() != present; }, ms);
}

// Waits until the window with this title has the keyboard focus.
bool waitForActive(const QString &title, int ms = 15000)
{
    return waitFor([&] { return run({"getactivewindow", "getwindowname"}) == title; }, ms);
}

// The program a test started, ended with the test.
struct Program : QProcess {
    ~Program() override
    {
        kill();
        waitForFinished();
    }
};

// Starts the program in a folder of `tasks` tasks with their pictures; with
// none, the folder has no task list. `list` replaces the numbered tasks.
void startIn(const testing::TaskFolder &folder, int tasks, QProcess &program, const QByteArray &list = {})
{
    if (tasks > 0)
        folder.write("REVAZE.INI", list.isEmpty() ? testing::numberedTasks(tasks) : list);
    for (int k = 1; k <= tasks; ++k)
        testing::writePicture(folder, QString("P%1.WMF").arg(k), Qt::blue);
    program.setWorkingDirectory(folder.path());
    testing::endsWithTest(program);
    program.start(qEnvironmentVariable("REVAZE_BINARY"), {});
}

void key(const QString &name)
{
    run({"key", "--clearmodifiers", name});
    QTest::qWait(300);
}

// Closes the notice a started program shows, with Return, and gives its main window.
QString mainWindowPastNotice()
{
    if (!waitForActive("Revaze"))
        return {};
    key("Return");
    waitForActive("O n d r e l");
    return run({"search", "--onlyvisible", "--name", "^O n d r e l$"});
}

// Clicks (or double-clicks) at a point of a window, in pixels.
void clickIn(const QString &window, int x, int y, int clicks = 1)
{
    run({"mousemove", "--window", window, QString::number(x), QString::number(y), "click", "--repeat", QString::number(clicks),
         "--delay", "60", "1"});
}

} // namespace

class TestRealWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QFAIL("needs the X server that scripts/test.sh starts");
        QVERIFY(!QStandardPaths::findExecutable("xdotool").isEmpty());
    }

    void keysDriveTheProgram()
    {
        testing::TaskFolder folder;
        Program program;
        startIn(folder, 3, program);
        QVERIFY(program.waitForStarted());

        // The learning-mode notice comes over the main window; Return closes it for good.
        QVERIFY(!mainWindowPastNotice().isEmpty());
        QTest::qWait(500);
        QVERIFY2(waitForWindow("Revaze", false, 500), "the notice came back");

        for (const char *k : {"Right", "Left", "space", "Home", "End"})
            key(k);
        QCOMPARE(program.state(), QProcess::Running);
        QVERIFY(waitForWindow("Revaze", false, 500));
        QVERIFY(waitForActive("O n d r e l"));

        // Esc asks; Return takes the default, Nein.
        key("Escape");
        QVERIFY(waitForActive("Ridoziruvirer"));
        key("Return");
        QVERIFY(waitForWindow("Ridoziruvirer", false));
        QCOMPARE(program.state(), QProcess::Running);

        // Esc, then "j" for Ja: the program ends.
        QVERIFY(waitForActive("O n d r e l"));
        key("Escape");
        QVERIFY(waitForActive("Ridoziruvirer"));
        key("j");
        QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 10000);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    // Children double-click the toolbar too. A window a button opens comes up
    // and stays in front: the second click must reach neither the new window's
    // frame nor the main window behind it. x: the button's centre.
    void doubleClickOpensAWindow_data()
    {
        testing::columns<int, QString>("x", "title");
        QTest::newRow("keys") << 528 << "Revaze:  Tastenbelegung";
        QTest::newRow("editor") << 584 << "Revaze: Editor";
        QTest::newRow("about") << 640 << "O N D - Relprüfung";
    }
    void doubleClickOpensAWindow()
    {
        const auto [x, title] = testing::fetch<int, QString>("x", "title");
        testing::TaskFolder folder;
        Program program;
        startIn(folder, 1, program);
        clickIn(mainWindowPastNotice(), x, 24, 2);
        QVERIFY(waitForActive(title));
        QTest::qWait(1000);
        QCOMPARE(run({"getactivewindow", "getwindowname"}), title);
    }

    // The folder a parent chose with "Benutzerwahl" is the one the next start
    // from the desktop menu opens. The chosen list names a missing picture,
    // so its start shows itself by the load error.
    void chosenFolderOpensFromTheMenu()
    {
        testing::TaskFolder folder, chosen, home;
        chosen.write("REVAZE.INI", "FEHLT.WMF\r\nFehlt\r\n");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        Program program;
        program.setProcessEnvironment(env);
        startIn(folder, 1, program);
        clickIn(mainWindowPastNotice(), 472, 24); // "Benutzerwahl"
        QVERIFY(waitForActive("Revaze: Ordner mit Aufgaben wählen"));
        QTest::qWait(500); // the dialog puts the focus into its name field
        run({"type", "--delay", "20", chosen.path()});
        key("Return");
        QVERIFY(waitForActive("Ladefehler"));
        program.kill(); // its box must not stand in for the next start's
        QVERIFY(program.waitForFinished() && waitForWindow("Ladefehler", false));

        Program fromMenu;
        fromMenu.setProcessEnvironment(env);
        fromMenu.setWorkingDirectory(home.path());
        testing::endsWithTest(fromMenu);
        fromMenu.start(qEnvironmentVariable("REVAZE_BINARY"), {"--aus-dem-menue"});
        QVERIFY(waitForActive("Ladefehler"));
    }

    // Writing mode on a German keyboard: after task changes by mouse clicks
    // the field has the keyboard, and an umlaut and an accent typed with its
    // dead key reach it; the right answer says so.
    void writingOnAGermanKeyboard()
    {
        testing::TaskFolder folder;
        Program program;
        startIn(folder, 2, program, testing::cp1252("P1.WMF\r\nDie Äpfel im Café\r\nP2.WMF\r\nTee\r\n"));
        const QString main = mainWindowPastNotice();
        clickIn(main, 80, 24);  // "Einstellung"
        clickIn(main, 74, 144); // "Schreibmodus", and its notice
        QCOMPARE(mainWindowPastNotice(), main);
        clickIn(main, 304, 24); // "Nächste Aufgabe"
        clickIn(main, 192, 24); // "Vorherige Aufgabe"
        run({"type", "--delay", "40", "Die Äpfel im Caf"});
        key("dead_acute");
        key("e");
        key("Return");
        QVERIFY(waitForActive("Veduzozeva"));
    }

    void endsWithoutTaskList()
    {
        testing::TaskFolder folder;
        Program program;
        startIn(folder, 0, program);
        QVERIFY(program.waitForStarted());
        QVERIFY(waitForActive("REVAZE.INI"));
        QVERIFY(!waitForWindow("O n d r e l", true, 300));
        key("Return");
        QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 10000);
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestRealWindow)
#include "tst_realwindow.moc"
