// Metafile parsing: headers, record framing and the validated decoding of
// record parameters. Nothing here draws; the player builds on these.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace wmf {

// Bounds-checked little-endian view on bytes that someone else owns.
// Reads outside the view return 0; callers check sizes first where it matters.
class ByteView {
public:
    ByteView() = default;
    ByteView(const uchar *data, qsizetype size) : m_data(data), m_size(size < 0 ? 0 : size) {}

    const uchar *data() const { return m_data; }
    qsizetype size() const { return m_size; }
    bool has(qsizetype offset, qsizetype count) const
    {
        return offset >= 0 && count >= 0 && offset <= m_size && count <= m_size - offset;
    }
    quint8 u8(qsizetype o) const { return has(o, 1) ? m_data[o] : 0; }
    quint16 u16(qsizetype o) const
    {
        return has(o, 2) ? quint16(m_data[o] | (m_data[o + 1] << 8)) : 0;
    }
    qint16 i16(qsizetype o) const { return qint16(u16(o)); }
    quint32 u32(qsizetype o) const
    {
        return has(o, 4) ? (quint32(m_data[o]) | (quint32(m_data[o + 1]) << 8)
                            | (quint32(m_data[o + 2]) << 16) | (quint32(m_data[o + 3]) << 24))
                         : 0;
    }
    qint32 i32(qsizetype o) const { return qint32(u32(o)); }
    // Sub-view clamped to this view.
    ByteView mid(qsizetype offset, qsizetype count = -1) const;

private:
    const uchar *m_data = nullptr;
    qsizetype m_size = 0;
};

// One record; params covers the bytes after the 6-byte record header and
// ends where the record ends, so a handler cannot read into the next record.
struct Record {
    quint32 offset = 0;     // of the record in the file, in bytes
    quint32 sizeWords = 0;  // as stored
    quint16 function = 0;   // as stored
    quint16 canonical = 0;  // known function code matching the low byte, or 0xFFFF
    ByteView params;

    int words() const { return int(params.size() / 2); }
    quint16 u16(int word) const { return params.u16(2 * qsizetype(word)); }
    qint16 i16(int word) const { return params.i16(2 * qsizetype(word)); }
    quint32 u32(int word) const { return params.u32(2 * qsizetype(word)); }
};

struct PlaceableHeader {
    bool present = false;
    qint16 left = 0, top = 0, right = 0, bottom = 0;
    quint16 inch = 0;
    quint16 checksum = 0;
    quint16 computedChecksum = 0;
    bool checksumOk() const { return checksum == computedChecksum; }
};

struct MetaHeader {
    quint16 type = 0;
    quint16 headerSize = 0;
    quint16 version = 0;
    quint32 fileSizeWords = 0;
    quint16 numberOfObjects = 0;
    quint32 maxRecord = 0;
};

struct ParsedMetafile {
    QByteArray data; // keeps the bytes the records point into alive
    PlaceableHeader placeable;
    MetaHeader header;
    std::vector<Record> records; // without the final META_EOF
    bool sawEof = false;
    QStringList warnings;
};

namespace limits {
constexpr qsizetype kMaxFileBytes = 64 * 1024 * 1024;
constexpr int kMaxRecords = 1000000;
constexpr int kMaxObjects = 4096;
constexpr int kMaxSaveDepth = 1024;
constexpr qint64 kMaxBitmapPixels = 16 * 1024 * 1024;
constexpr int kMaxBitmapSide = 32767;
} // namespace limits

class Parser {
public:
    static constexpr quint32 kPlaceableKey = 0x9AC6CDD7u;
    static constexpr int kPlaceableSize = 22;
    static constexpr int kHeaderSize = 18;

    // Parses the headers and frames the records. Returns false (with a short
    // English reason) only when the data is no metafile at all; damage after
    // a valid header ends the record list early and adds a warning.
    static bool parse(const QByteArray &data, ParsedMetafile *out, QString *error);

    static bool looksLikeMetafile(const QByteArray &head);
    static quint16 placeableChecksum(const uchar *first20Bytes);
};

// ---- validated decoders for record parameters -----------------------------

// POLYLINE / POLYGON: count, then count (x, y) pairs.
bool decodePoints(const Record &r, std::vector<QPoint> *points);

struct PolyPolygon {
    std::vector<int> counts;
    std::vector<QPoint> points;
};
bool decodePolyPolygon(const Record &r, PolyPolygon *out);

struct TextRun {
    QPoint pos;
    QByteArray text;
    quint16 options = 0;
    bool hasRect = false;
    QRect rect; // left, top, right, bottom as stored (x1, y1, x2, y2)
    std::vector<qint16> dx; // empty, length entries, or 2 * length with ETO_PDY
};
bool decodeTextOut(const Record &r, TextRun *out);
bool decodeExtTextOut(const Record &r, TextRun *out);

struct LogFont {
    qint16 height = 0, width = 0, escapement = 0, orientation = 0, weight = 0;
    quint8 italic = 0, underline = 0, strikeOut = 0, charSet = 0;
    quint8 outPrecision = 0, clipPrecision = 0, quality = 0, pitchAndFamily = 0;
    QByteArray faceName;
};
bool decodeFont(const Record &r, LogFont *out);

// A region as the list of its rectangles (logical coordinates).
bool decodeRegion(const Record &r, std::vector<QRect> *rects, QRect *bounds);

// Parameters of the bitmap transfer records (BITBLT, STRETCHBLT, DIBBITBLT,
// DIBSTRETCHBLT, STRETCHDIB, SETDIBTODEV). Destination width/height keep their sign.
struct BlitParams {
    quint32 rop = 0;
    int srcX = 0, srcY = 0, srcW = 0, srcH = 0;
    int dstX = 0, dstY = 0, dstW = 0, dstH = 0;
    quint16 colorUsage = 0;
    bool hasBitmap = false;
    bool bitmap16 = false;   // old device-dependent bitmap instead of a DIB
    bool bottomUpSource = false; // source rectangle counted from the bottom (StretchDIB)
    int startScan = 0, scanCount = 0; // SETDIBTODEV
    ByteView bitmap;
};
bool decodeBlit(const Record &r, BlitParams *out);

} // namespace wmf
