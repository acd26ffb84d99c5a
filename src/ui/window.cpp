#include "window.h"

#include "units.h"

#include <QPainter>

namespace ui {

Window::Window(QWidget *parent) : QWidget(parent, Qt::Window)
{
}

void Window::setClientSizeTwips(int width, int height)
{
    setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

QSizeF Window::outerSizeTwips() const
{
    const QSize outer = frameGeometry().size();
    return QSizeF(pixelsToTwips(outer.width()), pixelsToTwips(outer.height()));
}

void Window::moveTwips(double left, double top)
{
    // move() places the frame's corner for a top-level window.
    move(int(left / kTwipsPerPixel), int(top / kTwipsPerPixel));
}

void Window::centreOnScreen()
{
    const QSizeF screen = screenSizeTwips();
    const QSizeF outer = outerSizeTwips();
    m_centredWithSize = outer;
    moveTwips((screen.width() - outer.width()) / 2.0, (screen.height() - outer.height()) / 2.0);
}

void Window::placeAfterFraming()
{
    if (!m_centredWithSize.isEmpty() && outerSizeTwips() != m_centredWithSize)
        centreOnScreen();
}

void Window::keyPreview(int, Qt::KeyboardModifiers)
{
}

void Window::activated()
{
}

void Window::addShape(const Shape &shape)
{
    m_shapes.append(shape);
    update();
}

void Window::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const Shape &shape : m_shapes) {
        if (shape.fill.isValid())
            painter.fillRect(shape.rect, shape.fill);
        if (shape.outline.isValid() && shape.outlineWidth > 0) {
            // The outline lies inside the rectangle, as the designer draws it.
            const int w = shape.outlineWidth;
            QPen pen(shape.outline, w);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(shape.rect).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
        }
    }
}

} // namespace ui
