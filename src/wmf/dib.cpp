#include "dib.h"

#include <QBuffer>
#include <QImageReader>

namespace wmf {

namespace {

bool setError(QString *error, const char *why)
{
    if (error)
        *error = QString::fromLatin1(why);
    return false;
}

// Shift and width of a contiguous bit mask, for BI_BITFIELDS.
struct Channel {
    int shift = 0;
    int bits = 0;
    quint32 mask = 0;
    explicit Channel(quint32 m) : mask(m)
    {
        if (!m)
            return;
        while (!(m & 1)) {
            m >>= 1;
            ++shift;
        }
        while (m & 1) {
            m >>= 1;
            ++bits;
        }
    }
    int value(quint32 px) const
    {
        if (!bits)
            return 0;
        const quint32 v = (px & mask) >> shift;
        if (bits >= 8)
            return int(v >> (bits - 8));
        const quint32 max = (1u << bits) - 1;
        return int((v * 255 + max / 2) / max);
    }
};

} // namespace

bool readDibInfo(const ByteView &dib, DibInfo *info, QString *error)
{
    *info = DibInfo();
    if (dib.size() < 12)
        return setError(error, "bitmap header truncated");
    const quint32 hs = dib.u32(0);
    qint64 width = 0, height = 0;
    int planes = 0;
    int clrUsed = 0;
    if (hs == 12) {
        width = dib.u16(4);
        height = dib.i16(6);
        planes = dib.u16(8);
        info->bitCount = dib.u16(10);
    } else if (hs == 40 || hs == 52 || hs == 56 || hs == 64 || hs == 108 || hs == 124) {
        if (dib.size() < qsizetype(hs))
            return setError(error, "bitmap header truncated");
        width = dib.i32(4);
        height = dib.i32(8);
        planes = dib.u16(12);
        info->bitCount = dib.u16(14);
        info->compression = dib.u32(16);
        const quint32 used = dib.u32(32);
        clrUsed = used > 65536 ? 65536 : int(used);
    } else {
        return setError(error, "unknown bitmap header size");
    }
    info->headerSize = int(hs);
    if (planes != 1)
        return setError(error, "bitmap must have one plane");
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return setError(error, "bitmap has an empty size");
    info->topDown = height < 0;
    height = qAbs(height);
    if (width > limits::kMaxBitmapSide || height > limits::kMaxBitmapSide
        || width * height > limits::kMaxBitmapPixels)
        return setError(error, "bitmap too large");
    info->width = int(width);
    info->height = int(height);

    const int bc = info->bitCount;
    const quint32 comp = info->compression;
    switch (comp) {
    case BI_RGB:
        if (bc != 1 && bc != 4 && bc != 8 && bc != 16 && bc != 24 && bc != 32)
            return setError(error, "unsupported bit count");
        break;
    case BI_RLE8:
        if (bc != 8 || info->topDown)
            return setError(error, "bad RLE8 bitmap");
        break;
    case BI_RLE4:
        if (bc != 4 || info->topDown)
            return setError(error, "bad RLE4 bitmap");
        break;
    case BI_BITFIELDS:
        if (bc != 16 && bc != 32)
            return setError(error, "bad bit-field bitmap");
        break;
    case BI_JPEG:
    case BI_PNG:
        break;
    default:
        return setError(error, "unsupported bitmap compression");
    }
    if (bc <= 8 && comp != BI_JPEG && comp != BI_PNG) {
        const int max = 1 << bc;
        info->colorsUsed = (clrUsed == 0 || clrUsed > max) ? max : clrUsed;
    } else {
        info->colorsUsed = clrUsed; // optional optimisation palette: skipped
    }
    qsizetype offset = info->headerSize;
    if (comp == BI_BITFIELDS && hs == 40)
        offset += 12;
    info->bitsOffset = offset;
    return true;
}

QImage decodeDib(const ByteView &dib, quint16 colorUsage, const QVector<QRgb> &palette,
                 QString *error, DibInfo *infoOut)
{
    DibInfo info;
    if (!readDibInfo(dib, &info, error))
        return QImage();
    if (infoOut)
        *infoOut = info;
    const bool core = info.headerSize == 12;
    const int entrySize = colorUsage == DIB_PAL_COLORS ? 2 : (core ? 3 : 4);
    qsizetype at = info.bitsOffset;
    QVector<QRgb> table;
    if (info.colorsUsed > 0) {
        if (!dib.has(at, qsizetype(info.colorsUsed) * entrySize)) {
            setError(error, "colour table truncated");
            return QImage();
        }
        if (info.bitCount <= 8) {
            table.resize(info.colorsUsed);
            for (int i = 0; i < info.colorsUsed; ++i) {
                const qsizetype e = at + qsizetype(i) * entrySize;
                if (colorUsage == DIB_PAL_COLORS) {
                    const int idx = dib.u16(e);
                    table[i] = idx < palette.size() ? palette[idx] : qRgb(idx & 0xFF, idx & 0xFF, idx & 0xFF);
                } else {
                    table[i] = qRgb(dib.u8(e + 2), dib.u8(e + 1), dib.u8(e));
                }
            }
        }
        at += qsizetype(info.colorsUsed) * entrySize;
    }
    const ByteView bits = dib.mid(at);
    const int w = info.width, h = info.height;
    auto colour = [&table](int index) -> QRgb {
        return index < table.size() ? table[index] : qRgb(0, 0, 0);
    };

    if (info.compression == BI_JPEG || info.compression == BI_PNG) {
        QByteArray payload(reinterpret_cast<const char *>(bits.data()), bits.size());
        const bool signature = info.compression == BI_PNG ? payload.startsWith("\x89PNG\r\n\x1a\n")
                                                           : payload.startsWith("\xff\xd8");
        if (!signature) {
            setError(error, "embedded image unreadable");
            return QImage();
        }
        QBuffer buffer(&payload);
        QImageReader reader(&buffer, info.compression == BI_PNG ? "png" : "jpeg");
        const QSize sz = reader.size();
        if (!sz.isValid() || qint64(sz.width()) * sz.height() > limits::kMaxBitmapPixels) {
            setError(error, "embedded image unreadable");
            return QImage();
        }
        QImage img = reader.read();
        if (img.isNull())
            setError(error, "embedded image unreadable");
        return img.convertToFormat(QImage::Format_ARGB32);
    }

    if (info.compression == BI_RLE8 || info.compression == BI_RLE4) {
        // A run covers at most 255 pixels per two bytes; pictures far beyond
        // that ratio are all skipped pixels and not worth the memory.
        if (qint64(w) * h > qint64(bits.size()) * 1024 + 65536) {
            setError(error, "bitmap too large for its data");
            return QImage();
        }
        QImage img(w, h, QImage::Format_ARGB32);
        if (img.isNull()) {
            setError(error, "out of memory");
            return QImage();
        }
        img.fill(Qt::transparent);
        const bool four = info.compression == BI_RLE4;
        qsizetype p = 0;
        int x = 0, y = 0; // y counts rows from the bottom
        auto put = [&](int index) {
            if (x < w && y < h)
                reinterpret_cast<QRgb *>(img.scanLine(h - 1 - y))[x] = colour(index);
            ++x;
        };
        while (bits.has(p, 2) && y < h) {
            const int a = bits.u8(p), b = bits.u8(p + 1);
            p += 2;
            if (a > 0) {
                for (int i = 0; i < a && x < w; ++i)
                    put(four ? ((i & 1) ? (b & 0x0F) : (b >> 4)) : b);
            } else if (b == 0) {
                x = 0;
                ++y;
            } else if (b == 1) {
                break;
            } else if (b == 2) {
                if (!bits.has(p, 2))
                    break;
                x += bits.u8(p);
                y += bits.u8(p + 1);
                p += 2;
            } else {
                const qsizetype bytes = four ? (b + 1) / 2 : b;
                if (!bits.has(p, bytes))
                    break;
                for (int i = 0; i < b && x < w; ++i) {
                    const int v = bits.u8(p + (four ? i / 2 : i));
                    put(four ? ((i & 1) ? (v & 0x0F) : (v >> 4)) : v);
                }
                p += (bytes + 1) & ~qsizetype(1);
            }
            x = qMin(x, w); // pixels beyond the row are dropped, not wrapped
        }
        return img;
    }

    const qint64 stride = ((qint64(w) * info.bitCount + 31) / 32) * 4;
    const qint64 rowsPresent = qMin<qint64>(h, stride > 0 ? bits.size() / stride : 0);
    if (rowsPresent <= 0) {
        setError(error, "bitmap data truncated");
        return QImage();
    }
    QImage img(w, h, rowsPresent < h ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (img.isNull()) {
        setError(error, "out of memory");
        return QImage();
    }
    if (rowsPresent < h)
        img.fill(Qt::transparent);

    quint32 masks[3] = {0, 0, 0};
    if (info.compression == BI_BITFIELDS) {
        const qsizetype m = 40; // masks follow the first 40 bytes (inside V4/V5 headers too)
        masks[0] = dib.u32(m);
        masks[1] = dib.u32(m + 4);
        masks[2] = dib.u32(m + 8);
    } else if (info.bitCount == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    } else {
        masks[0] = 0xFF0000;
        masks[1] = 0x00FF00;
        masks[2] = 0x0000FF;
    }
    const Channel cr(masks[0]), cg(masks[1]), cb(masks[2]);

    for (qint64 row = 0; row < rowsPresent; ++row) {
        const uchar *src = bits.data() + row * stride;
        const int outRow = info.topDown ? int(row) : h - 1 - int(row);
        QRgb *dst = reinterpret_cast<QRgb *>(img.scanLine(outRow));
        switch (info.bitCount) {
        case 1:
            for (int x = 0; x < w; ++x)
                dst[x] = colour((src[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                dst[x] = colour((x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4));
            break;
        case 8:
            for (int x = 0; x < w; ++x)
                dst[x] = colour(src[x]);
            break;
        case 16:
            for (int x = 0; x < w; ++x) {
                const quint32 px = quint32(src[2 * x] | (src[2 * x + 1] << 8));
                dst[x] = qRgb(cr.value(px), cg.value(px), cb.value(px));
            }
            break;
        case 24:
            for (int x = 0; x < w; ++x)
                dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
            break;
        case 32:
            if (info.compression == BI_RGB) {
                for (int x = 0; x < w; ++x)
                    dst[x] = qRgb(src[4 * x + 2], src[4 * x + 1], src[4 * x]);
            } else {
                for (int x = 0; x < w; ++x) {
                    const quint32 px = quint32(src[4 * x]) | (quint32(src[4 * x + 1]) << 8)
                                       | (quint32(src[4 * x + 2]) << 16) | (quint32(src[4 * x + 3]) << 24);
                    dst[x] = qRgb(cr.value(px), cg.value(px), cb.value(px));
                }
            }
            break;
        }
    }
    return img;
}

QImage decodeBitmap16(const ByteView &bm, QRgb zeroColor, QRgb oneColor, QString *error)
{
    if (bm.size() < 10) {
        setError(error, "bitmap header truncated");
        return QImage();
    }
    const int w = bm.i16(2), h = bm.i16(4), widthBytes = bm.i16(6);
    const int planes = bm.u8(8), bpp = bm.u8(9);
    if (w <= 0 || h <= 0 || planes != 1 || (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)) {
        setError(error, "unsupported bitmap");
        return QImage();
    }
    if (qint64(w) * h > limits::kMaxBitmapPixels) {
        setError(error, "bitmap too large");
        return QImage();
    }
    const qint64 minStride = ((qint64(w) * bpp + 15) / 16) * 2;
    const qint64 stride = qMax<qint64>(widthBytes, minStride);
    const ByteView bits = bm.mid(10);
    if (bits.size() < stride * h) {
        setError(error, "bitmap data truncated");
        return QImage();
    }
    QImage img(w, h, QImage::Format_RGB32);
    if (img.isNull())
        return QImage();
    static const QRgb vga[16] = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                                 0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                                 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
    for (int y = 0; y < h; ++y) {
        const uchar *src = bits.data() + y * stride;
        QRgb *dst = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            switch (bpp) {
            case 1:
                dst[x] = ((src[x >> 3] >> (7 - (x & 7))) & 1) ? oneColor : zeroColor;
                break;
            case 4:
                dst[x] = vga[(x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4)];
                break;
            case 8:
                dst[x] = qRgb(src[x], src[x], src[x]);
                break;
            case 24:
                dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            default:
                dst[x] = qRgb(src[4 * x + 2], src[4 * x + 1], src[4 * x]);
                break;
            }
        }
    }
    return img;
}

} // namespace wmf
