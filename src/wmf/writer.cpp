#include "wmf/writer.h"

#include "wmf/littleendian.h"

#include <QFile>

namespace wmf {

using le::colorRef;
using le::put16;
using le::put32;

Writer::Writer() = default;

void Writer::setBounds(const QRect &box, int unitsPerInch)
{
    m_box = box;
    m_inch = unitsPerInch;
}

void Writer::recordBytes(quint16 function, const QByteArray &params)
{
    QByteArray p = params;
    if (p.size() % 2)
        p.append(char(0));
    const quint32 size = quint32(3 + p.size() / 2);
    put32(m_body, size);
    put16(m_body, function);
    m_body.append(p);
    m_maxRecord = qMax(m_maxRecord, size);
    ++m_records;
}

void Writer::record(quint16 function, const std::vector<quint16> &words)
{
    QByteArray p;
    for (quint16 w : words)
        put16(p, w);
    recordBytes(function, p);
}

void Writer::rawBytes(const QByteArray &bytes)
{
    m_body.append(bytes);
}

void Writer::putColor(std::vector<quint16> &w, const QColor &c)
{
    const quint32 v = colorRef(c);
    w.push_back(quint16(v & 0xFFFF));
    w.push_back(quint16(v >> 16));
}

// ---- state -------------------------------------------------------------------

void Writer::setMapMode(int mode) { record(0x0103, {quint16(mode)}); }
void Writer::setWindowOrg(int x, int y) { record(0x020B, {quint16(y), quint16(x)}); }
void Writer::setWindowExt(int w, int h) { record(0x020C, {quint16(h), quint16(w)}); }
void Writer::setViewportOrg(int x, int y) { record(0x020D, {quint16(y), quint16(x)}); }
void Writer::setViewportExt(int w, int h) { record(0x020E, {quint16(h), quint16(w)}); }
void Writer::offsetWindowOrg(int dx, int dy) { record(0x020F, {quint16(dy), quint16(dx)}); }
void Writer::offsetViewportOrg(int dx, int dy) { record(0x0211, {quint16(dy), quint16(dx)}); }
void Writer::scaleWindowExt(int xn, int xd, int yn, int yd)
{
    record(0x0410, {quint16(yd), quint16(yn), quint16(xd), quint16(xn)});
}
void Writer::scaleViewportExt(int xn, int xd, int yn, int yd)
{
    record(0x0412, {quint16(yd), quint16(yn), quint16(xd), quint16(xn)});
}
void Writer::saveDC() { record(0x001E, {}); }
void Writer::restoreDC(int n) { record(0x0127, {quint16(n)}); }
void Writer::setBkMode(int mode) { record(0x0102, {quint16(mode), 0}); }
void Writer::setBkColor(const QColor &c)
{
    std::vector<quint16> w;
    putColor(w, c);
    record(0x0201, w);
}
void Writer::setTextColor(const QColor &c)
{
    std::vector<quint16> w;
    putColor(w, c);
    record(0x0209, w);
}
void Writer::setROP2(int rop2) { record(0x0104, {quint16(rop2), 0}); }
void Writer::setPolyFillMode(int mode) { record(0x0106, {quint16(mode), 0}); }
void Writer::setStretchBltMode(int mode) { record(0x0107, {quint16(mode), 0}); }
void Writer::setTextAlign(int align) { record(0x012E, {quint16(align), 0}); }
void Writer::setTextCharExtra(int extra) { record(0x0108, {quint16(extra)}); }
void Writer::setTextJustification(int breakExtra, int breakCount)
{
    record(0x020A, {quint16(breakCount), quint16(breakExtra)});
}
void Writer::setMapperFlags(quint32 flags) { record(0x0231, {quint16(flags & 0xFFFF), quint16(flags >> 16)}); }
void Writer::setLayout(int layout) { record(0x0149, {quint16(layout), 0}); }

// ---- objects -----------------------------------------------------------------

int Writer::takeSlot()
{
    for (size_t i = m_freeHint; i < m_slots.size(); ++i) {
        if (!m_slots[i]) {
            m_slots[i] = true;
            m_freeHint = i + 1;
            return int(i);
        }
    }
    m_freeHint = m_slots.size() + 1;
    m_slots.push_back(true);
    m_maxSlots = qMax(m_maxSlots, int(m_slots.size()));
    return int(m_slots.size()) - 1;
}

int Writer::createPen(int style, int width, const QColor &c)
{
    std::vector<quint16> w{quint16(style), quint16(width), 0};
    putColor(w, c);
    record(0x02FA, w);
    return takeSlot();
}

int Writer::createBrush(int style, const QColor &c, int hatch)
{
    std::vector<quint16> w{quint16(style)};
    putColor(w, c);
    w.push_back(quint16(hatch));
    record(0x02FC, w);
    return takeSlot();
}

int Writer::createFont(const FontOptions &f)
{
    QByteArray p;
    put16(p, f.height);
    put16(p, f.width);
    put16(p, f.escapement);
    put16(p, f.escapement); // orientation follows escapement
    put16(p, f.weight);
    p.append(char(f.italic));
    p.append(char(f.underline));
    p.append(char(f.strikeOut));
    p.append(char(f.charSet));
    p.append(char(0)); // out precision
    p.append(char(0)); // clip precision
    p.append(char(4)); // antialiased quality
    p.append(char(f.pitchAndFamily));
    QByteArray face = f.face.left(31);
    face.append(char(0));
    p.append(face);
    recordBytes(0x02FB, p);
    return takeSlot();
}

int Writer::createPalette(const QVector<QRgb> &entries)
{
    QByteArray p;
    put16(p, 0x0300);
    put16(p, int(entries.size()));
    for (QRgb c : entries) {
        p.append(char(qRed(c)));
        p.append(char(qGreen(c)));
        p.append(char(qBlue(c)));
        p.append(char(0));
    }
    recordBytes(0x00F7, p);
    return takeSlot();
}

int Writer::createRegion(const QVector<QRect> &rects)
{
    // One scan per rectangle: simple and valid for rectangles that do not overlap vertically.
    QByteArray scans;
    QRect bounds;
    int maxScan = 0;
    for (const QRect &r : rects) {
        put16(scans, 2);
        put16(scans, r.top());
        put16(scans, r.top() + r.height());
        put16(scans, r.left());
        put16(scans, r.left() + r.width());
        put16(scans, 2);
        bounds |= r;
        maxScan = 2;
    }
    QByteArray p;
    put16(p, 0);
    put16(p, 6);
    put32(p, 0x2F6);
    put16(p, 22 + int(scans.size()));
    put16(p, int(rects.size()));
    put16(p, maxScan);
    put16(p, bounds.left());
    put16(p, bounds.top());
    put16(p, bounds.left() + bounds.width());
    put16(p, bounds.top() + bounds.height());
    p.append(scans);
    recordBytes(0x06FF, p);
    return takeSlot();
}

int Writer::createDibPatternBrush(const QImage &pattern, const DibFormat &format)
{
    QByteArray p;
    put16(p, 5); // BS_DIBPATTERN
    put16(p, 0); // DIB_RGB_COLORS
    p.append(encodeDib(pattern, format));
    recordBytes(0x0142, p);
    return takeSlot();
}

int Writer::createPatternBrush(const QImage &monoPattern)
{
    const QByteArray bm = encodeMonoBitmap16(monoPattern);
    QByteArray p = bm.left(10);
    put32(p, 0);               // bits pointer of the old structure
    p.append(QByteArray(18, 0)); // reserved
    p.append(bm.mid(10));
    recordBytes(0x01F9, p);
    return takeSlot();
}

int Writer::createPlaceholder(quint16 function)
{
    record(function, {0, 0, 0, 0});
    return takeSlot();
}

void Writer::selectObject(int index) { record(0x012D, {quint16(index)}); }
void Writer::selectPalette(int index) { record(0x0234, {quint16(index)}); }
void Writer::deleteObject(int index)
{
    record(0x01F0, {quint16(index)});
    if (index >= 0 && size_t(index) < m_slots.size()) {
        m_slots[size_t(index)] = false;
        m_freeHint = qMin(m_freeHint, size_t(index));
    }
}

// ---- drawing -----------------------------------------------------------------

void Writer::moveTo(int x, int y) { record(0x0214, {quint16(y), quint16(x)}); }
void Writer::lineTo(int x, int y) { record(0x0213, {quint16(y), quint16(x)}); }

void Writer::polyline(const QPolygon &poly)
{
    std::vector<quint16> w{quint16(poly.size())};
    for (const QPoint &p : poly) {
        w.push_back(quint16(p.x()));
        w.push_back(quint16(p.y()));
    }
    record(0x0325, w);
}

void Writer::polygon(const QPolygon &poly)
{
    std::vector<quint16> w{quint16(poly.size())};
    for (const QPoint &p : poly) {
        w.push_back(quint16(p.x()));
        w.push_back(quint16(p.y()));
    }
    record(0x0324, w);
}

void Writer::polyPolygon(const QList<QPolygon> &polys)
{
    std::vector<quint16> w{quint16(polys.size())};
    for (const QPolygon &p : polys)
        w.push_back(quint16(p.size()));
    for (const QPolygon &poly : polys) {
        for (const QPoint &p : poly) {
            w.push_back(quint16(p.x()));
            w.push_back(quint16(p.y()));
        }
    }
    record(0x0538, w);
}

void Writer::rectangle(int l, int t, int r, int b)
{
    record(0x041B, {quint16(b), quint16(r), quint16(t), quint16(l)});
}

void Writer::roundRect(int l, int t, int r, int b, int cw, int ch)
{
    record(0x061C, {quint16(ch), quint16(cw), quint16(b), quint16(r), quint16(t), quint16(l)});
}

void Writer::ellipse(int l, int t, int r, int b)
{
    record(0x0418, {quint16(b), quint16(r), quint16(t), quint16(l)});
}

void Writer::arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye)
{
    record(0x0817, {quint16(ye), quint16(xe), quint16(ys), quint16(xs), quint16(b), quint16(r), quint16(t), quint16(l)});
}

