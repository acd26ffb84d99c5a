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

namespace {

QRectF pixelAt(const QPoint &p)
{
    return QRectF(p, QSizeF(1, 1));
}

QRectF spanned(int x1, int y1, int x2, int y2)
{
    return QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
}

// Adds the logical coordinates a drawing record names to `bounds`.
void addCoordinates(const Record &r, QRectF *bounds)
{
    switch (r.canonical) {
    case META_POLYGON:
    case META_POLYLINE: {
        std::vector<QPoint> pts;
        if (decodePoints(r, &pts))
            for (const QPoint &p : pts)
                *bounds |= pixelAt(p);
        break;
    }
    case META_POLYPOLYGON: {
        PolyPolygon poly;
        if (decodePolyPolygon(r, &poly))
            for (const QPoint &p : poly.points)
                *bounds |= pixelAt(p);
        break;
    }
    case META_RECTANGLE:
    case META_ELLIPSE:
    case META_ROUNDRECT:
    case META_ARC:
    case META_PIE:
    case META_CHORD: {
        ShapeParams s;
        decodeShape(r, &s);
        *bounds |= spanned(s.box.left, s.box.top, s.box.right, s.box.bottom);
        break;
    }
    case META_MOVETO:
    case META_LINETO: {
        QPoint p;
        decodePointYX(r, &p);
        *bounds |= pixelAt(p);
        break;
    }
    case META_SETPIXEL: {
        PixelParams px;
        if (decodeSetPixel(r, &px))
            *bounds |= pixelAt(px.pos);
        break;
    }
    case META_TEXTOUT:
    case META_EXTTEXTOUT: {
        TextRun run;
        if (r.canonical == META_TEXTOUT ? decodeTextOut(r, &run) : decodeExtTextOut(r, &run)) {
            *bounds |= pixelAt(run.pos);
            if (run.hasRect && (run.options & ETO_OPAQUE))
                *bounds |= spanned(run.rect.left(), run.rect.top(), run.rect.right(), run.rect.bottom());
        }
        break;
    }
    case META_PATBLT: {
        PatBltParams pb;
        if (decodePatBlt(r, &pb))
            *bounds |= spanned(pb.x, pb.y, pb.x + pb.width, pb.y + pb.height);
        break;
    }
    case META_BITBLT:
    case META_STRETCHBLT:
    case META_DIBBITBLT:
    case META_DIBSTRETCHBLT:
    case META_STRETCHDIB:
    case META_SETDIBTODEV: {
        BlitParams b;
        if (decodeBlit(r, &b))
            *bounds |= spanned(b.dstX, b.dstY, b.dstX + b.dstW, b.dstY + b.dstH);
        break;
    }
    default:
        break;
    }
}

} // namespace

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
    // unit otherwise); lacking a window, the bounds of the coordinates its
    // drawing records name, as other readers take them: a text by its
    // reference point, a pen by its path.
    // Short records count with the words they have, the rest read as 0.
    int mapMode = MM_TEXT;
    std::optional<QPointF> org, ext;
    QRectF drawn;
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
        default:
            if (!ext)
                addCoordinates(r, &drawn);
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
    // Coordinates that span no area (a single text, say) cannot frame it.
    Frame estimate = frameAround(drawn.isEmpty() ? QRectF(0, 0, 100, 100) : drawn);
    estimate.estimated = drawn.width() <= 1 || drawn.height() <= 1;
    return estimate;
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
