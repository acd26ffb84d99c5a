#include "wmf/dibencoder.h"

#include "wmf/littleendian.h"

#include <QHash>

namespace wmf {

using le::put16;
using le::put32;

namespace {

// Colour table for an image with at most 2^bits colours (nearest colour otherwise).
QVector<QRgb> makePalette(const QImage &img, int bits)
{
    QVector<QRgb> pal;
    const int max = 1 << bits;
    QHash<QRgb, int> seen;
    for (int y = 0; y < img.height() && pal.size() < max; ++y) {
        for (int x = 0; x < img.width() && pal.size() < max; ++x) {
            const QRgb c = img.pixel(x, y) | 0xFF000000;
            if (!seen.contains(c)) {
                seen.insert(c, int(pal.size()));
                pal << c;
            }
        }
    }
    if (pal.isEmpty())
        pal << qRgb(0, 0, 0);
    return pal;
}

int nearest(const QVector<QRgb> &pal, QRgb c)
{
    int best = 0, bestD = INT_MAX;
    for (int i = 0; i < pal.size(); ++i) {
        const int d = std::abs(qRed(pal[i]) - qRed(c)) + std::abs(qGreen(pal[i]) - qGreen(c))
                      + std::abs(qBlue(pal[i]) - qBlue(c));
        if (d < bestD) {
            bestD = d;
            best = i;
            if (d == 0)
                break;
        }
    }
    return best;
}

QByteArray encodeRle(const std::vector<std::vector<int>> &rows, bool four)
{
    QByteArray out;
    for (const auto &row : rows) { // rows are bottom-up already
        size_t x = 0;
        while (x < row.size()) {
            size_t run = 1;
            while (x + run < row.size() && run < 255 && row[x + run] == row[x])
                ++run;
            if (run >= 2 || x + 1 >= row.size()) {
                out.append(char(run));
                out.append(char(four ? ((row[x] << 4) | row[x]) : row[x]));
                x += run;
                continue;
            }
            // absolute stretch of differing pixels (at least 3)
            size_t n = 1;
            while (x + n < row.size() && n < 255 && (x + n + 1 >= row.size() || row[x + n] != row[x + n + 1]))
                ++n;
            if (n < 3) {
                out.append(char(1));
                out.append(char(four ? ((row[x] << 4) | row[x]) : row[x]));
                x += 1;
                continue;
            }
            out.append(char(0));
            out.append(char(n));
            QByteArray abs;
            for (size_t i = 0; i < n; ++i) {
                if (four) {
                    if (i % 2 == 0)
                        abs.append(char(row[x + i] << 4));
                    else
                        abs[abs.size() - 1] = char(abs[abs.size() - 1] | row[x + i]);
                } else {
                    abs.append(char(row[x + i]));
                }
            }
            if (abs.size() % 2)
                abs.append(char(0));
            out.append(abs);
            x += n;
        }
        out.append(char(0));
        out.append(char(0));
    }
    out.append(char(0));
    out.append(char(1));
    return out;
}

} // namespace

QByteArray encodeDib(const QImage &source, const DibFormat &f)
{
    const QImage img = source.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const int bits = f.bitCount;
    QVector<QRgb> pal;
    if (bits <= 8) {
        pal = makePalette(img, bits);
        if (f.coreHeader) // core headers have no colour count: the table is always full
            pal.resize(1 << bits, qRgb(0, 0, 0));
    }
    QByteArray out;
    const bool rle = f.compression == DibFormat::Rle8 || f.compression == DibFormat::Rle4;
    if (f.coreHeader) {
        put32(out, 12);
        put16(out, w);
        put16(out, h);
        put16(out, 1);
        put16(out, bits);
    } else {
        put32(out, 40);
        put32(out, quint32(w));
        put32(out, quint32(f.topDown && !rle ? -h : h));
        put16(out, 1);
        put16(out, bits);
        put32(out, quint32(f.compression));
        put32(out, 0); // image size (may be 0 for BI_RGB)
        put32(out, 3780);
        put32(out, 3780);
        put32(out, quint32(pal.size()));
        put32(out, 0);
        if (f.compression == DibFormat::Bitfields) {
            if (bits == 16) {
                put32(out, 0xF800);
                put32(out, 0x07E0);
                put32(out, 0x001F);
            } else {
                put32(out, 0x00FF0000);
                put32(out, 0x0000FF00);
                put32(out, 0x000000FF);
            }
        }
    }
    for (QRgb c : pal) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        if (!f.coreHeader)
            out.append(char(0));
    }
    if (rle) {
        std::vector<std::vector<int>> rows;
        for (int y = h - 1; y >= 0; --y) {
            std::vector<int> row(static_cast<size_t>(w));
            const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < w; ++x)
                row[size_t(x)] = nearest(pal, line[x]);
            rows.push_back(std::move(row));
        }
        out.append(encodeRle(rows, f.compression == DibFormat::Rle4));
        return out;
    }
    const int stride = ((w * bits + 31) / 32) * 4;
    for (int i = 0; i < h; ++i) {
        const int y = f.topDown ? i : h - 1 - i;
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        QByteArray row(stride, 0);
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            switch (bits) {
            case 1:
                if (nearest(pal, c))
                    row[x >> 3] = char(row[x >> 3] | (0x80 >> (x & 7)));
                break;
            case 4:
                row[x >> 1] = char(row[x >> 1] | (nearest(pal, c) << ((x & 1) ? 0 : 4)));
                break;
            case 8:
                row[x] = char(nearest(pal, c));
                break;
            case 16: {
                int v;
                if (f.compression == DibFormat::Bitfields)
                    v = ((qRed(c) >> 3) << 11) | ((qGreen(c) >> 2) << 5) | (qBlue(c) >> 3);
                else
                    v = ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
                row[2 * x] = char(v & 0xFF);
                row[2 * x + 1] = char(v >> 8);
                break;
            }
            case 24:
                row[3 * x] = char(qBlue(c));
                row[3 * x + 1] = char(qGreen(c));
                row[3 * x + 2] = char(qRed(c));
                break;
            default:
                row[4 * x] = char(qBlue(c));
                row[4 * x + 1] = char(qGreen(c));
                row[4 * x + 2] = char(qRed(c));
                row[4 * x + 3] = char(0);
                break;
            }
        }
        out.append(row);
    }
    return out;
}

QByteArray encodeMonoBitmap16(const QImage &source)
{
    const QImage img = source.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const int stride = ((w + 15) / 16) * 2;
    QByteArray out;
    put16(out, 0);
    put16(out, w);
    put16(out, h);
    put16(out, stride);
    out.append(char(1));
    out.append(char(1));
    for (int y = 0; y < h; ++y) {
        QByteArray row(stride, 0);
        for (int x = 0; x < w; ++x) {
            if ((img.pixel(x, y) & 0xFFFFFF) != 0)
                row[x >> 3] = char(row[x >> 3] | (0x80 >> (x & 7)));
        }
        out.append(row);
    }
    return out;
}

} // namespace wmf
