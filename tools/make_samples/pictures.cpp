#include "pictures.h"

#include "canvas.h"

namespace samples {

namespace {

const QColor kOutline(60, 40, 30);

QByteArray haus()
{
    Canvas c;
    c.bands(QColor(150, 205, 255), QColor(215, 238, 255), 0, 230, 8);
    c.noPen();
    c.brush(QColor(110, 190, 80));
    c.rect(0, 230, 300, 300);
    // sun
    c.brush(QColor(255, 215, 60));
    c.ellipse(255, 45, 25, 25);
    // chimney and roof
    c.pen(kOutline, 2);
    c.brush(QColor(150, 70, 50));
    c.rect(185, 55, 210, 110);
    c.brush(QColor(205, 60, 45));
    c.poly({{40, 130}, {150, 40}, {260, 130}});
    // wall
    c.brush(QColor(250, 230, 180));
    c.rect(60, 130, 240, 250);
    // door
    c.brush(QColor(140, 90, 50));
    c.roundRect(130, 180, 170, 250, 10);
    c.noPen();
    c.brush(QColor(255, 210, 60));
    c.ellipse(161, 218, 3, 3);
    // windows with crosses
    for (double x : {80.0, 190.0}) {
        c.pen(kOutline, 2);
        c.brush(QColor(170, 215, 255));
        c.rect(x, 150, x + 35, 185);
        c.line({{x + 17.5, 150}, {x + 17.5, 185}});
        c.line({{x, 167.5}, {x + 35, 167.5}});
    }
    // roof window
    c.brush(QColor(170, 215, 255));
    c.ellipse(150, 95, 14, 14);
    // path and flowers
    c.noPen();
    c.brush(QColor(215, 190, 150));
    c.poly({{135, 250}, {165, 250}, {185, 300}, {115, 300}});
    for (int i = 0; i < 5; ++i) {
        c.brush(i % 2 ? QColor(255, 120, 170) : QColor(255, 240, 90));
        c.ellipse(30 + i * 18, 262 + (i % 2) * 10, 5, 5);
        c.ellipse(205 + i * 18, 262 + ((i + 1) % 2) * 10, 5, 5);
    }
    return c.data();
}

QByteArray baum()
{
    Canvas c;
    c.bands(QColor(180, 225, 255), QColor(230, 245, 255), 0, 300, 8);
    c.noPen();
    c.brush(QColor(120, 195, 90));
    c.ellipse(150, 290, 190, 45);
    // trunk
    c.pen(kOutline, 2);
    c.brush(QColor(140, 95, 55));
    c.poly({{132, 270}, {138, 170}, {162, 170}, {168, 270}});
    c.line({{150, 200}, {175, 165}});
    // crown
    c.brush(QColor(60, 160, 70));
    c.ellipse(150, 110, 95, 80);
    c.noPen();
    c.brush(QColor(80, 185, 85));
    c.ellipse(115, 90, 45, 38);
    c.ellipse(185, 100, 40, 35);
    c.ellipse(150, 140, 55, 35);
    // apples
    for (const QPointF &p : {QPointF(110, 95), QPointF(180, 80), QPointF(160, 140), QPointF(200, 125), QPointF(125, 140)}) {
        c.brush(QColor(220, 40, 40));
        c.ellipse(p.x(), p.y(), 9, 9);
        c.brush(QColor(255, 160, 160));
        c.ellipse(p.x() - 3, p.y() - 3, 2.5, 2.5);
    }
    return c.data();
}

QByteArray sonne()
{
    Canvas c;
    c.bands(QColor(120, 190, 255), QColor(200, 235, 255), 0, 300, 10);
    // rays
    c.pen(QColor(230, 150, 20), 2);
    c.brush(QColor(255, 190, 40));
    for (int i = 0; i < 12; ++i) {
        const double a = qDegreesToRadians(i * 30.0);
        const double a1 = a - 0.16, a2 = a + 0.16;
        c.poly({{150 + 80 * std::cos(a1), 150 + 80 * std::sin(a1)},
                {150 + 138 * std::cos(a), 150 + 138 * std::sin(a)},
                {150 + 80 * std::cos(a2), 150 + 80 * std::sin(a2)}});
    }
    c.brush(QColor(255, 225, 60));
    c.ellipse(150, 150, 88, 88);
    // face
    c.noPen();
    c.brush(QColor(255, 160, 120));
    c.ellipse(105, 170, 15, 10);
    c.ellipse(195, 170, 15, 10);
    c.brush(QColor(60, 40, 20));
    c.ellipse(122, 130, 8, 11);
    c.ellipse(178, 130, 8, 11);
    c.pen(QColor(60, 40, 20), 5);
    c.arc(150, 150, 48, 45, 200, 340);
    return c.data();
}

QByteArray aepfel()
{
    Canvas c;
    c.noPen();
    c.brush(QColor(250, 240, 220));
    c.rect(0, 0, 300, 300);
    c.brush(QColor(200, 170, 130));
    c.ellipse(150, 255, 140, 25);
    struct A {
        double x, y, r;
        QColor col;
    };
    for (const A &a : {A{95, 185, 62, QColor(215, 35, 40)}, A{205, 190, 58, QColor(120, 190, 50)}, A{150, 120, 55, QColor(230, 60, 40)}}) {
        c.pen(QColor(90, 20, 20), 2);
        c.brush(a.col);
        // two lobes make the apple shape
        c.ellipse(a.x - a.r * 0.35, a.y, a.r * 0.75, a.r * 0.85);
        c.ellipse(a.x + a.r * 0.35, a.y, a.r * 0.75, a.r * 0.85);
        c.noPen();
        c.ellipse(a.x, a.y + 2, a.r * 0.7, a.r * 0.8);
        c.brush(QColor(255, 255, 255, 255));
        c.brush(a.col.lighter(150));
        c.ellipse(a.x - a.r * 0.45, a.y - a.r * 0.35, a.r * 0.15, a.r * 0.25);
        // stem and leaf
        c.pen(QColor(100, 60, 30), 4);
        c.line({{a.x, a.y - a.r * 0.7}, {a.x + 6, a.y - a.r * 1.1}});
        c.pen(QColor(40, 110, 30), 1);
        c.brush(QColor(70, 160, 50));
        c.poly({{a.x + 5, a.y - a.r * 0.95}, {a.x + 25, a.y - a.r * 1.25}, {a.x + 45, a.y - a.r * 1.05}, {a.x + 22, a.y - a.r * 0.85}});
    }
    return c.data();
}

QByteArray fisch()
{
    Canvas c;
    c.bands(QColor(120, 200, 240), QColor(30, 90, 170), 0, 300, 12);
    // bubbles
    c.pen(QColor(230, 250, 255), 2);
    c.noBrush();
    c.ellipse(250, 70, 10, 10);
    c.ellipse(265, 40, 7, 7);
    c.ellipse(245, 18, 5, 5);
    // tail and fins
    c.pen(QColor(150, 60, 10), 2);
    c.brush(QColor(255, 140, 30));
    c.poly({{70, 150}, {15, 95}, {30, 150}, {15, 205}});
    c.poly({{130, 105}, {165, 65}, {195, 108}});
    c.poly({{140, 195}, {160, 230}, {185, 192}});
    // body
    c.brush(QColor(255, 170, 50));
    c.ellipse(150, 150, 90, 55);
    // stripes
    c.noPen();
    c.brush(QColor(255, 255, 255));
    c.chord(135, 150, 14, 53, 80, 280);
    c.brush(QColor(255, 170, 50));
    c.chord(141, 150, 10, 50, 80, 280);
    c.eye(205, 135, 13);
    c.pen(QColor(150, 60, 10), 3);
    c.arc(222, 165, 12, 8, 190, 300);
    // plants
    c.pen(QColor(30, 130, 60), 6);
    c.line({{40, 300}, {50, 270}, {38, 245}, {48, 220}});
    c.line({{270, 300}, {260, 265}, {272, 240}});
    c.noPen();
    c.brush(QColor(235, 215, 160));
    c.ellipse(150, 305, 170, 20);
    return c.data();
}

QByteArray auto_()
{
    Canvas c;
    c.bands(QColor(175, 220, 255), QColor(235, 245, 255), 0, 220, 6);
    c.noPen();
    c.brush(QColor(120, 120, 125));
    c.rect(0, 220, 300, 300);
    c.brush(QColor(250, 250, 250));
    for (int x = 10; x < 300; x += 60)
        c.rect(x, 262, x + 35, 268);
    // body
    c.pen(QColor(120, 10, 10), 2);
    c.brush(QColor(220, 40, 40));
    c.poly({{25, 205}, {25, 160}, {70, 150}, {100, 105}, {200, 105}, {235, 150}, {275, 158}, {280, 205}});
    // windows
    c.brush(QColor(190, 230, 255));
    c.poly({{85, 150}, {108, 117}, {145, 117}, {145, 150}});
    c.poly({{155, 150}, {155, 117}, {193, 117}, {220, 150}});
    // lights, handle
    c.noPen();
    c.brush(QColor(255, 240, 120));
    c.ellipse(268, 172, 8, 6);
    c.brush(QColor(255, 150, 60));
    c.rect(25, 165, 35, 178);
    c.brush(QColor(120, 10, 10));
    c.rect(160, 160, 175, 164);
    // wheels
    for (double x : {80.0, 220.0}) {
        c.pen(Qt::black, 2);
        c.brush(QColor(40, 40, 40));
        c.ellipse(x, 205, 30, 30);
        c.brush(QColor(200, 200, 210));
        c.ellipse(x, 205, 14, 14);
        c.noPen();
        c.brush(QColor(90, 90, 100));
        c.ellipse(x, 205, 4, 4);
    }
    return c.data();
}

QByteArray blume()
{
    Canvas c;
    c.bands(QColor(200, 235, 255), QColor(245, 250, 255), 0, 240, 6);
    c.noPen();
    c.brush(QColor(120, 190, 80));
    c.rect(0, 240, 300, 300);
    // stem and leaves
    c.pen(QColor(40, 120, 40), 8);
    c.line({{150, 295}, {150, 150}});
    c.pen(QColor(40, 120, 40), 2);
    c.brush(QColor(80, 170, 70));
    c.poly({{150, 240}, {190, 205}, {230, 210}, {195, 240}});
    c.poly({{150, 260}, {110, 228}, {72, 235}, {108, 262}});
    // petals
    c.pen(QColor(180, 40, 110), 2);
    c.brush(QColor(255, 110, 170));
    for (int i = 0; i < 8; ++i) {
        const double a = qDegreesToRadians(i * 45.0);
        c.ellipse(150 + 48 * std::cos(a), 110 + 48 * std::sin(a), 28, 28);
    }
    c.brush(QColor(255, 210, 40));
    c.ellipse(150, 110, 36, 36);
    c.noPen();
    c.brush(QColor(230, 160, 20));
    for (int i = 0; i < 6; ++i) {
        const double a = qDegreesToRadians(i * 60.0 + 20);
        c.ellipse(150 + 18 * std::cos(a), 110 + 18 * std::sin(a), 4, 4);
    }
    return c.data();
}

QByteArray ball()
{
    Canvas c;
    c.noPen();
    c.brush(QColor(235, 245, 255));
    c.rect(0, 0, 300, 300);
    c.brush(QColor(190, 200, 215));
    c.ellipse(150, 270, 95, 14);
    // beach ball: six coloured segments
    const QColor cols[] = {QColor(230, 40, 40), Qt::white, QColor(40, 110, 230), QColor(255, 210, 40), Qt::white, QColor(50, 180, 80)};
    c.pen(QColor(60, 60, 60), 2);
    for (int i = 0; i < 6; ++i) {
        c.brush(cols[i]);
        c.pie(150, 140, 115, 115, 90 + i * 60, 150 + i * 60);
    }
    c.noBrush();
    c.ellipse(150, 140, 115, 115);
    c.brush(Qt::white);
    c.ellipse(150, 140, 20, 20);
    c.noPen();
    c.brush(QColor(255, 255, 255));
    c.ellipse(105, 85, 14, 9);
    return c.data();
}

QByteArray boot()
{
    Canvas c;
    c.bands(QColor(140, 200, 250), QColor(220, 240, 255), 0, 210, 7);
    c.bands(QColor(40, 130, 200), QColor(20, 70, 150), 210, 300, 5);
    // mast and sails
    c.pen(QColor(90, 60, 30), 5);
    c.line({{150, 210}, {150, 35}});
    c.pen(QColor(120, 120, 140), 2);
    c.brush(Qt::white);
    c.poly({{145, 45}, {145, 190}, {55, 190}});
    c.brush(QColor(255, 200, 60));
    c.poly({{156, 60}, {156, 190}, {240, 190}});
    c.noPen();
    c.brush(QColor(230, 50, 50));
    c.poly({{152, 35}, {185, 45}, {152, 55}});
    // hull
    c.pen(QColor(80, 30, 20), 2);
    c.brush(QColor(170, 80, 40));
    c.poly({{35, 200}, {265, 200}, {235, 245}, {65, 245}});
    c.noPen();
    c.brush(Qt::white);
    for (int i = 0; i < 4; ++i)
        c.ellipse(95 + i * 37, 220, 7, 7);
    // waves
    c.pen(Qt::white, 3);
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 6; ++i)
            c.arc(25 + i * 50, 262 + row * 22, 25, 10, 0, 180);
    }
    return c.data();
}

