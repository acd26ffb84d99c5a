// Where text lands and how wide it gets.
#include "wmftest.h"

#include <QFontDatabase>

using namespace wmftest;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

wmf::Writer textWriter(int height, int align, const QByteArray &face = "Arial")
{
    wmf::Writer w = pixelWriter(200, 100);
    wmf::FontOptions f;
    f.face = face;
    f.height = height;
    const int font = w.createFont(f);
    w.selectObject(font);
    w.setBkMode(1);
    w.setTextAlign(align);
    return w;
}

// Ink columns: x positions where a vertical run of dark pixels starts.
QList<int> inkColumns(const QImage &img, int y0, int y1)
{
    QList<int> starts;
    bool inside = false;
    for (int x = 0; x < img.width(); ++x) {
        bool dark = false;
        for (int y = y0; y < y1 && !dark; ++y)
            dark = qGray(img.pixel(x, y)) < 100;
        if (dark && !inside)
            starts << x;
        inside = dark;
    }
    return starts;
}

// A line of text in the given face, enough letters to tell the families apart.
QImage faceSample(const QByteArray &face, int pitchAndFamily)
{
    wmf::Writer w = pixelWriter(320, 60);
    wmf::FontOptions f;
    f.face = face;
    f.height = -30;
    f.pitchAndFamily = pitchAndFamily;
    w.selectObject(w.createFont(f));
    w.setBkMode(1);
    w.setTextAlign(24);
    w.textOut(5, 45, "Hxg iiiWWW 0123");
    return render(w);
}

// "2→4×6" in the given font, at the same pixel size every time.
QImage signsSample(const QByteArray &face, int charSet, const QByteArray &text, int options,
                   const QVector<qint16> &dx)
{
    wmf::Writer w = pixelWriter(200, 60);
    wmf::FontOptions f;
    f.face = face;
    f.height = -30;
    f.charSet = charSet;
    f.pitchAndFamily = 0x02;
    w.selectObject(w.createFont(f));
    w.setBkMode(1);
    w.setTextAlign(24);
    if (options < 0)
        w.textOut(10, 45, text);
    else
        w.extTextOut(10, 45, options, nullptr, text, dx);
    return render(w);
}

} // namespace

