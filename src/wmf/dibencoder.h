// Bitmaps as metafile records carry them: packed DIBs of every layout, and
// the old monochrome Bitmap16.
#pragma once

#include <QByteArray>
#include <QImage>

namespace wmf {

// How a QImage is stored as a DIB.
struct DibFormat {
    enum Compression { Rgb = 0, Rle8 = 1, Rle4 = 2, Bitfields = 3 };
    int bitCount = 24;           // 1, 4, 8, 16, 24, 32
    Compression compression = Rgb;
    bool topDown = false;        // negative height
    bool coreHeader = false;     // 12-byte BITMAPCOREHEADER with RGB triples
};

// Packed DIB: header, colour table, bits. Palettes for <= 8 bits are made
// from the image's colours (nearest colour when there are too many).
QByteArray encodeDib(const QImage &image, const DibFormat &format = DibFormat());
// Old device-dependent bitmap (Bitmap16), 1 bit per pixel: black → 0, others → 1.
QByteArray encodeMonoBitmap16(const QImage &image);

} // namespace wmf
