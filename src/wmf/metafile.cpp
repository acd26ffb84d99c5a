#include "metafile.h"

#include "parser.h"
#include "player.h"

#include <QPainter>

#include <cmath>

namespace wmf {

Metafile::Metafile() = default;
Metafile::~Metafile() = default;
Metafile::Metafile(const Metafile &other) = default;
Metafile &Metafile::operator=(const Metafile &other) = default;

namespace {

// The smallest rectangle holding every pixel something was drawn on.
QRect inkBounds(const QImage &image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = y;
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Where a play of the whole logical plane leaves ink inside `region` (in
// units of the plane), looked at with at most `side` pixels a side.
QRectF inkOnPlane(const ParsedMetafile &mf, const Frame &plane, const QRectF &region, int side)
{
    const double scale = std::min(1.0, side / std::max(region.width(), region.height()));
    QImage image(QSizeF(region.size() * scale).toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.translate(-region.topLeft());
    Player(mf, painter, plane).play();
    painter.end();
    const QRect ink = inkBounds(image);
    if (ink.isEmpty())
        return {};
    return QRectF(region.topLeft() + QPointF(ink.topLeft()) / scale, QSizeF(ink.size()) / scale);
}

// A file that states no frame and whose coordinates span no area (a single
// text, say) is as large as what it draws, text and wide pens included:
// played on the whole plane of 16-bit coordinates, one unit to the pixel,
// and looked at coarsely, then again closely where the ink is.
Frame measuredFrame(const ParsedMetafile &mf, const Frame &estimate)
{
    constexpr int kReach = 32768;
    constexpr int kCoarse = 256, kClose = 2048; // pixels a side: cheap, then exact for pictures up to kClose
    Frame plane;
    plane.natural = QSize(2 * kReach, 2 * kReach);
    plane.windowOrg = QPointF(-kReach, -kReach);
    plane.windowExt = plane.viewportExt = QPointF(2 * kReach, 2 * kReach);
    const QRectF coarse = inkOnPlane(mf, plane, QRectF(0, 0, 2 * kReach, 2 * kReach), kCoarse);
    if (coarse.isEmpty())
        return estimate;
    const double cell = 2.0 * kReach / kCoarse;
    const QRectF drawn = inkOnPlane(mf, plane, coarse.adjusted(-cell, -cell, cell, cell), kClose);
    return drawn.isEmpty() ? estimate : frameAround(drawn.translated(-kReach, -kReach));
}

} // namespace

bool Metafile::load(const QByteArray &data, QString *error)
{
    auto parsed = std::make_shared<ParsedMetafile>();
    if (!Parser::parse(data, parsed.get(), error)) {
        m_parsed.reset();
        m_frame.reset();
        return false;
    }
    Frame frame = computeFrame(*parsed);
    if (frame.estimated)
        frame = measuredFrame(*parsed, frame);
    m_frame = std::make_shared<const Frame>(frame);
    m_parsed = std::move(parsed);
    return true;
}

bool Metafile::isNull() const
{
    return !m_parsed;
}

QSize Metafile::naturalSize() const
{
    return m_frame ? m_frame->natural : QSize();
}

// The player's device pixels are the pixels of the natural size, and GDI's
// rules are rules about those pixels: a flood fill stops at pixels of the
// border colour, raster operations mix whole pixels, a hairline is one pixel.
// Drawn smaller, a device pixel would hold parts of several of them, blended:
// a thin border no longer stops a flood fill and the fill runs over the page.
// So below natural size the picture is played at its natural size (or as
// close to it as memory allows) and that image scaled down. Far below it, a
// hairline would fade away: lines are played at least half a pixel of the
// output wide, on the output's grid, so that they stay as half-tone lines.
void Metafile::render(QPainter &painter) const
{
    if (!m_parsed || !painter.isActive())
        return;
    const QTransform toDevice = painter.deviceTransform();
    const double scale = std::min(std::hypot(toDevice.m11(), toDevice.m12()), std::hypot(toDevice.m21(), toDevice.m22()));
    const double area = double(m_frame->natural.width()) * m_frame->natural.height();
    const double fit = std::min(1.0, std::sqrt(double(limits::kMaxBitmapPixels) / area));
    if (fit <= scale) { // at or above natural size (or as close as memory allows): straight onto the painter
        Player(*m_parsed, painter, *m_frame).play();
        return;
    }
    const QRectF frame(QPointF(0, 0), QSizeF(m_frame->natural));
    QImage canvas((QSizeF(m_frame->natural) * fit).toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter onCanvas(&canvas);
    // What the picture is drawn over takes part in its raster operations.
    if (painter.device() && painter.device()->devType() == QInternal::Image && !toDevice.isRotating()) {
        const QImage &below = *static_cast<const QImage *>(static_cast<QImage *>(painter.device()));
        onCanvas.setCompositionMode(QPainter::CompositionMode_Source);
        onCanvas.setRenderHint(QPainter::SmoothPixmapTransform);
        onCanvas.drawImage(QRectF(canvas.rect()), below, toDevice.mapRect(frame));
        onCanvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    onCanvas.scale(fit, fit);
    Frame played = *m_frame;
    played.thinnestLine = std::min(std::max(1.0, 0.5 / scale), double(played.natural.width() + played.natural.height()));
    Player(*m_parsed, onCanvas, played).play();
    onCanvas.end();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (toDevice.isRotating()) {
        painter.drawImage(frame, canvas);
    } else {
        // Scaled down by averaging every pixel, and put down pixel for pixel.
        const QRect onDevice = toDevice.mapRect(frame).toRect();
        const QTransform deviceOnly = painter.worldTransform().inverted() * toDevice;
        painter.setWorldTransform(deviceOnly.inverted());
        painter.drawImage(onDevice.topLeft(), canvas.mirrored(toDevice.m11() < 0, toDevice.m22() < 0)
                                                  .scaled(onDevice.size().expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio,
                                                          Qt::SmoothTransformation));
    }
    painter.restore();
}

bool Metafile::looksLikeMetafile(const QByteArray &head)
{
    return Parser::looksLikeMetafile(head);
}

QStringList Metafile::warnings() const
{
    return m_parsed ? m_parsed->warnings : QStringList();
}

const ParsedMetafile *Metafile::parsed() const
{
    return m_parsed.get();
}

} // namespace wmf
