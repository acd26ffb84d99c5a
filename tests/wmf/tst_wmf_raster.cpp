// Pixels against references made another way: the direct rasterizer and
// stroker against QPainter, which covers pixels the same way (by the exact
// area a shape covers); the player's direct drawing against its QPainter
// drawing of the same pictures; the sample pictures; and metafiles written
// by other programs (Inkscape, LibreOffice) against the images independent
// renderers make of them (see data/producers/README.md).
#include "pictures.h"
#include "wmf/player.h"
#include "wmf/rasterizer.h"
#include "wmf/stroker.h"
#include "wmftest.h"

#include <QDir>
#include <QPainterPath>

using namespace wmftest;
using Rule = wmf::Rasterizer::Rule;
using Shape = QList<QPolygonF>;

namespace {

QImage canvas()
{
    QImage img(64, 64, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    return img;
}

wmf::Contours contours(const Shape &polys)
{
    wmf::Contours c;
    for (const QPolygonF &p : polys) {
        c.points.insert(c.points.end(), p.begin(), p.end());
        c.close();
    }
    return c;
}

QPolygonF rect(double l, double t, double r, double b) { return QPolygonF{{l, t}, {r, t}, {r, b}, {l, b}}; }

double distanceToLine(QPointF p, const QPolygonF &line, bool closed)
{
    double best = HUGE_VAL;
    const int n = int(line.size());
    for (int i = 0; i < n - !closed; ++i) {
        const QPointF a = line[i], d = line[(i + 1) % n] - a;
        const double len2 = QPointF::dotProduct(d, d);
        const QPointF q = a + d * (len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0) : 0.0) - p;
        best = std::min(best, std::hypot(q.x(), q.y()));
    }
    return best;
}

// A round pen's stroke painted by sampling each pixel near its edge 32 x 32 times.
QImage withinDistance(const QPolygonF &line, bool closed, double radius, QRgb colour)
{
    QImage img = canvas();
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const double centre = distanceToLine(QPointF(x + 0.5, y + 0.5), line, closed);
            double cover = centre <= radius - 1 ? 1 : 0;
            if (std::abs(centre - radius) < 1) {
                int inside = 0;
                for (int i = 0; i < 32 * 32; ++i)
                    inside += distanceToLine(QPointF(x + (i % 32 + 0.5) / 32, y + (i / 32 + 0.5) / 32), line, closed) <= radius;
                cover = inside / 1024.0;
            }
            auto mix = [&](int c) { return int(std::lround(255 - (255 - c) * cover)); }; // over white
            img.setPixel(x, y, qRgb(mix(qRed(colour)), mix(qGreen(colour)), mix(qBlue(colour))));
        }
    }
    return img;
}

// No pixel further off than worst, and at most a share of them off by more than a little.
#define EXPECT_CLOSE(a, b, worst, little, share)                                                               \
    QVERIFY2(differing((a), (b), (worst)) == 0 && differing((a), (b), (little)) <= (share),                    \
             qPrintable(QStringLiteral("%1 of the pixels off by more than %2, %3 by more than %4")              \
                            .arg(differing((a), (b), (worst))).arg(worst).arg(differing((a), (b), (little))).arg(little)))

} // namespace

Q_DECLARE_METATYPE(wmf::StrokeStyle)

