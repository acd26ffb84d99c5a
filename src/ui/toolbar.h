#pragma once
// The windows' toolbars: a row of picture boxes on the light blue band along
// the top, each a button with an icon and a tool tip.

#include <QIcon>
#include <QList>

#include <functional>

class QWidget;

namespace ui {

class PictureBox;

struct ToolButton {
    const char *name;     // the control's name
    int left;             // in twips; every button stands at Top 120
    const char *toolTip;
    QIcon icon;
    std::function<void()> clicked;
    int side = 495;       // in twips
    PictureBox **store = nullptr;  // where the window keeps the button, if it does
};

// Makes the buttons in `window`, in the table's order.
QList<PictureBox *> makeToolbar(QWidget *window, const QList<ToolButton> &buttons);

} // namespace ui
