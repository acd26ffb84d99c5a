// The direct rasterizer and stroker checked against QPainter, which covers
// pixels the same way (by the exact area a shape covers), and the player's
// direct drawing checked against its QPainter drawing of the same pictures.
#include "pictures.h"
#include "wmf/rasterizer.h"
#include "wmf/stroker.h"
#include "wmftest.h"

#include <QElapsedTimer>
#include <QPainterPath>

using Rule = wmf::Rasterizer::Rule;

namespace {

struct Difference {
    int max = 0;       // largest difference of one channel
    QPoint at;         // where it is
    double mean = 0;   // over all channels of all pixels
};

// Keeps both images of a failed comparison for a look: their names go into the message.
QString keep(const QImage &ours, const QImage &theirs)
{
    const QString base = QDir::temp().filePath(QStringLiteral("tst_wmf_raster-%1").arg(QString::fromUtf8(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'))));
    ours.save(base + QStringLiteral("-ours.png"));
    theirs.save(base + QStringLiteral("-qpainter.png"));
    return base;
}

Difference compare(const QImage &a, const QImage &b)
{
    Difference d;
    if (a.size() != b.size()) {
        d.max = 999;
        return d;
    }
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int c : {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))}) {
                if (c > d.max) {
                    d.max = c;
                    d.at = QPoint(x, y);
                }
                sum += c;
            }
        }
    }
    d.mean = double(sum) / (3.0 * a.width() * a.height());
    return d;
}

QImage canvas(QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    QImage img(64, 64, format);
    img.fill(Qt::white);
    return img;
}

wmf::Contours contours(const QList<QPolygonF> &polys)
{
    wmf::Contours c;
    for (const QPolygonF &p : polys) {
        c.points.insert(c.points.end(), p.begin(), p.end());
        c.close();
    }
    return c;
}

QPolygonF star(QPointF centre, double r)
{
    QPolygonF p;
    for (int k = 0; k < 5; ++k) {
        const double a = -M_PI / 2 + k * 4 * M_PI / 5;
        p << centre + QPointF(std::cos(a), std::sin(a)) * r;
    }
    return p;
}

QPolygonF rect(double l, double t, double r, double b, bool reversed = false)
{
    QPolygonF p{{l, t}, {r, t}, {r, b}, {l, b}};
    if (reversed)
        std::reverse(p.begin(), p.end());
    return p;
}

double distanceToLine(QPointF p, const QPolygonF &line, bool closed)
{
    double best = HUGE_VAL;
    const int n = int(line.size());
    for (int i = 0; i < n; ++i) {
        if (i + 1 == n && !closed)
            break;
        const QPointF a = line[i], d = line[(i + 1) % n] - a;
        const double len2 = QPointF::dotProduct(d, d);
        const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0) : 0.0;
        const QPointF q = a + d * t - p;
        best = std::min(best, std::sqrt(QPointF::dotProduct(q, q)));
    }
    return best;
}

// A round pen's stroke painted by sampling each pixel near its edge 32 x 32 times.
QImage withinDistance(const QPolygonF &line, bool closed, double radius, QImage img, QRgb colour)
{
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const double centre = distanceToLine(QPointF(x + 0.5, y + 0.5), line, closed);
            double cover = centre <= radius - 1 ? 1 : centre >= radius + 1 ? 0 : -1;
            if (cover < 0) {
                int inside = 0;
                for (int i = 0; i < 32; ++i)
                    for (int j = 0; j < 32; ++j)
                        inside += distanceToLine(QPointF(x + (i + 0.5) / 32, y + (j + 0.5) / 32), line, closed) <= radius;
                cover = inside / 1024.0;
            }
            const QRgb d = img.pixel(x, y);
            auto mixChannel = [&](int s, int t) { return int(std::lround(s * cover + t * (1 - cover))); };
            img.setPixel(x, y, qRgb(mixChannel(qRed(colour), qRed(d)), mixChannel(qGreen(colour), qGreen(d)), mixChannel(qBlue(colour), qBlue(d))));
        }
    }
    return img;
}

