// make_fuzz_seeds DIR: small metafiles that between them use every record kind.
#include "pictures.h"
#include "wmfwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>

namespace {

QImage testImage()
{
    QImage img(9, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x)
            img.setPixel(x, y, qRgb((x * 40) & 255, y * 60, (x < 4) ? 255 : 0));
    return img;
}

QList<QByteArray> seeds()
{
    QList<QByteArray> out;
    {
        wmf::Writer w;
        w.setBounds(QRect(0, 0, 200, 200), 96);
        w.setMapMode(8);
        w.setWindowOrg(0, 0);
        w.setWindowExt(200, 200);
        w.setViewportExt(100, 100);
        w.offsetWindowOrg(1, 1);
        w.offsetViewportOrg(1, 1);
        w.scaleWindowExt(1, 1, 1, 1);
        w.scaleViewportExt(2, 1, 2, 1);
        w.saveDC();
        w.setBkMode(2);
        w.setBkColor(Qt::yellow);
        w.setTextColor(Qt::blue);
        w.setROP2(7);
        w.setPolyFillMode(2);
        w.setStretchBltMode(3);
        w.setTextAlign(24);
        w.setTextCharExtra(2);
        w.setTextJustification(5, 1);
        w.setMapperFlags(1);
        w.setLayout(0);
        w.selectObject(w.createPen(0x1201, 3, Qt::red));
        w.selectObject(w.createBrush(2, Qt::green, 3));
        w.moveTo(1, 1);
        w.lineTo(50, 60);
        w.polyline(QPolygon({QPoint(1, 2), QPoint(30, 40), QPoint(60, 10)}));
        w.polygon(QPolygon({QPoint(10, 20), QPoint(130, 40), QPoint(60, 110)}));
        w.polyPolygon({QPolygon({QPoint(0, 0), QPoint(50, 0), QPoint(50, 50)}), QPolygon({QPoint(5, 5), QPoint(20, 5), QPoint(20, 20)})});
        w.rectangle(5, 5, 80, 90);
        w.roundRect(5, 5, 80, 90, 10, 20);
        w.ellipse(20, 20, 120, 80);
        w.arc(0, 0, 100, 100, 100, 50, 50, 0);
        w.pie(0, 0, 100, 100, 0, 50, 50, 100);
        w.chord(0, 0, 100, 100, 50, 0, 0, 50);
        w.setPixel(3, 3, Qt::red);
        w.patBlt(0, 0, 20, 20, 0x005A0049);
        w.restoreDC(-1);
        w.floodFill(50, 50, Qt::black);
        w.extFloodFill(60, 60, Qt::white, 1);
        out << w.data();
    }
    {
        wmf::Writer w;
        w.setBounds(QRect(0, 0, 300, 100), 96);
        wmf::FontOptions f;
        f.face = "Times New Roman";
        f.height = 20;
        f.width = 8;
        f.escapement = 300;
        f.weight = 700;
        f.italic = f.underline = f.strikeOut = true;
        f.charSet = 238;
        w.selectObject(w.createFont(f));
        w.textOut(10, 10, "Hello \x8a");
        const QRect rc(0, 0, 100, 30);
        w.extTextOut(10, 40, 0x0006, &rc, "abc", {10, 12, 14});
        w.extTextOut(10, 60, 0x2000, nullptr, "ab", {10, 2, 12, 3});
        f.face = "Symbol";
        w.selectObject(w.createFont(f));
        w.setTextAlign(1 | 6);
        w.textOut(0, 0, "abg");
        out << w.data();
    }
    {
        wmf::Writer w;
        w.setBounds(QRect(0, 0, 100, 100), 96);
        const QImage img = testImage();
        for (int bits : {1, 4, 8, 16, 24, 32}) {
            wmf::DibFormat f;
            f.bitCount = bits;
            w.stretchDib(QRect(0, 0, 50, -50), QRect(0, 0, 9, 5), img, f, 0x008800C6);
        }
        wmf::DibFormat rle8;
        rle8.bitCount = 8;
        rle8.compression = wmf::DibFormat::Rle8;
        w.dibStretchBlt(QRect(10, 10, 30, 30), QRect(1, 1, 5, 3), img, rle8, 0x00EE0086);
        wmf::DibFormat rle4;
        rle4.bitCount = 4;
        rle4.compression = wmf::DibFormat::Rle4;
        w.dibBitBlt(QPoint(5, 5), QRect(0, 0, 9, 5), img, rle4, 0x00660046);
        wmf::DibFormat bf;
        bf.bitCount = 16;
        bf.compression = wmf::DibFormat::Bitfields;
        bf.topDown = true;
        w.setDibToDev(QPoint(2, 2), img, bf);
        wmf::DibFormat core;
        core.coreHeader = true;
        core.bitCount = 8;
        w.selectObject(w.createDibPatternBrush(img, core));
        w.rectangle(0, 0, 50, 50);
        w.selectObject(w.createPatternBrush(img));
        w.rectangle(50, 50, 100, 100);
        w.bitBltMono(QPoint(1, 1), img, 0x00B8074A);
        w.stretchBltMono(QRect(1, 1, 30, 30), img, 0x00CC0020);
        w.patBltNoBitmap(QRect(1, 1, 5, 5), 0x00550009);
        out << w.data();
    }
    {
        wmf::Writer w;
        w.setBounds(QRect(0, 0, 100, 100), 96);
        const int pal = w.createPalette({qRgb(1, 2, 3), qRgb(200, 100, 50)});
        w.selectPalette(pal);
        w.record(0x0035, {});
        w.record(0x0037, {0, 1, 0x0201, 0x0003});
        w.record(0x0139, {4});
        const int rgn = w.createRegion({QRect(0, 0, 10, 10), QRect(20, 20, 30, 30)});
        const int br = w.createBrush(0, Qt::red);
        w.fillRegion(rgn, br);
        w.frameRegion(rgn, br, 2, 2);
        w.invertRegion(rgn);
        w.paintRegion(rgn);
        w.intersectClipRect(0, 0, 50, 50);
        w.excludeClipRect(10, 10, 20, 20);
        w.offsetClipRgn(5, 5);
        w.selectClipRegion(rgn);
        w.selectObject(rgn);
        w.createPlaceholder(0x06FE);
        w.createPlaceholder(0x02FD);
        w.record(0x00F8, {0});
        w.deleteObject(br);
        w.escape(15, "comment");
        w.setMapMode(6);
        w.rectangle(0, 0, 1000, -1000);
        out << w.data();
    }
    for (const samples::Picture &p : samples::pictures())
        out << p.data;
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2)
        return 2;
    QDir().mkpath(app.arguments()[1]);
    const QDir dir(app.arguments()[1]);
    int i = 0;
    for (const QByteArray &s : seeds()) {
        QFile f(dir.filePath(QStringLiteral("seed%1.wmf").arg(i++, 2, 10, QLatin1Char('0'))));
        if (!f.open(QIODevice::WriteOnly) || f.write(s) != s.size())
            return 1;
    }
    return 0;
}