QByteArray schluessel()
{
    Canvas c;
    c.noPen();
    c.brush(QColor(245, 240, 230));
    c.rect(0, 0, 300, 300);
    // ring with a hole: one polypolygon, filled with the alternate rule
    auto circle = [](double cx, double cy, double r) {
        QPolygon p;
        for (int i = 0; i < 48; ++i) {
            const double a = 2 * M_PI * i / 48;
            p << QPoint(Canvas::u(cx + r * std::cos(a)), Canvas::u(cy + r * std::sin(a)));
        }
        return p;
    };
    c.writer().setPolyFillMode(1);
    c.pen(QColor(150, 110, 20), 3);
    c.brush(QColor(240, 190, 50));
    c.writer().polyPolygon({circle(85, 150, 60), circle(85, 150, 26)});
    // shaft and teeth
    c.poly({{140, 138}, {275, 138}, {275, 162}, {140, 162}});
    c.poly({{215, 162}, {232, 162}, {232, 200}, {215, 200}});
    c.poly({{245, 162}, {262, 162}, {262, 188}, {245, 188}});
    c.noPen();
    c.brush(QColor(255, 230, 140));
    c.rect(150, 142, 265, 147);
    c.ellipse(60, 118, 10, 6);
    return c.data();
}

QByteArray kaese()
{
    Canvas c;
    c.noPen();
    c.brush(QColor(240, 248, 255));
    c.rect(0, 0, 300, 300);
    c.brush(QColor(160, 110, 70));
    c.ellipse(150, 245, 140, 30);
    // wedge: top face and side face
    c.pen(QColor(180, 130, 20), 2);
    c.brush(QColor(255, 200, 60));
    c.poly({{30, 150}, {240, 90}, {280, 150}});
    c.brush(QColor(250, 215, 90));
    c.poly({{30, 150}, {280, 150}, {280, 235}, {30, 235}});
    // holes
    c.pen(QColor(200, 150, 30), 1);
    c.brush(QColor(225, 170, 40));
    c.ellipse(80, 185, 18, 14);
    c.ellipse(150, 205, 12, 10);
    c.ellipse(220, 180, 20, 16);
    c.ellipse(255, 215, 9, 8);
    c.ellipse(115, 222, 8, 7);
    c.ellipse(185, 135, 12, 6);
    c.ellipse(110, 140, 9, 4);
    return c.data();
}