void Writer::pie(int l, int t, int r, int b, int xs, int ys, int xe, int ye)
{
    record(0x081A, {quint16(ye), quint16(xe), quint16(ys), quint16(xs), quint16(b), quint16(r), quint16(t), quint16(l)});
}

void Writer::chord(int l, int t, int r, int b, int xs, int ys, int xe, int ye)
{
    record(0x0830, {quint16(ye), quint16(xe), quint16(ys), quint16(xs), quint16(b), quint16(r), quint16(t), quint16(l)});
}

void Writer::setPixel(int x, int y, const QColor &c)
{
    std::vector<quint16> w;
    putColor(w, c);
    w.push_back(quint16(y));
    w.push_back(quint16(x));
    record(0x041F, w);
}

void Writer::patBlt(int x, int y, int w, int h, quint32 rop)
{
    record(0x061D, {quint16(rop & 0xFFFF), quint16(rop >> 16), quint16(h), quint16(w), quint16(y), quint16(x)});
}

void Writer::floodFill(int x, int y, const QColor &border)
{
    std::vector<quint16> w;
    putColor(w, border);
    w.push_back(quint16(y));
    w.push_back(quint16(x));
    record(0x0419, w);
}

void Writer::extFloodFill(int x, int y, const QColor &c, int mode)
{
    std::vector<quint16> w{quint16(mode)};
    putColor(w, c);
    w.push_back(quint16(y));
    w.push_back(quint16(x));
    record(0x0548, w);
}

