#include "click.h"

#include "messagebox.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
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

AfterDoubleClickTime::AfterDoubleClickTime()
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        const std::function<void()> action = std::exchange(m_waiting, nullptr);
        if (messagesShown() == m_messagesBefore)
            action();
    });
}

void AfterDoubleClickTime::run(std::function<void()> action)
{
    if (m_timer.isActive())
        return;
    m_waiting = std::move(action);
    m_messagesBefore = messagesShown();
    m_timer.start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

} // namespace ui