QByteArray baer()
{
    Canvas c;
    c.noPen();
    c.brush(QColor(235, 250, 235));
    c.rect(0, 0, 300, 300);
    const QColor fur(160, 100, 50), light(225, 180, 130), dark(80, 45, 20);
    c.pen(dark, 2);
    c.brush(fur);
    c.ellipse(150, 235, 80, 65);     // body
    c.ellipse(85, 275, 30, 20);      // feet
    c.ellipse(215, 275, 30, 20);
    c.ellipse(80, 60, 28, 28);       // ears
    c.ellipse(220, 60, 28, 28);
    c.brush(light);
    c.ellipse(80, 60, 14, 14);
    c.ellipse(220, 60, 14, 14);
    c.brush(fur);
    c.ellipse(150, 120, 85, 75);     // head
    c.brush(light);
    c.ellipse(150, 150, 36, 28);     // snout
    c.ellipse(150, 240, 45, 40);     // belly
    c.eye(118, 105, 11);
    c.eye(182, 105, 11);
    c.noPen();
    c.brush(dark);
    c.ellipse(150, 138, 12, 9);      // nose
    c.pen(dark, 3);
    c.arc(140, 155, 10, 8, 180, 360);
    c.arc(160, 155, 10, 8, 180, 360);
    return c.data();
}

