#pragma once
// What counts as a click on the program's picture buttons, labels and option
// buttons: the left button pressed and released over the control. A double
// click is one click, as children double-click everything: the release that
// ends it runs nothing.

#include <QTimer>

#include <functional>

class QMouseEvent;
class QWidget;

namespace ui {

class ClickTracker {
public:
    // Call from mouseDoubleClickEvent: the next release of the left button belongs to it.
    void doubleClicked(const QMouseEvent *event);
    // Call from mouseReleaseEvent: true when this release is a click.
    bool isClick(const QMouseEvent *release, const QWidget *control);

private:
    bool m_releaseEndsDoubleClick = false;
};

// What a button that opens another window does runs only once the time for a
// double click has passed. The second click of a double click then still
// reaches the button, which swallows it, rather than the new window, or the
// frame the window manager puts around it, where it would minimise or close it.
// A message box that comes up meanwhile drops the waiting action, so that no
// window opens under a question.
class AfterDoubleClickTime {
public:
    AfterDoubleClickTime();
    // Runs action later; nothing while an action waits.
    void run(std::function<void()> action);

private:
    QTimer m_timer;
    std::function<void()> m_waiting;
    int m_messagesBefore = 0;
};

} // namespace ui
