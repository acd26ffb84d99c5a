// Text runs: the font a LOGFONT stands for at the current scale, where the
// characters go (spacing arrays, justification, alignment, escapement) and
// the background and clipping ETO options ask for.
#pragma once

#include "paintstyle.h"

#include <QFont>

namespace wmf {

class TextPainter {
public:
    TextPainter(QPainter &painter, DeviceContext &dc, PaintStyle &style);

    // TEXTOUT, or EXTTEXTOUT with ext; moves the current position with TA_UPDATECP.
    void draw(const TextRun &run, bool ext);
    // The DC's font may have changed under the same number (RESTOREDC).
    void forgetFont() { m_fc.serial = ~0u; }

private:
    void resolveFont();

    QPainter &m_p;
    DeviceContext &m_dc;
    PaintStyle &m_style;

    // The QFont for the DC's font at the current scale.
    struct FontCache {
        quint32 serial = ~0u;
        double sx = 0, sy = 0;
        QFont font;
        double scale = 1, stretch = 1, ascent = 0, descent = 0;
        QString family;
    } m_fc;
};

} // namespace wmf