QByteArray hund()
{
    Canvas c;
    c.noPen();
    c.brush(QColor(255, 248, 230));
    c.rect(0, 0, 300, 300);
    c.brush(QColor(130, 200, 100));
    c.rect(0, 250, 300, 300);
    const QColor fur(210, 160, 100), dark(90, 55, 25), spot(140, 90, 50);
    c.pen(dark, 2);
    c.brush(fur);
    // tail, legs, body
    c.pen(dark, 9);
    c.line({{230, 165}, {255, 135}, {265, 110}});
    c.pen(dark, 2);
    c.roundRect(90, 200, 112, 262, 10);
    c.roundRect(125, 200, 147, 262, 10);
    c.roundRect(185, 200, 207, 262, 10);
    c.roundRect(215, 200, 237, 262, 10);
    c.ellipse(165, 185, 80, 42);
    c.noPen();
    c.brush(spot);
    c.ellipse(185, 170, 22, 16);
    // head
    c.pen(dark, 2);
    c.brush(fur);
    c.ellipse(90, 120, 52, 48);
    c.ellipse(55, 145, 30, 22);       // muzzle
    c.brush(spot);
    c.poly({{100, 80}, {140, 90}, {135, 160}, {118, 150}});  // ear
    c.eye(82, 108, 9);
    c.noPen();
    c.brush(Qt::black);
    c.ellipse(30, 138, 9, 7);         // nose
    c.pen(dark, 2);
    c.arc(50, 152, 14, 10, 200, 330);
    c.noPen();
    c.brush(QColor(230, 80, 90));
    c.ellipse(55, 166, 6, 8);          // tongue
    c.brush(QColor(40, 110, 220));
    c.roundRect(110, 150, 130, 185, 6); // collar
    return c.data();
}

