#include "optionbutton.h"

#include <QMouseEvent>

namespace ui {

OptionButton::OptionButton(const QString &caption, QWidget *parent) : QRadioButton(caption, parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void OptionButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click: not pressed, so its release clicks nothing.
    event->accept();
}

CheckBox::CheckBox(const QString &caption, QWidget *parent) : QCheckBox(caption, parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void CheckBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

} // namespace ui
