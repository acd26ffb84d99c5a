#include "click.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTimer>
#include <QWidget>

namespace ui {

void ClickTracker::doubleClicked(const QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_releaseEndsDoubleClick = true;
}

bool ClickTracker::isClick(const QMouseEvent *release, const QWidget *control)
{
    if (release->button() != Qt::LeftButton)
        return false;
    if (m_releaseEndsDoubleClick) {
        m_releaseEndsDoubleClick = false;
        return false;
    }
    return control->rect().contains(release->position().toPoint());
}

void AfterDoubleClickTime::run(QObject *context, std::function<void()> action)
{
    if (m_waiting)
        return;
    m_waiting = true;
    QTimer::singleShot(QGuiApplication::styleHints()->mouseDoubleClickInterval(), context, [this, action = std::move(action)] {
        m_waiting = false;
        action();
    });
}

} // namespace ui
