// The area a wide pen covers along a line, as pieces for the rasterizer:
// one quadrilateral per segment plus joins and caps. All pieces turn the
// same way, so filling them with the non-zero rule paints their union.
#pragma once

#include "rasterizer.h"

#include <QPolygonF>

namespace wmf {

struct StrokeStyle {
    double width = 1;
    Qt::PenCapStyle cap = Qt::RoundCap;
    Qt::PenJoinStyle join = Qt::RoundJoin;
    double miterLimit = 10; // longest miter, in pen widths; longer ones are bevelled (GDI's rule)
};

// Appends the pieces of one stroked polyline to out. A closed line is joined
// at its first point instead of getting caps.
void strokePolyline(const QPointF *points, int count, bool closed, const StrokeStyle &style, Contours &out);

} // namespace wmf
