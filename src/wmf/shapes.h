// Lines and filled shapes: the outlines GDI would light for each record,
// filled with the brush and stroked with the pen through QPainter, or
// through the direct rasterizer where it can.
#pragma once

#include "paintstyle.h"

#include <vector>

namespace wmf {

class ShapePainter {
public:
    ShapePainter(QPainter &painter, const DeviceContext &dc, const Frame &frame, PaintStyle &style, DirectPainter &direct);

    enum class BoxKind { Rect, Ellipse, RoundRect };
    enum class ArcKind { Arc, Pie, Chord };
    void drawBox(BoxKind kind, const ShapeParams &s);
    void drawArc(ArcKind kind, const ShapeParams &s);
    void drawPolyline(const std::vector<QPoint> &pts);
    void drawPolygon(const std::vector<QPoint> &pts);
    void drawPolyPolygon(const PolyPolygon &pp);
    void setPixel(const QPoint &pos, QRgb color);

private:
    void fillAndStroke(const QPainterPath &fill, const QPainterPath &stroke, bool squareCorners);

    QPainter &m_p;
    const DeviceContext &m_dc;
    const Frame &m_frame;
    PaintStyle &m_style;
    DirectPainter &m_direct;
};

} // namespace wmf
