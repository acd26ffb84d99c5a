#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

bool PictureBox::loadPicture(const QString &storedName, QString *error)
{
    if (storedName.isEmpty()) {
        clearPicture();
        return true;
    }
    QString reason;
    const QString path = resolvePictureFile(storedName, QDir::current());
    Picture loaded = path.isEmpty() ? Picture() : Picture::load(path, &reason);
    if (loaded.isNull()) {
        if (error)
            *error = path.isEmpty() ? QStringLiteral("nicht vorhanden") : reason;
        return false;
    }
    setPicture(loaded);
    return true;
}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::clearPicture()
{
    setPicture(Picture());
}

void PictureBox::setIcon(const QPixmap &icon)
{
    m_icon = icon;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRect(rect());
    if (!m_icon.isNull())
        painter.drawPixmap(0, 0, m_icon);
    if (!m_picture.isNull())
        m_picture.draw(painter);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ui
