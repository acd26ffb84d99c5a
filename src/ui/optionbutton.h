#pragma once
// An option button of the mode panel. It never takes the keyboard focus, so
// that after a mode is chosen with the mouse, Space and the arrow keys still
// mean only what the window's key handler makes of them. A double click
// chooses once.

#include <QRadioButton>

namespace ui {

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(const QString &caption, QWidget *parent);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace ui