class TestRaster : public QObject {
    Q_OBJECT
private slots:
    // Fills (width 0) and strokes of outlines.
    void matchesQPainter_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<bool>("windingOrClosed");
        QTest::addColumn<wmf::StrokeStyle>("pen"); // width 0: a fill
        auto fill = [](const char *name, const Shape &shape, bool winding = false) {
            QTest::newRow(name) << shape << winding << wmf::StrokeStyle{0, Qt::FlatCap, Qt::BevelJoin, 10};
        };
        fill("triangle", {{{5.3, 4.7}, {50.2, 10.1}, {20.6, 58.9}}});
        const QPolygonF star{{32, 4}, {48.46, 54.65}, {5.37, 23.35}, {58.63, 23.35}, {15.54, 54.65}};
        fill("star, alternate", {star});
        fill("star, winding", {star}, true);
        fill("frame, alternate", {rect(4, 4, 60, 60), rect(20.5, 20.5, 40.5, 40.5)});
        fill("frame, winding, hole turned back", {rect(4, 4, 60, 60), rect(20.5, 40.5, 40.5, 20.5)}, true);
        fill("overlap, winding", {rect(4, 4, 40, 40), rect(20.5, 20.5, 60.5, 60.5)}, true);
        fill("fractional rectangle", {rect(10.25, 10.5, 40.75, 30.25)});
        fill("sliver", {{{10, 10}, {10.3, 10}, {10.3, 50}}});
        fill("from outside top left", {{{-30, -20}, {40, 5}, {10, 70}}});
        fill("past right and bottom", {{{30, 30}, {200, 40}, {50, 300}}});
        fill("wider than the image", {{{-500, 10}, {600, 20}, {-400, 50}}});
        fill("shallow edges", {{{0, 30}, {64, 31.5}, {64, 34}, {0, 32.2}}});
        auto stroke = [](const char *name, const QPolygonF &line, bool closed, double width, Qt::PenCapStyle cap,
                         Qt::PenJoinStyle join) { QTest::newRow(name) << Shape{line} << closed << wmf::StrokeStyle{width, cap, join, 10}; };
        const QPolygonF zigzag{{8, 50}, {20, 12}, {32, 50}, {44, 12}, {56, 50}};
        QPolygonF circle;
        for (int k = 0; k < 40; ++k)
            circle << QPointF(32, 32) + QPointF(std::cos(k * M_PI / 20), std::sin(k * M_PI / 20)) * 22;
        const auto round = Qt::RoundCap, flat = Qt::FlatCap, square = Qt::SquareCap;
        stroke("zigzag, round", zigzag, false, 6, round, Qt::RoundJoin);
        stroke("zigzag, bevel, flat", zigzag, false, 5, flat, Qt::BevelJoin);
        stroke("bend, miter, square", {{8, 40}, {30, 40.5}, {56, 10}}, false, 7, square, Qt::MiterJoin);
        stroke("square, miter", rect(12.5, 12.5, 50.5, 44.5), true, 1.5, square, Qt::MiterJoin);
        stroke("square, round, wide", rect(14, 14, 50, 50), true, 9, round, Qt::RoundJoin);
        stroke("circle of short segments", circle, true, 4, round, Qt::RoundJoin);
        stroke("circle, pen wider than its radius", circle, true, 30, round, Qt::RoundJoin);
        stroke("there and back", {{10, 30}, {50, 30}, {20, 30}}, false, 6, round, Qt::RoundJoin);
        stroke("repeated points", {{10, 10}, {10, 10}, {40, 50}, {40, 50}}, false, 5, square, Qt::RoundJoin);
    }

    void matchesQPainter()
    {
        QFETCH(Shape, shape);
        QFETCH(bool, windingOrClosed);
        QFETCH(wmf::StrokeStyle, pen);
        const double width = pen.width;
        const QRgb colour = qRgb(200, 30, 90);
        QImage ours = canvas(), theirs = canvas();
        QPainterPath path;
        for (const QPolygonF &p : shape) {
            path.addPolygon(p);
            if (width == 0 || windingOrClosed)
                path.closeSubpath();
        }
        QPainter p(&theirs);
        p.setRenderHint(QPainter::Antialiasing);
        if (width == 0) {
            wmf::Rasterizer().fill(ours, contours(shape), windingOrClosed ? Rule::NonZero : Rule::EvenOdd, colour);
            path.setFillRule(windingOrClosed ? Qt::WindingFill : Qt::OddEvenFill);
            p.fillPath(path, QColor(colour));
            p.end();
            EXPECT_CLOSE(ours, theirs, 8, 4, 0.0);
            return;
        }
        wmf::Contours pieces;
        wmf::strokePolyline(shape[0].constData(), int(shape[0].size()), windingOrClosed, pen, pieces);
        wmf::Rasterizer().fill(ours, pieces, Rule::NonZero, colour);
        if (pen.cap == Qt::RoundCap && pen.join == Qt::RoundJoin) {
            p.end(); // exactly the points within half the width of the line
            theirs = withinDistance(shape[0], windingOrClosed, width / 2, colour);
        } else { // QPainter's own stroke overlaps itself at inner corners; its merged outline is exact
            QPainterPathStroker stroker(QPen(Qt::black, width, Qt::SolidLine, pen.cap, pen.join));
            p.fillPath(stroker.createStroke(path).simplified(), QColor(colour));
            p.end();
        }
        EXPECT_CLOSE(ours, theirs, 40, 4, 0.01); // joins are approximated within a twentieth of a pixel
    }

    // Rows that a clip cuts in pieces go span by span through it, edges included.
    void clipInPieces()
    {
        const std::vector<QRect> clip{{0, 0, 64, 20}, {0, 20, 25, 20}, {40, 20, 24, 20}, {0, 40, 64, 24}};
        const QPolygonF triangle{{5.3, 4.7}, {60.2, 10.1}, {20.6, 58.9}};
        const QRgb colour = qRgb(200, 30, 90);
        QImage ours = canvas(), theirs = canvas();
        wmf::Rasterizer raster;
        raster.setClip(clip);
        raster.fill(ours, contours({triangle}), Rule::EvenOdd, colour);
        QRegion region;
        region.setRects(clip.data(), int(clip.size()));
        QPainter p(&theirs);
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipRegion(region);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(colour));
        p.drawPolygon(triangle);
        p.end();
        EXPECT_CLOSE(ours, theirs, 8, 4, 0.0);
    }

    // Hostile outlines finish without harm (the test's time limit catches a hang).
    void hostileOutlines_data()
    {
        QTest::addColumn<Shape>("shape");
        QPolygonF zigzag; // as many sharp corners as a record can hold, in one pixel
        for (int i = 0; i < 65535; ++i)
            zigzag << QPointF(20 + (i % 2) * 0.9, 20 + (i % 3) * 0.4);
        QTest::newRow("65535 corners in one pixel") << Shape{zigzag};
        QTest::newRow("a million edges in one pixel") << Shape(16, zigzag);
        QTest::newRow("not a number") << Shape{{{qQNaN(), 5}, {40, 40}, {5, qInf()}, {10, 50}}};
        QTest::newRow("finite, then not a number") << Shape{{{10, 10}, {40, qQNaN()}, {20, 50}}};
        QTest::newRow("astronomic") << Shape{{{-1e300, -1e300}, {1e300, 0}, {0, 1e300}}};
        QTest::newRow("empty contour") << Shape{QPolygonF()};
    }
    void hostileOutlines()
    {
        QFETCH(Shape, shape);
        QImage img = canvas();
        wmf::Rasterizer().fill(img, contours(shape), Rule::NonZero, qRgb(0, 0, 0));
        wmf::Contours pieces;
        wmf::strokePolyline(shape[0].constData(), int(shape[0].size()), false, {3, Qt::RoundCap, Qt::RoundJoin, 10}, pieces);
        wmf::Rasterizer().fill(img, pieces, Rule::NonZero, qRgb(0, 0, 0));
        for (double width : {0.0, -3.0}) { // a pen of no width outlines nothing
            wmf::Contours none;
            wmf::strokePolyline(shape[0].constData(), int(shape[0].size()), false, {width, Qt::RoundCap, Qt::RoundJoin, 10}, none);
            QVERIFY(none.isEmpty());
        }
    }

    // The player draws solid shapes straight into premultiplied images and
    // leaves other formats to QPainter: both must show the same picture.
    void directDrawingMatchesQPainter_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("dpr");
        for (const samples::Picture &p : samples::pictures())
            QTest::newRow(qPrintable(p.fileName)) << p.data << 1.0 << 1.0;
        QTest::newRow("clip art") << samples::clipArt() << 1.0 << 1.0;
        QTest::newRow("clip art, scaled") << samples::clipArt() << 2.0 << 1.0;
        QTest::newRow("clip art, dense screen") << samples::clipArt() << 1.0 << 1.5;
        wmf::Writer w = pixelWriter(60, 60);
        w.selectObject(w.createBrush(0, QColor(250, 0, 0)));
        w.selectObject(w.createPen(0, 6, QColor(0, 0, 200)));
        w.setPolyFillMode(2);
        w.polygon(QPolygon({{5, 5}, {55, 10}, {30, 55}, {30, 3}, {8, 50}}));
        w.intersectClipRect(10, 10, 50, 40);
        w.excludeClipRect(20, 20, 30, 30);
        w.ellipse(0, 0, 60, 60);
        QTest::newRow("winding fill, clipped with a hole") << w.data() << 1.0 << 1.0;
    }
    void directDrawingMatchesQPainter()
    {
        QFETCH(QByteArray, data);
        QFETCH(double, scale);
        QFETCH(double, dpr);
        const QImage direct = render(data, scale, QImage::Format_ARGB32_Premultiplied, dpr);
        const QImage painted = render(data, scale, QImage::Format_ARGB32, dpr);
        EXPECT_CLOSE(direct.convertToFormat(QImage::Format_RGB32), painted.convertToFormat(QImage::Format_RGB32), 100, 16, 0.01);
    }

    // With a copy of the image taken while painting, drawing straight into
    // it would part the two buffers, and what QPainter draws later (text,
    // bitmaps) would miss the image: it must all land in one.
    void sharedImageGetsEverything()
    {
        const QByteArray data = samples::clipArt(300);
        wmf::Metafile mf;
        QVERIFY(mf.load(data));
        QImage img(mf.naturalSize(), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::white);
        QPainter p(&img);
        const QImage copy = img;
        mf.render(p);
        p.end();
        EXPECT_CLOSE(img, render(data), 100, 16, 0.01);
    }

    void samples_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("data");
        for (const samples::Picture &p : samples::pictures())
            QTest::newRow(qPrintable(p.fileName)) << p.fileName << p.data;
    }

    // Committed as generated, fully understood, and drawn all over in many colours.
    void samples()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, data);
        QCOMPARE(readFile(sourcePath(QStringLiteral("samples/") + name)), data);
        wmf::ParsedMetafile mf;
        QString error;
        QVERIFY2(wmf::Parser::parse(data, &mf, &error), qPrintable(error));
        QVERIFY(mf.placeable.present && mf.warnings.isEmpty());
        const QSize natural = wmf::computeFrame(mf).natural;
        QVERIFY(natural.width() >= 250 && natural.width() <= 320 && natural.height() >= 250 && natural.height() <= 440);
        QImage img(natural, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        wmf::Player player(mf, p);
        player.play();
        p.end();
        QCOMPARE(player.stats().unknown, 0);
        QCOMPARE(player.stats().invalid, 0);
        QSet<QRgb> colours;
        for (int y = 0; y < img.height(); y += 3)
            for (int x = 0; x < img.width(); x += 3)
                colours.insert(qAlpha(img.pixel(x, y)) ? img.pixel(x, y) & 0xF0F0F0 : 1); // 1: a pixel left empty
        QVERIFY(!colours.contains(1) && colours.size() >= 6);
    }

    // Smaller than natural size, a picture looks like its natural-size image
    // scaled down, whatever its records do with the pixels they draw on.
    void smallerLooksScaledDown_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<double>("scale");
        QList<std::pair<QString, QByteArray>> files;
        for (const samples::Picture &p : samples::pictures())
            files.append({p.fileName, p.data});
        const QDir producers(sourcePath(QStringLiteral("tests/wmf/data/producers")));
        for (const QString &name : producers.entryList({QStringLiteral("*.wmf")}, QDir::Files))
            files.append({name, readFile(producers.filePath(name))});
        for (const auto &[name, data] : files)
            for (double scale : {0.5, 0.75})
                QTest::addRow("%s at %g", qPrintable(name), scale) << data << scale;
    }

    void smallerLooksScaledDown()
    {
        QFETCH(QByteArray, data);
        QFETCH(double, scale);
        const QImage small = render(data, scale), natural = render(data);
        EXPECT_CLOSE(small, natural.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 24, 8, 0.0);
    }

    void producers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("limit"); // share of pixels that differ clearly
        // Shapes, lines and arcs: only anti-aliased edges may differ.
        for (const char *name : {"01_shapes.inkscape", "01_shapes.libreoffice", "03_strokes.libreoffice",
                                 "09_clip_transforms.libreoffice", "10_scene_house.inkscape", "10_scene_house.libreoffice",
                                 "11_scene_fruit.inkscape", "12_arcs.inkscape", "12_arcs.libreoffice"})
            QTest::newRow(name) << QString::fromLatin1(name) << 0.005;
        // Inkscape's reader dashes the wide dashed pens that GDI, and this
        // player, draw solid: those lines are the 1.2 % that differ.
        QTest::newRow("03_strokes.inkscape") << QStringLiteral("03_strokes.inkscape") << 0.013;
        // Text: the same fonts, but each renderer hints and places glyphs its
        // own way. A wrong typeface makes about a tenth of these pixels differ.
        for (const char *name : {"04_text_fonts.libreoffice", "05_text_rotated_umlaut.inkscape-text",
                                 "05_text_rotated_umlaut.libreoffice"})
            QTest::newRow(name) << QString::fromLatin1(name) << 0.06;
    }

    void producers()
    {
        QFETCH(QString, name);
        QFETCH(double, limit);
        const QString dir = sourcePath(QStringLiteral("tests/wmf/data/producers/"));
        const QImage reference(dir + QStringLiteral("reference/") + name + QStringLiteral(".png"));
        QVERIFY(!reference.isNull());
        QImage onWhite(reference.size(), QImage::Format_RGB32);
        onWhite.fill(Qt::white);
        QPainter(&onWhite).drawImage(0, 0, reference);
        const double share = differing(render(readFile(dir + name + QStringLiteral(".wmf"))), onWhite, 63);
        qInfo("%s: %.3f %% of the pixels differ clearly", qPrintable(name), 100 * share);
        QVERIFY2(share <= limit, qPrintable(QStringLiteral("%1 % differ").arg(100 * share))); // 100 %: sizes differ
    }
};

QTEST_MAIN(TestRaster)
#include "tst_wmf_raster.moc"