QByteArray maus()
{
    Canvas c;
    c.noPen();
    c.brush(QColor(250, 245, 235));
    c.rect(0, 0, 300, 300);
    const QColor grey(150, 150, 160), dark(70, 70, 80), pink(255, 170, 185);
    // tail
    c.pen(pink.darker(130), 4);
    c.line({{225, 215}, {260, 230}, {280, 210}, {275, 180}, {290, 160}});
    // body
    c.pen(dark, 2);
    c.brush(grey);
    c.ellipse(170, 200, 75, 55);
    // ears
    c.ellipse(75, 90, 40, 40);
    c.ellipse(150, 80, 40, 40);
    c.noPen();
    c.brush(pink);
    c.ellipse(75, 90, 25, 25);
    c.ellipse(150, 80, 25, 25);
    // head
    c.pen(dark, 2);
    c.brush(grey);
    c.poly({{40, 170}, {95, 105}, {150, 115}, {160, 175}, {120, 205}});
    c.eye(110, 140, 10);
    c.noPen();
    c.brush(pink.darker(110));
    c.ellipse(40, 170, 9, 8);
    // whiskers
    c.pen(dark, 1);
    c.line({{45, 168}, {10, 155}});
    c.line({{45, 172}, {8, 175}});
    c.line({{48, 176}, {15, 195}});
    // feet
    c.noPen();
    c.brush(pink);
    c.ellipse(130, 252, 15, 7);
    c.ellipse(200, 252, 15, 7);
    return c.data();
}

} // namespace

QList<Picture> pictures()
{
    return {
        {QStringLiteral("HAUS.WMF"), haus()},
        {QStringLiteral("BAUM.WMF"), baum()},
        {QStringLiteral("SONNE.WMF"), sonne()},
        {QStringLiteral("ÄPFEL.WMF"), aepfel()},
        {QStringLiteral("FISCH.WMF"), fisch()},
        {QStringLiteral("AUTO.WMF"), auto_()},
        {QStringLiteral("blume.wmf"), blume()},
        {QStringLiteral("BALL.WMF"), ball()},
        {QStringLiteral("BOOT.WMF"), boot()},
        {QStringLiteral("SCHLÜSSEL.WMF"), schluessel()},
        {QStringLiteral("KÄSE.WMF"), kaese()},
        {QStringLiteral("BÄR.WMF"), baer()},
        {QStringLiteral("HUND.WMF"), hund()},
        {QStringLiteral("MAUS.WMF"), maus()},
    };
}

} // namespace samples
