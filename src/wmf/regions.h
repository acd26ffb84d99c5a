// Region painting (FILLREGION, PAINTREGION, INVERTREGION, FRAMEREGION) and
// the flood fills, which read back the pixels already painted.
#pragma once

#include "paintstyle.h"

#include <QRegion>

namespace wmf {

class RegionPainter {
public:
    RegionPainter(QPainter &painter, const DeviceContext &dc, PaintStyle &style);

    // Regions in device pixels.
    void fill(const QRegion &region, const BrushObj &brush);
    void invert(const QRegion &region);
    void frame(const QRegion &region, const BrushObj &brush, int width, int height);
    // Fills from (x, y) while the colour is not color, or with surface while it is.
    void floodFill(int x, int y, QRgb color, bool surface);

private:
    QPainter &m_p;
    const DeviceContext &m_dc;
    PaintStyle &m_style;
};

} // namespace wmf
