#include "directpaint.h"

#include "paintstyle.h"
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

void DirectPainter::begin(QPainter &painter, bool outerIsRect)
{
    m_image = nullptr;
    QPaintDevice *device = painter.device();
    if (!device || device->devType() != QInternal::Image || !outerIsRect)
        return;
    auto *image = static_cast<QImage *>(device);
    const QTransform t = painter.deviceTransform();
    // A shared image would detach on the first write and part from the
    // buffer the painter keeps drawing text and bitmaps into.
    if (!Rasterizer::supports(*image) || !image->isDetached() || t.type() > QTransform::TxScale
        || std::abs(t.m11()) != std::abs(t.m22()) || painter.opacity() < 1.0
        || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return;
    m_image = image;
    m_toImage = t;
    m_imageScale = std::abs(t.m11());
}

void DirectPainter::setClip(const QRectF &frame, const QRegion *clip)
{
    if (!m_image)
        return;
    const QRectF onImage = m_toImage.mapRect(frame);
    auto px = [](double v) { return int(std::lround(std::clamp(v, -1e9, 1e9))); };
    QRegion region(QRect(QPoint(px(onImage.left()), px(onImage.top())),
                         QPoint(px(onImage.right()) - 1, px(onImage.bottom()) - 1)));
    if (clip)
        region &= m_toImage.map(*clip);
    m_clipOk = region.rectCount() <= kMaxDirectClipRects;
    if (m_clipOk)
        m_raster.setClip(std::vector<QRect>(region.begin(), region.end()));
}

bool DirectPainter::fillAndStroke(QPainter &painter, const QPainterPath &fill, const QPainterPath &stroke,
                                  bool squareCorners, const ShapeStyle &style)
{
    if (!m_image || !m_clipOk)
        return false;
    // The raster operations that mix with the picture have set their own mode.
    if (painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    if (style.fill && !style.solidBrush)
        return false;
    if (style.stroke && style.pen.style() != Qt::SolidLine)
        return false;
    if (style.fill) {
        m_shape.clear();
        forEachPolyline(fill, m_toImage, false, m_line, [this](const QPointF *pts, int n) {
            m_shape.points.insert(m_shape.points.end(), pts, pts + n);
            m_shape.close();
        });
        const auto rule = style.fillRule == Qt::WindingFill ? Rasterizer::Rule::NonZero : Rasterizer::Rule::EvenOdd;
        m_raster.fill(*m_image, m_shape, rule, style.brush.color().rgb());
    }
    // QPainter's own one-pixel lines are quicker than outlining them, and
    // look the same except at the square corners of rectangles.
    const QPen &pen = style.pen;
    if (style.stroke && pen.widthF() * m_imageScale <= 1.0 && !squareCorners) {
        painter.strokePath(stroke, pen);
    } else if (style.stroke) {
        StrokeStyle stroking;
        stroking.width = pen.widthF() * m_imageScale;
        stroking.cap = pen.capStyle();
        stroking.join = pen.joinStyle();
        const QRgb colour = pen.color().rgb();
        m_shape.clear();
        forEachPolyline(stroke, m_toImage, true, m_line, [&](const QPointF *pts, int n) {
            const bool closed = n > 2 && pts[0] == pts[n - 1];
            strokePolyline(pts, closed ? n - 1 : n, closed, stroking, m_shape);
            // The outlines of a wide pen have many times the points of the
            // line; a huge poly-polygon is painted a part at a time.
            if (m_shape.points.size() > kMaxStrokePoints) {
                m_raster.fill(*m_image, m_shape, Rasterizer::Rule::NonZero, colour);
                m_shape.clear();
            }
        });
        m_raster.fill(*m_image, m_shape, Rasterizer::Rule::NonZero, colour);
    }
    return true;
}

} // namespace wmf
