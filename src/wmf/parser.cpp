#include "parser.h"

#include "gdiconstants.h"
#include "records.h"

namespace wmf {

ByteView ByteView::mid(qsizetype offset, qsizetype count) const
{
    if (offset < 0 || offset > m_size)
        return ByteView(m_data, 0);
    const qsizetype left = m_size - offset;
    if (count < 0 || count > left)
        count = left;
    return ByteView(m_data + offset, count);
}

quint16 Parser::placeableChecksum(const uchar *p)
{
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= quint16(p[2 * i] | (p[2 * i + 1] << 8));
    return sum;
}

namespace {

bool plausibleHeader(const ByteView &v, qsizetype at, bool strictVersion)
{
    if (!v.has(at, Parser::kHeaderSize))
        return false;
    const quint16 type = v.u16(at);
    const quint16 headerSize = v.u16(at + 2);
    const quint16 version = v.u16(at + 4);
    if ((type != 1 && type != 2) || headerSize != 9)
        return false;
    return !strictVersion || version == 0x0100 || version == 0x0300;
}

} // namespace

bool Parser::looksLikeMetafile(const QByteArray &head)
{
    const ByteView v(reinterpret_cast<const uchar *>(head.constData()), head.size());
    if (v.size() >= 4 && v.u32(0) == kPlaceableKey)
        return true;
    return plausibleHeader(v, 0, true);
}

bool Parser::parse(const QByteArray &data, ParsedMetafile *out, QString *error)
{
    auto fail = [error](const char *why) {
        if (error)
            *error = QString::fromLatin1(why);
        return false;
    };
    *out = ParsedMetafile();
    if (data.isEmpty())
        return fail("empty file");
    if (data.size() > limits::kMaxFileBytes)
        return fail("file too large for a picture");
    out->data = data;
    const ByteView v(reinterpret_cast<const uchar *>(out->data.constData()), out->data.size());

    qsizetype pos = 0;
    if (v.u32(0) == kPlaceableKey) {
        if (!v.has(0, kPlaceableSize))
            return fail("file too short for a placeable header");
        PlaceableHeader &p = out->placeable;
        p.present = true;
        p.left = v.i16(6);
        p.top = v.i16(8);
        p.right = v.i16(10);
        p.bottom = v.i16(12);
        p.inch = v.u16(14);
        p.checksum = v.u16(20);
        p.computedChecksum = placeableChecksum(v.data());
        if (!p.checksumOk())
            out->warnings << QStringLiteral("placeable header checksum is wrong");
        if (p.left == p.right || p.top == p.bottom)
            out->warnings << QStringLiteral("placeable header has an empty bounding box");
        pos = kPlaceableSize;
    }
    if (!v.has(pos, kHeaderSize))
        return fail("file too short for a metafile header");
    if (!plausibleHeader(v, pos, false))
        return fail(out->placeable.present ? "bad metafile header after placeable header"
                                           : "not a Windows metafile");
    MetaHeader &h = out->header;
    h.type = v.u16(pos);
    h.headerSize = v.u16(pos + 2);
    h.version = v.u16(pos + 4);
    h.fileSizeWords = quint32(v.u16(pos + 6)) | (quint32(v.u16(pos + 8)) << 16);
    h.numberOfObjects = v.u16(pos + 10);
    h.maxRecord = v.u32(pos + 12);
    if (h.version != 0x0100 && h.version != 0x0300)
        out->warnings << QStringLiteral("unusual metafile version 0x%1").arg(h.version, 4, 16, QLatin1Char('0'));
    pos += kHeaderSize;

    out->records.reserve(size_t(qMin<qsizetype>((v.size() - pos) / 8 + 1, 1 << 16)));
    while (pos < v.size()) {
        if (!v.has(pos, 6)) {
            out->warnings << QStringLiteral("file ends inside a record header at offset %1").arg(pos);
            break;
        }
        const quint32 sizeWords = v.u32(pos);
        const quint16 function = v.u16(pos + 4);
        if (sizeWords < 3) {
            out->warnings << QStringLiteral("record of size %1 at offset %2").arg(sizeWords).arg(pos);
            break;
        }
        const qint64 bytes = qint64(sizeWords) * 2;
        if (bytes > v.size() - pos) {
            out->warnings << QStringLiteral("record at offset %1 is larger than the file").arg(pos);
            break;
        }
        if (function == META_EOF) {
            out->sawEof = true;
            break;
        }
        if (int(out->records.size()) >= limits::kMaxRecords) {
            out->warnings << QStringLiteral("too many records");
            break;
        }
        Record r;
        r.offset = quint32(pos);
        r.sizeWords = sizeWords;
        r.function = function;
        r.canonical = canonicalFunction(function);
        r.params = v.mid(pos + 6, bytes - 6);
        out->records.push_back(r);
        pos += bytes;
    }
    if (!out->sawEof && out->warnings.isEmpty())
        out->warnings << QStringLiteral("no end-of-file record");
    return true;
}

// ---------------------------------------------------------------------------

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
        b->bitmap = r.params.mid(18);
        return true;
    default:
        return false;
    }
}

} // namespace wmf
