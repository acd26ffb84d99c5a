#include "parser.h"

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

} // namespace wmf
