// Everything read from bytes: headers, natural size, record framing, damaged
// files, record parameters, text in its character sets, bitmaps.
#include "wmftest.h"

#include "wmf/dib.h"
#include "wmf/fonts.h"
#include "wmf/frame.h"
#include "wmf/player.h"
#include "wmf/records.h"

#include <QBuffer>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>

#include <numeric>

using namespace wmftest;
using Wr = wmf::Writer;

namespace {

QByteArray le16(int v) { return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF); }
QByteArray le32(qint64 v) { return le16(int(v & 0xFFFF)) + le16(int((v >> 16) & 0xFFFF)); }

QByteArray infoHeader(qint64 w, qint64 h, int bits, int compression, int colours = 0)
{
    return le32(40) + le32(w) + le32(h) + le16(1) + le16(bits) + le32(compression) + le32(0) + le32(0) + le32(0)
           + le32(colours) + le32(0);
}

QImage dibImage(const QByteArray &dib, QString *error = nullptr)
{
    return wmf::decodeDib(wmf::ByteView(reinterpret_cast<const uchar *>(dib.constData()), dib.size()), 0, {}, error);
}

// One red rectangle, the good part before the damage.
Wr redRectangle()
{
    Wr w = pixelWriter(50, 50);
    w.selectObject(w.createBrush(0, Qt::red));
    w.rectangle(10, 10, 40, 40);
    return w;
}

QByteArray withoutEof(const QByteArray &file) { return file.left(file.size() - 6); }

Wr plain(int mapMode)
{
    Wr w;
    w.setPlaceable(false);
    w.setMapMode(mapMode);
    return w;
}

} // namespace

class TestWmfParser : public QObject {
    Q_OBJECT

private slots:
    // The placeable header, and the records framed as they come.
    void framing()
    {
        Wr w;
        w.setBounds(QRect(-100, 50, 2880, 1440), 1440);
        w.record(0x001E, {}); // SaveDC: a record without parameters
        w.setBkMode(1);
        wmf::ParsedMetafile p;
        QVERIFY(wmf::Parser::parse(w.data(), &p, nullptr));
        QVERIFY(p.placeable.present && p.placeable.checksumOk() && p.sawEof && p.warnings.isEmpty());
        QCOMPARE(QList<int>({p.placeable.left, p.placeable.bottom, p.placeable.inch}), QList<int>({-100, 1490, 1440}));
        QCOMPARE(wmf::computeFrame(p).natural, QSize(192, 96));
        QCOMPARE(p.records.size(), size_t(2));
        for (const wmf::Record &r : p.records) // every record's parameters stay inside the record
            QCOMPARE(qint64(r.params.size()), qint64(r.sizeWords) * 2 - 6);
        QCOMPARE(wmf::canonicalFunction(0x0018), quint16(0x0418)); // the low byte identifies a record
        QCOMPARE(wmf::canonicalFunction(0x00AB), quint16(0xFFFF));
        w.setChecksumOverride(0x1234); // a wrong checksum is only noted
        w.record(0x00AB, {1});          // a function nobody knows is counted, not drawn
        wmf::Metafile mf;
        QVERIFY(mf.load(w.data()));
        QVERIFY(mf.warnings().join(' ').contains("checksum"));
        QImage img(10, 10, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&img);
        wmf::Player player(*mf.parsed(), painter);
        player.play();
        QCOMPARE(player.stats().unknown, 1);
    }

