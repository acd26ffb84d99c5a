// Helpers shared by the metafile tests: fixtures in pixel units, rendering, comparing images.
#pragma once

#include "wmf/metafile.h"
#include "wmf/writer.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace wmftest {

inline QString sourcePath(const QString &relative)
{
    return qEnvironmentVariable("REVAZE_SOURCE_DIR", QStringLiteral(REVAZE_SOURCE_DIR_FALLBACK)) + '/' + relative;
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A placeable picture w x h px where one logical unit is one pixel
// (96 units per inch, no mapping records of its own).
inline wmf::Writer pixelWriter(int w = 100, int h = 100)
{
    wmf::Writer wr;
    wr.setBounds(QRect(0, 0, w, h), 96);
    return wr;
}

// The picture at its natural size times scale on white, on a screen with
// dpr image pixels to the point (null if it does not load). The player draws
// solid shapes straight into premultiplied images and leaves other formats to QPainter.
inline QImage render(const QByteArray &data, double scale = 1.0, QImage::Format format = QImage::Format_ARGB32_Premultiplied,
                     double dpr = 1.0)
{
    wmf::Metafile mf;
    QImage img(mf.load(data) ? (QSizeF(mf.naturalSize()) * scale * dpr).toSize() : QSize(), format);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(scale, scale);
    mf.render(p);
    p.end();
    return img;
}

// 13 x 7 px (odd sizes exercise row padding): a | b over c | d.
inline QImage quadrants(QRgb a = qRgb(255, 0, 0), QRgb b = qRgb(0, 255, 0), QRgb c = qRgb(0, 0, 255),
                        QRgb d = qRgb(255, 255, 255))
{
    QImage img(13, 7, QImage::Format_RGB32);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x)
            img.setPixel(x, y, y < 3 ? (x < 6 ? a : b) : (x < 6 ? c : d));
    return img;
}

inline bool near(QRgb a, QRgb b, int tol = 10)
{
    return std::abs(qRed(a) - qRed(b)) <= tol && std::abs(qGreen(a) - qGreen(b)) <= tol
           && std::abs(qBlue(a) - qBlue(b)) <= tol;
}

// The one image comparison of these tests: the share of pixels where some
// colour channel differs by more than tol (1 for images of different sizes).
inline double differing(const QImage &a, const QImage &b, int tol = 0)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    qint64 count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += !near(a.pixel(x, y), b.pixel(x, y), tol);
    return double(count) / (double(a.width()) * a.height());
}

inline QString hex(QRgb c) { return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0')); }

// Bounding box of the pixels that differ clearly from the background.
inline QRect inkBox(const QImage &img, QRgb background = qRgb(255, 255, 255))
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!near(img.pixel(x, y), background, 100))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace wmftest

#define EXPECT_PIXEL(img, x, y, colour)                                                                    \
    QVERIFY2(wmftest::near((img).pixel((x), (y)), (colour)),                                              \
             qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")                                  \
                            .arg(x).arg(y).arg(wmftest::hex((img).pixel((x), (y)))).arg(wmftest::hex(colour))))
