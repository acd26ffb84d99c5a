#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace ui {

namespace {
constexpr int kIconSide = 32;
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

bool PictureBox::loadPicture(const QString &storedName, const QDir &folder, QString *error)
{
    if (storedName.isEmpty()) {
        clearPicture();
        return true;
    }
    QString reason;
    const QString path = resolvePictureFile(storedName, folder);
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
    m_shown = QImage();
    update();
}

void PictureBox::clearPicture()
{
    setPicture(Picture());
}

void PictureBox::setIcon(const QIcon &icon)
{
    m_icon = icon;
    update();
}

void PictureBox::setShrinkToFit(bool shrink)
{
    m_shrinkToFit = shrink;
    m_shown = QImage();
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRect(rect());
    if (!m_icon.isNull()) {
        m_icon.paint(&painter, QRect(0, 0, kIconSide, kIconSide));
        if (!m_picture.isNull())
            m_picture.draw(painter);
        return;
    }
    if (m_picture.isNull())
        return;
    // Only the part inside the box shows, drawn on the box's background as
    // if straight onto the box, at the screen's pixel density.
    // The painter's scale is the screen's pixel ratio, also when the box is
    // rendered into an image of another ratio.
    const qreal dpr = painter.deviceTransform().m11();
    const QSize natural = m_picture.size();
    const bool shrink = m_shrinkToFit && !natural.isEmpty()
                        && (natural.width() > width() || natural.height() > height());
    const QSize shown = shrink ? natural.scaled(size(), Qt::KeepAspectRatio) : natural.boundedTo(size());
    const QColor background = palette().color(backgroundRole());
    if (shown.isEmpty())
        return;
    if (m_shown.isNull() || m_shown.devicePixelRatio() != dpr || m_shownSize != shown
        || m_shownBackground != background) {
        m_shown = QImage(QSize(qCeil(shown.width() * dpr), qCeil(shown.height() * dpr)), QImage::Format_ARGB32_Premultiplied);
        m_shown.setDevicePixelRatio(dpr);
        m_shown.fill(background);
        m_shownSize = shown;
        m_shownBackground = background;
        QPainter onImage(&m_shown);
        if (shrink)
            onImage.scale(double(shown.width()) / natural.width(), double(shown.height()) / natural.height());
        m_picture.draw(onImage);
    }
    painter.drawImage(QPointF(0, 0), m_shown);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_click.doubleClicked(event);
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (m_click.isClick(event, this))
        emit clicked();
}

} // namespace ui
