#include "frame.h"

#include "records.h"

#include <cmath>
#include <optional>

namespace wmf {

double unitsPerInch(int mapMode)
{
    switch (mapMode) {
    case MM_LOMETRIC: return 254.0;
    case MM_HIMETRIC: return 2540.0;
    case MM_LOENGLISH: return 100.0;
    case MM_HIENGLISH: return 1000.0;
    case MM_TWIPS: return 1440.0;
    default: return 0.0;
    }
}

Frame computeFrame(const ParsedMetafile &mf)
{
    Frame f;
    const PlaceableHeader &ph = mf.placeable;
    if (ph.present && ph.left != ph.right && ph.top != ph.bottom) {
        const double inch = ph.inch ? ph.inch : 1440.0;
        const double w = std::abs(double(ph.right) - ph.left) * 96.0 / inch;
        const double h = std::abs(double(ph.bottom) - ph.top) * 96.0 / inch;
        f.natural = QSize(qBound(1, int(std::lround(w)), 32767), qBound(1, int(std::lround(h)), 32767));
        f.mapMode = MM_ANISOTROPIC;
        f.windowOrg = QPointF(ph.left, ph.top);
        f.windowExt = QPointF(double(ph.right) - ph.left, double(ph.bottom) - ph.top);
        f.viewportOrg = QPointF(0, 0);
        f.viewportExt = QPointF(f.natural.width(), f.natural.height());
        return f;
    }
    // No usable placeable header: the window the file sets up decides, in
    // the units of its map mode (96 dpi for the metric modes, one pixel per
    // unit otherwise); lacking a window, the extent of what it draws.
    // Short records count with the words they have, the rest read as 0.
    int mapMode = MM_TEXT;
    std::optional<QPointF> org, ext;
    QRectF drawn;
    std::vector<QPoint> pts;
    for (const Record &r : mf.records) {
        switch (r.canonical) {
        case META_SETMAPMODE:
            if (!ext) {
                quint16 mode = 0;
                decodeValue(r, &mode);
                mapMode = mode;
            }
            break;
        case META_SETWINDOWORG:
            if (!org) {
                QPoint p;
                decodePointYX(r, &p);
                org = QPointF(p);
            }
            break;
        case META_SETWINDOWEXT: {
            QPoint p;
            decodePointYX(r, &p);
            if (!ext && p.y() != 0 && p.x() != 0)
                ext = QPointF(p);
            break;
        }
        case META_POLYGON:
        case META_POLYLINE:
            if (decodePoints(r, &pts)) {
                for (const QPoint &p : pts)
                    drawn |= QRectF(p, QSizeF(1, 1));
            }
            break;
        case META_RECTANGLE:
        case META_ELLIPSE:
        case META_ROUNDRECT: {
            ShapeParams s;
            decodeShape(r, &s);
            drawn |= QRectF(QPointF(s.box.left, s.box.top), QPointF(s.box.right, s.box.bottom)).normalized();
            break;
        }
        case META_MOVETO:
        case META_LINETO: {
            QPoint p;
            decodePointYX(r, &p);
            drawn |= QRectF(QPointF(p), QSizeF(1, 1));
            break;
        }
        default:
            break;
        }
    }
    if (mapMode < MM_TEXT || mapMode > MM_ANISOTROPIC)
        mapMode = MM_TEXT;
    const double upi = unitsPerInch(mapMode);
    if (ext) {
        double w = std::abs(ext->x()), h = std::abs(ext->y());
        if (upi > 0) {
            w = w * 96.0 / upi;
            h = h * 96.0 / upi;
        }
        const double fit = qMin(1.0, 1024.0 / qMax(w, h)); // huge windows are scaled down
        f.natural = QSize(qMax(1, int(std::lround(w * fit))), qMax(1, int(std::lround(h * fit))));
        f.mapMode = MM_ANISOTROPIC;
        f.windowOrg = org.value_or(QPointF());
        f.windowExt = *ext;
        if (upi > 0) { // metric modes: y grows upwards
            f.windowExt = QPointF(std::abs(ext->x()), -std::abs(ext->y()));
        }
        f.viewportExt = QPointF(f.natural.width(), f.natural.height());
        return f;
    }
    f = frameAround(drawn.isEmpty() ? QRectF(0, 0, 100, 100) : drawn);
    f.estimated = true;
    return f;
}

Frame frameAround(const QRectF &drawn)
{
    Frame f;
    const double fit = qMin(1.0, 1024.0 / qMax(drawn.width(), drawn.height()));
    f.natural = QSize(qMax(1, int(std::lround(drawn.width() * fit))), qMax(1, int(std::lround(drawn.height() * fit))));
    f.mapMode = MM_ANISOTROPIC;
    f.windowOrg = drawn.topLeft();
    f.windowExt = QPointF(drawn.width(), drawn.height());
    f.viewportExt = QPointF(f.natural.width(), f.natural.height());
    return f;
}

} // namespace wmf
