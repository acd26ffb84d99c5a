// How the DC's pen, brush and raster operation paint: the QPen and QBrush
// they make, the outlines a pen runs along, the composition modes of the
// mixing raster operations, and the clip the painter applies. Both ways of
// painting a shape (QPainter and the direct rasterizer) take their
// decisions from here.
#pragma once

#include "devicecontext.h"

#include <QBrush>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <optional>

namespace wmf {

class DirectPainter;

// What one fill-and-stroke paints.
struct ShapeStyle {
    bool fill = false;        // an outline to fill and a visible brush
    bool stroke = false;      // an outline to stroke and a visible pen
    bool solidBrush = false;  // the brush is BS_SOLID: one colour, brush.color()
    QBrush brush;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    QPen pen;
};

// Monochrome pattern: pixels equal to the 0-colour take fg, others bg, or transparent.
QImage recolourMono(const QImage &src, QRgb zero, QRgb fg, std::optional<QRgb> bg);

class PaintStyle {
public:
    PaintStyle(QPainter &painter, const DeviceContext &dc, const Frame &frame, DirectPainter &direct);

    // Takes the painter's state at the start of playback: its transform,
    // its clip (nothing lands outside the frame) and whether the direct
    // rasterizer can paint into its device.
    void begin();
    const QTransform &baseTransform() const { return m_base; }

    // ---- pens
    bool penVisible() const;
    double penWidthDevice() const;
    double widthUnclamped() const; // the pen's width under the mapping, 0 for a cosmetic pen
    double hairWidth() const;      // a hairline's width in whole natural pixels
    double onGrid(double v) const; // a hairline's coordinate on its grid
    bool isDashed() const;
    bool hairline() const;
    QPointF strokeOffset() const;
    QPolygonF outlinePolygon(const QPoint *points, size_t count) const;
    QPointF outlineShift() const;
    QRectF outlineBox(const QRectF &box) const;
    const QPen &pen();

    // ---- brushes
    QBrush brushFor(const BrushObj &b) const;
    static bool brushVisible(const BrushObj &b) { return b.style != BS_NULL; }

    ShapeStyle shapeStyle(bool haveFill, bool haveStroke);

    // ---- raster operations: false from beginRop2() means draw nothing
    bool beginRop2();
    void endRop2();

    // ---- clipping: the frame and the DC's clip region, on the painter
    void applyClip();

private:
    QPainter &m_p;
    const DeviceContext &m_dc;
    const Frame &m_frame;
    DirectPainter &m_direct;
    QTransform m_base;
    bool m_outerIsRect = true; // the frame clip is a plain rectangle
    QRectF m_outerRect;
    QPainterPath m_outerClipPath;
    bool m_clipApplied = false;
    quint64 m_clipSerial = 0;

    // The QPen for the pen, raster operation and scale it was made for.
    struct PenKey {
        quint16 style = 0;
        int width = 0;
        QRgb color = 0;
        int rop2 = 0;
        double sx = 0;
        bool operator==(const PenKey &) const = default;
    };
    std::optional<PenKey> m_penKey;
    QPen m_qpen;
};

} // namespace wmf
