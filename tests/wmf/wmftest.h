// Helpers shared by the metafile tests: fixtures in pixel units and rendering.
#pragma once

#include "wmf/metafile.h"
#include "wmfwriter.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace wmftest {

// A placeable picture w x h px where one logical unit is one pixel
// (96 units per inch, no mapping records of its own).
inline wmf::Writer pixelWriter(int w = 100, int h = 100)
{
    wmf::Writer wr;
    wr.setBounds(QRect(0, 0, w, h), 96);
    return wr;
}

// The picture at its natural size times scale, on a screen with dpr image
// pixels to the point. The player draws solid shapes straight into
// premultiplied images and leaves other formats to QPainter.
inline QImage render(const QByteArray &data, double scale = 1.0, QColor background = Qt::white,
                     QImage::Format format = QImage::Format_ARGB32_Premultiplied, double dpr = 1.0)
{
    wmf::Metafile mf;
    QString error;
    if (!mf.load(data, &error)) {
        qWarning("load failed: %s", qPrintable(error));
        return QImage();
    }
    QImage img((QSizeF(mf.naturalSize()) * scale * dpr).toSize(), format);
    img.setDevicePixelRatio(dpr);
    img.fill(background);
    QPainter p(&img);
    p.scale(scale, scale);
    mf.render(p);
    p.end();
    return img;
}

inline QImage render(const wmf::Writer &w, double scale = 1.0) { return render(w.data(), scale); }

inline bool near(QRgb a, QRgb b, int tol = 10)
{
    return std::abs(qRed(a) - qRed(b)) <= tol && std::abs(qGreen(a) - qGreen(b)) <= tol
           && std::abs(qBlue(a) - qBlue(b)) <= tol;
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