    void sniffing()
    {
        QVERIFY(wmf::Metafile::looksLikeMetafile(pixelWriter().data().left(32)));
        QVERIFY(wmf::Metafile::looksLikeMetafile(plain(wmf::MM_TEXT).data().left(32)));
        for (const QByteArray &other : {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), QByteArray(),
                                        QByteArray("[Revaze]\nfoo=bar\n"), QByteArray("BM\x36\0\0\0\0\0", 8)})
            QVERIFY2(!wmf::Metafile::looksLikeMetafile(other), other.constData());
    }

    // Each damaged file either fails with a reason or keeps the good records.
    // What loading and playing make of whole files, sound or damaged: the
    // natural size, the records found unusable, and whether the good part of
    // a damaged file, a red rectangle over the middle, still shows.
    void files_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("size"); // none: no metafile at all
        QTest::addColumn<int>("invalid");
        QTest::addColumn<bool>("redDrawn");
        auto placeable = [](QRect box, int inch) {
            Wr w;
            w.setBounds(box, inch);
            return w.data();
        };
        QTest::newRow("twips") << placeable(QRect(0, 0, 4320, 2880), 1440) << QSize(288, 192) << 0 << false;
        QTest::newRow("96 dpi") << placeable(QRect(0, 0, 300, 200), 96) << QSize(300, 200) << 0 << false;
        QTest::newRow("inch 0 means twips") << placeable(QRect(0, 0, 1440, 1440), 0) << QSize(96, 96) << 0 << false;
        QTest::newRow("upside-down box") << placeable(QRect(0, 1000, 1000, -1000), 1000) << QSize(96, 96) << 0 << false;
        QTest::newRow("box of no width: as without one") << placeable(QRect(0, 0, 0, 1440), 1440) << QSize(100, 100) << 0
                                                         << false;
        auto windows = [](int mapMode, const QList<QPoint> &extents) {
            Wr w = plain(mapMode);
            for (const QPoint &e : extents)
                w.setWindowExt(e.x(), e.y());
            return w.data();
        }; // no window at zero extents; of several, the first
        QTest::newRow("window extent") << windows(wmf::MM_ANISOTROPIC, {{0, 0}, {320, 240}, {640, 480}}) << QSize(320, 240)
                                       << 0 << false;
        QTest::newRow("himetric window") << windows(wmf::MM_HIMETRIC, {{2540, 5080}}) << QSize(96, 192) << 0 << false;
        QTest::newRow("huge window scaled down") << windows(wmf::MM_ANISOTROPIC, {{20000, 10000}}) << QSize(1024, 512) << 0
                                                 << false;
        // Without a window, the coordinates the records name: text and
        // pens add only their points, not the ink around them.
        auto drawing = [](const std::function<void(Wr &)> &draw) {
            Wr w = plain(wmf::MM_TEXT);
            draw(w);
            w.rectangle(10, 20, 110, 70);
            return w.data();
        };
        QTest::newRow("drawn extent") << drawing([](Wr &w) { w.selectObject(w.createPen(0, 40, Qt::red)); })
                                      << QSize(100, 50) << 0 << false;
        QTest::newRow("text by its point") << drawing([](Wr &w) { w.textOut(150, 90, "Haus"); }) << QSize(141, 71) << 0
                                           << false;
        QTest::newRow("opaque text box") << drawing([](Wr &w) { const QRect box(0, 0, 200, 30);
            w.extTextOut(10, 20, wmf::ETO_OPAQUE, &box, "Haus"); }) << QSize(200, 70) << 0 << false;
        QTest::newRow("arcs, pixels and blits") << drawing([](Wr &w) { w.arc(-10, 20, 30, 60, 0, 0, 0, 0);
            w.setPixel(60, 90, Qt::red); w.patBlt(100, 0, 20, 10, 0x00F00021); })
                                                << QSize(130, 91) << 0 << false;
        QTest::newRow("nothing drawn") << plain(wmf::MM_TEXT).data() << QSize(100, 100) << 0 << false;
        const QByteArray good = redRectangle().data(), body = withoutEof(good);
        QTest::newRow("empty file") << QByteArray() << QSize() << 0 << false;
        QTest::newRow("only placeable header") << good.left(22) << QSize() << 0 << false;
        QTest::newRow("header cut short") << good.left(30) << QSize() << 0 << false;
        QTest::newRow("png renamed") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0", 29)
                                     << QSize() << 0 << false;
        QTest::newRow("placeable key then rubbish") << (good.left(22) + QByteArray(18, '\x7f')) << QSize() << 0 << false;
        QTest::newRow("over 64 MiB") << (good + QByteArray(64 << 20, '\0')) << QSize() << 0 << false;
        const QSize size(50, 50);
        QTest::newRow("no EOF record") << body << size << 0 << true;
        QTest::newRow("truncated inside last record") << body.chopped(4) << size << 0 << false;
        QTest::newRow("record of size 0") << (body + le32(0) + le16(0x0418) + le32(0x00100010)) << size << 0 << true;
        QTest::newRow("record larger than file") << (body + le32(0x7FFFFFFF) + le16(0x0324) + le16(3)) << size << 0 << true;
        QTest::newRow("odd trailing byte") << (good + "x") << size << 0 << true;
        auto damaged = [](const char *name, int invalid, const std::function<void(Wr &)> &damage) {
            Wr w = redRectangle();
            damage(w);
            QTest::newRow(name) << w.data() << QSize(50, 50) << invalid << true;
        };
        damaged("huge polygon count", 1, [](Wr &w) { w.record(0x0324, {65535, 1, 2, 3, 4}); });
        damaged("huge polypolygon sum", 1, [](Wr &w) { w.record(0x0538, {3, 65535, 65535, 65535, 1, 1}); });
        damaged("text longer than record", 1, [](Wr &w) { w.record(0x0521, {5000, 0x4141, 0x4141, 10, 10}); });
        damaged("exttext longer than record", 1, [](Wr &w) { w.record(0x0A32, {10, 10, 0x7FFF, 0, 0x4141}); });
        damaged("short records", 3, [](Wr &w) { w.createFont({}); w.record(0x0201, {}); // a colour, a DIBSTRETCHBLT
            w.record(0x0B41, {0xCC, 0x20}); w.record(0x0F43, {0x20, 0xCC, 1, 1, 1}); }); // and a STRETCHDIB cut short
        damaged("bad object indices", 2, [](Wr &w) { w.selectObject(999); w.deleteObject(60000);
            w.record(0x0228, {500, 600}); w.rectangle(10, 10, 40, 40); }); // fill region with missing objects
        damaged("100000 x 100000 DIB", 1, [](Wr &w) { w.stretchDibRaw(QRect(0, 0, 50, 50), QRect(0, 0, 100000, 100000),
            le32(40) + le32(100000) + le32(100000) + le16(1) + le16(24) + QByteArray(24 + 64, '\0')); });
        damaged("SaveDC flood", 0, [](Wr &w) {
            for (int i = 0; i < 5000; ++i)
                w.saveDC();
            w.restoreDC(-30000);
            w.restoreDC(30000);
        });
        damaged("object flood", 0, [](Wr &w) {
            for (int i = 0; i < 100000; ++i) // never deleted: the table fills up
                w.createPen(0, 1, Qt::blue);
            w.rectangle(10, 10, 40, 40);
        });
        damaged("clip flood", 0, [](Wr &w) {
            for (int i = 0; i < 30000; ++i) // a clip of thousands of holes
                w.excludeClipRect(i % 50, (i / 50) % 50, i % 50 + 1, (i / 50) % 50 + 1);
            w.rectangle(0, 0, 50, 50);
        });
        damaged("zero extents and denominators", 1, [](Wr &w) { w.record(0x0410, {0, 1, 0, 1}); // scale by x/0
            w.setWindowExt(0, 0); w.setViewportExt(0, 5); w.rectangle(10, 10, 40, 40); });
        damaged("bad region, escape, unknown", 1, [](Wr &w) {
            w.record(0x06FF, {0, 6, 0, 0, 100, 9000, 0, 0, 0, 10, 10, 4, 0, 0}); // region with too many scans
            w.record(0x0626, {0x0009, 60000}); w.record(0x00AB, {1, 2, 3}); }); // a lying escape, an unknown record
    }

    void files()
    {
        QFETCH(QByteArray, file);
        QFETCH(QSize, size);
        QFETCH(int, invalid);
        QFETCH(bool, redDrawn);
        wmf::Metafile mf;
        QString error;
        QCOMPARE(mf.load(file, &error), size.isValid());
        QCOMPARE(error.isEmpty(), size.isValid());
        QCOMPARE(mf.isNull(), !size.isValid());
        QCOMPARE(mf.naturalSize(), size);
        if (!size.isValid())
            return;
        QImage img(50, 50, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::white);
        QPainter p(&img);
        wmf::Player player(*mf.parsed(), p);
        player.play();
        p.end();
        QCOMPARE(near(img.pixel(25, 25), qRgb(255, 0, 0)), redDrawn);
        QCOMPARE(player.stats().invalid, invalid);
    }

    // Of a file with more records than worth reading, the first million count.
    void recordLimit()
    {
        const QByteArray saveDc = le32(3) + le16(0x001E);
        wmf::ParsedMetafile p;
        QVERIFY(wmf::Parser::parse(withoutEof(plain(wmf::MM_TEXT).data()) + saveDc.repeated(wmf::limits::kMaxRecords)
                                       + le32(3) + le16(0), &p, nullptr));
        QCOMPARE(p.records.size(), size_t(wmf::limits::kMaxRecords));
        QCOMPARE(p.warnings, QStringList{"too many records"});
    }

    // Inputs the fuzzer found: drawn the way the fuzzer draws them, without a crash.
    void fuzzFindingsStayFixed()
    {
        const QDir dir(sourcePath(QStringLiteral("tests/wmf/fuzz/regressions")));
        QVERIFY(!dir.entryList(QDir::Files).isEmpty());
        for (const QString &name : dir.entryList(QDir::Files)) {
            wmf::Metafile mf;
            if (!mf.load(readFile(dir.filePath(name))))
                continue;
            QImage img(128, 128, QImage::Format_ARGB32_Premultiplied);
            QPainter p(&img);
            p.scale(128.0 / mf.naturalSize().width(), 128.0 / mf.naturalSize().height());
            mf.render(p);
        }
    }

    void charsets_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("charSet");
        QTest::addColumn<QByteArray>("face");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("charBytes"); // bytes of each character
        // Every byte of every single-byte code page decodes to the character
        // that data/codepages.txt lists for it: "cpNNNN CHARSET", then sixteen
        // lines of sixteen code points.
        QByteArray all(256, 0);
        std::iota(all.begin(), all.end(), 0);
        const QList<QByteArray> lines = readFile(sourcePath(QStringLiteral("tests/wmf/data/codepages.txt"))).split('\n');
        QVERIFY2(lines.size() > 100, "tests/wmf/data/codepages.txt is missing");
        for (qsizetype i = 0; i + 16 < lines.size(); ++i) {
            if (!lines[i].startsWith("cp"))
                continue;
            QString text;
            for (qsizetype j = i + 1; j <= i + 16; ++j)
                for (const QByteArray &f : lines[j].split(' '))
                    text += QChar(char16_t(f.toUInt(nullptr, 16)));
            QTest::newRow(lines[i].split(' ')[0].constData()) << all << lines[i].split(' ')[1].toInt() << QByteArray()
                                                               << text << QList<int>(256, 1);
        }
        auto add = [](const char *name, const QByteArray &bytes, int charSet, const char *face, const char *text,
                      const QList<int> &charBytes) {
            QTest::newRow(name) << bytes << charSet << QByteArray(face) << QString::fromUtf8(text) << charBytes;
        };
        add("default charset is cp1252", "\x84" "a\x93\x80", 1, "Arial", "„a“€", {1, 1, 1, 1});
        add("cp949 signs", "24\xa1\xbf" "16 \xa1\xe6", 129, "DejaVu Sans", "24×16 →", {1, 1, 2, 1, 1, 1, 2});
        add("cp949 extended hangul", "\x8c\x63\xc7\xd1", 129, "Gulim", "똠한", {2, 2});
        add("cp932", "\x82\xa0\x83\x41\xb1\\", 128, "MS Gothic", "あアｱ\\", {2, 2, 1, 1});
        add("cp936", "\xc4\xe3\xba\xc3", 134, "SimSun", "你好", {2, 2});
        add("cp950", "\xa7\x41\xa6\x6e", 136, "MingLiU", "你好", {2, 2});
        add("johab", "\x88\x61\xd0\x65\x99\xb1 \xd9\x68\xf7\xd3\xda\xfe\xda\xd3\x88\x42", 130, "Gulim",
            "가한똠 ※漢ㆎ\uFFFD\uFFFD", {2, 2, 2, 1, 2, 2, 2, 2, 2}); // the last: a consonant and a final, no vowel
        add("stray lead byte at the end", "a\xa1", 129, "Arial", "a\uFFFD", {1, 1});
        add("bad trail byte", "\x81\x20", 129, "Arial", "\uFFFD ", {2, 0});
        add("symbol face beats charset", "abp\xb3", 1, "Symbol", "αβπ≥", {1, 1, 1, 1});
        add("wingdings", "J\xfc^ai\x80\x81\x8a\x8c\x95\x96sw", 2, "Wingdings", "☺✔♈♋♓⓪①⑩❶❿□⧫◆",
            {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    }

    void charsets()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, charSet);
        QFETCH(QByteArray, face);
        QFETCH(QString, text);
        QFETCH(QList<int>, charBytes);
        std::vector<int> got;
        QCOMPARE(wmf::decodeText(bytes, quint8(charSet), face, &got), text);
        QCOMPARE(QList<int>(got.begin(), got.end()), charBytes);
    }

    // A Wingdings sign the fonts lack would show as an empty box of its own.
    void wingdingsSignsAreInstalled()
    {
        QByteArray codes;
        for (int b = 0x21; b <= 0xFF; ++b)
            codes += char(b);
        const QFontMetrics signs{QFont("DejaVu Sans")}, numbers{QFont("OpenSymbol")};
        for (QChar sign : wmf::decodeText(codes, 2, "Wingdings"))
            QVERIFY2(signs.inFont(sign) || numbers.inFont(sign), qPrintable(QString::number(sign.unicode(), 16)));
    }

    // GDI goes by the face name first; pitch and family only pick a stand-in
    // for a face it lacks (LibreOffice writes VARIABLE_PITCH for everything).
    void faces()
    {
        for (auto [face, hints, family] :
             {std::tuple{" times new ROMAN ", 0x32, "Liberation Serif"}, {"DejaVu Sans", 0x02, "DejaVu Sans"},
              {"Liberation Mono", 0x12, "Liberation Mono"}, {"dejavu serif", 0x12, "dejavu serif"},
              {"Foo Roman", 0x12, "Liberation Serif"}, {"Foo Mono", 0x31, "Liberation Mono"},
              {"Foo Mono", 0x30, "Liberation Mono"}, {"Foo Serif", 0x02, "Liberation Sans"}, {"Foo Serif", 0, "Foo Serif"},
              {"serif", 0x22, "Liberation Sans"}, {"", 0, "Liberation Sans"}, {"", 0x12, "Liberation Serif"}})
            QVERIFY2(wmf::substituteFamily(face, quint8(hints)) == QLatin1String(family),
                     qPrintable(QStringLiteral("%1: %2").arg(face, wmf::substituteFamily(face, quint8(hints)))));
        // fontconfig offers a dingbat font for Impact where URW's fonts are installed.
        const QString impact = QFontInfo(QFont(wmf::substituteFamily("Impact", 0))).family();
        QVERIFY2(!QFontDatabase::writingSystems(impact).contains(QFontDatabase::Symbol), qPrintable(impact));
    }

    // Bitmaps of every layout the writer makes and of longer headers, a PNG
    // in a DIB, and headers that must be turned down with a reason.
    void dibs_data()
    {
        QTest::addColumn<QByteArray>("dib");
        QTest::addColumn<QImage>("expected"); // null: turned down
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<QString>("reason");
        QImage src = quadrants();
        src.setPixel(1, 5, qRgb(255, 0, 0)); // a stretch of distinct pixels for the absolute mode of RLE
        src.setPixel(3, 5, qRgb(255, 0, 0));
        auto encoded = [&](const char *name, int bits, int compression = 0, bool topDown = false, bool core = false) {
            const QImage image = bits == 1 ? quadrants(0xff000000, 0xffffffff, 0xffffffff, 0xff000000) : src;
            QTest::newRow(name) << wmf::encodeDib(image, {bits, wmf::DibFormat::Compression(compression), topDown, core})
                                << image << (bits == 16 ? 8 : 0) << QString();
        };
        encoded("1 bpp", 1);
        encoded("4 bpp", 4);
        encoded("8 bpp", 8);
        encoded("16 bpp 555", 16);
        encoded("16 bpp 565 bitfields", 16, 3);
        encoded("24 bpp", 24);
        encoded("32 bpp", 32);
        encoded("32 bpp bitfields", 32, 3);
        encoded("24 bpp top-down", 24, 0, true);
        encoded("8 bpp top-down", 8, 0, true);
        encoded("RLE8", 8, 1);
        encoded("RLE4", 4, 2);
        encoded("core header 8 bpp", 8, 0, false, true);
        encoded("core header 24 bpp", 24, 0, false, true);
        for (int size : {52, 56, 64, 108, 124}) { // the pixels follow the header
            QByteArray dib = wmf::encodeDib(src);
            dib.insert(40, QByteArray(size - 40, '\0'));
            dib[0] = char(size);
            QTest::addRow("header of %d bytes", size) << dib << src << 0 << QString();
        }
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        src.save(&buf, "PNG");
        QTest::newRow("PNG") << infoHeader(13, 7, 0, 5) + png << src << 0 << QString();
        auto bad = [](const char *name, const QByteArray &dib, const char *reason) {
            QTest::newRow(name) << dib << QImage() << 0 << QString::fromLatin1(reason);
        };
        bad("100000 x 100000", infoHeader(100000, 100000, 24, 0) + QByteArray(100, 0), "too large");
        bad("65536 x 65536 RLE", infoHeader(65536, 65536, 8, 1) + QByteArray(1024 + 4, 0), "too large");
        bad("4000 x 4000 RLE from a few bytes", infoHeader(4000, 4000, 8, 1) + QByteArray(1024 + 4, 0), "too large for its data");
        bad("width 0", infoHeader(0, 10, 24, 0) + QByteArray(100, 0), "empty");
        bad("negative width", infoHeader(-5, 10, 24, 0) + QByteArray(100, 0), "empty");
        bad("height INT_MIN", infoHeader(5, qint64(INT32_MIN), 24, 0) + QByteArray(100, 0), "empty");
        bad("7 bits", infoHeader(4, 4, 7, 0) + QByteArray(100, 0), "bit count");
        bad("RLE8 with 24 bits", infoHeader(4, 4, 24, 1) + QByteArray(100, 0), "RLE8");
        bad("top-down RLE", infoHeader(4, -4, 8, 1) + QByteArray(1100, 0), "RLE8");
        bad("odd header size", le32(41) + QByteArray(60, 0), "header size");
        bad("short header", infoHeader(4, 4, 24, 0).left(20), "truncated");
        bad("colour table cut", infoHeader(4, 4, 8, 0, 256) + QByteArray(40, 0), "colour table");
        bad("no pixel rows", infoHeader(64, 64, 24, 0) + QByteArray(10, 0), "truncated");
        bad("compression 9", infoHeader(4, 4, 24, 9) + QByteArray(100, 0), "compression");
    }

    void dibs()
    {
        QFETCH(QByteArray, dib);
        QFETCH(QImage, expected);
        QFETCH(int, tolerance);
        QFETCH(QString, reason);
        QString error;
        const QImage img = dibImage(dib, &error);
        QCOMPARE(img.isNull(), expected.isNull());
        QVERIFY2(reason.isEmpty() ? error.isEmpty() : error.contains(reason), qPrintable(error));
        QVERIFY(expected.isNull() || differing(img, expected, tolerance) == 0);
    }

    void damagedPixels()
    {
        // runs past the row end, deltas past the image, absolute runs past the data
        const QByteArray bits("\xff\x01" "\x00\x02\xff\xff" "\x03\x01" "\x00\xfe\x01", 11);
        QImage img = dibImage(infoHeader(4, 4, 8, 1, 2) + le32(0xFF0000) + le32(0x00FF00) + bits);
        QVERIFY(!img.isNull());
        QCOMPARE(img.pixel(0, 3), qRgb(0, 255, 0)); // bottom row got the run
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);       // skipped pixels stay transparent
        // Bottom-up rows: the top three go missing with the end of the data.
        img = dibImage(wmf::encodeDib(quadrants(), wmf::DibFormat()).chopped(3 * 40));
        QVERIFY(!img.isNull());
        QCOMPARE(img.pixel(1, 6), qRgb(0, 0, 255));
        QCOMPARE(qAlpha(img.pixel(1, 0)), 0);
    }
};

QTEST_MAIN(TestWmfParser)
#include "tst_wmf_parser.moc"
