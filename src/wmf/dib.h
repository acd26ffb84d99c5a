// Device-independent bitmaps (packed: header, colour table, bits) and the
// old device-dependent Bitmap16 used by BITBLT/STRETCHBLT/CREATEPATTERNBRUSH.
#pragma once

#include "gdiconstants.h"
#include "parser.h"

#include <QImage>
#include <QVector>

namespace wmf {

struct DibInfo {
    int headerSize = 0;
    int width = 0;
    int height = 0;       // always positive here
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = 0;
    int colorsUsed = 0;   // entries in the colour table
    qsizetype bitsOffset = 0;
};

// Reads and checks the header only (sizes, bit count, limits), no allocation.
bool readDibInfo(const ByteView &dib, DibInfo *info, QString *error);

// Decodes a packed DIB into a top-down QImage (RGB32, or ARGB32 when RLE
// skips pixels). colorUsage DIB_PAL_COLORS looks entries up in palette.
// Uncompressed data that stops early yields the rows that are present.
QImage decodeDib(const ByteView &dib, quint16 colorUsage, const QVector<QRgb> &palette,
                 QString *error = nullptr, DibInfo *info = nullptr);

// Decodes a Bitmap16; 1-bit pixels become zeroColor / oneColor.
QImage decodeBitmap16(const ByteView &bm, QRgb zeroColor, QRgb oneColor, QString *error = nullptr);

} // namespace wmf
