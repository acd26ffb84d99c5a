// Pictures of every common kind become task pictures that the player draws
// as the source looked; bad and hostile files are refused.
#include "pictureimport/pictureimport.h"
#include "testcore.h"
#include "wmf/parser.h"
#include "wmftest.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QtTest>

using pictureimport::Importer;
using pictureimport::Result;

namespace {

// Four coloured quarters: shows scaling, flips and swapped channels.
QImage quarters(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    const int w = size.width() / 2, h = size.height() / 2;
    p.fillRect(0, 0, w, h, QColor(220, 30, 30));
    p.fillRect(w, 0, size.width() - w, h, QColor(30, 160, 40));
    p.fillRect(0, h, w, size.height() - h, QColor(30, 40, 200));
    p.fillRect(w, h, size.width() - w, size.height() - h, QColor(240, 220, 40));
    return img;
}

QByteArray encoded(const QImage &img, const char *format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    writer.write(img);
    return buffer.data();
}

// A PNG that declares any size: the header of a small one with IHDR patched.
QByteArray pngDeclaring(quint32 width, quint32 height)
{
    QByteArray png = encoded(quarters(QSize(8, 8)), "png");
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = char(width >> (24 - 8 * i));
        png[20 + i] = char(height >> (24 - 8 * i));
    }
    quint32 crc = 0xFFFFFFFF; // over "IHDR" and its 13 bytes
    for (int i = 12; i < 29; ++i) {
        crc ^= quint8(png[i]);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    crc = ~crc;
    for (int i = 0; i < 4; ++i)
        png[29 + i] = char(crc >> (24 - 8 * i));
    return png;
}

// A file of these bytes, imported into `target`.
Result importInto(const testing::TaskFolder &target, const QString &file, const QByteArray &data,
                  testing::MessageScript &messages)
{
    testing::TaskFolder source;
    source.write(file, data);
    return Importer(target.dir(), messages.ask()).importFile(source.filePath(file));
}

} // namespace

