// What the player draws: shapes, mapping, DC state, objects, clipping,
// bitmaps, mostly as small pictures and the colours of a few of their
// pixels; and where text lands and how wide it gets.
#include "wmftest.h"

#include "wmf/gdiconstants.h"

#include <QFontDatabase>

using namespace wmftest;

namespace {

struct Probe {
    int x, y;
    QRgb colour;
};
using Probes = QList<Probe>;
using Wr = wmf::Writer;
using Draw = std::function<void(Wr &)>;

constexpr QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), red = qRgb(255, 0, 0), green = qRgb(0, 255, 0),
               blue = qRgb(0, 0, 255), cyan = qRgb(0, 255, 255);

void brush(Wr &w, QRgb c) { w.selectObject(w.createBrush(0, QColor(c))); }
void pen(Wr &w, int style, int width, QRgb c) { w.selectObject(w.createPen(style, width, QColor(c))); }

// w x h px, no pen (slot 0) and a solid brush of colour c (slot 1).
Wr filling(QRgb c, int w = 40, int h = 40)
{
    Wr wr = pixelWriter(w, h);
    pen(wr, 5, 0, black);
    brush(wr, c);
    return wr;
}

void row(const QByteArray &name, Wr w, const Draw &draw, const Probes &probes, double scale = 1,
         double dpr = 1)
{
    draw(w);
    QTest::newRow(name.constData()) << w.data() << scale << dpr << probes;
}

// A red rectangle over 100 x 100 px drawn under the mapping that setup makes.
void mapped(const char *name, const Draw &setup, QRect box, QPoint in, QPoint out)
{
    row(name, filling(red, 100, 100), [&](Wr &w) { setup(w); w.rectangle(box.left(), box.top(), box.right(), box.bottom()); },
        {{in.x(), in.y(), red}, {out.x(), out.y(), white}});
}

// A red rectangle over the whole 40 x 40 px under the clip that setup makes.
void clipped(const char *name, const Draw &setup, QPoint in, QPoint out = {-1, -1})
{
    row(name, filling(red), [&](Wr &w) { setup(w); w.rectangle(0, 0, 41, 41); },
        out.x() < 0 ? Probes{{in.x(), in.y(), red}} : Probes{{in.x(), in.y(), red}, {out.x(), out.y(), white}});
}

QPolygon corners(int l, int t, int r, int b) { return QPolygon({QPoint(l, t), QPoint(r, t), QPoint(r, b), QPoint(l, b)}); }

// Transparent text, aligned as told, in a 200 x 100 px picture, drawn by draw.
QByteArray text(int height, int align, const Draw &draw, const QByteArray &face = "Arial", int charSet = 0,
                int width = 0, int escapement = 0)
{
    Wr w = pixelWriter(200, 100);
    w.selectObject(w.createFont({face, height, width, escapement, 400, false, false, false, charSet, 0x02}));
    w.setBkMode(1);
    w.setTextAlign(align);
    draw(w);
    return w.data();
}

} // namespace

Q_DECLARE_METATYPE(Probe)

