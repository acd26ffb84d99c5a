// Validated decoding of record parameters: each decoder reads one kind of
// record into plain values and says whether the record held all of them.
// Where a decoder returns false, what it could read is still filled in and
// missing words read as 0, so callers that go on regardless see the values
// they always saw. The player decodes only through these.
#pragma once

#include "record.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QVector>

#include <vector>

namespace wmf {

// ---- state records ---------------------------------------------------------

// Records of a single 16-bit value: modes, flags, object indices, counts,
// RESTOREDC's (signed) level.
bool decodeValue(const Record &r, quint16 *value);

// SETBKCOLOR, SETTEXTCOLOR: a ColorRef.
bool decodeColorRef(const Record &r, quint32 *colorRef);

// Records of one point or extent stored y first: SETWINDOWORG/EXT,
// SETVIEWPORTORG/EXT, OFFSETWINDOWORG, OFFSETVIEWPORTORG, MOVETO, LINETO,
// OFFSETCLIPRGN.
bool decodePointYX(const Record &r, QPoint *point);

// SCALEWINDOWEXT, SCALEVIEWPORTEXT: extents become ext * num / denom.
struct ScaleParams {
    int xNum = 0, xDenom = 0, yNum = 0, yDenom = 0;
};
bool decodeScale(const Record &r, ScaleParams *out);

// SETTEXTJUSTIFICATION
struct Justification {
    int breakCount = 0;
    int breakExtra = 0;
};
bool decodeJustification(const Record &r, Justification *out);

// ---- objects ---------------------------------------------------------------

// CREATEPENINDIRECT
struct LogPen {
    quint16 style = 0;
    int width = 0;
    quint32 colorRef = 0;
};
bool decodePen(const Record &r, LogPen *out);

// CREATEBRUSHINDIRECT
struct LogBrush {
    quint16 style = 0;
    quint32 colorRef = 0;
    quint16 hatch = 0;
};
bool decodeBrush(const Record &r, LogBrush *out);

// DIBCREATEPATTERNBRUSH: a DIB, or a Bitmap16 when the style is BS_PATTERN.
struct DibPatternBrush {
    quint16 style = 0;
    quint16 colorUsage = 0;
    ByteView bitmap;
};
bool decodeDibPatternBrush(const Record &r, DibPatternBrush *out);

// CREATEPATTERNBRUSH: the Bitmap16 put back together from its header and bits.
struct PatternBrush {
    QByteArray bitmap16;
    bool monochrome = false;
    ByteView bitmap() const
    {
        return ByteView(reinterpret_cast<const uchar *>(bitmap16.constData()), bitmap16.size());
    }
};
bool decodePatternBrush(const Record &r, PatternBrush *out);

// CREATEPALETTE, SETPALENTRIES, ANIMATEPALETTE: the first entry's index and
// the colours of the entries present.
struct PaletteParams {
    int start = 0;
    QVector<QRgb> entries;
};
bool decodePalette(const Record &r, PaletteParams *out);

struct LogFont {
    qint16 height = 0, width = 0, escapement = 0, orientation = 0, weight = 0;
    quint8 italic = 0, underline = 0, strikeOut = 0, charSet = 0;
    quint8 outPrecision = 0, clipPrecision = 0, quality = 0, pitchAndFamily = 0;
    QByteArray faceName;
};
bool decodeFont(const Record &r, LogFont *out);

// CREATEREGION: the region as the list of its rectangles (logical coordinates).
bool decodeRegion(const Record &r, std::vector<QRect> *rects, QRect *bounds);

// ---- drawing ---------------------------------------------------------------

// A rectangle as GDI has it: right and bottom are the far edges.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// RECTANGLE, ELLIPSE, ROUNDRECT, ARC, PIE, CHORD, INTERSECTCLIPRECT,
// EXCLUDECLIPRECT: the bounding box plus what the kind adds.
struct ShapeParams {
    Box box;
    QPoint corner;      // ROUNDRECT: width and height of the corner ellipse
    QPoint start, end;  // ARC, PIE, CHORD: the radial points
};
bool decodeShape(const Record &r, ShapeParams *out);

// SETPIXEL
struct PixelParams {
    QPoint pos;
    quint32 colorRef = 0;
};
bool decodeSetPixel(const Record &r, PixelParams *out);

// FLOODFILL, EXTFLOODFILL (FLOODFILL fills up to a border colour).
struct FloodFillParams {
    QPoint pos;
    quint32 colorRef = 0;
    quint16 mode = 0;
};
bool decodeFloodFill(const Record &r, FloodFillParams *out);

// PATBLT
struct PatBltParams {
    quint32 rop = 0;
    int x = 0, y = 0, width = 0, height = 0;
};
bool decodePatBlt(const Record &r, PatBltParams *out);

// FILLREGION, FRAMEREGION, PAINTREGION, INVERTREGION: object indices and,
// for FRAMEREGION, the frame's width and height.
struct RegionPaintParams {
    quint16 region = 0;
    quint16 brush = 0;
    int width = 0, height = 0;
};
bool decodeRegionPaint(const Record &r, RegionPaintParams *out);

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
    bool bands = false;      // SETDIBTODEV: the bits are scanCount rows from startScan, unscaled
    ByteView bitmap;
};
bool decodeBlit(const Record &r, BlitParams *out);

} // namespace wmf
