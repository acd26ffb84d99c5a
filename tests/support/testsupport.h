#pragma once
// Test helpers for windows: message boxes answered by a script, the end of
// the program counted, and mouse and keys delivered the way the window
// system delivers them.

#include "testcore.h"
#include "ui/application.h"
#include "ui/messagebox.h"

#include <QColor>
#include <QtTest>

namespace testing {

// A MessageScript that answers every box the windows show while it lives.
class WindowMessages : public MessageScript {
public:
    WindowMessages();
    ~WindowMessages();
    WindowMessages(const WindowMessages &) = delete;
    WindowMessages &operator=(const WindowMessages &) = delete;
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

// A small PNG picture of one colour, w x h, in the folder.
void writePicture(const TaskFolder &folder, const QString &name, const QColor &colour, int w = 40, int h = 30);

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
// Types each character of `text` into the window; "\n" is the Enter key.
void typeText(QWidget *window, const QString &text);
// Shows a window and waits until it is active.
bool showActive(QWidget *window);

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
