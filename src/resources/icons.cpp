#include "icons.h"

#include "drawings.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>

#include <cmath>

namespace resources {

namespace {

constexpr int kDesignSide = 32;

const QRgb kPalette[16] = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

// The nearest palette colour for each pixel that is mostly opaque; the rest transparent.
QRgb toPalette(QRgb p)
{
    if (qAlpha(p) < 128)
        return qRgba(0, 0, 0, 0);
    QRgb best = kPalette[0];
    int bestDistance = 1 << 30;
    for (const QRgb c : kPalette) {
        const int dr = qRed(p) - qRed(c), dg = qGreen(p) - qGreen(c), db = qBlue(p) - qBlue(c);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = c;
        }
    }
    return best;
}

// Draws on demand at the device size asked for, and keeps what it drew.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(QString name) : m_name(std::move(name)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        // The device pixels the rectangle covers, at the screen's pixel ratio
        // and under any scaling of the painter.
        const QRectF onDevice = painter->deviceTransform().mapRect(QRectF(rect));
        const int side = int(std::lround(std::min(onDevice.width(), onDevice.height())));
        const qreal logical = std::min(rect.width(), rect.height());
        painter->drawImage(QRectF(rect.topLeft(), QSizeF(logical, logical)), image(side));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(image(std::min(size.width(), size.height())));
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap result = pixmap(size * scale, mode, state);
        result.setDevicePixelRatio(scale);
        return result;
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(kDesignSide, kDesignSide)}; }
    QString key() const override { return QStringLiteral("revaze-drawn"); }
    QIconEngine *clone() const override { return new DrawnIconEngine(m_name); }

private:
    const QImage &image(int side)
    {
        auto it = m_drawn.find(side);
        if (it == m_drawn.end())
            it = m_drawn.insert(side, drawIcon(m_name, side));
        return *it;
    }

    QString m_name;
    QHash<int, QImage> m_drawn;
};

} // namespace

QImage drawIcon(const QString &name, int side)
{
    const IconDrawing *drawing = iconDrawing(name);
    if (!drawing || side <= 0)
        return {};
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(double(side) / kDesignSide, double(side) / kDesignSide);
    (*drawing)(painter);
    painter.end();
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < side; ++x)
            line[x] = toPalette(line[x]);
    }
    return image;
}

QIcon icon(const QString &name)
{
    return iconDrawing(name) ? QIcon(new DrawnIconEngine(name)) : QIcon();
}

} // namespace resources
