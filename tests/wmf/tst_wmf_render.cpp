// What the player draws: shapes, mapping, DC state, objects, text, clipping.
#include "wmftest.h"

#include "wmf/parser.h"
#include "wmf/player.h"

using namespace wmftest;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);

int solidBrush(wmf::Writer &w, QRgb c)
{
    const int b = w.createBrush(0, QColor(c));
    w.selectObject(b);
    return b;
}

int nullPen(wmf::Writer &w)
{
    const int p = w.createPen(5, 0, Qt::black);
    w.selectObject(p);
    return p;
}

std::vector<std::optional<wmf::GdiObject>> playObjects(const QByteArray &data)
{
    wmf::ParsedMetafile mf;
    wmf::Parser::parse(data, &mf, nullptr);
    QImage img(10, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    wmf::Player player(mf, p);
    player.play();
    return player.objects();
}

QRgb brushColourIn(const std::optional<wmf::GdiObject> &slot)
{
    if (!slot)
        return 0;
    const auto *b = std::get_if<wmf::BrushObj>(&*slot);
    return b ? b->color : 0;
}

} // namespace

class TestWmfRender : public QObject {
    Q_OBJECT

private slots:
    // GDI leaves out the right and bottom edge; with a null pen one more pixel.
    void rectangleEdges()
    {
        wmf::Writer w = pixelWriter(40, 40);
        solidBrush(w, kRed);
        const int pen = w.createPen(0, 0, QColor(kBlue));
        w.selectObject(pen);
        w.rectangle(5, 5, 15, 15);
        nullPen(w);
        w.rectangle(20, 20, 30, 30);
        const QImage img = render(w);
        EXPECT_PIXEL(img, 5, 5, kBlue);    // outline on the first pixel
        EXPECT_PIXEL(img, 14, 14, kBlue);  // ... and on the last one inside
        EXPECT_PIXEL(img, 15, 10, kWhite); // right edge excluded
        EXPECT_PIXEL(img, 10, 15, kWhite);
        EXPECT_PIXEL(img, 10, 10, kRed);
        EXPECT_PIXEL(img, 20, 20, kRed);
        EXPECT_PIXEL(img, 28, 28, kRed);
        EXPECT_PIXEL(img, 29, 25, kWhite); // null pen: one pixel smaller
        EXPECT_PIXEL(img, 25, 29, kWhite);
    }

    void linesLeaveOutTheLastPixel()
    {
        wmf::Writer w = pixelWriter(40, 40);
        w.moveTo(10, 5);
        w.lineTo(20, 5);
        w.polyline(QPolygon({QPoint(5, 10), QPoint(5, 30)}));
        const int dash = w.createPen(2, 0, Qt::black);
        w.selectObject(dash);
        w.setBkMode(1);
        w.moveTo(10, 35);
        w.lineTo(20, 35);
        const QImage img = render(w);
        EXPECT_PIXEL(img, 9, 5, kWhite);
        EXPECT_PIXEL(img, 10, 5, kBlack);
        EXPECT_PIXEL(img, 19, 5, kBlack);
        EXPECT_PIXEL(img, 20, 5, kWhite);
        EXPECT_PIXEL(img, 5, 10, kBlack);
        EXPECT_PIXEL(img, 5, 29, kBlack);
        EXPECT_PIXEL(img, 5, 30, kWhite);
        EXPECT_PIXEL(img, 10, 35, kBlack); // dots: 3 on, 3 off
        EXPECT_PIXEL(img, 13, 35, kWhite);
        EXPECT_PIXEL(img, 16, 35, kBlack);
    }

    void defaultsAreWhiteBrushBlackPen()
    {
        wmf::Writer w = pixelWriter(40, 40);
        w.patBlt(0, 0, 40, 40, 0x00000042); // black background via BLACKNESS
        w.rectangle(5, 5, 30, 30);
        const QImage img = render(w);
        EXPECT_PIXEL(img, 15, 15, kWhite);
        EXPECT_PIXEL(img, 5, 15, kBlack);
        EXPECT_PIXEL(img, 35, 35, kBlack);
    }

