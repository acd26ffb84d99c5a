// Bitmaps: every DIB layout, hostile headers, blits with their raster operations.
#include "wmftest.h"

#include "wmf/dib.h"

#include <QBuffer>
#include <QElapsedTimer>

using namespace wmftest;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// 13 x 7 (odd sizes exercise row padding) with a colour per quadrant.
QImage quadrants(QRgb a = kRed, QRgb b = qRgb(0, 255, 0), QRgb c = kBlue, QRgb d = kWhite)
{
    QImage img(13, 7, QImage::Format_RGB32);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x)
            img.setPixel(x, y, y < 3 ? (x < 6 ? a : b) : (x < 6 ? c : d));
    return img;
}

QByteArray le16(int v)
{
    QByteArray b;
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
    return b;
}
QByteArray le32(qint64 v) { return le16(int(v & 0xFFFF)) + le16(int((v >> 16) & 0xFFFF)); }

QByteArray infoHeader(qint64 w, qint64 h, int bits, int compression, int colours = 0)
{
    return le32(40) + le32(w) + le32(h) + le16(1) + le16(bits) + le32(compression) + le32(0) + le32(0) + le32(0)
           + le32(colours) + le32(0);
}

wmf::ByteView view(const QByteArray &b)
{
    return wmf::ByteView(reinterpret_cast<const uchar *>(b.constData()), b.size());
}

QImage decode(const QByteArray &dib, QString *error = nullptr)
{
    return wmf::decodeDib(view(dib), 0, {}, error);
}

} // namespace

