// Headers, natural size, record framing and the rules for damaged files.
#include "wmftest.h"

#include "wmf/fonts.h"
#include "wmf/parser.h"
#include "wmf/player.h"
#include "wmf/records.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>

using namespace wmftest;

namespace {

QByteArray le16(int v)
{
    QByteArray b;
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
    return b;
}

QByteArray le32(quint32 v) { return le16(int(v & 0xFFFF)) + le16(int(v >> 16)); }

// One red rectangle, used as the "good part" before damage.
wmf::Writer redRectangle()
{
    wmf::Writer w = pixelWriter(50, 50);
    const int b = w.createBrush(0, Qt::red);
    w.selectObject(b);
    w.rectangle(10, 10, 40, 40);
    return w;
}

QByteArray withoutEof(const QByteArray &file) { return file.left(file.size() - 6); }

} // namespace

class TestWmfParser : public QObject {
    Q_OBJECT

private slots:
    void placeableHeader()
    {
        wmf::Writer w;
        w.setBounds(QRect(-100, 50, 2880, 1440), 1440);
        wmf::ParsedMetafile p;
        QString error;
        QVERIFY(wmf::Parser::parse(w.data(), &p, &error));
        QVERIFY(p.placeable.present);
        QCOMPARE(p.placeable.left, qint16(-100));
        QCOMPARE(p.placeable.bottom, qint16(1490));
        QCOMPARE(p.placeable.inch, quint16(1440));
        QVERIFY(p.placeable.checksumOk());
        QVERIFY(p.sawEof);
        QVERIFY(p.warnings.isEmpty());
        QCOMPARE(wmf::computeFrame(p).natural, QSize(192, 96));
    }

    void wrongChecksumIsOnlyNoted()
    {
        wmf::Writer w = redRectangle();
        w.setChecksumOverride(0x1234);
        wmf::Metafile mf;
        QVERIFY(mf.load(w.data()));
        QVERIFY(mf.warnings().join(' ').contains("checksum"));
        EXPECT_PIXEL(render(w.data()), 25, 25, qRgb(255, 0, 0));
    }

