// Metafiles written by other programs (Inkscape, LibreOffice) drawn as
// other renderers draw them: each file's reference image comes from an
// independent renderer (see data/producers/README.md), so these checks do
// not just repeat this player's own earlier output.
#include "wmftest.h"

#include <QDir>
#include <QFile>

namespace {

QString producersDir()
{
    return qEnvironmentVariable("REVAZE_SOURCE_DIR", QStringLiteral(REVAZE_SOURCE_DIR_FALLBACK))
           + QStringLiteral("/tests/wmf/data/producers");
}

// Share of pixels where some channel differs by a quarter of its range or more.
double clearlyDifferent(const QImage &a, const QImage &b)
{
    qint64 count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            count += d >= 64;
        }
    }
    return double(count) / (double(a.width()) * a.height());
}

} // namespace

class TestProducers : public QObject {
    Q_OBJECT
private slots:
    void looksLikeAnotherRenderer_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("limit"); // share of clearly different pixels
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
        for (const char *name : {"04_text_fonts.libreoffice", "05_text_rotated_umlaut.inkscape-text", "05_text_rotated_umlaut.libreoffice"})
            QTest::newRow(name) << QString::fromLatin1(name) << 0.06;
    }
    void looksLikeAnotherRenderer()
    {
        QFETCH(QString, name);
        QFETCH(double, limit);
        const QDir dir(producersDir());
        QFile file(dir.filePath(name + QStringLiteral(".wmf")));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QImage reference(dir.filePath(QStringLiteral("reference/") + name + QStringLiteral(".png")));
        QVERIFY(!reference.isNull());
        QImage onWhite(reference.size(), QImage::Format_RGB32);
        onWhite.fill(Qt::white);
        QPainter(&onWhite).drawImage(0, 0, reference);
        const QImage ours = wmftest::render(file.readAll());
        QCOMPARE(ours.size(), reference.size()); // the natural size agrees too
        const double share = clearlyDifferent(ours, onWhite);
        qInfo("%s: %.3f %% of the pixels differ clearly", qPrintable(name), 100 * share);
        QVERIFY2(share <= limit, qPrintable(QStringLiteral("%1 % differ").arg(100 * share)));
    }
};

QTEST_MAIN(TestProducers)
#include "tst_wmf_producers.moc"
