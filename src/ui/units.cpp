#include "units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

int leftTwips(const QWidget *widget)
{
    return int(pixelsToTwips(widget->x()));
}

void setLeftTwips(QWidget *widget, int left)
{
    widget->move(twipsToPixels(left), widget->y());
}

QSizeF screenSizeTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize(1024, 768);
    return QSizeF(pixelsToTwips(size.width()), pixelsToTwips(size.height()));
}

void setColors(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    if (text.isValid()) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, text);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace ui
