#include "recordparams.h"

#include "gdiconstants.h"
#include "records.h"

namespace wmf {

// ---- state records ---------------------------------------------------------

bool decodeValue(const Record &r, quint16 *value)
{
    *value = r.u16(0);
    return r.words() >= 1;
}

bool decodeColorRef(const Record &r, quint32 *colorRef)
{
    *colorRef = r.u32(0);
    return r.words() >= 2;
}

bool decodePointYX(const Record &r, QPoint *point)
{
    *point = QPoint(r.i16(1), r.i16(0));
    return r.words() >= 2;
}

bool decodeScale(const Record &r, ScaleParams *out)
{
    out->yDenom = r.i16(0);
    out->yNum = r.i16(1);
    out->xDenom = r.i16(2);
    out->xNum = r.i16(3);
    return r.words() >= 4;
}

bool decodeJustification(const Record &r, Justification *out)
{
    out->breakCount = r.u16(0);
    out->breakExtra = r.i16(1);
    return r.words() >= 2;
}

// ---- objects ---------------------------------------------------------------

bool decodePen(const Record &r, LogPen *out)
{
    out->style = r.u16(0);
    out->width = r.i16(1); // a PointS whose y is unused
    out->colorRef = r.u32(3);
    return r.words() >= 5;
}

bool decodeBrush(const Record &r, LogBrush *out)
{
    out->style = r.u16(0);
    out->colorRef = r.u32(1);
    out->hatch = r.u16(3);
    return r.words() >= 4;
}

bool decodeDibPatternBrush(const Record &r, DibPatternBrush *out)
{
    out->style = r.u16(0);
    out->colorUsage = r.u16(1);
    out->bitmap = r.params.mid(4);
    return r.words() >= 2;
}

bool decodePatternBrush(const Record &r, PatternBrush *out)
{
    *out = PatternBrush();
    // Bitmap16 header (its bits pointer is meaningless), 18 reserved bytes, then the bits.
    if (r.params.size() < 32)
        return false;
    const char *bytes = reinterpret_cast<const char *>(r.params.data());
    out->bitmap16 = QByteArray(bytes, 10);
    out->bitmap16.append(bytes + 32, r.params.size() - 32);
    out->monochrome = r.params.u8(9) == 1; // one bit per pixel
    return true;
}

bool decodePalette(const Record &r, PaletteParams *out)
{
    out->start = r.u16(0);
    out->entries.clear();
    const int count = qMin<int>(r.u16(1), (r.words() - 2) / 2);
    for (int i = 0; i < count; ++i) {
        const qsizetype o = 4 + 4 * qsizetype(i);
        out->entries << qRgb(r.params.u8(o), r.params.u8(o + 1), r.params.u8(o + 2));
    }
    return r.words() >= 2;
}

bool decodePoints(const Record &r, std::vector<QPoint> *points)
{
    points->clear();
    if (r.words() < 1)
        return false;
    const int count = r.u16(0);
    if (qint64(count) * 2 > r.words() - 1)
        return false;
    points->reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        points->emplace_back(r.i16(1 + 2 * i), r.i16(2 + 2 * i));
    return count > 0;
}

bool decodePolyPolygon(const Record &r, PolyPolygon *out)
{
    out->counts.clear();
    out->points.clear();
    if (r.words() < 1)
        return false;
    const int polys = r.u16(0);
    if (polys == 0 || polys > r.words() - 1)
        return false;
    qint64 total = 0;
    for (int i = 0; i < polys; ++i)
        total += r.u16(1 + i);
    if (total * 2 > qint64(r.words()) - 1 - polys)
        return false;
    out->counts.reserve(size_t(polys));
    out->points.reserve(size_t(total));
    int word = 1 + polys;
    for (int i = 0; i < polys; ++i) {
        const int n = r.u16(1 + i);
        out->counts.push_back(n);
        for (int k = 0; k < n; ++k, word += 2)
            out->points.emplace_back(r.i16(word), r.i16(word + 1));
    }
    return total > 0;
}

bool decodeTextOut(const Record &r, TextRun *out)
{
    *out = TextRun();
    const qsizetype length = r.u16(0);
    const qsizetype padded = (length + 1) & ~qsizetype(1);
    if (!r.params.has(2, padded + 4))
        return false;
    out->text = QByteArray(reinterpret_cast<const char *>(r.params.data()) + 2, length);
    out->pos = QPoint(r.params.i16(2 + padded + 2), r.params.i16(2 + padded));
    return true;
}

bool decodeExtTextOut(const Record &r, TextRun *out)
{
    *out = TextRun();
    if (r.words() < 4)
        return false;
    out->pos = QPoint(r.i16(1), r.i16(0));
    const int length = r.i16(2);
    out->options = r.u16(3);
    if (length < 0)
        return false;
    qsizetype at = 8;
    if (out->options & (ETO_OPAQUE | ETO_CLIPPED)) {
        if (!r.params.has(at, 8))
            return false;
        out->hasRect = true;
        out->rect = QRect(QPoint(r.params.i16(at), r.params.i16(at + 2)),
                          QPoint(r.params.i16(at + 4), r.params.i16(at + 6)));
        at += 8;
    }
    const qsizetype padded = (qsizetype(length) + 1) & ~qsizetype(1);
    if (!r.params.has(at, length))
        return false;
    out->text = QByteArray(reinterpret_cast<const char *>(r.params.data()) + at, length);
    at += padded;
    const bool pdy = out->options & ETO_PDY;
    const qsizetype entries = qsizetype(length) * (pdy ? 2 : 1);
    if (length > 0 && r.params.has(at, entries * 2)) {
        out->dx.reserve(size_t(entries));
        for (qsizetype i = 0; i < entries; ++i)
            out->dx.push_back(r.params.i16(at + 2 * i));
    }
    return true;
}

bool decodeFont(const Record &r, LogFont *f)
{
    *f = LogFont();
    if (r.params.size() < 18)
        return false;
    f->height = r.i16(0);
    f->width = r.i16(1);
    f->escapement = r.i16(2);
    f->orientation = r.i16(3);
    f->weight = r.i16(4);
    f->italic = r.params.u8(10);
    f->underline = r.params.u8(11);
    f->strikeOut = r.params.u8(12);
    f->charSet = r.params.u8(13);
    f->outPrecision = r.params.u8(14);
    f->clipPrecision = r.params.u8(15);
    f->quality = r.params.u8(16);
    f->pitchAndFamily = r.params.u8(17);
    for (qsizetype i = 18; i < r.params.size() && i < 18 + 32; ++i) {
        const char c = char(r.params.u8(i));
        if (c == 0)
            break;
        f->faceName.append(c);
    }
    return true;
}

bool decodeRegion(const Record &r, std::vector<QRect> *rects, QRect *bounds)
{
    rects->clear();
    const ByteView &p = r.params;
    if (p.size() < 22)
        return false;
    const int scans = p.u16(10);
    *bounds = QRect(QPoint(p.i16(14), p.i16(16)), QPoint(p.i16(18), p.i16(20)));
    qsizetype at = 22;
    for (int s = 0; s < scans; ++s) {
        if (!p.has(at, 6))
            return false;
        const int count = p.u16(at);
        const int top = p.i16(at + 2);
        const int bottom = p.i16(at + 4);
        if (count % 2 != 0 || !p.has(at + 6, qsizetype(count) * 2 + 2))
            return false;
        if (p.u16(at + 6 + qsizetype(count) * 2) != count)
            return false;
        for (int k = 0; k < count; k += 2) {
            const int left = p.i16(at + 6 + 2 * k);
            const int right = p.i16(at + 8 + 2 * k);
            if (right > left && bottom > top)
                rects->emplace_back(left, top, right - left, bottom - top);
        }
        at += 6 + qsizetype(count) * 2 + 2;
    }
    return true;
}

bool decodeBlit(const Record &r, BlitParams *b)
{
    *b = BlitParams();
    const int w = r.words();
    switch (r.canonical) {
    case META_BITBLT:
    case META_DIBBITBLT: {
        if (w < 8)
            return false;
        b->rop = r.u32(0);
        b->srcY = r.i16(2);
        b->srcX = r.i16(3);
        const bool none = (w == 9);
        const int o = none ? 5 : 4;
        b->dstH = b->srcH = r.i16(o);
        b->dstW = b->srcW = r.i16(o + 1);
        b->dstY = r.i16(o + 2);
        b->dstX = r.i16(o + 3);
        b->hasBitmap = !none;
        if (!none)
            b->bitmap = r.params.mid(16);
        b->bitmap16 = r.canonical == META_BITBLT;
        return true;
    }
    case META_STRETCHBLT:
    case META_DIBSTRETCHBLT: {
        if (w < 10)
            return false;
        b->rop = r.u32(0);
        b->srcH = r.i16(2);
        b->srcW = r.i16(3);
        b->srcY = r.i16(4);
        b->srcX = r.i16(5);
        const bool none = (w == 11);
        const int o = none ? 7 : 6;
        b->dstH = r.i16(o);
        b->dstW = r.i16(o + 1);
        b->dstY = r.i16(o + 2);
        b->dstX = r.i16(o + 3);
        b->hasBitmap = !none;
        if (!none)
            b->bitmap = r.params.mid(20);
        b->bitmap16 = r.canonical == META_STRETCHBLT;
        return true;
    }
    case META_STRETCHDIB:
        if (w < 11)
            return false;
        b->rop = r.u32(0);
        b->colorUsage = r.u16(2);
        b->srcH = r.i16(3);
        b->srcW = r.i16(4);
        b->srcY = r.i16(5);
        b->srcX = r.i16(6);
        b->dstH = r.i16(7);
        b->dstW = r.i16(8);
        b->dstY = r.i16(9);
        b->dstX = r.i16(10);
        b->hasBitmap = true;
        b->bottomUpSource = true;
        b->bitmap = r.params.mid(22);
        return true;
    case META_SETDIBTODEV:
        if (w < 9)
            return false;
        b->rop = SRCCOPY;
        b->colorUsage = r.u16(0);
        b->scanCount = r.u16(1);
        b->startScan = r.u16(2);
        b->srcY = r.i16(3);
        b->srcX = r.i16(4);
        b->dstH = b->srcH = r.i16(5);
        b->dstW = b->srcW = r.i16(6);
        b->dstY = r.i16(7);
        b->dstX = r.i16(8);
        b->hasBitmap = true;
        b->bottomUpSource = true;
        b->bands = true;
        b->bitmap = r.params.mid(18);
        return true;
    default:
        return false;
    }
}

// ---- drawing ---------------------------------------------------------------

namespace {

// Four words of a box stored bottom first.
Box boxAt(const Record &r, int word)
{
    return Box{r.i16(word + 3), r.i16(word + 2), r.i16(word + 1), r.i16(word)};
}

} // namespace

bool decodeShape(const Record &r, ShapeParams *out)
{
    *out = ShapeParams();
    switch (r.canonical) {
    case META_RECTANGLE:
    case META_ELLIPSE:
    case META_INTERSECTCLIPRECT:
    case META_EXCLUDECLIPRECT:
        out->box = boxAt(r, 0);
        return r.words() >= 4;
    case META_ROUNDRECT:
        out->corner = QPoint(r.i16(1), r.i16(0));
        out->box = boxAt(r, 2);
        return r.words() >= 6;
    case META_ARC:
    case META_PIE:
    case META_CHORD:
        out->end = QPoint(r.i16(1), r.i16(0));
        out->start = QPoint(r.i16(3), r.i16(2));
        out->box = boxAt(r, 4);
        return r.words() >= 8;
    default:
        return false;
    }
}

bool decodeSetPixel(const Record &r, PixelParams *out)
{
    out->colorRef = r.u32(0);
    out->pos = QPoint(r.i16(3), r.i16(2));
    return r.words() >= 4;
}

bool decodeFloodFill(const Record &r, FloodFillParams *out)
{
    if (r.canonical == META_EXTFLOODFILL) {
        out->mode = r.u16(0);
        out->colorRef = r.u32(1);
        out->pos = QPoint(r.i16(4), r.i16(3));
        return r.words() >= 5;
    }
    out->mode = FLOODFILLBORDER;
    out->colorRef = r.u32(0);
    out->pos = QPoint(r.i16(3), r.i16(2));
    return r.words() >= 4;
}

bool decodePatBlt(const Record &r, PatBltParams *out)
{
    out->rop = r.u32(0);
    out->height = r.i16(2);
    out->width = r.i16(3);
    out->y = r.i16(4);
    out->x = r.i16(5);
    return r.words() >= 6;
}

bool decodeRegionPaint(const Record &r, RegionPaintParams *out)
{
    *out = RegionPaintParams();
    out->region = r.u16(0);
    switch (r.canonical) {
    case META_FRAMEREGION:
        out->brush = r.u16(1);
        out->height = r.i16(2);
        out->width = r.i16(3);
        return r.words() >= 4;
    case META_FILLREGION:
        out->brush = r.u16(1);
        return r.words() >= 2;
    default:
        return r.words() >= 1;
    }
}

} // namespace wmf