class TestWmfText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFontDatabase::families().contains(QStringLiteral("Liberation Sans")),
                 "fonts-liberation2 is needed for the text tests");
    }

    // "H" at (20, 50) with a 40 px em: cap height of Liberation Sans is 0.716 em,
    // ascent 0.905 em, descent 0.212 em.
    void verticalAlignment_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::newRow("top (default)") << 0 << 50 + 36 - 29 << 50 + 36;
        QTest::newRow("baseline") << 24 << 50 - 29 << 50;
        QTest::newRow("bottom") << 8 << 50 - 8 - 29 << 50 - 8;
    }

    void verticalAlignment()
    {
        QFETCH(int, align);
        QFETCH(int, top);
        QFETCH(int, bottom);
        wmf::Writer w = textWriter(-40, align);
        w.textOut(20, 50, "H");
        const QRect ink = inkBox(render(w));
        QVERIFY2(std::abs(ink.top() - top) <= 2, qPrintable(QString::number(ink.top())));
        QVERIFY2(std::abs(ink.bottom() + 1 - bottom) <= 2, qPrintable(QString::number(ink.bottom())));
        QVERIFY2(std::abs(ink.left() - 23) <= 3, qPrintable(QString::number(ink.left())));
    }

    void horizontalAlignment_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<int>("centre");
        QTest::newRow("left") << 0 << 100 + 30;
        QTest::newRow("center") << 6 << 100;
        QTest::newRow("right") << 2 << 100 - 30;
    }

    void horizontalAlignment()
    {
        QFETCH(int, align);
        QFETCH(int, centre);
        wmf::Writer w = textWriter(-20, align | 24);
        QVector<qint16> dx(6, 10); // six cells of 10 px: 60 px in all
        w.extTextOut(100, 50, 0, nullptr, "IIIIII", dx);
        const QRect ink = inkBox(render(w));
        QVERIFY2(std::abs(ink.center().x() - centre) <= 4, qPrintable(QString::number(ink.center().x())));
    }

    void dxPlacesEveryCharacter()
    {
        wmf::Writer w = textWriter(-20, 24);
        w.extTextOut(10, 50, 0, nullptr, "III", {30, 45, 10});
        const QList<int> cols = inkColumns(render(w), 30, 50);
        QCOMPARE(cols.size(), 3);
        QVERIFY(std::abs(cols[1] - cols[0] - 30) <= 1);
        QVERIFY(std::abs(cols[2] - cols[1] - 45) <= 1);
    }

    void updateCpUsesLastDx()
    {
        wmf::Writer w = textWriter(-20, 24 | 1);
        w.moveTo(10, 50);
        w.extTextOut(0, 0, 0, nullptr, "I", {100});
        w.extTextOut(0, 0, 0, nullptr, "I", {10});
        const QList<int> cols = inkColumns(render(w), 30, 50);
        QCOMPARE(cols.size(), 2);
        QVERIFY2(std::abs(cols[1] - cols[0] - 100) <= 1, qPrintable(QString::number(cols[1] - cols[0])));
    }

    void pdyMovesGlyphsVertically()
    {
        wmf::Writer w = textWriter(-20, 24);
        w.extTextOut(10, 80, 0x2000, nullptr, "II", {40, 30, 10, 0}); // second glyph 30 px higher
        const QImage img = render(w);
        const QRect first = inkBox(img.copy(0, 0, 40, 100));
        const QRect second = inkBox(img.copy(40, 0, 60, 100));
        QVERIFY2(std::abs((first.bottom() - second.bottom()) - 30) <= 1,
                 qPrintable(QStringLiteral("%1 %2").arg(first.bottom()).arg(second.bottom())));
    }

    void charExtraWidensText()
    {
        wmf::Writer plain = textWriter(-20, 24);
        plain.textOut(10, 50, "IIII");
        wmf::Writer extra = textWriter(-20, 24);
        extra.setTextCharExtra(10);
        extra.textOut(10, 50, "IIII");
        const int a = inkBox(render(plain)).width();
        const int b = inkBox(render(extra)).width();
        QVERIFY2(std::abs(b - a - 30) <= 2, qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
    }

    void justificationGoesToSpaces()
    {
        wmf::Writer w = textWriter(-20, 24);
        w.setTextJustification(40, 1);
        w.textOut(10, 50, "I I");
        const QList<int> cols = inkColumns(render(w), 30, 50);
        QCOMPARE(cols.size(), 2);
        QVERIFY2(cols[1] - cols[0] > 45, qPrintable(QString::number(cols[1] - cols[0])));
    }

    void cellHeightVersusCharacterHeight()
    {
        // positive height = cell (ascent + descent) = 1.117 em for Liberation Sans
        wmf::Writer cell = textWriter(45, 24);
        cell.textOut(20, 80, "H");
        wmf::Writer em = textWriter(-40, 24);
        em.textOut(20, 80, "H");
        const int hc = inkBox(render(cell)).height();
        const int he = inkBox(render(em)).height();
        QVERIFY2(std::abs(hc - he) <= 2, qPrintable(QStringLiteral("%1 %2").arg(hc).arg(he)));
    }

    void fontWidthStretches()
    {
        wmf::Writer normal = textWriter(-30, 24);
        normal.textOut(10, 60, "HHH");
        wmf::Writer wide = pixelWriter(200, 100);
        wmf::FontOptions f;
        f.height = -30;
        f.width = 27; // about twice the average width of a 30 px font
        wide.selectObject(wide.createFont(f));
        wide.setBkMode(1);
        wide.setTextAlign(24);
        wide.textOut(10, 60, "HHH");
        const double ratio = double(inkBox(render(wide)).width()) / inkBox(render(normal)).width();
        QVERIFY2(ratio > 1.6 && ratio < 2.4, qPrintable(QString::number(ratio)));
    }

    void escapementRotates()
    {
        wmf::Writer w = pixelWriter(100, 200);
        wmf::FontOptions f;
        f.height = -20;
        f.escapement = 900; // upwards
        w.selectObject(w.createFont(f));
        w.setBkMode(1);
        w.setTextAlign(24);
        w.textOut(50, 180, "HHHHHH");
        const QRect ink = inkBox(render(w));
        QVERIFY2(ink.height() > 3 * ink.width(), qPrintable(QStringLiteral("%1x%2").arg(ink.width()).arg(ink.height())));
        QVERIFY(ink.bottom() <= 181);
    }

    void backgroundOfText()
    {
        // OPAQUE mode paints the cell; ETO_OPAQUE paints the whole rectangle
        wmf::Writer w = textWriter(-20, 0);
        w.setBkMode(2);
        w.setBkColor(QColor(0, 255, 0));
        w.textOut(10, 10, "x");
        const QRect opaque(100, 10, 80, 40);
        w.setBkColor(QColor(0, 0, 255));
        w.extTextOut(110, 20, 0x0002, &opaque, "");
        const QImage img = render(w);
        EXPECT_PIXEL(img, 11, 12, qRgb(0, 255, 0));
        EXPECT_PIXEL(img, 60, 12, kWhite);
        EXPECT_PIXEL(img, 175, 45, qRgb(0, 0, 255));
        EXPECT_PIXEL(img, 185, 45, kWhite);
    }

    void clippedText()
    {
        wmf::Writer w = textWriter(-40, 0);
        const QRect clip(0, 0, 200, 20);
        w.extTextOut(10, 0, 0x0004, &clip, "HHHH");
        const QRect ink = inkBox(render(w));
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.bottom() < 20, qPrintable(QString::number(ink.bottom())));
    }

    void textColourNotPen()
    {
        wmf::Writer w = textWriter(-40, 0);
        w.selectObject(w.createPen(0, 0, Qt::green));
        w.setTextColor(QColor(255, 0, 0));
        w.textOut(10, 10, "I");
        const QImage img = render(w);
        const QRect ink = inkBox(img);
        EXPECT_PIXEL(img, ink.center().x(), ink.center().y(), qRgb(255, 0, 0));
    }

    // GDI takes a face it has whatever pitch and family say (LibreOffice
    // writes VARIABLE_PITCH for everything); they only pick a stand-in for a
    // face it lacks. Each row must look like the family named, and unlike
    // the other one.
    void faceNameBeforePitchAndFamily_data()
    {
        QTest::addColumn<QByteArray>("face");
        QTest::addColumn<int>("pitchAndFamily");
        QTest::addColumn<QByteArray>("family");
        QTest::addColumn<QByteArray>("other");
        QTest::newRow("DejaVu Sans, variable pitch") << QByteArray("DejaVu Sans") << 0x02 << QByteArray("DejaVu Sans")
                                                     << QByteArray("Liberation Sans");
        QTest::newRow("Liberation Serif, variable pitch")
            << QByteArray("Liberation Serif") << 0x02 << QByteArray("Liberation Serif")
            << QByteArray("Liberation Sans");
        QTest::newRow("Liberation Mono, variable pitch")
            << QByteArray("Liberation Mono") << 0x02 << QByteArray("Liberation Mono") << QByteArray("Liberation Sans");
        QTest::newRow("installed face, swiss family")
            << QByteArray("Liberation Serif") << 0x22 << QByteArray("Liberation Serif")
            << QByteArray("Liberation Sans");
        QTest::newRow("installed face, other case, roman")
            << QByteArray("dejavu serif") << 0x12 << QByteArray("DejaVu Serif") << QByteArray("Liberation Serif");
        QTest::newRow("Windows face, wrong family") << QByteArray("Times New Roman") << 0x32
                                                    << QByteArray("Liberation Serif") << QByteArray("Liberation Mono");
        QTest::newRow("unknown face, roman") << QByteArray("Foo Roman") << 0x12 << QByteArray("Liberation Serif")
                                             << QByteArray("Liberation Sans");
        QTest::newRow("unknown face, fixed pitch") << QByteArray("Foo Mono") << 0x31 << QByteArray("Liberation Mono")
                                                   << QByteArray("Liberation Sans");
        QTest::newRow("unknown face, variable pitch") << QByteArray("Foo Sans") << 0x02
                                                      << QByteArray("Liberation Sans") << QByteArray("DejaVu Sans");
        QTest::newRow("fontconfig alias is no face") << QByteArray("serif") << 0x22 << QByteArray("Liberation Sans")
                                                     << QByteArray("DejaVu Serif");
    }

    void faceNameBeforePitchAndFamily()
    {
        QFETCH(QByteArray, face);
        QFETCH(int, pitchAndFamily);
        QFETCH(QByteArray, family);
        QFETCH(QByteArray, other);
        const QImage img = faceSample(face, pitchAndFamily);
        QVERIFY(!inkBox(img).isEmpty());
        QVERIFY2(img == faceSample(family, 0), "not drawn in the expected family");
        QVERIFY2(img != faceSample(other, 0), "drawn in the stand-in family");
    }

    // Hangul Windows (charset 129) writes "→" as A1 E6 and "×" as A1 BF and
    // spaces the text byte by byte. The Symbol font has the same signs in one
    // byte each (AE, B4) and is drawn with DejaVu Sans as well, so with the
    // advances of the two bytes added up both must give the same pixels.
    void doubleByteText_data()
    {
        QTest::addColumn<int>("options"); // -1: TEXTOUT
        QTest::addColumn<QVector<qint16>>("dx");
        QTest::addColumn<QVector<qint16>>("symbolDx");
        QTest::newRow("no spacing array") << -1 << QVector<qint16>() << QVector<qint16>();
        QTest::newRow("dx per byte") << 0 << QVector<qint16>{20, 10, 15, 20, 12, 13, 20}
                                     << QVector<qint16>{20, 25, 20, 25, 20};
        QTest::newRow("dx and dy per byte")
            << 0x2000 << QVector<qint16>{20, 0, 10, 3, 15, 4, 20, 0, 12, -2, 13, -3, 20, 0}
            << QVector<qint16>{20, 0, 25, 7, 20, 0, 25, -5, 20, 0};
    }

    void doubleByteText()
    {
        QFETCH(int, options);
        QFETCH(QVector<qint16>, dx);
        QFETCH(QVector<qint16>, symbolDx);
        const QImage hangul = signsSample("DejaVu Sans", 129, "2\xa1\xe6" "4\xa1\xbf" "6", options, dx);
        const QImage symbol = signsSample("Symbol", 2, "2\xae" "4\xb4" "6", options, symbolDx);
        QVERIFY(!inkBox(symbol).isEmpty());
        QVERIFY2(hangul == symbol, qPrintable(QStringLiteral("ink %1 wide, expected %2")
                                                  .arg(inkBox(hangul).width())
                                                  .arg(inkBox(symbol).width())));
    }

    void symbolAndUmlautsDraw()
    {
        wmf::Writer w = textWriter(-30, 0, "Symbol");
        w.textOut(10, 10, "abg");
        wmf::Writer de = textWriter(-30, 0);
        de.textOut(10, 10, "\xc4\xd6\xdc");
        QVERIFY(!inkBox(render(w)).isEmpty());
        QVERIFY(!inkBox(render(de)).isEmpty());
    }
};

QTEST_MAIN(TestWmfText)
#include "tst_wmf_text.moc"
