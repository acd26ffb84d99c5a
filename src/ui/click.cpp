#include "click.h"

#include <QMouseEvent>
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

} // namespace ui
