#pragma once
// An option button of the mode panel. It never takes the keyboard focus, so
// that after a mode is chosen with the mouse, Space and the arrow keys still
// mean only what the window's key handler makes of them. A double click
// chooses once.

#include <QCheckBox>
#include <QRadioButton>

namespace ui {

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(const QString &caption, QWidget *parent);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // The whole control takes the click, not only its circle and caption.
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

// A check box of the mode panel, alike: no keyboard focus, and a double
// click ticks or unticks it once.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(const QString &caption, QWidget *parent);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

} // namespace ui
