// Bitmaps and brush blocks: PATBLT and the blit records, with the ternary
// raster operations clip art uses done as composition modes.
#pragma once

#include "paintstyle.h"
#include "playstats.h"

namespace wmf {

class Blitter {
public:
    Blitter(QPainter &painter, const DeviceContext &dc, PaintStyle &style, PlayStats &stats);

    void patBlt(const PatBltParams &params);
    void blit(const BlitParams &params);

private:
    void patBlt(const QRectF &rect, quint32 rop);

    QPainter &m_p;
    const DeviceContext &m_dc;
    PaintStyle &m_style;
    PlayStats &m_stats;
    // Every picture gets a budget of decoded pixels, so a file full of
    // large bitmaps cannot keep the player busy for long.
    qint64 m_bitmapBudget = 4 * limits::kMaxBitmapPixels;
};

} // namespace wmf