class TestWmfRender : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFontDatabase::families().contains(QStringLiteral("Liberation Sans")),
                 "fonts-liberation2 is needed for the text tests");
    }

    void pixels_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("dpr");
        QTest::addColumn<Probes>("probes");
        // GDI leaves out the right and bottom edge; with a null pen one more pixel.
        row("rectangle edges", filling(red), [](Wr &w) { pen(w, 0, 0, blue); w.rectangle(5, 5, 15, 15);
            pen(w, 5, 0, black); w.rectangle(20, 20, 30, 30); },
            {{5, 5, blue}, {14, 14, blue}, {15, 10, white}, {10, 15, white}, {10, 10, red}, {20, 20, red}, {28, 28, red},
             {29, 25, white}, {25, 29, white}});
        row("lines leave out the last pixel", pixelWriter(40, 40), [](Wr &w) { w.moveTo(10, 5); w.lineTo(20, 5);
            w.polyline(QPolygon({QPoint(5, 10), QPoint(5, 30)}));
            pen(w, 2, 0, black); // PS_DOT: 3 on, 3 off
            w.setBkMode(1); w.moveTo(10, 35); w.lineTo(20, 35); },
            {{9, 5, white}, {10, 5, black}, {19, 5, black}, {20, 5, white}, {5, 10, black}, {5, 29, black},
             {5, 30, white}, {10, 35, black}, {13, 35, white}, {16, 35, black}});
        row("white brush and black pen by default", pixelWriter(40, 40), [](Wr &w) {
            w.patBlt(0, 0, 40, 40, 0x00000042); w.rectangle(5, 5, 30, 30); }, // on BLACKNESS
            {{15, 15, white}, {5, 15, black}, {35, 35, black}});

        mapped("anisotropic", [](Wr &w) { w.setMapMode(wmf::MM_ANISOTROPIC); w.setWindowExt(1000, 1000); },
               QRect(QPoint(100, 100), QPoint(300, 300)), {20, 20}, {40, 40});
        mapped("negative extent flips", [](Wr &w) { w.setMapMode(wmf::MM_ANISOTROPIC); w.setWindowOrg(0, 1000);
            w.setWindowExt(1000, -1000); }, QRect(QPoint(100, 100), QPoint(300, 300)), {20, 80}, {20, 20});
        mapped("isotropic keeps the aspect", [](Wr &w) { w.setMapMode(wmf::MM_ISOTROPIC); w.setWindowExt(1000, 500);
            w.setViewportExt(100, 100); }, QRect(QPoint(0, 400), QPoint(100, 490)), {5, 45}, {5, 95});
        mapped("lometric, y up", [](Wr &w) { w.setMapMode(wmf::MM_LOMETRIC); w.setWindowOrg(0, 0); w.setViewportOrg(0, 100); },
               QRect(QPoint(0, 100), QPoint(50, 0)), {10, 90}, {10, 20}); // 254 units are 96 px
        mapped("twips", [](Wr &w) { w.setMapMode(wmf::MM_TWIPS); w.setViewportOrg(0, 100); },
               QRect(QPoint(0, 1440), QPoint(300, 1200)), {10, 10}, {10, 50});
        mapped("offset window origin", [](Wr &w) { w.offsetWindowOrg(-40, -40); }, QRect(QPoint(0, 0), QPoint(10, 10)),
               {45, 45}, {5, 5});
        mapped("offset viewport origin", [](Wr &w) { w.offsetViewportOrg(60, 0); }, QRect(QPoint(0, 0), QPoint(10, 10)),
               {65, 5}, {5, 5});
        mapped("scale window extent", [](Wr &w) { w.setMapMode(wmf::MM_ANISOTROPIC); w.setWindowExt(100, 100);
            w.scaleWindowExt(1, 2, 1, 2); }, QRect(QPoint(10, 10), QPoint(20, 20)), {35, 35}, {15, 15});
        mapped("scale viewport extent", [](Wr &w) { w.setMapMode(wmf::MM_ANISOTROPIC); w.setWindowExt(100, 100);
            w.setViewportExt(100, 100); w.scaleViewportExt(3, 1, 3, 1); }, QRect(QPoint(10, 10), QPoint(20, 20)),
               {45, 45}, {15, 15});
        Wr twips;
        twips.setBounds(QRect(0, 0, 1500, 1500), 1440); // 100 x 100 px
        row("text mode, viewport origin", twips, [](Wr &w) { w.setMapMode(wmf::MM_TEXT); w.setViewportOrg(50, 0);
            brush(w, red); w.rectangle(0, 0, 20, 20); }, {{60, 10, red}, {10, 10, white}, {75, 10, white}});
        Wr plain;
        plain.setPlaceable(false);
        row("window of a file without placeable header", plain, [](Wr &w) { w.setMapMode(wmf::MM_ANISOTROPIC);
            w.setWindowOrg(100, 100); w.setWindowExt(80, 40); brush(w, blue); w.rectangle(100, 100, 141, 141); },
            {{20, 20, blue}, {60, 20, white}});
        Wr box;
        box.setBounds(QRect(1000, 1000, 1440, 1440), 1440); // 96 x 96 px, origin at 1000
        auto quarter = [](Wr &w) { brush(w, green); w.rectangle(1000, 1000, 1720, 1720); };
        row("placeable box", box, quarter, {{20, 20, green}, {70, 70, white}});
        row("placeable box, scaled", box, quarter, {{90, 90, green}, {100, 100, white}}, 2.0);

        // Saved 1: green, saved 2: blue, current red.
        for (auto [n, c] : {std::pair{-1, blue}, {-2, green}, {1, green}, {2, blue}, {0, red}, {-5, red}, {7, red}})
            row("RestoreDC " + QByteArray::number(n), filling(green, 20, 20), [n = n](Wr &w) { w.saveDC();
                brush(w, blue); w.saveDC(); brush(w, red); w.restoreDC(n); w.rectangle(0, 0, 21, 21); }, {{10, 10, c}});
        row("RestoreDC brings back mapping and clip", filling(red), [](Wr &w) { w.saveDC(); w.setWindowOrg(-20, -20);
            w.intersectClipRect(0, 0, 5, 5); w.restoreDC(-1); w.rectangle(0, 0, 10, 10); }, {{5, 5, red}, {25, 25, white}});
        row("new objects take the lowest free slot", filling(red), [](Wr &w) { w.createPlaceholder(0x06FE); // 2: a bitmap
            brush(w, green); w.deleteObject(1); brush(w, blue); w.rectangle(0, 0, 20, 41); // blue takes slot 1
            w.selectObject(3); w.rectangle(20, 0, 41, 41); }, {{10, 10, blue}, {30, 10, green}});
        row("every object takes a slot", filling(red, 20, 20), [](Wr &w) { w.createRegion({QRect(0, 0, 5, 5)});
            w.createPatternBrush(QImage(8, 8, QImage::Format_Mono)); w.createPlaceholder(0x00F8); // old CREATEBRUSH
            w.createPalette({red}); w.createPlaceholder(0x02FD); w.createBrush(0, QColor(green)); // slot 7
            w.selectObject(7); w.rectangle(0, 0, 21, 21); }, {{10, 10, green}});
        row("missing objects are not selected", filling(red, 20, 20), [](Wr &w) {
            w.deleteObject(1); // still selected: GDI keeps drawing with it
            w.selectObject(1); w.selectObject(77); w.rectangle(0, 0, 21, 21); }, {{10, 10, red}});

        // One logical unit is ten pixels; the line runs along y = 100 px.
        for (auto [width, top, bottom] : {std::tuple{0, 100, 100}, {1, 95, 104}, {3, 85, 114}})
            row("pen width " + QByteArray::number(width), pixelWriter(200, 200), [width = width](Wr &w) {
                w.setMapMode(wmf::MM_ANISOTROPIC); w.setWindowExt(20, 20); pen(w, 0x0200, width, black);
                w.moveTo(0, 10); w.lineTo(20, 10); },
                {{100, top - 1, white}, {100, top, black}, {100, bottom, black}, {100, bottom + 1, white}});
        row("pen width in the mapping it is drawn with", pixelWriter(200, 200), [](Wr &w) {
            w.setMapMode(wmf::MM_ANISOTROPIC); w.setWindowExt(200, 200); pen(w, 0x0200, 1, black);
            w.setWindowExt(20, 20); w.moveTo(0, 10); w.lineTo(20, 10); },
            {{100, 94, white}, {100, 95, black}, {100, 104, black}, {100, 105, white}});
        row("dashed pen", pixelWriter(100, 10), [](Wr &w) { pen(w, 1, 0, black); // PS_DASH: 18 on, 6 off
            w.setBkMode(1); w.moveTo(0, 5); w.lineTo(100, 5); },
            {{0, 5, black}, {17, 5, black}, {18, 5, white}, {23, 5, white}, {24, 5, black}});
        for (auto [mode, gap] : {std::pair{2, green}, {1, white}})
            row(mode == 2 ? "hatch, opaque" : "hatch, transparent", filling(red, 32, 32), [mode = mode](Wr &w) {
                w.selectObject(w.createBrush(2, QColor(blue), 0)); // HS_HORIZONTAL
                w.setBkColor(QColor(green)); w.setBkMode(mode); w.rectangle(0, 0, 33, 33); },
                {{10, 3, blue}, {10, 11, blue}, {10, 7, gap}});
        for (int dx : {1, -1})
            row(dx > 0 ? "hatch \\" : "hatch /", filling(red, 32, 32), [dx](Wr &w) {
                w.selectObject(w.createBrush(2, Qt::black, dx > 0 ? 2 : 3)); w.setBkMode(1); w.rectangle(0, 0, 33, 33); },
                {{15 + (dx > 0), 16, black}, {15 + (dx > 0) + dx, 17, black}, {15 + (dx > 0) - dx, 17, white}});
        QImage tile(8, 8, QImage::Format_RGB32);
        tile.fill(red);
        QPainter(&tile).fillRect(0, 0, 8, 4, QColor(blue));
        row("pattern brush tiles", filling(red, 32, 32), [&](Wr &w) { w.selectObject(w.createDibPatternBrush(tile));
            w.rectangle(0, 0, 33, 33); }, {{3, 1, blue}, {3, 6, red}, {19, 9, blue}, {19, 14, red}});
        QImage tooWide(1025, 1, QImage::Format_RGB32);
        tooWide.fill(blue);
        row("pattern too wide: grey", filling(red, 32, 32), [&](Wr &w) { w.selectObject(w.createDibPatternBrush(tooWide));
            w.rectangle(0, 0, 33, 33); }, {{10, 10, qRgb(128, 128, 128)}});

        // A red brush over black (left) and white (right).
        for (auto [rop2, onBlack, onWhite] : {std::tuple{13, red, red}, {11, black, white}, {6, white, black},
                                              {1, black, black}, {16, white, white}, {4, cyan, cyan}, {7, red, cyan},
                                              {9, black, red}, {15, red, white}})
            row("ROP2 " + QByteArray::number(rop2), filling(red, 40, 20), [rop2 = rop2](Wr &w) {
                w.patBlt(0, 0, 20, 20, 0x00000042); w.setROP2(rop2); w.rectangle(0, 0, 41, 21); },
                {{10, 10, onBlack}, {30, 10, onWhite}});
        // The mixing raster operations work bit by bit, as GDI's do: brush #c86432 over #808080.
        for (auto [rop2, mixed] : {std::pair{2, 0x371b4d}, {3, 0x008080}, {5, 0x486432}, {6, 0x7f7f7f}, {7, 0x48e4b2},
                                   {8, 0x7fffff}, {9, 0x800000}, {10, 0xb71b4d}, {12, 0xb79bcd}, {14, 0xff7f7f},
                                   {15, 0xc8e4b2}})
            row("bitwise ROP2 " + QByteArray::number(rop2), filling(0xff808080, 20, 20), [rop2 = rop2](Wr &w) {
                w.rectangle(0, 0, 21, 21); brush(w, 0xffc86432); w.setROP2(rop2); w.ellipse(2, 2, 18, 18); },
                {{10, 10, QRgb(mixed) | 0xff000000}, {0, 0, 0xff808080}});
        // LibreOffice's gradients: stripes a third of a pixel tall drawn with
        // XOR, the shape filled black, the same stripes again. On the black the
        // second pass leaves every stripe's colour at full strength, but only if
        // the XOR covers whole pixels; half-covered ones come out dimmed.
        auto colourAt = [](int y) { return qRgb(255 - y * 255 / 99, 0, y * 255 / 99); };
        Probes stripes{{3, 15, white}};
        for (int y : {1, 8, 15, 22, 28})
            stripes.append({30, y, colourAt(int((y + 0.5) / 0.3))});
        Wr thin;
        thin.setBounds(QRect(0, 0, 200, 100), 320); // 0.3 px a unit: 60 x 30 px
        auto xorStripes = [&](Wr &w) {
            w.setROP2(7);
            for (int y = 0; y < 100; ++y) {
                brush(w, colourAt(y));
                w.polygon(corners(20, y, 180, y + 1));
                w.deleteObject(1);
            }
        };
        row("XOR gradient around a black fill", thin, [&](Wr &w) { pen(w, 5, 0, black); xorStripes(w); w.setROP2(13);
            brush(w, black); w.polygon(corners(20, 0, 180, 100)); xorStripes(w); }, stripes);
        for (auto [mode, centre] : {std::pair{1, white}, {2, red}}) // two squares overlapping in the middle
            row(mode == 1 ? "alternate fill" : "winding fill", filling(red, 60, 60), [mode = mode](Wr &w) {
                w.setPolyFillMode(mode); w.polyPolygon({corners(0, 0, 40, 40), corners(20, 20, 60, 60)}); },
                {{10, 10, red}, {30, 30, centre}, {50, 50, red}});
        row("pie", filling(red, 100, 100), [](Wr &w) { w.pie(0, 0, 100, 100, 100, 50, 50, 0); }, // east to north
            {{75, 25, red}, {25, 25, white}, {75, 75, white}});
        row("pie from a radial to itself", filling(green, 100, 100), [](Wr &w) { w.pie(0, 0, 100, 100, 100, 50, 100, 50); },
            {{25, 50, green}, {75, 50, green}, {2, 2, white}});
        row("chord", filling(blue, 100, 100), [](Wr &w) { w.chord(0, 0, 100, 100, 100, 50, 0, 50); },
            {{50, 25, blue}, {50, 75, white}});
        row("arc", pixelWriter(100, 100), [](Wr &w) { pen(w, 0, 4, red); w.arc(0, 0, 100, 100, 50, 0, 100, 50); },
            {{1, 50, red}, {50, 98, red}, {85, 15, white}, {50, 50, white}}); // north to east the long way round
        row("pie, y up", filling(red, 100, 100), [](Wr &w) { w.setMapMode(wmf::MM_ANISOTROPIC); w.setWindowOrg(0, 100);
            w.setWindowExt(100, -100); w.pie(0, 0, 100, 100, 100, 50, 50, 100); }, // still the upper right
            {{75, 25, red}, {25, 75, white}});
        row("round rectangle and ellipse", filling(blue, 100, 50), [](Wr &w) { w.roundRect(0, 0, 50, 50, 40, 40);
            w.ellipse(50, 0, 100, 50); }, {{1, 1, white}, {25, 1, blue}, {75, 25, blue}, {52, 2, white}});
        row("PatBlt and SetPixel", filling(green, 30, 30), [](Wr &w) {
            w.patBlt(0, 0, 10, 10, 0x00F00021); w.patBlt(10, 0, 10, 10, 0x00FF0062); // PATCOPY, WHITENESS
            w.patBlt(20, 0, 10, 10, 0x00000042); w.patBlt(0, 0, 30, 5, 0x00550009); // BLACKNESS, DSTINVERT
            w.setPixel(15, 20, QColor(red)); w.patBltNoBitmap(QRect(0, 25, 5, 5), 0x00F00021); },
            {{5, 7, green}, {5, 2, qRgb(255, 0, 255)}, {25, 2, white}, {25, 7, black}, {15, 20, red}, {16, 20, white},
             {2, 27, green}});

        clipped("intersect clip", [](Wr &w) { w.intersectClipRect(10, 10, 20, 20); }, {19, 19}, {20, 20}); // right and bottom edges outside
        clipped("exclude clip", [](Wr &w) { w.excludeClipRect(10, 10, 20, 20); }, {25, 25}, {15, 15});
        clipped("intersect twice", [](Wr &w) { w.intersectClipRect(0, 0, 20, 20); w.intersectClipRect(10, 10, 40, 40); },
                {15, 15}, {5, 5});
        clipped("offset clip", [](Wr &w) { w.intersectClipRect(0, 0, 10, 10); w.offsetClipRgn(20, 20); }, {25, 25}, {5, 5});
        clipped("select clip region", [](Wr &w) { w.selectClipRegion(w.createRegion({QRect(30, 0, 10, 10)})); },
                {35, 5}, {5, 5});
        clipped("select missing region resets", [](Wr &w) { w.intersectClipRect(0, 0, 5, 5); w.selectClipRegion(99); },
                {35, 35});
        clipped("clip stays in device space", [](Wr &w) { w.setMapMode(wmf::MM_ANISOTROPIC); w.setWindowExt(400, 400);
            w.intersectClipRect(0, 0, 100, 100); w.setWindowExt(40, 40); }, {5, 5}, {15, 15});
        row("fill and frame regions", pixelWriter(40, 40), [](Wr &w) {
            w.fillRegion(w.createRegion({QRect(0, 0, 20, 20), QRect(20, 20, 20, 20)}), w.createBrush(0, QColor(green)));
            w.frameRegion(w.createRegion({QRect(0, 25, 15, 15)}), w.createBrush(0, QColor(blue)), 2, 2); },
            {{5, 5, green}, {30, 30, green}, {30, 5, white}, {0, 30, blue}, {7, 32, white}});
        row("invert region", pixelWriter(20, 20), [](Wr &w) { w.invertRegion(w.createRegion({QRect(0, 0, 10, 20)})); },
            {{5, 5, black}, {15, 5, white}});
        auto flood = [](Wr &w) { pen(w, 0, 2, black); w.selectObject(w.createBrush(1, Qt::black)); // hollow
            w.rectangle(5, 5, 25, 25); brush(w, blue); w.floodFill(15, 15, QColor(black)); };
        row("flood fill", pixelWriter(40, 40), flood, {{15, 15, blue}, {32, 32, white}});
        // On a screen with two pixels to the point, as the picture box draws.
        row("flood fill, dense screen", pixelWriter(40, 40), flood, {{30, 30, blue}, {44, 44, blue}, {64, 64, white}}, 1, 2);
        // Drawn at half size, a hairline is half a pixel: the fill must still stop at it.
        row("flood fill inside a hairline, half size", pixelWriter(40, 40), [](Wr &w) {
            w.selectObject(w.createBrush(1, Qt::black)); w.rectangle(5, 5, 25, 25); brush(w, blue);
            w.floodFill(15, 15, QColor(black)); }, {{7, 7, blue}, {16, 16, white}}, 0.5);
        // However small the picture is drawn, no line fades below half a pixel
        // of the output: a half-tone line in the output's pixels.
        constexpr QRgb halfTone = qRgb(128, 128, 128);
        row("a hairline at a quarter of the size", pixelWriter(80, 80), [](Wr &w) { pen(w, 0, 0, black);
            w.moveTo(0, 40); w.lineTo(80, 40); w.moveTo(60, 0); w.lineTo(60, 80); },
            {{5, 10, halfTone}, {5, 9, white}, {5, 11, white}, {15, 5, halfTone}, {14, 5, white}, {16, 5, white}}, 0.25);
        row("a pen two units wide at an eighth", pixelWriter(160, 160), [](Wr &w) { pen(w, 0, 2, black);
            w.rectangle(40, 40, 121, 121); }, {{10, 5, halfTone}, {5, 10, halfTone}, {10, 10, white}, {10, 14, halfTone}, {14, 10, halfTone}, {10, 15, white}, {15, 10, white}}, 0.125);
        // OPAQUE mode fills the text cell, ETO_OPAQUE the whole rectangle; text takes the text colour.
        row("text background and colour", pixelWriter(200, 100), [](Wr &w) { wmf::FontOptions f; f.height = -40;
            w.selectObject(w.createFont(f)); pen(w, 0, 0, green); w.setTextColor(QColor(red));
            w.setBkMode(2); w.setBkColor(QColor(green)); w.textOut(10, 10, "x");
            const QRect opaque(100, 10, 80, 40); w.setBkColor(QColor(blue)); w.extTextOut(110, 20, 0x0002, &opaque, "");
            w.setBkMode(1); w.textOut(60, 10, "I"); },
            {{11, 12, green}, {11, 60, white}, {45, 12, white}, {175, 45, blue}, {185, 45, white}, {65, 30, red},
             {70, 12, white}});

        // DIB_PAL_COLORS: the colour table holds indices into the selected palette.
        QByteArray dib(40, '\0');
        for (auto [at, v] : {std::pair{0, 40}, {4, 2}, {8, 2}, {12, 1}, {14, 1}, {32, 2}})
            dib[at] = char(v); // header of a 2 x 2 DIB of one bit a pixel, two colours
        dib += QByteArray("\x02\0\x01\0\x40\0\0\0\x80\0\0\0", 12); // indices 2, 1; rows 01 and 10
        row("palette colours", pixelWriter(20, 20), [&](Wr &w) { w.selectPalette(w.createPalette({black, blue, red}));
            w.record(0x0037, {0, 1, 0x0201, 0x0003}); // SETPALENTRIES of the first entry keeps the others
            w.stretchDibRaw(QRect(0, 0, 20, 20), QRect(0, 0, 2, 2), dib, 0x00CC0020, 1); },
            {{5, 15, red}, {15, 15, blue}, {5, 5, blue}, {15, 5, red}});
        row("palette cut short by RESIZEPALETTE: beyond its end is black", pixelWriter(20, 20), [](Wr &w) {
            w.selectPalette(w.createPalette({black, blue, red})); pen(w, 5, 0, black);
            auto entry2 = [&w](int slot) { w.record(0x02FC, {0, 2, 0x0100, 0}); w.selectObject(slot); }; // PALETTEINDEX(2)
            entry2(2); w.rectangle(0, 0, 11, 21); w.record(0x0139, {1}); entry2(3); w.rectangle(10, 0, 21, 21); },
            {{5, 10, red}, {15, 10, black}});
        const QImage q = quadrants();
        const QRect all(0, 0, 13, 7);
        auto blit = [](const char *name, int size, const Draw &draw, QPoint at, QRgb c) {
            row(name, pixelWriter(size, size == 26 ? 14 : size), draw, {{at.x(), at.y(), c}}); // 26 x 14 or square
        };
        row("StretchDIB scales", pixelWriter(26, 14), [&](Wr &w) { w.stretchDib(QRect(0, 0, 26, 14), all, q); },
            {{2, 2, red}, {24, 2, green}, {2, 12, blue}, {24, 12, white}});
        blit("negative width mirrors", 26, [&](Wr &w) { w.stretchDib(QRect(26, 0, -26, 14), all, q); }, {2, 2}, green);
        blit("negative height flips", 26, [&](Wr &w) { w.stretchDib(QRect(0, 14, 26, -14), all, q); }, {2, 12}, red);
        blit("flipped window and height cancel", 26, [&](Wr &w) { w.setMapMode(8); w.setWindowOrg(0, 14);
            w.setWindowExt(26, -14); w.stretchDib(QRect(0, 14, 26, -14), all, q); }, {2, 2}, red);
        blit("StretchDIB source counts from the bottom", 20, [&](Wr &w) {
            w.stretchDib(QRect(0, 0, 20, 20), QRect(0, 0, 6, 4), q); }, {10, 10}, blue);
        blit("DIBStretchBlt source counts from the top", 20, [&](Wr &w) {
            w.dibStretchBlt(QRect(0, 0, 20, 20), QRect(0, 0, 6, 3), q); }, {10, 10}, red);
        blit("DIBBitBlt", 20, [&](Wr &w) { w.dibBitBlt(QPoint(3, 3), all, q); }, {3 + 12, 3 + 6}, white);
        blit("SetDIBitsToDevice", 20, [&](Wr &w) { w.setDibToDev(QPoint(2, 2), q); }, {3, 3}, red);
        blit("NOTSRCCOPY", 20, [&](Wr &w) { w.stretchDib(QRect(0, 0, 20, 20), all, q, {}, 0x00330008); }, {2, 2}, cyan);
        QImage mono(8, 8, QImage::Format_RGB32); // mono Bitmap16: 0 bits take the text colour, 1 bits the background
        mono.fill(white);
        QPainter(&mono).fillRect(0, 0, 4, 8, Qt::black);
        row("mono bitmap in text and background colour", pixelWriter(8, 8), [&](Wr &w) { w.setTextColor(QColor(red));
            w.setBkColor(QColor(blue)); w.bitBltMono(QPoint(0, 0), mono, 0x00CC0020); }, {{1, 4, red}, {6, 4, blue}});
        // The two-pass transparency idioms clip art uses for shaped bitmaps: a
        // red disc on black in the image, the mask black where the disc is.
        QImage image(20, 20, QImage::Format_RGB32), mask(20, 20, QImage::Format_RGB32);
        image.fill(black);
        mask.fill(white);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                if ((x - 10) * (x - 10) + (y - 10) * (y - 10) < 49) {
                    image.setPixel(x, y, red);
                    mask.setPixel(x, y, black);
                }
        const QRect r(0, 0, 20, 20);
        for (int idiom : {0, 1})
            row(idiom ? "mask: XOR, AND, XOR" : "mask: AND, then OR", filling(blue, 20, 20), [&](Wr &w) {
                w.rectangle(0, 0, 21, 21); // the blue background must show around the disc
                if (idiom == 0) {
                    w.stretchDib(r, r, mask, {}, 0x008800C6);  // SRCAND
                    w.stretchDib(r, r, image, {}, 0x00EE0086); // SRCPAINT
                } else {
                    w.stretchDib(r, r, image, {}, 0x00660046); // SRCINVERT
                    w.stretchDib(r, r, mask, {}, 0x008800C6);
                    w.stretchDib(r, r, image, {}, 0x00660046);
                }
            }, {{10, 10, red}, {1, 1, blue}, {18, 2, blue}});
    }

    void pixels()
    {
        QFETCH(QByteArray, file);
        QFETCH(double, scale);
        QFETCH(double, dpr);
        QFETCH(Probes, probes);
        const QImage img = render(file, scale, QImage::Format_ARGB32_Premultiplied, dpr);
        QVERIFY(!img.isNull());
        for (const Probe &p : probes)
            EXPECT_PIXEL(img, p.x, p.y, p.colour);
    }

    // The frame clips: a shape larger than the picture stays inside it.
    void nothingOutsideTheFrame()
    {
        Wr w = filling(red, 20, 20);
        w.rectangle(-50, -50, 100, 100);
        wmf::Metafile mf;
        QVERIFY(mf.load(w.data()));
        QImage img(60, 60, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::white);
        QPainter p(&img);
        p.translate(20, 20);
        mf.render(p);
        p.end();
        QCOMPARE(inkBox(img), QRect(20, 20, 20, 20));
    }

    // A file that names no area to frame, a single text say, is as large as its ink.
    void frameOfWhatIsDrawn()
    {
        Wr w;
        w.setPlaceable(false);
        w.selectObject(w.createFont({"Arial", -20, 0, 0, 400, false, false, false, 0, 0x02}));
        w.setBkMode(1);
        w.textOut(0, 40, "HHHH"); // about 55 x 14 px of ink
        const QImage img = render(w.data());
        const QRect ink = inkBox(img);
        QVERIFY2(img.width() > 50 && img.height() > 10 && img.height() < 20,
                 qPrintable(QStringLiteral("%1 x %2").arg(img.width()).arg(img.height())));
        QVERIFY(ink.left() <= 1 && ink.top() <= 1 && ink.right() >= img.width() - 3 && ink.bottom() >= img.height() - 3);
    }

    // A formula editor stacks a tall bracket from Symbol's pieces, one a
    // line: top, extension, bottom. Each piece fills its line and no more.
    void symbolBracketPieces()
    {
        Wr w = pixelWriter(100, 200);
        w.selectObject(w.createFont({"Symbol", -40, 0, 0, 400, false, false, false, 2, 0}));
        w.setBkMode(1);
        w.setTextAlign(24); // TA_BASELINE
        for (auto [y, piece] : {std::pair{60, "\xe9"}, {100, "\xea"}, {140, "\xeb"}})
            w.textOut(20, y, piece);
        for (auto [y, piece] : {std::pair{60, "\xf9"}, {100, "\xfa"}, {140, "\xfb"}})
            w.textOut(60, y, piece);
        const QImage img = render(w.data());
        const QRect ink = inkBox(img);
        // Formula editors set a bracket's right pieces where Symbol's stand:
        // the stem a fifth of an em from the origin, at the weight of the
        // text beside it (hairline serifs, no heavier face).
        QList<int> stems;
        for (int x = 0; x < img.width(); ++x) {
            int dark = 0;
            for (int y = 0; y < img.height(); ++y)
                dark += qGray(img.pixel(x, y)) < 128;
            if (dark > 100)
                stems.append(x);
            else
                QVERIFY2(dark <= 2, qPrintable(QStringLiteral("serifs %1 px thick at column %2").arg(dark / 2).arg(x)));
        }
        QVERIFY2(!stems.isEmpty() && stems.first() - 20 <= 8 && stems.last() - 60 <= 8 && stems.size() <= 4,
                 qPrintable(QStringLiteral("stems in %1 columns, %2..%3").arg(stems.size()).arg(stems.value(0)).arg(stems.value(stems.size() - 1))));
        // The bottom piece ends on its baseline (140), as the matrix beside it does.
        QVERIFY2(ink.top() >= 20 && ink.bottom() <= 144 && ink.height() >= 110,
                 qPrintable(QStringLiteral("rows %1..%2").arg(ink.top()).arg(ink.bottom())));
        for (int y = ink.top(); y <= ink.bottom(); ++y) { // one unbroken stroke
            int dark = 0;
            for (int x = 0; x < img.width(); ++x)
                dark += qGray(img.pixel(x, y)) < 128;
            QVERIFY2(dark > 0, qPrintable(QStringLiteral("gap at row %1").arg(y)));
        }
    }

    // Two ways to the same text, which must match pixel for pixel.
    void samePicture_data()
    {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        auto same = [](const char *name, const Draw &a, const Draw &b) {
            QTest::newRow(name) << text(-20, 24, a) << text(-20, 24, b);
        };
        same("dx places every character", [](Wr &w) { w.extTextOut(10, 50, 0, nullptr, "III", {30, 45, 10}); },
             [](Wr &w) { w.textOut(10, 50, "I"); w.textOut(40, 50, "I"); w.textOut(85, 50, "I"); });
        same("dy moves characters up", [](Wr &w) { w.extTextOut(10, 80, 0x2000, nullptr, "II", {40, 30, 10, 0}); },
             [](Wr &w) { w.textOut(10, 80, "I"); w.textOut(50, 50, "I"); });
        same("the current position moves by the spacing", [](Wr &w) { w.setTextAlign(24 | 1); w.moveTo(10, 50);
            w.extTextOut(0, 0, 0, nullptr, "I", {100}); w.extTextOut(0, 0, 0, nullptr, "I", {10}); },
             [](Wr &w) { w.textOut(10, 50, "I"); w.textOut(110, 50, "I"); });
        same("justification: the extra goes to the first spaces counted", [](Wr &w) { w.setTextJustification(40, 1);
            w.textOut(10, 50, "I I I"); }, [](Wr &w) { w.setTextAlign(24 | 1); w.moveTo(10, 50);
            w.setTextJustification(40, 1); w.textOut(0, 0, "I I"); w.setTextJustification(0, 0); w.textOut(0, 0, " I"); });
        const QVector<qint16> cells(6, 10); // six cells of 10 px: 60 px in all
        same("centred", [&](Wr &w) { w.setTextAlign(24 | 6); w.extTextOut(100, 50, 0, nullptr, "IIIIII", cells); },
             [&](Wr &w) { w.extTextOut(70, 50, 0, nullptr, "IIIIII", cells); });
        same("right-aligned", [&](Wr &w) { w.setTextAlign(24 | 2); w.extTextOut(100, 50, 0, nullptr, "IIIIII", cells); },
             [&](Wr &w) { w.extTextOut(40, 50, 0, nullptr, "IIIIII", cells); });
        // A font of a given width under two mappings, one twice as wide: drawn in either order.
        auto wide = [](Wr &w, int viewportWidth) { w.setMapMode(wmf::MM_ANISOTROPIC); w.setWindowExt(200, 100);
            w.setViewportExt(viewportWidth, 100); };
        QTest::newRow("a font follows the mapping")
            << text(-20, 24, [&](Wr &w) { w.textOut(10, 30, "HH"); wide(w, 400); w.textOut(5, 70, "HH"); }, "Arial", 0, 10)
            << text(-20, 24, [&](Wr &w) { wide(w, 400); w.textOut(5, 70, "HH"); wide(w, 200); w.textOut(10, 30, "HH"); },
                    "Arial", 0, 10);
        same("clipped to its rectangle", [](Wr &w) { const QRect clip(0, 0, 200, 40);
            w.extTextOut(10, 50, 0x0004, &clip, "HHHH"); },
             [](Wr &w) { w.intersectClipRect(0, 0, 200, 40); w.textOut(10, 50, "HHHH"); });
        // Hangul Windows (charset 129) writes "→" as A1 E6 and "×" as A1 BF and
        // spaces the text byte by byte. MT Extra, taken in Symbol's codes, has the
        // same signs in one byte each (AE, B4) and is drawn with DejaVu Sans as well, so with the
        // advances of the two bytes added up both must give the same pixels.
        auto signs = [](const char *name, int options, QVector<qint16> dx, QVector<qint16> symbolDx) {
            auto draw = [=](const char *bytes, const QVector<qint16> &spacing) {
                return [=](Wr &w) { options < 0 ? w.textOut(10, 45, bytes)
                                                : w.extTextOut(10, 45, options, nullptr, bytes, spacing); };
            };
            QTest::newRow(name) << text(-30, 24, draw("2\xa1\xe6" "4\xa1\xbf" "6", dx), "DejaVu Sans", 129)
                                << text(-30, 24, draw("2\xae" "4\xb4" "6", symbolDx), "MT Extra", 2);
        };
        signs("double-byte text", -1, {}, {});
        signs("double-byte text, dx per byte", 0, {20, 10, 15, 20, 12, 13, 20}, {20, 25, 20, 25, 20});
        signs("double-byte text, dx and dy per byte", 0x2000, {20, 0, 10, 3, 15, 4, 20, 0, 12, -2, 13, -3, 20, 0},
              {20, 0, 25, 7, 20, 0, 25, -5, 20, 0});
    }

    void samePicture()
    {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        const QImage img = render(a);
        QVERIFY(!inkBox(img).isEmpty());
        QCOMPARE(differing(img, render(b)), 0.0);
    }

    // How the ink of a second picture lies against that of a first: the
    // change of its left, top, right and bottom edge in pixels (-1: any).
    // Without a first picture, the edges themselves. Liberation Sans has a
    // cap height of 0.716 em, an ascent of 0.905 em and a descent of 0.212 em;
    // "H" is 0.722 em wide with 0.08 em to each side.
    void inkMoves_data()
    {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<int>("tolerance");
        const QByteArray baseline = text(-40, 24, [](Wr &w) { w.textOut(20, 50, "H"); });
        QTest::newRow("baseline") << QByteArray() << baseline << QList<int>{23, 50 - 29, -1, 50 - 1} << 2;
        QTest::newRow("top is the default") << baseline << text(-40, 0, [](Wr &w) { w.textOut(20, 50, "H"); })
                                            << QList<int>{0, 36, 0, 36} << 2;
        QTest::newRow("bottom") << baseline << text(-40, 8, [](Wr &w) { w.textOut(20, 50, "H"); })
                                << QList<int>{0, -8, 0, -8} << 2;
        QTest::newRow("cell height") // a positive height is the cell: ascent plus descent, 1.117 em
            << baseline << text(45, 24, [](Wr &w) { w.textOut(20, 50, "H"); }) << QList<int>{0, 0, 0, 0} << 2;
        const QByteArray iiii = text(-20, 24, [](Wr &w) { w.textOut(10, 50, "IIII"); });
        QTest::newRow("character extra") << iiii << text(-20, 24, [](Wr &w) { w.setTextCharExtra(10);
            w.textOut(10, 50, "IIII"); }) << QList<int>{0, 0, 30, 0} << 1;
        QTest::newRow("justification goes to the spaces counted")
            << text(-20, 24, [](Wr &w) { w.textOut(10, 50, "I I I"); })
            << text(-20, 24, [](Wr &w) { w.setTextJustification(40, 1); w.textOut(10, 50, "I I I"); })
            << QList<int>{0, 0, 40, 0} << 1;
        auto hhh = [](Wr &w) { w.textOut(10, 60, "HHH"); }; // 65 px wide
        QTest::newRow("font width stretches") // 27 px: twice the average width of a 30 px Arial, 13.2 px
            << text(-30, 24, hhh) << text(-30, 24, hhh, "Arial", 0, 27) << QList<int>{3, 0, 65, 0} << 1;
        QTest::newRow("escapement turns upwards") << QByteArray() << text(-20, 24, [](Wr &w) { w.textOut(50, 90, "HHHH"); },
            "Arial", 0, 0, 900) << QList<int>{50 - 14, 90 - 56, 50, 90 - 2} << 2;
    }

    void inkMoves()
    {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(QList<int>, moves);
        QFETCH(int, tolerance);
        const QRect from = a.isEmpty() ? QRect(0, 0, 1, 1) : inkBox(render(a)), to = inkBox(render(b));
        const QList<int> got{to.left() - from.left(), to.top() - from.top(), to.right() - from.right(),
                             to.bottom() - from.bottom()};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(moves[i] == -1 || std::abs(got[i] - moves[i]) <= tolerance, qPrintable(
                QStringLiteral("edges moved by %1, %2, %3, %4").arg(got[0]).arg(got[1]).arg(got[2]).arg(got[3])));
    }
};

QTEST_MAIN(TestWmfRender)
#include "tst_wmf_render.moc"