QImage renderInto(const QByteArray &data, QImage::Format format, double scale, double dpr = 1.0)
{
    return wmftest::render(data, scale, Qt::white, format, dpr).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestRaster : public QObject {
    Q_OBJECT
private slots:
    void fillMatchesQPainter_data()
    {
        QTest::addColumn<QList<QPolygonF>>("shape");
        QTest::addColumn<bool>("winding");
        const QList<QPolygonF> triangle{{{5.3, 4.7}, {50.2, 10.1}, {20.6, 58.9}}};
        QTest::newRow("triangle") << triangle << false;
        QTest::newRow("star, alternate") << QList<QPolygonF>{star({32, 32}, 28)} << false;
        QTest::newRow("star, winding") << QList<QPolygonF>{star({32, 32}, 28)} << true;
        QTest::newRow("frame, alternate") << QList<QPolygonF>{rect(4, 4, 60, 60), rect(20.5, 20.5, 40.5, 40.5)} << false;
        QTest::newRow("frame, winding, hole turned back")
            << QList<QPolygonF>{rect(4, 4, 60, 60), rect(20.5, 20.5, 40.5, 40.5, true)} << true;
        QTest::newRow("overlap, winding") << QList<QPolygonF>{rect(4, 4, 40, 40), rect(20.5, 20.5, 60.5, 60.5)} << true;
        QTest::newRow("fractional rectangle") << QList<QPolygonF>{rect(10.25, 10.5, 40.75, 30.25)} << false;
        QTest::newRow("sliver") << QList<QPolygonF>{{{10, 10}, {10.3, 10}, {10.3, 50}}} << false;
        QTest::newRow("from outside top left") << QList<QPolygonF>{{{-30, -20}, {40, 5}, {10, 70}}} << false;
        QTest::newRow("past right and bottom") << QList<QPolygonF>{{{30, 30}, {200, 40}, {50, 300}}} << false;
        QTest::newRow("wider than the image") << QList<QPolygonF>{{{-500, 10}, {600, 20}, {-400, 50}}} << false;
        QTest::newRow("shallow edges") << QList<QPolygonF>{{{0, 30}, {64, 31.5}, {64, 34}, {0, 32.2}}} << false;
    }
    void fillMatchesQPainter()
    {
        QFETCH(QList<QPolygonF>, shape);
        QFETCH(bool, winding);
        QImage ours = canvas(), theirs = canvas();
        wmf::Rasterizer r;
        r.fill(ours, contours(shape), winding ? Rule::NonZero : Rule::EvenOdd, qRgb(200, 30, 90));
        QPainterPath path;
        for (const QPolygonF &p : shape) {
            path.addPolygon(p);
            path.closeSubpath();
        }
        path.setFillRule(winding ? Qt::WindingFill : Qt::OddEvenFill);
        QPainter p(&theirs);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(path, QColor(200, 30, 90));
        p.end();
        const Difference d = compare(ours, theirs);
        QVERIFY2(d.max <= 8, qPrintable(QStringLiteral("max difference %1").arg(d.max)));
        QVERIFY2(d.mean < 0.1, qPrintable(QStringLiteral("mean difference %1").arg(d.mean)));
    }

    void strokeMatchesQPainter_data()
    {
        QTest::addColumn<QPolygonF>("line");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<double>("width");
        QTest::addColumn<int>("cap");
        QTest::addColumn<int>("join");
        const QPolygonF zigzag{{8, 50}, {20, 12}, {32, 50}, {44, 12}, {56, 50}};
        const QPolygonF bend{{8, 40}, {30, 40.5}, {56, 10}};
        QPolygonF circle;
        for (int k = 0; k < 40; ++k)
            circle << QPointF(32, 32) + QPointF(std::cos(k * M_PI / 20), std::sin(k * M_PI / 20)) * 22;
        QTest::newRow("zigzag, round") << zigzag << false << 6.0 << int(Qt::RoundCap) << int(Qt::RoundJoin);
        QTest::newRow("zigzag, bevel, flat") << zigzag << false << 5.0 << int(Qt::FlatCap) << int(Qt::BevelJoin);
        QTest::newRow("bend, miter, square") << bend << false << 7.0 << int(Qt::SquareCap) << int(Qt::MiterJoin);
        QTest::newRow("square, miter") << rect(12.5, 12.5, 50.5, 44.5) << true << 1.5 << int(Qt::SquareCap) << int(Qt::MiterJoin);
        QTest::newRow("square, round, wide") << rect(14, 14, 50, 50) << true << 9.0 << int(Qt::RoundCap) << int(Qt::RoundJoin);
        QTest::newRow("circle of short segments") << circle << true << 4.0 << int(Qt::RoundCap) << int(Qt::RoundJoin);
        QTest::newRow("circle, pen wider than its radius") << circle << true << 30.0 << int(Qt::RoundCap) << int(Qt::RoundJoin);
        QTest::newRow("there and back") << QPolygonF{{10, 30}, {50, 30}, {20, 30}} << false << 6.0 << int(Qt::RoundCap) << int(Qt::RoundJoin);
        QTest::newRow("repeated points") << QPolygonF{{10, 10}, {10, 10}, {40, 50}, {40, 50}} << false << 5.0 << int(Qt::SquareCap) << int(Qt::RoundJoin);
    }
    void strokeMatchesQPainter()
    {
        QFETCH(QPolygonF, line);
        QFETCH(bool, closed);
        QFETCH(double, width);
        QFETCH(int, cap);
        QFETCH(int, join);
        wmf::StrokeStyle style;
        style.width = width;
        style.cap = Qt::PenCapStyle(cap);
        style.join = Qt::PenJoinStyle(join);
        wmf::Contours pieces;
        wmf::strokePolyline(line.constData(), int(line.size()), closed, style, pieces);
        QImage ours = canvas(), theirs = canvas();
        wmf::Rasterizer().fill(ours, pieces, Rule::NonZero, qRgb(0, 0, 120));
        QPainterPath path;
        path.addPolygon(line);
        if (closed)
            path.closeSubpath();
        if (style.cap == Qt::RoundCap && style.join == Qt::RoundJoin) {
            // Exactly the points within half the width of the line.
            theirs = withinDistance(line, closed, width / 2, theirs, qRgb(0, 0, 120));
        } else {
            // QPainter's own stroke overlaps itself at inner corners, where
            // the overlap darkens edge pixels; its merged outline is exact.
            QPainterPathStroker stroker(QPen(Qt::black, width, Qt::SolidLine, style.cap, style.join));
            QPainter p(&theirs);
            p.setRenderHint(QPainter::Antialiasing);
            p.fillPath(stroker.createStroke(path).simplified(), QColor(0, 0, 120));
        }
        // Joins are approximated within a twentieth of a pixel.
        const Difference d = compare(ours, theirs);
        QVERIFY2(d.max <= 40, qPrintable(QStringLiteral("max difference %1 at %2, %3, see %4").arg(d.max).arg(d.at.x()).arg(d.at.y()).arg(keep(ours, theirs))));
        QVERIFY2(d.mean < 0.5, qPrintable(QStringLiteral("mean difference %1").arg(d.mean)));
    }

    void clipKeepsPixelsOutside()
    {
        QImage whole = canvas(), clipped = canvas();
        const wmf::Contours disc = contours({star({32, 32}, 30)});
        wmf::Rasterizer r;
        r.fill(whole, disc, Rule::NonZero, qRgb(0, 128, 0));
        const std::vector<QRect> clip{QRect(0, 0, 20, 64), QRect(40, 30, 24, 10)};
        r.setClip(clip);
        r.fill(clipped, disc, Rule::NonZero, qRgb(0, 128, 0));
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const bool inside = std::any_of(clip.begin(), clip.end(), [&](const QRect &c) { return c.contains(x, y); });
                const QRgb expected = inside ? whole.pixel(x, y) : qRgb(255, 255, 255);
                QVERIFY2(clipped.pixel(x, y) == expected, qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
            }
        }
        r.setClip({});
        QImage none = canvas();
        r.fill(none, disc, Rule::NonZero, qRgb(0, 0, 0));
        QCOMPARE(none, canvas());
    }

    void hostileOutlinesFinish_data()
    {
        QTest::addColumn<QList<QPolygonF>>("shape");
        QPolygonF zigzag; // as many sharp corners as a record can hold, in one pixel
        for (int i = 0; i < 65535; ++i)
            zigzag << QPointF(20 + (i % 2) * 0.9, 20 + (i % 3) * 0.4);
        QTest::newRow("65535 corners in one pixel") << QList<QPolygonF>{zigzag};
        QTest::newRow("a million edges in one pixel") << QList<QPolygonF>(16, zigzag);
        QTest::newRow("not a number") << QList<QPolygonF>{{{qQNaN(), 5}, {40, 40}, {5, qInf()}, {10, 50}}};
        QTest::newRow("astronomic") << QList<QPolygonF>{{{-1e300, -1e300}, {1e300, 0}, {0, 1e300}}};
        QTest::newRow("empty contour") << QList<QPolygonF>{QPolygonF()};
    }
    void hostileOutlinesFinish()
    {
        QFETCH(QList<QPolygonF>, shape);
        QImage img = canvas();
        QElapsedTimer timer;
        timer.start();
        wmf::Rasterizer().fill(img, contours(shape), Rule::NonZero, qRgb(0, 0, 0));
        QVERIFY(timer.elapsed() < 1000);
        if (shape.size() == 1) {
            wmf::Contours pieces;
            wmf::strokePolyline(shape[0].constData(), int(shape[0].size()), false, wmf::StrokeStyle{3, Qt::RoundCap, Qt::RoundJoin, 10}, pieces);
            wmf::Rasterizer().fill(img, pieces, Rule::NonZero, qRgb(0, 0, 0));
            QVERIFY(timer.elapsed() < 1000);
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
        wmf::Writer w = wmftest::pixelWriter(60, 60);
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
        const QImage direct = renderInto(data, QImage::Format_ARGB32_Premultiplied, scale, dpr);
        const QImage painted = renderInto(data, QImage::Format_ARGB32, scale, dpr);
        QVERIFY(!direct.isNull());
        const Difference d = compare(direct, painted);
        QVERIFY2(d.max <= 100, qPrintable(QStringLiteral("max difference %1 at %2, %3, see %4").arg(d.max).arg(d.at.x()).arg(d.at.y()).arg(keep(direct, painted))));
        QVERIFY2(d.mean < 0.3, qPrintable(QStringLiteral("mean difference %1, see %2").arg(d.mean).arg(keep(direct, painted))));
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
        const Difference d = compare(img.convertToFormat(QImage::Format_RGB32), renderInto(data, QImage::Format_ARGB32_Premultiplied, 1.0));
        QVERIFY2(d.max <= 100 && d.mean < 0.3, qPrintable(QStringLiteral("max %1, mean %2").arg(d.max).arg(d.mean)));
    }
};

QTEST_MAIN(TestRaster)
#include "tst_wmf_raster.moc"
