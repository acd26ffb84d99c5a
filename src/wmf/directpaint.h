// The fast lane for fills and strokes: solid ones are rasterized straight
// into the image the painter paints, which is many times quicker than
// QPainter's path filling and stroking for the hundreds of small shapes of
// clip art. Anything else (patterns, hatches, dashes, mixing raster
// operations, other devices, rotated or sheared painters) stays with QPainter.
#pragma once

#include "rasterizer.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QTransform>

#include <vector>

namespace wmf {

struct ShapeStyle;

class DirectPainter {
public:
    // Looks at the painter at the start of playback: only an image painted
    // with nothing but scaling, and clipped to a plain rectangle, is
    // painted directly.
    void begin(QPainter &painter, bool outerIsRect);
    // The frame and the DC's clip region (null for none), in device pixels.
    void setClip(const QRectF &frame, const QRegion *clip);
    // Paints the shape as style says; false leaves it to QPainter.
    bool fillAndStroke(QPainter &painter, const QPainterPath &fill, const QPainterPath &stroke, bool squareCorners,
                       const ShapeStyle &style);

private:
    QImage *m_image = nullptr;   // the image being painted, when drawing into it directly
    QTransform m_toImage;        // device pixels → image pixels
    double m_imageScale = 1;
    bool m_clipOk = false;       // the current clip is simple enough for the rasterizer
    Rasterizer m_raster;
    Contours m_shape;
    std::vector<QPointF> m_line;
};

} // namespace wmf
