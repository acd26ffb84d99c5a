// The player's fast lane: solid fills and strokes rasterized straight into
// the image the painter paints, which is many times quicker than QPainter's
// path filling and stroking for the hundreds of small shapes of clip art.
// Anything else (patterns, hatches, dashes, mixing raster operations, other
// devices, rotated or sheared painters) stays with QPainter.
#include "player.h"
#include "stroker.h"

#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace wmf {

namespace {

constexpr int kMaxDirectClipRects = 64;
constexpr size_t kMaxStrokePoints = 1 << 18;

// Calls f(points, count) for each subpath of path, mapped by t. Curves are
// flattened with chords at most about a tenth of an image pixel from the
// curve, or a fortieth with `fine` (for the edges of wide pens).
template <class F>
void forEachPolyline(const QPainterPath &path, const QTransform &t, bool fine, std::vector<QPointF> &buffer, F f)
{
    const int n = path.elementCount();
    for (int i = 0; i < n; ++i) {
        if (path.elementAt(i).isCurveTo()) {
            const double zoom = fine ? 4 : 1;
            for (QPolygonF poly : path.toSubpathPolygons(t * QTransform::fromScale(zoom, zoom))) {
                if (fine) {
                    for (QPointF &p : poly)
                        p /= zoom;
                }
                f(poly.constData(), int(poly.size()));
            }
            return;
        }
    }
    buffer.clear();
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element &e = path.elementAt(i);
        if (e.isMoveTo() && !buffer.empty()) {
            f(buffer.data(), int(buffer.size()));
            buffer.clear();
        }
        buffer.push_back(t.map(QPointF(e.x, e.y)));
    }
    if (!buffer.empty())
        f(buffer.data(), int(buffer.size()));
}

} // namespace

void Player::setUpDirect()
{
    m_direct = nullptr;
    QPaintDevice *device = m_p.device();
    if (!device || device->devType() != QInternal::Image || !m_outerIsRect)
        return;
    auto *image = static_cast<QImage *>(device);
    const QTransform t = m_p.deviceTransform();
    // A shared image would detach on the first write and part from the
    // buffer the painter keeps drawing text and bitmaps into.
    if (!Rasterizer::supports(*image) || !image->isDetached() || t.type() > QTransform::TxScale
        || std::abs(t.m11()) != std::abs(t.m22()) || m_p.opacity() < 1.0
        || m_p.compositionMode() != QPainter::CompositionMode_SourceOver)
        return;
    m_direct = image;
    m_toImage = t;
    m_imageScale = std::abs(t.m11());
}

void Player::updateDirectClip()
{
    if (!m_direct)
        return;
    const QRectF frame = m_toImage.mapRect(m_outerRect);
    auto px = [](double v) { return int(std::lround(std::clamp(v, -1e9, 1e9))); };
    QRegion region(QRect(QPoint(px(frame.left()), px(frame.top())), QPoint(px(frame.right()) - 1, px(frame.bottom()) - 1)));
    if (m_dc.hasClip)
        region &= m_toImage.map(m_dc.clip);
    m_directClipOk = region.rectCount() <= kMaxDirectClipRects;
    if (m_directClipOk)
        m_raster.setClip(std::vector<QRect>(region.begin(), region.end()));
}

bool Player::directFillAndStroke(const QPainterPath &fill, const QPainterPath &stroke, bool squareCorners)
{
    if (!m_direct || !m_directClipOk)
        return false;
    // The raster operations that mix with the picture have set their own mode.
    if (m_p.compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const bool filling = !fill.isEmpty() && brushVisible(m_dc.brush);
    const bool stroking = !stroke.isEmpty() && penVisible();
    if (filling && m_dc.brush.style != BS_SOLID)
        return false;
    if (stroking) {
        preparePen();
        if (m_qpen.style() != Qt::SolidLine)
            return false;
    }
    if (filling) {
        m_shape.clear();
        forEachPolyline(fill, m_toImage, false, m_line, [this](const QPointF *pts, int n) {
            m_shape.points.insert(m_shape.points.end(), pts, pts + n);
            m_shape.close();
        });
        const auto rule = m_dc.polyFillMode == WINDING ? Rasterizer::Rule::NonZero : Rasterizer::Rule::EvenOdd;
        m_raster.fill(*m_direct, m_shape, rule, brushFor(m_dc.brush).color().rgb());
    }
    // QPainter's own one-pixel lines are quicker than outlining them, and
    // look the same except at the square corners of rectangles.
    if (stroking && m_qpen.widthF() * m_imageScale <= 1.0 && !squareCorners) {
        m_p.strokePath(stroke, m_qpen);
    } else if (stroking) {
        StrokeStyle style;
        style.width = m_qpen.widthF() * m_imageScale;
        style.cap = m_qpen.capStyle();
        style.join = m_qpen.joinStyle();
        const QRgb colour = m_qpen.color().rgb();
        m_shape.clear();
        forEachPolyline(stroke, m_toImage, true, m_line, [&](const QPointF *pts, int n) {
            const bool closed = n > 2 && pts[0] == pts[n - 1];
            strokePolyline(pts, closed ? n - 1 : n, closed, style, m_shape);
            // The outlines of a wide pen have many times the points of the
            // line; a huge poly-polygon is painted a part at a time.
            if (m_shape.points.size() > kMaxStrokePoints) {
                m_raster.fill(*m_direct, m_shape, Rasterizer::Rule::NonZero, colour);
                m_shape.clear();
            }
        });
        m_raster.fill(*m_direct, m_shape, Rasterizer::Rule::NonZero, colour);
    }
    return true;
}

} // namespace wmf