    void naturalSize_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("size");
        auto placeable = [](QRect box, int inch) {
            wmf::Writer w;
            w.setBounds(box, inch);
            return w.data();
        };
        QTest::newRow("twips") << placeable(QRect(0, 0, 4320, 2880), 1440) << QSize(288, 192);
        QTest::newRow("96 dpi") << placeable(QRect(0, 0, 300, 200), 96) << QSize(300, 200);
        QTest::newRow("inch 0 means twips") << placeable(QRect(0, 0, 1440, 1440), 0) << QSize(96, 96);
        QTest::newRow("upside-down box") << placeable(QRect(QPoint(0, 1000), QPoint(999, 0)).normalized(), 1000)
                                         << QSize(96, 96);
        {
            wmf::Writer w;
            w.setPlaceable(false);
            w.setMapMode(wmf::MM_ANISOTROPIC);
            w.setWindowExt(320, 240);
            QTest::newRow("window extent") << w.data() << QSize(320, 240);
        }
        {
            wmf::Writer w;
            w.setPlaceable(false);
            w.setMapMode(wmf::MM_HIMETRIC);
            w.setWindowExt(2540, 5080);
            QTest::newRow("himetric window") << w.data() << QSize(96, 192);
        }
        {
            wmf::Writer w;
            w.setPlaceable(false);
            w.setMapMode(wmf::MM_ANISOTROPIC);
            w.setWindowExt(20000, 10000);
            QTest::newRow("huge window scaled down") << w.data() << QSize(1024, 512);
        }
        {
            wmf::Writer w;
            w.setPlaceable(false);
            w.rectangle(10, 20, 110, 70);
            QTest::newRow("drawn extent") << w.data() << QSize(100, 50);
        }
    }

    void naturalSize()
    {
        QFETCH(QByteArray, file);
        QFETCH(QSize, size);
        wmf::Metafile mf;
        QString error;
        QVERIFY2(mf.load(file, &error), qPrintable(error));
        QCOMPARE(mf.naturalSize(), size);
    }

    void sniffing_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("metafile");
        QTest::newRow("placeable") << pixelWriter().data().left(32) << true;
        wmf::Writer plain;
        plain.setPlaceable(false);
        QTest::newRow("plain") << plain.data().left(32) << true;
        QTest::newRow("png") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("text") << QByteArray("[Revaze]\nfoo=bar\n") << false;
        QTest::newRow("bmp") << QByteArray("BM\x36\x00\x00\x00\x00\x00", 8) << false;
    }

    void sniffing()
    {
        QFETCH(QByteArray, head);
        QFETCH(bool, metafile);
        QCOMPARE(wmf::Metafile::looksLikeMetafile(head), metafile);
    }

    // Each damaged file either fails with a reason or keeps the good records,
    // and none takes long.
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<bool>("redDrawn");

        const QByteArray good = redRectangle().data();
        QTest::newRow("empty file") << QByteArray() << false << false;
        QTest::newRow("only placeable header") << good.left(22) << false << false;
        QTest::newRow("header cut short") << good.left(30) << false << false;
        QTest::newRow("png renamed") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0", 29)
                                     << false << false;
        QTest::newRow("placeable key then rubbish") << (good.left(22) + QByteArray(18, '\x7f')) << false << false;
        QTest::newRow("no EOF record") << withoutEof(good) << true << true;
        QTest::newRow("truncated inside last record") << withoutEof(good).chopped(4) << true << false;
        QTest::newRow("record of size 0") << (withoutEof(good) + le32(0) + le16(0x0418) + le32(0x00100010)) << true << true;
        QTest::newRow("record larger than file") << (withoutEof(good) + le32(0x7FFFFFFF) + le16(0x0324) + le16(3)) << true
                                                 << true;
        QTest::newRow("odd trailing byte") << (good + "x") << true << true;
        {
            wmf::Writer w = redRectangle();
            w.record(0x0324, {65535, 1, 2, 3, 4}); // polygon claims 65535 points
            QTest::newRow("huge polygon count") << w.data() << true << true;
        }
        {
            wmf::Writer w = redRectangle();
            w.record(0x0538, {3, 65535, 65535, 65535, 1, 1}); // polypolygon sums past the record
            QTest::newRow("huge polypolygon sum") << w.data() << true << true;
        }
        {
            wmf::Writer w = redRectangle();
            w.record(0x0521, {5000, 0x4141, 0x4141, 10, 10}); // text longer than the record
            QTest::newRow("text longer than record") << w.data() << true << true;
        }
        {
            wmf::Writer w = redRectangle();
            w.record(0x0A32, {10, 10, 0x7FFF, 0, 0x4141});
            QTest::newRow("exttext longer than record") << w.data() << true << true;
        }
        {
            wmf::Writer w = redRectangle();
            w.selectObject(999);
            w.deleteObject(60000);
            w.record(0x0228, {500, 600}); // fill region with missing objects
            w.rectangle(10, 10, 40, 40);
            QTest::newRow("bad object indices") << w.data() << true << true;
        }
        {
            wmf::Writer w = redRectangle();
            QByteArray dib;
            dib += le32(40) + le32(100000) + le32(100000) + le16(1) + le16(24) + le32(0) + le32(0) + le32(0)
                   + le32(0) + le32(0) + le32(0) + QByteArray(64, '\0');
            w.stretchDibRaw(QRect(0, 0, 50, 50), QRect(0, 0, 100000, 100000), dib);
            QTest::newRow("100000x100000 DIB") << w.data() << true << true;
        }
        {
            wmf::Writer w = redRectangle();
            for (int i = 0; i < 5000; ++i)
                w.saveDC();
            w.restoreDC(-30000);
            w.restoreDC(30000);
            QTest::newRow("SaveDC flood") << w.data() << true << true;
        }
        {
            wmf::Writer w = redRectangle();
            for (int i = 0; i < 100000; ++i) // objects never deleted: the table fills up
                w.createPen(0, 1, Qt::blue);
            w.rectangle(10, 10, 40, 40);
            QTest::newRow("object flood") << w.data() << true << true;
        }
        {
            wmf::Writer w = redRectangle();
            for (int i = 0; i < 30000; ++i) // a clip made of thousands of holes
                w.excludeClipRect(i % 50, (i / 50) % 50, i % 50 + 1, (i / 50) % 50 + 1);
            w.rectangle(0, 0, 50, 50);
            QTest::newRow("clip flood") << w.data() << true << true;
        }
        {
            wmf::Writer w = redRectangle();
            w.record(0x0410, {0, 1, 0, 1}); // scale by x/0
            w.setWindowExt(0, 0);
            w.setViewportExt(0, 5);
            w.rectangle(10, 10, 40, 40);
            QTest::newRow("zero extents and denominators") << w.data() << true << true;
        }
        {
            wmf::Writer w = redRectangle();
            w.record(0x06FF, {0, 6, 0, 0, 100, 9000, 0, 0, 0, 10, 10, 4, 0, 0}); // region with too many scans
            w.record(0x0626, {0x0009, 60000});                                  // escape with a lying byte count
            w.record(0x00AB, {1, 2, 3});                                         // nobody knows this one
            QTest::newRow("bad region, escape, unknown") << w.data() << true << true;
        }
    }

    void damagedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, loads);
        QFETCH(bool, redDrawn);
        QElapsedTimer timer;
        timer.start();
        wmf::Metafile mf;
        QString error;
        QCOMPARE(mf.load(file, &error), loads);
        if (!loads) {
            QVERIFY(!error.isEmpty());
            QVERIFY(mf.isNull());
            QCOMPARE(mf.naturalSize(), QSize());
        } else {
            const QImage img = render(file);
            QCOMPARE(img.size(), QSize(50, 50));
            QCOMPARE(wmftest::near(img.pixel(25, 25), qRgb(255, 0, 0)), redDrawn);
        }
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    }

    // Inputs the fuzzer found: drawn the way the fuzzer draws them.
    void fuzzFindingsStayFixed()
    {
        const QDir dir(qEnvironmentVariable("REVAZE_SOURCE_DIR", QStringLiteral(REVAZE_SOURCE_DIR_FALLBACK))
                       + QStringLiteral("/tests/wmf/fuzz/regressions"));
        const QStringList files = dir.entryList(QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString &name : files) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            wmf::Metafile mf;
            if (!mf.load(f.readAll()))
                continue;
            QElapsedTimer t;
            t.start();
            QImage img(128, 128, QImage::Format_ARGB32_Premultiplied);
            QPainter p(&img);
            p.scale(128.0 / mf.naturalSize().width(), 128.0 / mf.naturalSize().height());
            mf.render(p);
            QVERIFY2(t.elapsed() < 1000, qPrintable(name));
        }
    }

    void recordsKeptBeforeDamage()
    {
        const QByteArray good = redRectangle().data();
        wmf::ParsedMetafile p;
        QVERIFY(wmf::Parser::parse(withoutEof(good) + le32(1) + le16(0), &p, nullptr));
        QCOMPARE(p.records.size(), size_t(3));
        QVERIFY(!p.sawEof);
        QVERIFY(p.warnings.join(' ').contains("size 1"));
        // every record's parameters stay inside the record
        for (const wmf::Record &r : p.records)
            QCOMPARE(qint64(r.params.size()), qint64(r.sizeWords) * 2 - 6);
    }

    void lowByteIdentifiesRecord()
    {
        QCOMPARE(wmf::canonicalFunction(0x0418), quint16(0x0418));
        QCOMPARE(wmf::canonicalFunction(0x0018), quint16(0x0418)); // odd high byte
        QCOMPARE(wmf::canonicalFunction(0x00AB), quint16(0xFFFF));
        QCOMPARE(QByteArray(wmf::recordName(0x0A32)), QByteArray("META_EXTTEXTOUT"));
    }

    void textDecoders()
    {
        wmf::Writer w = pixelWriter();
        w.extTextOut(5, 6, 0, nullptr, "abc", {7, 8, 9});
        const QRect clip(1, 2, 3, 4);
        w.extTextOut(5, 6, 0x0004, &clip, "ab");
        w.textOut(1, 2, "xyz");
        wmf::ParsedMetafile p;
        QVERIFY(wmf::Parser::parse(w.data(), &p, nullptr));
        wmf::TextRun run;
        QVERIFY(wmf::decodeExtTextOut(p.records[0], &run));
        QCOMPARE(run.text, QByteArray("abc"));
        QCOMPARE(run.pos, QPoint(5, 6));
        QCOMPARE(run.dx, (std::vector<qint16>{7, 8, 9}));
        QVERIFY(wmf::decodeExtTextOut(p.records[1], &run));
        QVERIFY(run.hasRect);
        QCOMPARE(run.rect, QRect(QPoint(1, 2), QPoint(4, 6)));
        QVERIFY(run.dx.empty());
        QVERIFY(wmf::decodeTextOut(p.records[2], &run));
        QCOMPARE(run.text, QByteArray("xyz"));
        QCOMPARE(run.pos, QPoint(1, 2));
    }

    void fontRecord()
    {
        wmf::Writer w = pixelWriter();
        wmf::FontOptions f;
        f.face = "Times New Roman";
        f.height = 33;
        f.weight = 700;
        f.italic = true;
        f.charSet = 238;
        w.createFont(f);
        w.record(0x02FB, {10, 0, 0, 0, 400, 0, 0, 0, 0, 0x4141, 0x4141}); // face without terminator
        wmf::ParsedMetafile p;
        QVERIFY(wmf::Parser::parse(w.data(), &p, nullptr));
        wmf::LogFont lf;
        QVERIFY(wmf::decodeFont(p.records[0], &lf));
        QCOMPARE(lf.height, qint16(33));
        QCOMPARE(lf.weight, qint16(700));
        QCOMPARE(lf.italic, quint8(1));
        QCOMPARE(lf.charSet, quint8(238));
        QCOMPARE(lf.faceName, QByteArray("Times New Roman"));
        QVERIFY(wmf::decodeFont(p.records[1], &lf));
        QCOMPARE(lf.faceName, QByteArray("AAAA"));
    }

    void charsets_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("charSet");
        QTest::addColumn<QByteArray>("face");
        QTest::addColumn<QString>("text");
        QTest::newRow("cp1252 umlauts") << QByteArray("\xc4pfel \xdf") << 0 << QByteArray("Arial") << QString::fromUtf8("Äpfel ß");
        QTest::newRow("cp1252 quotes, euro") << QByteArray("\x84" "a\x93\x80") << 1 << QByteArray("Arial")
                                             << QString::fromUtf8("„a“€");
        QTest::newRow("cp1250") << QByteArray("\x8a\xe8") << 238 << QByteArray("Arial") << QString::fromUtf8("Šč");
        QTest::newRow("cp1251") << QByteArray("\xc4\xe0") << 204 << QByteArray("Arial") << QString::fromUtf8("Да");
        QTest::newRow("cp1253") << QByteArray("\xe1") << 161 << QByteArray("Arial") << QString::fromUtf8("α");
        QTest::newRow("cp1254") << QByteArray("\xf0") << 162 << QByteArray("Arial") << QString::fromUtf8("ğ");
        QTest::newRow("cp1257") << QByteArray("\xe0") << 186 << QByteArray("Arial") << QString::fromUtf8("ą");
        QTest::newRow("cp1255") << QByteArray("\xf9\xec\xe5\xed") << 177 << QByteArray("Arial") << QString::fromUtf8("שלום");
        QTest::newRow("cp1256") << QByteArray("\xe3\xd1\xcd\xc8\xc7") << 178 << QByteArray("Arial")
                                << QString::fromUtf8("مرحبا");
        QTest::newRow("cp1258 tone mark") << QByteArray("Vi\xea\xf2t\xfe") << 163 << QByteArray("Arial")
                                          << QString::fromUtf8("Viê\u0323t₫");
        QTest::newRow("cp874") << QByteArray("\xca\xc7\xd1\xca\xb4\xd5") << 222 << QByteArray("Tahoma")
                               << QString::fromUtf8("สวัสดี");
        QTest::newRow("cp949 signs") << QByteArray("24\xa1\xbf" "16 \xa1\xe6") << 129 << QByteArray("DejaVu Sans")
                                     << QString::fromUtf8("24×16 →");
        QTest::newRow("cp949 extended hangul") << QByteArray("\x8c\x63\xc7\xd1") << 129 << QByteArray("Gulim")
                                               << QString::fromUtf8("똠한");
        QTest::newRow("cp932") << QByteArray("\x82\xa0\x83\x41\xb1\\") << 128 << QByteArray("MS Gothic")
                               << QString::fromUtf8("あアｱ\\");
        QTest::newRow("cp936") << QByteArray("\xc4\xe3\xba\xc3") << 134 << QByteArray("SimSun") << QString::fromUtf8("你好");
        QTest::newRow("cp950") << QByteArray("\xa7\x41\xa6\x6e") << 136 << QByteArray("MingLiU") << QString::fromUtf8("你好");
        QTest::newRow("johab") << QByteArray("\x88\x61\xd0\x65\x99\xb1 \xd9\x68\xf7\xd3") << 130 << QByteArray("Gulim")
                               << QString::fromUtf8("가한똠 ※漢");
        QTest::newRow("stray lead byte at the end") << QByteArray("a\xa1") << 129 << QByteArray("Arial")
                                                    << QString::fromUtf8("a\uFFFD");
        QTest::newRow("symbol face beats charset") << QByteArray("abp\xb3") << 1 << QByteArray("Symbol")
                                                   << QString::fromUtf8("αβπ≥");
        QTest::newRow("wingdings") << QByteArray("J\xfc") << 2 << QByteArray("Wingdings") << QString::fromUtf8("☺✔");
    }

    void charsets()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, charSet);
        QFETCH(QByteArray, face);
        QFETCH(QString, text);
        QCOMPARE(wmf::decodeText(bytes, quint8(charSet), face), text);
    }

    // The spacing array of double-byte text has an entry per byte.
    void bytesPerCharacter_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("charSet");
        QTest::addColumn<QList<int>>("charBytes");
        QTest::newRow("cp1252") << QByteArray("a\xc4") << 0 << QList<int>{1, 1};
        QTest::newRow("symbol") << QByteArray("ab") << 2 << QList<int>{1, 1};
        QTest::newRow("cp949") << QByteArray("2\xa1\xe6" "4") << 129 << QList<int>{1, 2, 1};
        QTest::newRow("cp932 half-width kana") << QByteArray("\xb1\x82\xa0") << 128 << QList<int>{1, 2};
        QTest::newRow("johab") << QByteArray("\x88\x61x") << 130 << QList<int>{2, 1};
        QTest::newRow("stray lead byte") << QByteArray("a\xa1") << 129 << QList<int>{1, 1};
        QTest::newRow("bad trail byte") << QByteArray("\x81\x20") << 129 << QList<int>{2, 0};
    }

    void bytesPerCharacter()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, charSet);
        QFETCH(QList<int>, charBytes);
        std::vector<int> got;
        const QString text = wmf::decodeText(bytes, quint8(charSet), "Arial", &got);
        QCOMPARE(QList<int>(got.begin(), got.end()), charBytes);
        QCOMPARE(qsizetype(got.size()), text.size());
    }

    void faceTable_data()
    {
        QTest::addColumn<QByteArray>("face");
        QTest::addColumn<int>("pitchAndFamily");
        QTest::addColumn<QString>("family");
        QTest::newRow("Arial") << QByteArray("Arial") << 0 << "Liberation Sans";
        QTest::newRow("case and blanks") << QByteArray(" times new ROMAN ") << 0 << "Liberation Serif";
        QTest::newRow("Courier New") << QByteArray("Courier New") << 0 << "Liberation Mono";
        QTest::newRow("MS Sans Serif") << QByteArray("MS Sans Serif") << 0 << "Liberation Sans";
        QTest::newRow("Verdana") << QByteArray("Verdana") << 0 << "DejaVu Sans";
        QTest::newRow("Symbol") << QByteArray("Symbol") << 0 << "DejaVu Sans";
        QTest::newRow("Wingdings") << QByteArray("Wingdings") << 0 << "DejaVu Sans";
        QTest::newRow("empty roman") << QByteArray() << 0x12 << "Liberation Serif";
        QTest::newRow("unknown fixed") << QByteArray("Foo Mono") << 0x31 << "Liberation Mono";
        QTest::newRow("table beats family") << QByteArray("Courier New") << 0x12 << "Liberation Mono";
        QTest::newRow("installed, variable pitch") << QByteArray("DejaVu Sans") << 0x02 << "DejaVu Sans";
        QTest::newRow("installed, roman") << QByteArray("Liberation Mono") << 0x12 << "Liberation Mono";
        QTest::newRow("unknown, variable pitch") << QByteArray("Foo Serif") << 0x02 << "Liberation Sans";
        QTest::newRow("unknown, no hints") << QByteArray("Foo Serif") << 0 << "Foo Serif";
        QTest::newRow("empty") << QByteArray() << 0 << "Liberation Sans";
    }

    void faceTable()
    {
        QFETCH(QByteArray, face);
        QFETCH(int, pitchAndFamily);
        QFETCH(QString, family);
        QCOMPARE(wmf::substituteFamily(face, quint8(pitchAndFamily)), family);
    }
};

QTEST_MAIN(TestWmfParser)
#include "tst_wmf_parser.moc"
