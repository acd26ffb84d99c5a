#include "toolbar.h"

#include "picturebox.h"
#include "units.h"

namespace ui {

QList<PictureBox *> makeToolbar(QWidget *window, const QList<ToolButton> &buttons)
{
    QList<PictureBox *> boxes;
    for (const ToolButton &button : buttons) {
        auto *box = new PictureBox(window);
        box->setObjectName(QLatin1String(button.name));
        placeTwips(box, button.left, 120, button.side, button.side);
        setColors(box, colors::lightBlue);
        box->setIcon(button.icon);
        box->setToolTip(QString::fromUtf8(button.toolTip));
        QObject::connect(box, &PictureBox::clicked, window, button.clicked);
        if (button.store)
            *button.store = box;
        boxes.append(box);
    }
    return boxes;
}

} // namespace ui
