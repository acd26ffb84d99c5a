#pragma once
// What counts as a click on the program's picture buttons, labels and option
// buttons: the left button pressed and released over the control. A double
// click is one click, as children double-click everything: the release that
// ends it runs nothing.

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

} // namespace ui