void Writer::textOut(int x, int y, const QByteArray &text)
{
    QByteArray p;
    put16(p, int(text.size()));
    p.append(text);
    if (text.size() % 2)
        p.append(char(0));
    put16(p, y);
    put16(p, x);
    recordBytes(0x0521, p);
}

void Writer::extTextOut(int x, int y, int options, const QRect *rect, const QByteArray &text, const QVector<qint16> &dx)
{
    QByteArray p;
    put16(p, y);
    put16(p, x);
    put16(p, int(text.size()));
    put16(p, options);
    if (rect) {
        put16(p, rect->left());
        put16(p, rect->top());
        put16(p, rect->left() + rect->width());
        put16(p, rect->top() + rect->height());
    }
    p.append(text);
    if (text.size() % 2)
        p.append(char(0));
    for (qint16 d : dx)
        put16(p, d);
    recordBytes(0x0A32, p);
}

void Writer::fillRegion(int region, int brush) { record(0x0228, {quint16(region), quint16(brush)}); }
void Writer::frameRegion(int region, int brush, int w, int h)
{
    record(0x0429, {quint16(region), quint16(brush), quint16(h), quint16(w)});
}
void Writer::invertRegion(int region) { record(0x012A, {quint16(region)}); }
void Writer::paintRegion(int region) { record(0x012B, {quint16(region)}); }

// ---- bitmaps -----------------------------------------------------------------

void Writer::stretchDibRaw(const QRect &dst, const QRect &src, const QByteArray &dib, quint32 rop, int colorUsage)
{
    QByteArray p;
    put32(p, rop);
    put16(p, colorUsage);
    put16(p, src.height());
    put16(p, src.width());
    put16(p, src.y());
    put16(p, src.x());
    put16(p, dst.height());
    put16(p, dst.width());
    put16(p, dst.y());
    put16(p, dst.x());
    p.append(dib);
    recordBytes(0x0F43, p);
}

void Writer::stretchDib(const QRect &dst, const QRect &src, const QImage &image, const DibFormat &format, quint32 rop)
{
    stretchDibRaw(dst, src, encodeDib(image, format), rop);
}