    void mapModes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        auto base = [] {
            wmf::Writer w = pixelWriter(100, 100);
            solidBrush(w, kRed);
            nullPen(w);
            return w;
        };
        {
            wmf::Writer w = base();
            w.setMapMode(wmf::MM_ANISOTROPIC);
            w.setWindowExt(1000, 1000);
            w.rectangle(100, 100, 300, 300); // → 10..30 px
            QTest::newRow("anisotropic") << w.data() << QPoint(20, 20) << QPoint(40, 40);
        }
        {
            wmf::Writer w = base();
            w.setMapMode(wmf::MM_ANISOTROPIC);
            w.setWindowOrg(0, 1000);
            w.setWindowExt(1000, -1000); // y grows upwards
            w.rectangle(100, 100, 300, 300); // → x 10..30, y 70..90
            QTest::newRow("negative extent flips") << w.data() << QPoint(20, 80) << QPoint(20, 20);
        }
        {
            wmf::Writer w = base();
            w.setMapMode(wmf::MM_ISOTROPIC);
            w.setWindowExt(1000, 500);
            w.setViewportExt(100, 100); // x limits the scale to 0.1 on both axes
            w.rectangle(0, 400, 100, 490);
            QTest::newRow("isotropic keeps aspect") << w.data() << QPoint(5, 45) << QPoint(5, 95);
        }
        {
            wmf::Writer w = base();
            w.setMapMode(wmf::MM_TEXT);
            w.setViewportOrg(50, 0);
            w.rectangle(0, 0, 20, 20);
            QTest::newRow("text mode with viewport origin") << w.data() << QPoint(60, 10) << QPoint(10, 10);
        }
        {
            wmf::Writer w = base();
            w.setMapMode(wmf::MM_LOMETRIC); // 0.1 mm, y up: 254 units = 96 px
            w.setWindowOrg(0, 0);
            w.setViewportOrg(0, 100);
            w.rectangle(0, 100, 50, 0); // 0..18.9 px wide, 62..100 px down
            QTest::newRow("lometric y up") << w.data() << QPoint(10, 90) << QPoint(10, 20);
        }
        {
            wmf::Writer w = base();
            w.setMapMode(wmf::MM_TWIPS);
            w.setViewportOrg(0, 100);
            w.rectangle(0, 1440, 300, 1200); // y -96 .. -80 px above the origin at 100
            QTest::newRow("twips") << w.data() << QPoint(10, 10) << QPoint(10, 50);
        }
        {
            wmf::Writer w = base();
            w.offsetWindowOrg(-40, -40);
            w.rectangle(0, 0, 10, 10);
            QTest::newRow("offset window origin") << w.data() << QPoint(45, 45) << QPoint(5, 5);
        }
        {
            wmf::Writer w = base();
            w.offsetViewportOrg(60, 0);
            w.rectangle(0, 0, 10, 10);
            QTest::newRow("offset viewport origin") << w.data() << QPoint(65, 5) << QPoint(5, 5);
        }
        {
            wmf::Writer w = base();
            w.setMapMode(wmf::MM_ANISOTROPIC);
            w.setWindowExt(100, 100);
            w.scaleWindowExt(1, 2, 1, 2); // window 50 x 50: everything twice as big
            w.rectangle(10, 10, 20, 20);
            QTest::newRow("scale window extent") << w.data() << QPoint(35, 35) << QPoint(15, 15);
        }
        {
            wmf::Writer w = base();
            w.setMapMode(wmf::MM_ANISOTROPIC);
            w.setWindowExt(100, 100);
            w.setViewportExt(100, 100);
            w.scaleViewportExt(3, 1, 3, 1);
            w.rectangle(10, 10, 20, 20);
            QTest::newRow("scale viewport extent") << w.data() << QPoint(45, 45) << QPoint(15, 15);
        }
    }

    void mapModes()
    {
        QFETCH(QByteArray, file);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        const QImage img = render(file);
        EXPECT_PIXEL(img, inside.x(), inside.y(), kRed);
        EXPECT_PIXEL(img, outside.x(), outside.y(), kWhite);
    }

    void nothingOutsideTheFrame()
    {
        wmf::Writer w = pixelWriter(20, 20);
        solidBrush(w, kRed);
        w.rectangle(-50, -50, 100, 100);
        wmf::Metafile mf;
        QVERIFY(mf.load(w.data()));
        QImage img(60, 60, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::white);
        QPainter p(&img);
        p.translate(20, 20);
        mf.render(p);
        p.end();
        EXPECT_PIXEL(img, 30, 30, kRed);
        EXPECT_PIXEL(img, 10, 10, kWhite);
        EXPECT_PIXEL(img, 45, 30, kWhite);
    }

    void withoutPlaceableHeader()
    {
        wmf::Writer w;
        w.setPlaceable(false);
        w.setMapMode(wmf::MM_ANISOTROPIC);
        w.setWindowOrg(100, 100);
        w.setWindowExt(80, 40);
        solidBrush(w, kBlue);
        nullPen(w);
        w.rectangle(100, 100, 141, 141);
        const QImage img = render(w);
        QCOMPARE(img.size(), QSize(80, 40));
        EXPECT_PIXEL(img, 20, 20, kBlue);
        EXPECT_PIXEL(img, 60, 20, kWhite);
    }

    void placeableBoxMapsToNaturalSize()
    {
        wmf::Writer w;
        w.setBounds(QRect(1000, 1000, 1440, 1440), 1440); // 96 x 96 px, origin at 1000
        solidBrush(w, kGreen);
        nullPen(w);
        w.rectangle(1000, 1000, 1720, 1720); // top-left quarter
        const QImage img = render(w);
        QCOMPARE(img.size(), QSize(96, 96));
        EXPECT_PIXEL(img, 20, 20, kGreen);
        EXPECT_PIXEL(img, 70, 70, kWhite);
        const QImage big = render(w.data(), 2.0);
        QCOMPARE(big.size(), QSize(192, 192));
        EXPECT_PIXEL(big, 90, 90, kGreen);
        EXPECT_PIXEL(big, 100, 100, kWhite);
    }

    void saveRestore_data()
    {
        QTest::addColumn<int>("restore");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("relative -1") << -1 << kBlue;
        QTest::newRow("relative -2") << -2 << kGreen;
        QTest::newRow("absolute 1") << 1 << kGreen;
        QTest::newRow("absolute 2") << 2 << kBlue;
        QTest::newRow("zero does nothing") << 0 << kRed;
        QTest::newRow("too deep ignored") << -5 << kRed;
        QTest::newRow("too high ignored") << 7 << kRed;
    }

    void saveRestore()
    {
        QFETCH(int, restore);
        QFETCH(QRgb, colour);
        wmf::Writer w = pixelWriter(20, 20);
        nullPen(w);
        solidBrush(w, kGreen);
        w.saveDC(); // 1: green
        solidBrush(w, kBlue);
        w.saveDC(); // 2: blue
        solidBrush(w, kRed);
        w.restoreDC(restore);
        w.rectangle(0, 0, 21, 21);
        EXPECT_PIXEL(render(w), 10, 10, colour);
    }

    void saveDCKeepsMappingAndClip()
    {
        wmf::Writer w = pixelWriter(40, 40);
        nullPen(w);
        solidBrush(w, kRed);
        w.saveDC();
        w.setWindowOrg(-20, -20);
        w.intersectClipRect(0, 0, 5, 5);
        w.restoreDC(-1);
        w.rectangle(0, 0, 10, 10);
        const QImage img = render(w);
        EXPECT_PIXEL(img, 5, 5, kRed);     // origin back, clip gone
        EXPECT_PIXEL(img, 25, 25, kWhite);
    }

    void lowestFreeSlot()
    {
        wmf::Writer w = pixelWriter();
        QCOMPARE(w.createBrush(0, Qt::red), 0);
        QCOMPARE(w.createPlaceholder(0x06FE), 1); // bitmap: not drawable, still a slot
        QCOMPARE(w.createBrush(0, Qt::green), 2);
        w.deleteObject(0);
        QCOMPARE(w.createBrush(0, Qt::blue), 0);
        const auto objects = playObjects(w.data());
        QCOMPARE(brushColourIn(objects[0]), kBlue);
        QVERIFY(objects[1].has_value());
        QCOMPARE(brushColourIn(objects[2]), kGreen);
    }

    void unsupportedObjectsTakeSlots()
    {
        wmf::Writer w = pixelWriter(20, 20);
        nullPen(w);                                 // 0
        w.createRegion({QRect(0, 0, 5, 5)});        // 1
        w.createPatternBrush(QImage(8, 8, QImage::Format_Mono)); // 2
        w.createPlaceholder(0x00F8);                // 3: old CREATEBRUSH
        w.createPalette({kRed});                    // 4
        w.createPlaceholder(0x02FD);                // 5: CREATEBITMAPINDIRECT
        const int green = w.createBrush(0, QColor(kGreen));
        QCOMPARE(green, 6);
        w.selectObject(6);
        w.rectangle(0, 0, 21, 21);
        EXPECT_PIXEL(render(w), 10, 10, kGreen);
    }

    void selectingMissingObjectsIsIgnored()
    {
        wmf::Writer w = pixelWriter(20, 20);
        nullPen(w);
        const int red = solidBrush(w, kRed);
        w.deleteObject(red);  // still selected: GDI keeps drawing with it
        w.selectObject(red);  // empty slot now
        w.selectObject(77);   // beyond the table
        w.rectangle(0, 0, 21, 21);
        EXPECT_PIXEL(render(w), 10, 10, kRed);
    }

    void penWidths_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("expected"); // device pixels at scale 10
        QTest::newRow("cosmetic") << 0 << 1;
        QTest::newRow("one unit") << 1 << 10;
        QTest::newRow("three units") << 3 << 30;
    }

    void penWidths()
    {
        QFETCH(int, width);
        QFETCH(int, expected);
        // one logical unit is ten pixels
        wmf::Writer big;
        big.setBounds(QRect(0, 0, 200, 200), 96);
        big.setMapMode(wmf::MM_ANISOTROPIC);
        big.setWindowExt(20, 20);
        const int pen2 = big.createPen(0x0200, width, Qt::black);
        big.selectObject(pen2);
        big.moveTo(0, 10);
        big.lineTo(20, 10);
        const QImage img = render(big);
        int dark = 0;
        for (int y = 0; y < img.height(); ++y)
            dark += qGray(img.pixel(100, y)) < 128;
        QCOMPARE(dark, expected);
    }

    void dashedPenHasGaps()
    {
        wmf::Writer w = pixelWriter(100, 10);
        const int pen = w.createPen(1, 0, Qt::black); // PS_DASH
        w.selectObject(pen);
        w.setBkMode(1);
        w.moveTo(0, 5);
        w.lineTo(100, 5);
        const QImage img = render(w);
        int light = 0, dark = 0;
        for (int x = 0; x < 96; ++x)
            (qGray(img.pixel(x, 5)) < 128 ? dark : light)++;
        QVERIFY(dark > 50 && light > 10);
    }

    void hatchBackground_data()
    {
        QTest::addColumn<int>("bkMode");
        QTest::addColumn<QRgb>("gap");
        QTest::newRow("opaque fills the gaps") << 2 << kGreen;
        QTest::newRow("transparent keeps them") << 1 << kWhite;
    }

    void hatchBackground()
    {
        QFETCH(int, bkMode);
        QFETCH(QRgb, gap);
        wmf::Writer w = pixelWriter(32, 32);
        nullPen(w);
        const int hatch = w.createBrush(2, QColor(kBlue), 0); // HS_HORIZONTAL
        w.selectObject(hatch);
        w.setBkColor(QColor(kGreen));
        w.setBkMode(bkMode);
        w.rectangle(0, 0, 33, 33);
        const QImage img = render(w);
        int blueRows = 0, gapRows = 0;
        for (int y = 0; y < 24; ++y) {
            if (near(img.pixel(10, y), kBlue))
                ++blueRows;
            else if (near(img.pixel(10, y), gap))
                ++gapRows;
        }
        QVERIFY2(blueRows >= 2 && gapRows >= 16, qPrintable(QStringLiteral("%1 %2").arg(blueRows).arg(gapRows)));
    }

    void hatchDirections_data()
    {
        QTest::addColumn<int>("hatch");
        QTest::addColumn<int>("dx"); // step along the lines: down-right (1) or down-left (-1)
        QTest::newRow("HS_FDIAGONAL \\") << 2 << 1;
        QTest::newRow("HS_BDIAGONAL /") << 3 << -1;
    }

    void hatchDirections()
    {
        QFETCH(int, hatch);
        QFETCH(int, dx);
        wmf::Writer w = pixelWriter(32, 32);
        nullPen(w);
        w.selectObject(w.createBrush(2, Qt::black, hatch));
        w.setBkMode(1);
        w.rectangle(0, 0, 33, 33);
        const QImage img = render(w);
        int along = 0, across = 0;
        for (int y = 4; y < 24; ++y)
            for (int x = 4; x < 24; ++x) {
                if (qGray(img.pixel(x, y)) > 128)
                    continue;
                along += qGray(img.pixel(x + dx, y + 1)) < 128;
                across += qGray(img.pixel(x - dx, y + 1)) < 128;
            }
        QVERIFY2(along > 20 && across < along / 4, qPrintable(QStringLiteral("%1 %2").arg(along).arg(across)));
    }

    void patternBrushTiles()
    {
        QImage tile(8, 8, QImage::Format_RGB32);
        tile.fill(kRed);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 8; ++x)
                tile.setPixel(x, y, kBlue);
        wmf::Writer w = pixelWriter(32, 32);
        nullPen(w);
        const int b = w.createDibPatternBrush(tile);
        w.selectObject(b);
        w.rectangle(0, 0, 33, 33);
        const QImage img = render(w);
        EXPECT_PIXEL(img, 3, 1, kBlue);
        EXPECT_PIXEL(img, 3, 6, kRed);
        EXPECT_PIXEL(img, 19, 9, kBlue);
        EXPECT_PIXEL(img, 19, 14, kRed);
    }

    void rop2_data()
    {
        QTest::addColumn<int>("rop2");
        QTest::addColumn<QRgb>("result"); // red brush over a half black, half white background
        QTest::addColumn<QRgb>("onWhite");
        QTest::newRow("copy") << 13 << kRed << kRed;
        QTest::newRow("nop") << 11 << kBlack << kWhite;
        QTest::newRow("not") << 6 << kWhite << kBlack;
        QTest::newRow("black") << 1 << kBlack << kBlack;
        QTest::newRow("white") << 16 << kWhite << kWhite;
        QTest::newRow("notcopy") << 4 << qRgb(0, 255, 255) << qRgb(0, 255, 255);
        QTest::newRow("xor") << 7 << kRed << qRgb(0, 255, 255);
        QTest::newRow("mask") << 9 << kBlack << kRed;
        QTest::newRow("merge") << 15 << kRed << kWhite;
    }

    void rop2()
    {
        QFETCH(int, rop2);
        QFETCH(QRgb, result);
        QFETCH(QRgb, onWhite);
        wmf::Writer w = pixelWriter(40, 20);
        w.patBlt(0, 0, 20, 20, 0x00000042);
        nullPen(w);
        solidBrush(w, kRed);
        w.setROP2(rop2);
        w.rectangle(0, 0, 41, 21);
        const QImage img = render(w);
        EXPECT_PIXEL(img, 10, 10, result);
        EXPECT_PIXEL(img, 30, 10, onWhite);
    }

    // The mixing raster operations work bit by bit, as GDI's do.
    void bitwiseRop2_data()
    {
        QTest::addColumn<int>("rop2");
        QTest::addColumn<QRgb>("result"); // brush #c86432 over grey #808080
        QTest::newRow("notmergepen") << 2 << qRgb(0x37, 0x1b, 0x4d);
        QTest::newRow("masknotpen") << 3 << qRgb(0x00, 0x80, 0x80);
        QTest::newRow("maskpennot") << 5 << qRgb(0x48, 0x64, 0x32);
        QTest::newRow("not") << 6 << qRgb(0x7f, 0x7f, 0x7f);
        QTest::newRow("xor") << 7 << qRgb(0x48, 0xe4, 0xb2);
        QTest::newRow("notmaskpen") << 8 << qRgb(0x7f, 0xff, 0xff);
        QTest::newRow("mask") << 9 << qRgb(0x80, 0x00, 0x00);
        QTest::newRow("notxor") << 10 << qRgb(0xb7, 0x1b, 0x4d);
        QTest::newRow("mergenotpen") << 12 << qRgb(0xb7, 0x9b, 0xcd);
        QTest::newRow("mergepennot") << 14 << qRgb(0xff, 0x7f, 0x7f);
        QTest::newRow("merge") << 15 << qRgb(0xc8, 0xe4, 0xb2);
    }

    void bitwiseRop2()
    {
        QFETCH(int, rop2);
        QFETCH(QRgb, result);
        wmf::Writer w = pixelWriter(20, 20);
        nullPen(w);
        solidBrush(w, qRgb(0x80, 0x80, 0x80));
        w.rectangle(0, 0, 21, 21);
        solidBrush(w, qRgb(0xc8, 0x64, 0x32));
        w.setROP2(rop2);
        w.ellipse(2, 2, 18, 18);
        const QImage img = render(w);
        QVERIFY2(img.pixel(10, 10) == (result | 0xff000000), qPrintable(wmftest::hex(img.pixel(10, 10))));
        QCOMPARE(img.pixel(0, 0), qRgb(0x80, 0x80, 0x80));
    }

    // An XOR shape drawn twice leaves no trace, edges included.
    void xorTwiceLeavesNothing()
    {
        wmf::Writer w = pixelWriter(40, 40);
        nullPen(w);
        solidBrush(w, qRgb(0x30, 0xa0, 0x55));
        w.setROP2(7);
        w.ellipse(3, 5, 37, 33);
        w.ellipse(3, 5, 37, 33);
        w.selectObject(w.createPen(0, 3, QColor(200, 20, 20)));
        w.polyline(QPolygon({{2, 2}, {30, 12}, {8, 36}}));
        w.polyline(QPolygon({{2, 2}, {30, 12}, {8, 36}}));
        const QImage img = render(w);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                QVERIFY2(img.pixel(x, y) == qRgb(255, 255, 255), qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
    }

    // LibreOffice's gradients: stripes a third of a pixel tall drawn with XOR,
    // the shape filled black, the same stripes again. On the black the second
    // pass leaves every stripe's colour at full strength, but only if the
    // XOR covers whole pixels; half-covered ones come out dimmed.
    void xorGradientAroundBlackFill()
    {
        wmf::Writer w;
        w.setBounds(QRect(0, 0, 200, 100), 320); // 0.3 px a unit: 60 x 30 px
        nullPen(w);
        auto colourAt = [](int y) { return qRgb(255 - y * 255 / 99, 0, y * 255 / 99); };
        auto stripes = [&] {
            w.setROP2(7);
            int brush = -1;
            for (int y = 0; y < 100; ++y) {
                const int next = w.createBrush(0, QColor(colourAt(y)));
                w.selectObject(next);
                if (brush >= 0)
                    w.deleteObject(brush);
                brush = next;
                w.polygon(QPolygon({QPoint(20, y), QPoint(180, y), QPoint(180, y + 1), QPoint(20, y + 1)}));
            }
        };
        stripes();
        w.setROP2(13);
        solidBrush(w, kBlack);
        w.polygon(QPolygon({QPoint(20, 0), QPoint(180, 0), QPoint(180, 100), QPoint(20, 100)}));
        stripes();
        const QImage img = render(w);
        QCOMPARE(img.size(), QSize(60, 30));
        for (int y : {1, 8, 15, 22, 28})
            EXPECT_PIXEL(img, 30, y, colourAt(int((y + 0.5) / 0.3)));
        EXPECT_PIXEL(img, 3, 15, kWhite);
    }

    void polyFillModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QRgb>("centre");
        QTest::newRow("alternate leaves the overlap empty") << 1 << kWhite;
        QTest::newRow("winding fills it") << 2 << kRed;
    }

    void polyFillModes()
    {
        QFETCH(int, mode);
        QFETCH(QRgb, centre);
        wmf::Writer w = pixelWriter(60, 60);
        nullPen(w);
        solidBrush(w, kRed);
        w.setPolyFillMode(mode);
        // two squares in one polypolygon, same direction, overlapping in the middle
        w.polyPolygon({QPolygon({QPoint(0, 0), QPoint(40, 0), QPoint(40, 40), QPoint(0, 40)}),
                       QPolygon({QPoint(20, 20), QPoint(60, 20), QPoint(60, 60), QPoint(20, 60)})});
        const QImage img = render(w);
        EXPECT_PIXEL(img, 10, 10, kRed);
        EXPECT_PIXEL(img, 30, 30, centre);
        EXPECT_PIXEL(img, 50, 50, kRed);
    }

    void piesAndArcs()
    {
        wmf::Writer w = pixelWriter(100, 100);
        nullPen(w);
        solidBrush(w, kRed);
        // quarter from 0° (east) counter-clockwise to 90° (north): the top-right quadrant
        w.pie(0, 0, 100, 100, 100, 50, 50, 0);
        const QImage img = render(w);
        EXPECT_PIXEL(img, 75, 25, kRed);
        EXPECT_PIXEL(img, 25, 25, kWhite);
        EXPECT_PIXEL(img, 75, 75, kWhite);

        wmf::Writer full = pixelWriter(100, 100);
        nullPen(full);
        solidBrush(full, kGreen);
        full.pie(0, 0, 100, 100, 100, 50, 100, 50); // same radial: the whole ellipse
        const QImage f = render(full);
        EXPECT_PIXEL(f, 25, 50, kGreen);
        EXPECT_PIXEL(f, 75, 50, kGreen);
        EXPECT_PIXEL(f, 2, 2, kWhite);

        wmf::Writer chord = pixelWriter(100, 100);
        nullPen(chord);
        solidBrush(chord, kBlue);
        chord.chord(0, 0, 100, 100, 100, 50, 0, 50); // east to west over the top
        const QImage c = render(chord);
        EXPECT_PIXEL(c, 50, 25, kBlue);
        EXPECT_PIXEL(c, 50, 75, kWhite);

        wmf::Writer arc = pixelWriter(100, 100);
        const int pen = arc.createPen(0, 4, QColor(kRed));
        arc.selectObject(pen);
        arc.arc(0, 0, 100, 100, 50, 0, 100, 50); // north to east the long way round
        const QImage a = render(arc);
        EXPECT_PIXEL(a, 1, 50, kRed);   // west is on it
        EXPECT_PIXEL(a, 50, 98, kRed);  // south too
        EXPECT_PIXEL(a, 85, 15, kWhite); // the north-east eighth is not
        EXPECT_PIXEL(a, 50, 50, kWhite); // never filled
    }

    void arcDirectionFollowsFlippedAxis()
    {
        wmf::Writer w = pixelWriter(100, 100);
        nullPen(w);
        solidBrush(w, kRed);
        w.setMapMode(wmf::MM_ANISOTROPIC);
        w.setWindowOrg(0, 100);
        w.setWindowExt(100, -100); // y up: counter-clockwise from east to north is still the upper right
        w.pie(0, 0, 100, 100, 100, 50, 50, 100);
        const QImage img = render(w);
        EXPECT_PIXEL(img, 75, 25, kRed);
        EXPECT_PIXEL(img, 25, 75, kWhite);
    }

    void roundRectAndEllipse()
    {
        wmf::Writer w = pixelWriter(100, 50);
        nullPen(w);
        solidBrush(w, kBlue);
        w.roundRect(0, 0, 50, 50, 40, 40);
        w.ellipse(50, 0, 100, 50);
        const QImage img = render(w);
        EXPECT_PIXEL(img, 1, 1, kWhite);   // rounded corner
        EXPECT_PIXEL(img, 25, 1, kBlue);
        EXPECT_PIXEL(img, 75, 25, kBlue);
        EXPECT_PIXEL(img, 52, 2, kWhite);
    }

    void pixelsAndPatBlt()
    {
        wmf::Writer w = pixelWriter(30, 30);
        solidBrush(w, kGreen);
        w.patBlt(0, 0, 10, 10, 0x00F00021);  // PATCOPY
        w.patBlt(10, 0, 10, 10, 0x00FF0062); // WHITENESS
        w.patBlt(20, 0, 10, 10, 0x00000042); // BLACKNESS
        w.patBlt(0, 0, 30, 5, 0x00550009);   // DSTINVERT over the top half of all three
        w.setPixel(15, 20, QColor(kRed));
        w.patBltNoBitmap(QRect(0, 25, 5, 5), 0x00F00021);
        const QImage img = render(w);
        EXPECT_PIXEL(img, 5, 7, kGreen);
        EXPECT_PIXEL(img, 5, 2, qRgb(255, 0, 255));
        EXPECT_PIXEL(img, 25, 2, kWhite);
        EXPECT_PIXEL(img, 25, 7, kBlack);
        EXPECT_PIXEL(img, 15, 20, kRed);
        EXPECT_PIXEL(img, 16, 20, kWhite);
        EXPECT_PIXEL(img, 2, 27, kGreen);
    }

    void clipping_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QPoint>("painted");
        QTest::addColumn<QPoint>("clipped");
        auto start = [] {
            wmf::Writer w = pixelWriter(40, 40);
            nullPen(w);
            solidBrush(w, kRed);
            return w;
        };
        {
            wmf::Writer w = start();
            w.intersectClipRect(10, 10, 20, 20);
            w.rectangle(0, 0, 41, 41);
            QTest::newRow("intersect") << w.data() << QPoint(15, 15) << QPoint(25, 25);
        }
        {
            wmf::Writer w = start();
            w.excludeClipRect(10, 10, 20, 20);
            w.rectangle(0, 0, 41, 41);
            QTest::newRow("exclude from everything") << w.data() << QPoint(25, 25) << QPoint(15, 15);
        }
        {
            wmf::Writer w = start();
            w.intersectClipRect(0, 0, 20, 20);
            w.intersectClipRect(10, 10, 40, 40);
            w.rectangle(0, 0, 41, 41);
            QTest::newRow("intersect twice") << w.data() << QPoint(15, 15) << QPoint(5, 5);
        }
        {
            wmf::Writer w = start();
            w.intersectClipRect(0, 0, 10, 10);
            w.offsetClipRgn(20, 20);
            w.rectangle(0, 0, 41, 41);
            QTest::newRow("offset clip") << w.data() << QPoint(25, 25) << QPoint(5, 5);
        }
        {
            wmf::Writer w = start();
            const int rgn = w.createRegion({QRect(30, 0, 10, 10)});
            w.selectClipRegion(rgn);
            w.rectangle(0, 0, 41, 41);
            QTest::newRow("select clip region") << w.data() << QPoint(35, 5) << QPoint(5, 5);
        }
        {
            wmf::Writer w = start();
            w.intersectClipRect(0, 0, 5, 5);
            w.selectClipRegion(99); // no such region: clipping off
            w.rectangle(0, 0, 41, 41);
            QTest::newRow("select missing region resets") << w.data() << QPoint(35, 35) << QPoint(-1, -1);
        }
        {
            wmf::Writer w = start();
            w.setMapMode(wmf::MM_ANISOTROPIC);
            w.setWindowExt(400, 400);
            w.intersectClipRect(0, 0, 100, 100); // device 0..10, fixed from now on
            w.setWindowExt(40, 40);
            w.rectangle(0, 0, 41, 41);
            QTest::newRow("clip stays in device space") << w.data() << QPoint(5, 5) << QPoint(15, 15);
        }
    }

    void clipping()
    {
        QFETCH(QByteArray, file);
        QFETCH(QPoint, painted);
        QFETCH(QPoint, clipped);
        const QImage img = render(file);
        EXPECT_PIXEL(img, painted.x(), painted.y(), kRed);
        if (clipped.x() >= 0)
            EXPECT_PIXEL(img, clipped.x(), clipped.y(), kWhite);
    }

    void regions()
    {
        wmf::Writer w = pixelWriter(40, 40);
        const int rgn = w.createRegion({QRect(0, 0, 20, 20), QRect(20, 20, 20, 20)});
        const int green = w.createBrush(0, QColor(kGreen));
        w.fillRegion(rgn, green);
        const int frame = w.createRegion({QRect(0, 25, 15, 15)});
        const int blue = w.createBrush(0, QColor(kBlue));
        w.frameRegion(frame, blue, 2, 2);
        const QImage img = render(w);
        EXPECT_PIXEL(img, 5, 5, kGreen);
        EXPECT_PIXEL(img, 30, 30, kGreen);
        EXPECT_PIXEL(img, 30, 5, kWhite);
        EXPECT_PIXEL(img, 0, 30, kBlue);
        EXPECT_PIXEL(img, 7, 32, kWhite);

        wmf::Writer inv = pixelWriter(20, 20);
        const int r2 = inv.createRegion({QRect(0, 0, 10, 20)});
        inv.invertRegion(r2);
        const QImage i2 = render(inv);
        EXPECT_PIXEL(i2, 5, 5, kBlack);
        EXPECT_PIXEL(i2, 15, 5, kWhite);
    }

    void floodFillNeedsAndUsesPixels()
    {
        wmf::Writer w = pixelWriter(40, 40);
        const int pen = w.createPen(0, 2, QColor(kBlack));
        w.selectObject(pen);
        const int hollow = w.createBrush(1, Qt::black);
        w.selectObject(hollow);
        w.rectangle(5, 5, 25, 25);
        solidBrush(w, kBlue);
        w.floodFill(15, 15, QColor(kBlack));
        const QImage img = render(w);
        EXPECT_PIXEL(img, 15, 15, kBlue);
        EXPECT_PIXEL(img, 32, 32, kWhite);
        // On a screen with two pixels to the point, as the picture box draws.
        const QImage sharp = render(w.data(), 1.0, Qt::white, QImage::Format_ARGB32_Premultiplied, 2.0);
        QCOMPARE(sharp.size(), QSize(80, 80));
        EXPECT_PIXEL(sharp, 30, 30, kBlue);
        EXPECT_PIXEL(sharp, 44, 44, kBlue);
        EXPECT_PIXEL(sharp, 64, 64, kWhite);
    }
};

QTEST_MAIN(TestWmfRender)
#include "tst_wmf_render.moc"
