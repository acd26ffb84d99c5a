#include "shapes.h"

#include "directpaint.h"

#include <QtMath>

#include <cmath>

namespace wmf {

ShapePainter::ShapePainter(QPainter &painter, const DeviceContext &dc, const Frame &frame, PaintStyle &style,
                           DirectPainter &direct)
    : m_p(painter), m_dc(dc), m_frame(frame), m_style(style), m_direct(direct)
{
}

void ShapePainter::fillAndStroke(const QPainterPath &fill, const QPainterPath &stroke, bool squareCorners)
{
    m_style.applyClip();
    if (!m_style.beginRop2())
        return;
    const ShapeStyle style = m_style.shapeStyle(!fill.isEmpty(), !stroke.isEmpty());
    if (m_direct.fillAndStroke(m_p, fill, stroke, squareCorners, style)) {
        m_style.endRop2();
        return;
    }
    const DcState &d = m_dc.state();
    m_p.setBackgroundMode(d.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    m_p.setBackground(QColor::fromRgb(d.bkColor));
    if (style.fill) {
        QPainterPath f = fill;
        f.setFillRule(style.fillRule);
        m_p.fillPath(f, style.brush);
    }
    if (style.stroke) {
        const QRectF extent = stroke.controlPointRect();
        const double far = 16.0 * (m_frame.natural.width() + m_frame.natural.height()) + 4096;
        if (style.pen.style() != Qt::SolidLine && extent.width() + extent.height() > far) {
            // Dashes along miles of invisible outline would take forever.
            QPen pen = style.pen;
            pen.setStyle(Qt::SolidLine);
            m_p.strokePath(stroke, pen);
        } else if (squareCorners && style.pen.widthF() <= 1.0) {
            // Qt's one-pixel fast path leaves right-angled corners a quarter
            // short; a hair over one pixel takes the real stroker instead.
            QPen pen = style.pen;
            pen.setWidthF(1.0001);
            m_p.strokePath(stroke, pen);
        } else {
            m_p.strokePath(stroke, style.pen);
        }
    }
    m_style.endRop2();
}

void ShapePainter::drawBox(BoxKind kind, const ShapeParams &s)
{
    const QRectF box = m_dc.mapRect(s.box);
    const double ex = 2 * m_dc.ox(), ey = 2 * m_dc.oy();
    QRectF outline = m_style.outlineBox(box);
    if (outline.width() < 0)
        outline.setWidth(0);
    if (outline.height() < 0)
        outline.setHeight(0);
    const PenObj &pen = m_dc.state().pen;
    if ((pen.style & PS_STYLE_MASK) == PS_INSIDEFRAME && pen.width > 0) {
        const double half = (m_style.penWidthDevice() - m_style.hairWidth()) / 2;
        outline.adjust(half, half, -half, -half);
    }
    QRectF fillBox = m_style.penVisible() ? outline : QRectF(box.left(), box.top(), box.width() - ex, box.height() - ey);
    QPainterPath fillPath, strokePath;
    auto add = [&](QPainterPath &path, const QRectF &rc) {
        switch (kind) {
        case BoxKind::Rect: path.addRect(rc); break;
        case BoxKind::Ellipse: path.addEllipse(rc); break;
        case BoxKind::RoundRect: {
            const double rx = qMin(std::abs(s.corner.x() * m_dc.sx()) / 2, rc.width() / 2);
            const double ry = qMin(std::abs(s.corner.y() * m_dc.sy()) / 2, rc.height() / 2);
            path.addRoundedRect(rc, rx, ry);
            break;
        }
        }
    };
    if (fillBox.width() > 0 && fillBox.height() > 0)
        add(fillPath, fillBox);
    add(strokePath, outline);
    fillAndStroke(fillPath, strokePath, kind == BoxKind::Rect);
}

void ShapePainter::drawArc(ArcKind kind, const ShapeParams &s)
{
    const QRectF box = m_dc.mapRect(s.box);
    const QRectF outline = m_style.outlineBox(box);
    if (outline.width() <= 0 || outline.height() <= 0)
        return;
    const QPointF o = outline.topLeft() - box.topLeft();
    const QPointF start = m_dc.map(s.start.x(), s.start.y());
    const QPointF end = m_dc.map(s.end.x(), s.end.y());
    // Arcs run counter-clockwise as seen on the device, whatever the mapping.
    const QPointF c = outline.center();
    auto angle = [&](const QPointF &p) {
        return qRadiansToDegrees(std::atan2(-(p.y() + o.y() - c.y()) / outline.height(), (p.x() + o.x() - c.x()) / outline.width()));
    };
    const double a0 = angle(start);
    double span = angle(end) - a0;
    while (span <= 0) // from a radial to itself: all the way round
        span += 360;
    QPainterPath arc;
    arc.arcMoveTo(outline, a0);
    arc.arcTo(outline, a0, span);
    QPainterPath fill;
    if (kind == ArcKind::Pie) {
        fill.moveTo(c);
        fill.arcTo(outline, a0, span);
        fill.closeSubpath();
    } else if (kind == ArcKind::Chord) {
        fill = arc;
        fill.closeSubpath();
    }
    fillAndStroke(fill, kind == ArcKind::Arc ? arc : fill, false);
}

void ShapePainter::drawPolyline(const std::vector<QPoint> &pts)
{
    if (pts.size() < 2)
        return;
    QPolygonF poly = m_style.outlinePolygon(pts.data(), pts.size());
    poly.translate(m_style.outlineShift());
    // GDI leaves out the last pixel of a line; for thin pens that is visible.
    if (m_style.hairline()) {
        const double pixel = m_style.hairWidth();
        const auto shift = [](QPointF &a, const QPointF &towards, double d) {
            const QPointF v = towards - a;
            const double len = std::hypot(v.x(), v.y());
            if (len > 0)
                a += v * (qMin(d, len) / len);
        };
        if (m_style.isDashed()) { // flat caps: start on the first pixel's edge
            shift(poly.first(), poly[1], -0.5 * pixel);
            shift(poly.last(), poly[poly.size() - 2], 0.5 * pixel);
        } else {                  // square caps reach half a pixel past each end
            shift(poly.last(), poly[poly.size() - 2], pixel);
        }
    }
    QPainterPath path;
    path.addPolygon(poly);
    fillAndStroke(QPainterPath(), path, false);
}

void ShapePainter::drawPolygon(const std::vector<QPoint> &pts)
{
    QPainterPath fill;
    fill.addPolygon(m_style.outlinePolygon(pts.data(), pts.size()));
    fill.closeSubpath();
    fillAndStroke(fill, fill.translated(m_style.outlineShift()), false);
}

void ShapePainter::drawPolyPolygon(const PolyPolygon &pp)
{
    QPainterPath fill;
    size_t at = 0;
    for (int n : pp.counts) {
        fill.addPolygon(m_style.outlinePolygon(pp.points.data() + at, size_t(n)));
        fill.closeSubpath();
        at += size_t(n);
    }
    fillAndStroke(fill, fill.translated(m_style.outlineShift()), false);
}

void ShapePainter::setPixel(const QPoint &pos, QRgb color)
{
    m_style.applyClip();
    const QPointF p = m_dc.map(pos.x(), pos.y());
    m_p.fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1), QColor::fromRgb(color));
}

} // namespace wmf
