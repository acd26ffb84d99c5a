#include "regions.h"

#include <cmath>

namespace wmf {

RegionPainter::RegionPainter(QPainter &painter, const DeviceContext &dc, PaintStyle &style)
    : m_p(painter), m_dc(dc), m_style(style)
{
}

void RegionPainter::fill(const QRegion &region, const BrushObj &brush)
{
    m_style.applyClip();
    if (brush.style == BS_NULL)
        return;
    const QBrush qb = m_style.brushFor(brush);
    for (const QRect &rc : region)
        m_p.fillRect(rc, qb);
}

void RegionPainter::invert(const QRegion &region)
{
    m_style.applyClip();
    m_p.setCompositionMode(QPainter::CompositionMode_Difference);
    for (const QRect &rc : region)
        m_p.fillRect(rc, Qt::white);
    m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void RegionPainter::frame(const QRegion &region, const BrushObj &brush, int width, int height)
{
    m_style.applyClip();
    // The frame is what the region loses when shrunk by the frame's size.
    const int fw = qMax(1, int(std::lround(std::abs(width * m_dc.sx()))));
    const int fh = qMax(1, int(std::lround(std::abs(height * m_dc.sy()))));
    const QRegion inner = region & region.translated(fw, 0) & region.translated(-fw, 0) & region.translated(0, fh)
                          & region.translated(0, -fh);
    const QBrush qb = m_style.brushFor(brush);
    for (const QRect &rc : region - inner)
        m_p.fillRect(rc, qb);
}

void RegionPainter::floodFill(int x, int y, QRgb color, bool surface)
{
    QPaintDevice *dev = m_p.device();
    const QTransform toImage = m_p.deviceTransform(); // to the image's own pixels, at any pixel ratio
    if (!dev || dev->devType() != QInternal::Image || !toImage.isAffine() || toImage.isRotating())
        return; // needs pixels to look at
    const QImage &img = *static_cast<const QImage *>(static_cast<QImage *>(dev));
    const QPointF d = toImage.map(m_dc.map(x, y) + QPointF(m_dc.ox(), m_dc.oy()));
    const int w = img.width(), h = img.height();
    if (!(d.x() >= 0 && d.y() >= 0 && d.x() < w && d.y() < h) || qint64(w) * h > limits::kMaxBitmapPixels)
        return;
    const int x0 = int(d.x()), y0 = int(d.y());
    auto px = [&](int xx, int yy) { return img.pixel(xx, yy); };
    auto close = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 60;
    };
    auto inside = [&](int xx, int yy) {
        const QRgb c = px(xx, yy);
        return surface ? close(c, color) : !close(c, color);
    };
    if (!inside(x0, y0))
        return;
    std::vector<quint8> done(size_t(w) * size_t(h), 0);
    std::vector<QPoint> stack{QPoint(x0, y0)};
    std::vector<QRect> spans;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        int yy = p.y();
        if (done[size_t(yy) * w + p.x()] || !inside(p.x(), yy))
            continue;
        int l = p.x(), r = p.x();
        while (l > 0 && !done[size_t(yy) * w + l - 1] && inside(l - 1, yy))
            --l;
        while (r < w - 1 && !done[size_t(yy) * w + r + 1] && inside(r + 1, yy))
            ++r;
        for (int i = l; i <= r; ++i)
            done[size_t(yy) * w + i] = 1;
        spans.emplace_back(l, yy, r - l + 1, 1);
        for (int ny : {yy - 1, yy + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            for (int i = l; i <= r; ++i) {
                if (!done[size_t(ny) * w + i] && inside(i, ny)) {
                    stack.emplace_back(i, ny);
                    while (i <= r && inside(i, ny))
                        ++i;
                }
            }
        }
    }
    m_style.applyClip();
    m_p.save();
    m_p.setWorldTransform(toImage.inverted() * m_p.worldTransform()); // paint in image pixels
    m_p.setRenderHint(QPainter::Antialiasing, false);
    const QBrush brush = m_style.brushFor(m_dc.state().brush);
    for (const QRect &s : spans)
        m_p.fillRect(s, brush);
    m_p.restore();
}

} // namespace wmf