class TestPictureImport : public QObject {
    Q_OBJECT
private slots:
    void comesBackAsItWas_data()
    {
        // shown: the natural size, which fits the trainer's picture box;
        // pixels: the bitmap's, up to twice as many each way
        testing::columns<QString, QByteArray, QSize, QSize, int>("file", "data", "shown", "pixels", "tolerance");
        const QImage small = quarters(QSize(60, 40));
        QTest::newRow("PNG") << "haus.png" << encoded(small, "png") << QSize(60, 40) << QSize(60, 40) << 0;
        QTest::newRow("BMP") << "Haus.bmp" << encoded(small, "bmp") << QSize(60, 40) << QSize(60, 40) << 0;
        QFile gif(QFINDTESTDATA("data/quarters.gif")); // Qt reads GIF but does not write it
        QVERIFY(gif.open(QIODevice::ReadOnly));
        QTest::newRow("GIF") << "haus.gif" << gif.readAll() << QSize(60, 40) << QSize(60, 40) << 8;
        QTest::newRow("JPEG") << "haus.jpeg" << encoded(quarters(QSize(240, 160)), "jpg") << QSize(240, 160)
                              << QSize(240, 160) << 40;
        QTest::newRow("wide photo: scaled down") << "haus.jpg" << encoded(quarters(QSize(4000, 3000)), "jpg")
                                                 << QSize(321, 240) << QSize(642, 481) << 40;
        QTest::newRow("tall drawing: scaled down") << "haus.png" << encoded(quarters(QSize(300, 1764)), "png")
                                                   << QSize(75, 441) << QSize(150, 882) << 40;
        QTest::newRow("between the two sizes") << "haus.png" << encoded(quarters(QSize(500, 400)), "png")
                                               << QSize(321, 256) << QSize(500, 400) << 40;
        QTest::newRow("SVG") << "haus.svg"
                             << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='60' height='40'>"
                                           "<rect width='30' height='20' fill='#dc1e1e'/><rect x='30' width='30' height='20' fill='#1ea028'/>"
                                           "<rect y='20' width='30' height='20' fill='#1e28c8'/><rect x='30' y='20' width='30' height='20' fill='#f0dc28'/></svg>")
                             << QSize(60, 40) << QSize(60, 40) << 0;
    }
    void comesBackAsItWas()
    {
        const auto [file, data, shown, pixels, tolerance] =
            testing::fetch<QString, QByteArray, QSize, QSize, int>("file", "data", "shown", "pixels", "tolerance");
        testing::TaskFolder target;
        testing::MessageScript messages;
        const Result result = importInto(target, file, data, messages);
        QVERIFY2(result.ok(), qPrintable(result.message));
        QCOMPARE(result.fileName, QString("HAUS.WMF"));
        QCOMPARE(target.files(), QStringList{"HAUS.WMF"});
        const QByteArray wmf = target.read("HAUS.WMF");
        // One bitmap stretched over a placeable frame of the shown size.
        wmf::Metafile mf;
        QVERIFY(mf.load(wmf));
        QCOMPARE(mf.naturalSize(), shown);
        QList<QSize> bitmaps;
        for (const wmf::Record &r : mf.parsed()->records) {
            if (r.function == 0x0B41) // META_DIBSTRETCHBLT: its source is the whole bitmap
                bitmaps.append(QSize(r.i16(3), r.i16(2)));
        }
        QCOMPARE(bitmaps, QList<QSize>{pixels});
        const QImage back = wmftest::render(wmf);
        // Only the seams of the quarters may blur (JPEG, scaling).
        QVERIFY(wmftest::differing(back, quarters(shown), tolerance) < 0.03);
        QVERIFY(messages.shown().isEmpty());
    }

    void metafileCopiedAsItIs()
    {
        testing::TaskFolder target;
        const QByteArray wmf = pictureimport::bitmapMetafile(quarters(QSize(10, 10)));
        testing::MessageScript messages;
        QVERIFY(importInto(target, "Ball.wmf", wmf, messages).ok());
        QCOMPARE(target.read("BALL.WMF"), wmf);
    }

    void names_data()
    {
        testing::columns<QString, QString, QString>("name", "stored", "error");
        QTest::newRow("capitals") << "Bär" << "BÄR.WMF" << "";
        QTest::newRow("dots inside stay") << "foto.2024" << "FOTO.2024.WMF" << "";
        QTest::newRow("not in the code page") << "Ωmega ☺" << "" << "Ω☺";
        QTest::newRow("empty") << " " << "" << "Namen";
        QTest::newRow("a folder") << "a/b" << "" << "/";
    }
    void names()
    {
        const auto [name, stored, error] = testing::fetch<QString, QString, QString>("name", "stored", "error");
        QString reason;
        QCOMPARE(pictureimport::storedName(name, &reason), stored);
        QVERIFY2(reason.contains(error), qPrintable(reason));
    }

    void replacingAsksFirst_data()
    {
        QTest::addColumn<ui::Answer>("answer");
        QTest::newRow("Ja replaces") << ui::Answer::Yes;
        QTest::newRow("Nein keeps") << ui::Answer::No;
    }
    void replacingAsksFirst()
    {
        QFETCH(ui::Answer, answer);
        testing::TaskFolder target;
        target.write("Haus.wmf", "alt");
        testing::MessageScript messages;
        messages.answer({answer});
        const Result result = Importer(target.dir(), messages.ask()).importImage(quarters(QSize(8, 8)), "haus");
        QCOMPARE(messages.shown().size(), 1);
        QVERIFY(messages.texts().first().contains("Haus.wmf"));
        QCOMPARE(result.ok(), answer == ui::Answer::Yes);
        QCOMPARE(target.files(), QStringList{"Haus.wmf"}); // the name it had, in its letter case
        QCOMPARE(target.read("Haus.wmf") == "alt", answer == ui::Answer::No);
    }

    void emptyClipboardRefused()
    {
        testing::TaskFolder target;
        testing::MessageScript messages;
        const Result result = Importer(target.dir(), messages.ask()).importImage(QImage(), "Hund");
        QCOMPARE(result.status, Result::Failed);
        QVERIFY(result.message.contains("kein Bild"));
        QVERIFY(target.files().isEmpty());
    }

    void refused_data()
    {
        testing::columns<QString, QByteArray, QString>("file", "data", "reason");
        QTest::newRow("text") << "brief.png" << QByteArray("Liebe Oma,") << "kein Bild";
        QTest::newRow("broken metafile") << "alt.wmf" << QByteArray("\xd7\xcd\xc6\x9a", 4) + QByteArray(30, '\0') << "kein Bild";
        QTest::newRow("picture bomb") << "bombe.png" << pngDeclaring(50000, 50000) << "zu groß";
        QTest::newRow("name not in the code page") << "Ωmega.png" << encoded(quarters(QSize(8, 8)), "png") << "Ω";
    }
    void refused()
    {
        const auto [file, data, reason] = testing::fetch<QString, QByteArray, QString>("file", "data", "reason");
        testing::TaskFolder target;
        testing::MessageScript messages;
        const Result result = importInto(target, file, data, messages);
        QCOMPARE(result.status, Result::Failed);
        QVERIFY2(result.message.contains(reason), qPrintable(result.message));
        QVERIFY(target.files().isEmpty());
    }
};

QTEST_MAIN(TestPictureImport)
#include "tst_pictureimport.moc"