class TestWmfDib : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("compression");
        QTest::addColumn<bool>("topDown");
        QTest::addColumn<bool>("core");
        QTest::addColumn<int>("tolerance");
        QTest::newRow("1 bpp") << 1 << 0 << false << false << 0;
        QTest::newRow("4 bpp") << 4 << 0 << false << false << 0;
        QTest::newRow("8 bpp") << 8 << 0 << false << false << 0;
        QTest::newRow("16 bpp 555") << 16 << 0 << false << false << 8;
        QTest::newRow("16 bpp 565 bitfields") << 16 << 3 << false << false << 8;
        QTest::newRow("24 bpp") << 24 << 0 << false << false << 0;
        QTest::newRow("32 bpp") << 32 << 0 << false << false << 0;
        QTest::newRow("32 bpp bitfields") << 32 << 3 << false << false << 0;
        QTest::newRow("24 bpp top-down") << 24 << 0 << true << false << 0;
        QTest::newRow("8 bpp top-down") << 8 << 0 << true << false << 0;
        QTest::newRow("RLE8") << 8 << 1 << false << false << 0;
        QTest::newRow("RLE4") << 4 << 2 << false << false << 0;
        QTest::newRow("core header 8 bpp") << 8 << 0 << false << true << 0;
        QTest::newRow("core header 24 bpp") << 24 << 0 << false << true << 0;
    }

    void roundTrip()
    {
        QFETCH(int, bits);
        QFETCH(int, compression);
        QFETCH(bool, topDown);
        QFETCH(bool, core);
        QFETCH(int, tolerance);
        QImage src = bits == 1 ? quadrants(kBlack, kWhite, kWhite, kBlack) : quadrants();
        if (compression == 1 || compression == 2) { // add a stretch of distinct pixels for absolute mode
            src.setPixel(1, 5, kRed);
            src.setPixel(2, 5, kWhite);
            src.setPixel(3, 5, kRed);
        }
        wmf::DibFormat f;
        f.bitCount = bits;
        f.compression = wmf::DibFormat::Compression(compression);
        f.topDown = topDown;
        f.coreHeader = core;
        QString error;
        wmf::DibInfo info;
        const QImage out = wmf::decodeDib(view(wmf::encodeDib(src, f)), 0, {}, &error, &info);
        QVERIFY2(!out.isNull(), qPrintable(error));
        QCOMPARE(out.size(), src.size());
        QCOMPARE(info.topDown, topDown);
        for (int y = 0; y < src.height(); ++y)
            for (int x = 0; x < src.width(); ++x)
                QVERIFY2(near(out.pixel(x, y), src.pixel(x, y), tolerance),
                         qPrintable(QStringLiteral("(%1,%2) %3 vs %4").arg(x).arg(y).arg(hex(out.pixel(x, y))).arg(hex(src.pixel(x, y)))));
    }

    void embeddedPng()
    {
        QImage src = quadrants();
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        QVERIFY(src.save(&buf, "PNG"));
        const QByteArray dib = infoHeader(13, 7, 0, 5) + png;
        QString error;
        const QImage img = decode(dib, &error);
        QVERIFY2(!img.isNull(), qPrintable(error));
        QCOMPARE(img.pixel(1, 1) | 0xFF000000, kRed);
        QCOMPARE(img.pixel(11, 5) | 0xFF000000, kWhite);
    }

    void hostileHeaders_data()
    {
        QTest::addColumn<QByteArray>("dib");
        QTest::addColumn<QString>("reason");
        QTest::newRow("100000 x 100000") << infoHeader(100000, 100000, 24, 0) + QByteArray(100, 0) << "too large";
        QTest::newRow("65536 x 65536 RLE") << infoHeader(65536, 65536, 8, 1) + QByteArray(1024 + 4, 0) << "too large";
        QTest::newRow("4000 x 4000 RLE from a few bytes") << infoHeader(4000, 4000, 8, 1) + QByteArray(1024 + 4, 0)
                                                         << "too large for its data";
        QTest::newRow("width 0") << infoHeader(0, 10, 24, 0) + QByteArray(100, 0) << "empty";
        QTest::newRow("negative width") << infoHeader(-5, 10, 24, 0) + QByteArray(100, 0) << "empty";
        QTest::newRow("height INT_MIN") << infoHeader(5, qint64(INT32_MIN), 24, 0) + QByteArray(100, 0) << "empty";
        QTest::newRow("7 bits") << infoHeader(4, 4, 7, 0) + QByteArray(100, 0) << "bit count";
        QTest::newRow("RLE8 with 24 bits") << infoHeader(4, 4, 24, 1) + QByteArray(100, 0) << "RLE8";
        QTest::newRow("top-down RLE") << infoHeader(4, -4, 8, 1) + QByteArray(1100, 0) << "RLE8";
        QTest::newRow("odd header size") << le32(41) + QByteArray(60, 0) << "header size";
        QTest::newRow("short header") << infoHeader(4, 4, 24, 0).left(20) << "truncated";
        QTest::newRow("colour table cut") << infoHeader(4, 4, 8, 0, 256) + QByteArray(40, 0) << "colour table";
        QTest::newRow("no pixel rows") << infoHeader(64, 64, 24, 0) + QByteArray(10, 0) << "truncated";
        QTest::newRow("compression 9") << infoHeader(4, 4, 24, 9) + QByteArray(100, 0) << "compression";
    }

    void hostileHeaders()
    {
        QFETCH(QByteArray, dib);
        QFETCH(QString, reason);
        QElapsedTimer t;
        t.start();
        QString error;
        QVERIFY(decode(dib, &error).isNull());
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(t.elapsed() < 200);
    }

    void hostileRle()
    {
        // runs past the row end, deltas past the image, absolute runs past the data
        QByteArray bits;
        bits += QByteArray("\xff\x01", 2);                      // 255 pixels into a 4-wide row
        bits += QByteArray("\x00\x02\xff\xff", 4);              // delta far outside
        bits += QByteArray("\x03\x01", 2);                      // must not be written
        bits += QByteArray("\x00\xfe\x01", 3);                  // absolute run longer than the data
        const QByteArray dib = infoHeader(4, 4, 8, 1, 2) + le32(0xFF0000) + le32(0x00FF00) + bits;
        const QImage img = decode(dib);
        QVERIFY(!img.isNull());
        QCOMPARE(img.pixel(0, 3), qRgb(0, 255, 0)); // bottom row got the run
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);       // skipped pixels stay transparent
    }

    void shortDataKeepsPresentRows()
    {
        QByteArray dib = wmf::encodeDib(quadrants(), wmf::DibFormat());
        dib.chop(3 * 40); // bottom-up: the top three rows go missing
        const QImage img = decode(dib);
        QVERIFY(!img.isNull());
        QCOMPARE(img.pixel(1, 6), kBlue);
        QCOMPARE(qAlpha(img.pixel(1, 0)), 0);
    }

    void paletteColours()
    {
        // DIB_PAL_COLORS: the colour table holds indices into the selected palette
        wmf::Writer w = pixelWriter(20, 20);
        const int pal = w.createPalette({kBlack, kBlue, kRed});
        w.selectPalette(pal);
        QByteArray dib = infoHeader(2, 2, 1, 0, 2) + le16(2) + le16(1) + QByteArray("\x40\0\0\0\x80\0\0\0", 8);
        w.stretchDibRaw(QRect(0, 0, 20, 20), QRect(0, 0, 2, 2), dib, 0x00CC0020, 1);
        const QImage img = render(w);
        EXPECT_PIXEL(img, 5, 15, kRed);   // bottom row: bits 01 → red, blue
        EXPECT_PIXEL(img, 15, 15, kBlue);
        EXPECT_PIXEL(img, 5, 5, kBlue);   // top row: bits 10 → blue, red
        EXPECT_PIXEL(img, 15, 5, kRed);
    }

    void blits_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        const QImage q = quadrants(); // red | green / blue | white
        {
            wmf::Writer w = pixelWriter(26, 14);
            w.stretchDib(QRect(0, 0, 26, 14), QRect(0, 0, 13, 7), q);
            QTest::newRow("stretchdib scales") << w.data() << QPoint(2, 2) << kRed;
        }
        {
            wmf::Writer w = pixelWriter(26, 14);
            w.stretchDib(QRect(0, 0, 26, 14), QRect(0, 0, 13, 7), q);
            QTest::newRow("stretchdib bottom right") << w.data() << QPoint(24, 12) << kWhite;
        }
        {
            wmf::Writer w = pixelWriter(26, 14);
            w.stretchDib(QRect(26, 0, -26, 14), QRect(0, 0, 13, 7), q);
            QTest::newRow("negative width mirrors") << w.data() << QPoint(2, 2) << qRgb(0, 255, 0);
        }
        {
            wmf::Writer w = pixelWriter(26, 14);
            w.stretchDib(QRect(0, 14, 26, -14), QRect(0, 0, 13, 7), q);
            QTest::newRow("negative height flips") << w.data() << QPoint(2, 12) << kRed;
        }
        {
            wmf::Writer w = pixelWriter(26, 14);
            w.setMapMode(8);
            w.setWindowOrg(0, 14);
            w.setWindowExt(26, -14);
            w.stretchDib(QRect(0, 14, 26, -14), QRect(0, 0, 13, 7), q);
            QTest::newRow("flipped window and height cancel") << w.data() << QPoint(2, 2) << kRed;
        }
        {
            wmf::Writer w = pixelWriter(20, 20);
            // source rectangle counts from the bottom row: y 0..3 is the blue/white half
            w.stretchDib(QRect(0, 0, 20, 20), QRect(0, 0, 6, 4), q);
            QTest::newRow("source rect from the bottom") << w.data() << QPoint(10, 10) << kBlue;
        }
        {
            wmf::Writer w = pixelWriter(20, 20);
            w.dibStretchBlt(QRect(0, 0, 20, 20), QRect(0, 0, 6, 3), q);
            QTest::newRow("dibstretchblt source from the top") << w.data() << QPoint(10, 10) << kRed;
        }
        {
            wmf::Writer w = pixelWriter(20, 20);
            w.dibBitBlt(QPoint(3, 3), QRect(0, 0, 13, 7), q);
            QTest::newRow("dibbitblt unscaled") << w.data() << QPoint(3 + 12, 3 + 6) << kWhite;
        }
        {
            wmf::Writer w = pixelWriter(20, 20);
            w.setDibToDev(QPoint(2, 2), q);
            QTest::newRow("setdibitstodevice") << w.data() << QPoint(3, 3) << kRed;
        }
        {
            wmf::Writer w = pixelWriter(20, 20);
            w.stretchDib(QRect(0, 0, 20, 20), QRect(0, 0, 13, 7), q, wmf::DibFormat(), 0x00330008);
            QTest::newRow("notsrccopy") << w.data() << QPoint(2, 2) << qRgb(0, 255, 255);
        }
        {
            // mono Bitmap16: 0 bits take the text colour, 1 bits the background colour
            QImage mono(8, 8, QImage::Format_RGB32);
            mono.fill(kWhite);
            for (int x = 0; x < 4; ++x)
                for (int y = 0; y < 8; ++y)
                    mono.setPixel(x, y, kBlack);
            wmf::Writer w = pixelWriter(8, 8);
            w.setTextColor(QColor(kRed));
            w.setBkColor(QColor(kBlue));
            w.bitBltMono(QPoint(0, 0), mono, 0x00CC0020);
            QTest::newRow("mono bitmap uses text colour") << w.data() << QPoint(1, 4) << kRed;
            QTest::newRow("mono bitmap uses bk colour") << w.data() << QPoint(6, 4) << kBlue;
        }
    }

    void blits()
    {
        QFETCH(QByteArray, file);
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        EXPECT_PIXEL(render(file), at.x(), at.y(), colour);
    }

    // The two-pass transparency idioms clip art uses for shaped bitmaps.
    void maskIdioms_data()
    {
        QTest::addColumn<int>("idiom");
        QTest::newRow("AND mask, then OR image") << 0;
        QTest::newRow("XOR, AND mask, XOR") << 1;
    }

    void maskIdioms()
    {
        QFETCH(int, idiom);
        // a red disc on black in the image; the mask is black where the disc is
        QImage image(20, 20, QImage::Format_RGB32), mask(20, 20, QImage::Format_RGB32);
        image.fill(kBlack);
        mask.fill(kWhite);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                if ((x - 10) * (x - 10) + (y - 10) * (y - 10) < 49) {
                    image.setPixel(x, y, kRed);
                    mask.setPixel(x, y, kBlack);
                }
        wmf::Writer w = pixelWriter(20, 20);
        w.selectObject(w.createBrush(0, QColor(kBlue)));
        w.selectObject(w.createPen(5, 0, Qt::black));
        w.rectangle(0, 0, 21, 21); // a blue background must show around the disc
        const QRect r(0, 0, 20, 20);
        wmf::DibFormat f;
        if (idiom == 0) {
            w.stretchDib(r, r, mask, f, 0x008800C6);  // SRCAND
            w.stretchDib(r, r, image, f, 0x00EE0086); // SRCPAINT
        } else {
            w.stretchDib(r, r, image, f, 0x00660046); // SRCINVERT
            w.stretchDib(r, r, mask, f, 0x008800C6);
            w.stretchDib(r, r, image, f, 0x00660046);
        }
        const QImage img = render(w);
        EXPECT_PIXEL(img, 10, 10, kRed);
        EXPECT_PIXEL(img, 1, 1, kBlue);
        EXPECT_PIXEL(img, 18, 2, kBlue);
    }
};

QTEST_MAIN(TestWmfDib)
#include "tst_wmf_dib.moc"
