// The sample pictures: all there, real metafiles, sensible size, fully understood.
#include "wmftest.h"

#include "wmf/parser.h"
#include "wmf/player.h"
#include "pictures.h"

#include <QDir>
#include <QElapsedTimer>

using namespace wmftest;

class TestWmfSamples : public QObject {
    Q_OBJECT

private slots:
    void committedFilesMatchTheGenerator_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("data");
        for (const samples::Picture &p : samples::pictures())
            QTest::newRow(qPrintable(p.fileName)) << p.fileName << p.data;
    }

    void committedFilesMatchTheGenerator()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, data);
        const QString dir = qEnvironmentVariable("REVAZE_SOURCE_DIR", QStringLiteral(REVAZE_SOURCE_DIR_FALLBACK)) + "/samples";
        QFile f(QDir(dir).filePath(name));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        QCOMPARE(f.readAll(), data);
    }

    void picturesDrawCleanly_data() { committedFilesMatchTheGenerator_data(); }

    void picturesDrawCleanly()
    {
        QFETCH(QByteArray, data);
        wmf::ParsedMetafile mf;
        QString error;
        QVERIFY2(wmf::Parser::parse(data, &mf, &error), qPrintable(error));
        QVERIFY(mf.placeable.present);
        QVERIFY(mf.warnings.isEmpty());
        const QSize natural = wmf::computeFrame(mf).natural;
        QVERIFY(natural.width() >= 250 && natural.width() <= 320);
        QVERIFY(natural.height() >= 250 && natural.height() <= 440);

        QImage img(natural, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        wmf::Player player(mf, p);
        QElapsedTimer t;
        t.start();
        player.play();
        p.end();
        QVERIFY(t.elapsed() < 500);
        QCOMPARE(player.stats().unknown, 0);
        QCOMPARE(player.stats().invalid, 0);
        // the picture covers its box and is colourful
        int transparent = 0;
        QSet<QRgb> colours;
        for (int y = 0; y < img.height(); y += 3)
            for (int x = 0; x < img.width(); x += 3) {
                transparent += qAlpha(img.pixel(x, y)) == 0;
                colours.insert(img.pixel(x, y) & 0xF0F0F0);
            }
        QCOMPARE(transparent, 0);
        QVERIFY(colours.size() >= 6);
    }

    void clipArtFixtureIsBusy()
    {
        const QByteArray data = samples::clipArt(2000);
        wmf::ParsedMetafile mf;
        QVERIFY(wmf::Parser::parse(data, &mf, nullptr));
        QVERIFY(mf.records.size() >= 1990 && mf.records.size() <= 2010);
        const QImage img = render(data);
        QCOMPARE(img.size(), QSize(320, 320));
    }
};

QTEST_MAIN(TestWmfSamples)
#include "tst_wmf_samples.moc"
