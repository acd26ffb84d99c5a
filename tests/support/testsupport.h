#pragma once
// Shared test helpers: the application object the program uses, scripted
// answers for message boxes, and folders with task lists.

#include "ui/application.h"
#include "ui/messagebox.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>

namespace testing {

// Answers message boxes instead of the user and records what they showed.
// Questions take the scripted answers in order; with none left, No.
class MessageScript {
public:
    MessageScript();
    ~MessageScript();
    MessageScript(const MessageScript &) = delete;
    MessageScript &operator=(const MessageScript &) = delete;

    void answer(ui::Answer next) { m_answers.push_back(next); }
    const QList<ui::Message> &shown() const { return m_shown; }
    QStringList titles() const;
    void clear() { m_shown.clear(); }

private:
    std::deque<ui::Answer> m_answers;
    QList<ui::Message> m_shown;
};

// Counts requests to end the program instead of ending it.
class EndWatch {
public:
    EndWatch();
    ~EndWatch();
    int count() const { return m_count; }

private:
    int m_count = 0;
};

// A temporary folder that is the current directory while the object lives.
class TaskFolder {
public:
    TaskFolder();
    ~TaskFolder();
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    // A small PNG picture of one colour, size w x h.
    void writePicture(const QString &name, const QColor &colour, int w = 40, int h = 30) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// The control of that name in a window; a missing control ends the test run.
template <typename T = QWidget> T *control(const QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

// Mouse and keyboard as the window system delivers them: to the top-level
// window, which finds the control under the pointer or with the focus. The
// window must be shown.
void clickAt(QWidget *control, QPoint pos, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton);
void clickOn(QWidget *control, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton);
void doubleClickOn(QWidget *control);
void keyTo(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
// A key that types `text`, such as AltGr+Space typing a no-break space.
void typeTo(QWidget *window, Qt::Key key, const QString &text, Qt::KeyboardModifiers modifiers = {});
// Shows a window and waits until it is active.
bool showActive(QWidget *window);

// Windows-1252 bytes of a UTF-8 text (test data helper).
QByteArray cp1252(const QString &text);

} // namespace testing

// Like QTEST_MAIN, but with the program's own application object, which
// delivers key presses to the windows' key handlers.
#define REVAZE_TEST_MAIN(TestObject)                                  \
    int main(int argc, char *argv[])                                  \
    {                                                                 \
        ui::Application app(argc, argv);                              \
        TestObject tc;                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                    \
        return QTest::qExec(&tc, argc, argv);                         \
    }