void Writer::dibStretchBlt(const QRect &dst, const QRect &src, const QImage &image, const DibFormat &format, quint32 rop)
{
    QByteArray p;
    put32(p, rop);
    put16(p, src.height());
    put16(p, src.width());
    put16(p, src.y());
    put16(p, src.x());
    put16(p, dst.height());
    put16(p, dst.width());
    put16(p, dst.y());
    put16(p, dst.x());
    p.append(encodeDib(image, format));
    recordBytes(0x0B41, p);
}

void Writer::dibBitBlt(const QPoint &dst, const QRect &src, const QImage &image, const DibFormat &format, quint32 rop)
{
    QByteArray p;
    put32(p, rop);
    put16(p, src.y());
    put16(p, src.x());
    put16(p, src.height());
    put16(p, src.width());
    put16(p, dst.y());
    put16(p, dst.x());
    p.append(encodeDib(image, format));
    recordBytes(0x0940, p);
}

void Writer::setDibToDev(const QPoint &dst, const QImage &image, const DibFormat &format)
{
    QByteArray p;
    put16(p, 0);              // DIB_RGB_COLORS
    put16(p, image.height()); // scan count
    put16(p, 0);              // start scan
    put16(p, 0);              // ySrc
    put16(p, 0);              // xSrc
    put16(p, image.height());
    put16(p, image.width());
    put16(p, dst.y());
    put16(p, dst.x());
    p.append(encodeDib(image, format));
    recordBytes(0x0D33, p);
}

void Writer::bitBltMono(const QPoint &dst, const QImage &image, quint32 rop)
{
    QByteArray p;
    put32(p, rop);
    put16(p, 0);
    put16(p, 0);
    put16(p, image.height());
    put16(p, image.width());
    put16(p, dst.y());
    put16(p, dst.x());
    p.append(encodeMonoBitmap16(image));
    recordBytes(0x0922, p);
}

void Writer::stretchBltMono(const QRect &dst, const QImage &image, quint32 rop)
{
    QByteArray p;
    put32(p, rop);
    put16(p, image.height());
    put16(p, image.width());
    put16(p, 0);
    put16(p, 0);
    put16(p, dst.height());
    put16(p, dst.width());
    put16(p, dst.y());
    put16(p, dst.x());
    p.append(encodeMonoBitmap16(image));
    recordBytes(0x0B23, p);
}

void Writer::patBltNoBitmap(const QRect &dst, quint32 rop)
{
    record(0x0940, {quint16(rop & 0xFFFF), quint16(rop >> 16), 0, 0, 0, quint16(dst.height()), quint16(dst.width()),
                    quint16(dst.y()), quint16(dst.x())});
}

// ---- clipping ----------------------------------------------------------------

void Writer::intersectClipRect(int l, int t, int r, int b)
{
    record(0x0416, {quint16(b), quint16(r), quint16(t), quint16(l)});
}
void Writer::excludeClipRect(int l, int t, int r, int b)
{
    record(0x0415, {quint16(b), quint16(r), quint16(t), quint16(l)});
}
void Writer::offsetClipRgn(int dx, int dy) { record(0x0220, {quint16(dy), quint16(dx)}); }
void Writer::selectClipRegion(int region) { record(0x012C, {quint16(region)}); }

void Writer::escape(int function, const QByteArray &payload)
{
    QByteArray p;
    put16(p, function);
    put16(p, int(payload.size()));
    p.append(payload);
    recordBytes(0x0626, p);
}

// ---- output ------------------------------------------------------------------

QByteArray Writer::data() const
{
    QByteArray body = m_body;
    put32(body, 3);
    put16(body, 0);
    QByteArray out;
    if (m_placeable) {
        QByteArray ph;
        put32(ph, 0x9AC6CDD7u);
        put16(ph, 0);
        put16(ph, m_box.left());
        put16(ph, m_box.top());
        put16(ph, m_box.left() + m_box.width());
        put16(ph, m_box.top() + m_box.height());
        put16(ph, m_inch);
        put32(ph, 0);
        quint16 sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= quint16(uchar(ph[2 * i]) | (uchar(ph[2 * i + 1]) << 8));
        put16(ph, m_checksumOverride >= 0 ? m_checksumOverride : sum);
        out.append(ph);
    }
    const quint32 words = quint32((18 + body.size()) / 2);
    put16(out, 1);       // type: nearly every file on disk says 1
    put16(out, 9);
    put16(out, 0x0300);
    put16(out, int(words & 0xFFFF));
    put16(out, int(words >> 16));
    put16(out, m_objectsOverride >= 0 ? m_objectsOverride : m_maxSlots);
    put32(out, m_maxRecord);
    put16(out, 0);
    out.append(body);
    return out;
}

bool Writer::save(const QString &path) const
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray d = data();
    return f.write(d) == d.size();
}

} // namespace wmf
