// A small writer for Windows metafiles, record by record. The picture import
// stores the family's photos with it; it also makes the sample pictures and
// the test fixtures. It writes what it is told, including deliberately broken
// records, and checks nothing: its callers decide what a file holds.
#pragma once

#include "wmf/dibencoder.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QVector>

#include <vector>

namespace wmf {

struct FontOptions {
    QByteArray face = "Arial";
    int height = -12;            // < 0: character height, > 0: cell height
    int width = 0;
    int escapement = 0;          // tenths of a degree
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    int charSet = 0;
    int pitchAndFamily = 0;
};

class Writer {
public:
    Writer();

    // Placeable header: bounding box in logical units and units per inch.
    void setBounds(const QRect &box, int unitsPerInch);
    void setPlaceable(bool on) { m_placeable = on; }
    // Writes this checksum instead of the right one.
    void setChecksumOverride(int value) { m_checksumOverride = value; }
    void setNumberOfObjects(int n) { m_objectsOverride = n; }

    // ---- raw access, for hand-made and broken records
    void record(quint16 function, const std::vector<quint16> &words);
    void recordBytes(quint16 function, const QByteArray &params);
    void rawBytes(const QByteArray &bytes); // appended as is, no framing

    // ---- state
    void setMapMode(int mode);
    void setWindowOrg(int x, int y);
    void setWindowExt(int w, int h);
    void setViewportOrg(int x, int y);
    void setViewportExt(int w, int h);
    void offsetWindowOrg(int dx, int dy);
    void offsetViewportOrg(int dx, int dy);
    void scaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);
    void scaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);
    void saveDC();
    void restoreDC(int n);
    void setBkMode(int mode); // 1 transparent, 2 opaque
    void setBkColor(const QColor &c);
    void setTextColor(const QColor &c);
    void setROP2(int rop2);
    void setPolyFillMode(int mode); // 1 alternate, 2 winding
    void setStretchBltMode(int mode);
    void setTextAlign(int align);
    void setTextCharExtra(int extra);
    void setTextJustification(int breakExtra, int breakCount);
    void setMapperFlags(quint32 flags);
    void setLayout(int layout);

    // ---- objects; each returns the table slot it lands in (lowest free)
    int createPen(int style, int width, const QColor &c);
    int createBrush(int style, const QColor &c, int hatch = 0);
    int createFont(const FontOptions &f);
    int createPalette(const QVector<QRgb> &entries);
    int createRegion(const QVector<QRect> &rects);
    int createDibPatternBrush(const QImage &pattern, const DibFormat &format = DibFormat());
    int createPatternBrush(const QImage &monoPattern);
    int createPlaceholder(quint16 function); // CREATEBITMAP and friends, with no payload
    void selectObject(int index);
    void selectPalette(int index);
    void deleteObject(int index);

    // ---- drawing
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void polyline(const QPolygon &p);
    void polygon(const QPolygon &p);
    void polyPolygon(const QList<QPolygon> &polys);
    void rectangle(int l, int t, int r, int b);
    void roundRect(int l, int t, int r, int b, int cornerW, int cornerH);
    void ellipse(int l, int t, int r, int b);
    void arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye);
    void pie(int l, int t, int r, int b, int xs, int ys, int xe, int ye);
    void chord(int l, int t, int r, int b, int xs, int ys, int xe, int ye);
    void setPixel(int x, int y, const QColor &c);
    void patBlt(int x, int y, int w, int h, quint32 rop);
    void floodFill(int x, int y, const QColor &border);
    void extFloodFill(int x, int y, const QColor &c, int mode);
    void textOut(int x, int y, const QByteArray &text);
    void extTextOut(int x, int y, int options, const QRect *rect, const QByteArray &text,
                    const QVector<qint16> &dx = {});
    void fillRegion(int region, int brush);
    void frameRegion(int region, int brush, int w, int h);
    void invertRegion(int region);
    void paintRegion(int region);

    // ---- bitmaps; dst/src are x, y, width, height (negative sizes allowed)
    void stretchDib(const QRect &dst, const QRect &src, const QImage &image,
                    const DibFormat &format = DibFormat(), quint32 rop = 0x00CC0020);
    void stretchDibRaw(const QRect &dst, const QRect &src, const QByteArray &dib, quint32 rop = 0x00CC0020,
                       int colorUsage = 0);
    void dibStretchBlt(const QRect &dst, const QRect &src, const QImage &image,
                       const DibFormat &format = DibFormat(), quint32 rop = 0x00CC0020);
    void dibBitBlt(const QPoint &dst, const QRect &src, const QImage &image,
                   const DibFormat &format = DibFormat(), quint32 rop = 0x00CC0020);
    void setDibToDev(const QPoint &dst, const QImage &image, const DibFormat &format = DibFormat());
    void bitBltMono(const QPoint &dst, const QImage &image, quint32 rop);
    void stretchBltMono(const QRect &dst, const QImage &image, quint32 rop);
    void patBltNoBitmap(const QRect &dst, quint32 rop); // DIBBITBLT without a bitmap

    // ---- clipping
    void intersectClipRect(int l, int t, int r, int b);
    void excludeClipRect(int l, int t, int r, int b);
    void offsetClipRgn(int dx, int dy);
    void selectClipRegion(int region);

    void escape(int function, const QByteArray &payload);

    int recordCount() const { return m_records; }
    QByteArray data() const; // complete file, with META_EOF
    bool save(const QString &path) const;

private:
    int takeSlot();
    void putColor(std::vector<quint16> &w, const QColor &c);

    QByteArray m_body;
    bool m_placeable = true;
    QRect m_box{0, 0, 1000, 1000};
    int m_inch = 1000;
    int m_checksumOverride = -1;
    int m_objectsOverride = -1;
    int m_records = 0;
    quint32 m_maxRecord = 3;
    std::vector<bool> m_slots;
    size_t m_freeHint = 0; // every slot below is taken
    int m_maxSlots = 0;
};

} // namespace wmf
