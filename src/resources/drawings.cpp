#include "drawings.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <utility>

namespace resources {

namespace {

const QColor red(255, 0, 0), blue(0, 0, 255), white(255, 255, 255), black(0, 0, 0), yellow(255, 255, 0),
    navy(0, 0, 128), gray(128, 128, 128), silver(192, 192, 192), green(0, 255, 0), maroon(128, 0, 0),
    olive(128, 128, 0);

void text(QPainter &p, const QRectF &r, const QString &s, int pixelSize, const QColor &c)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    f.setStretch(QFont::Condensed);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, s);
}

void roundSign(QPainter &p, const QColor &fill)
{
    p.setPen(QPen(white, 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1, 1, 29, 29));
}

void arrow(QPainter &p, const QPainterPath &shaft, const QPolygonF &head)
{
    p.setPen(QPen(white, 4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPolygon(head);
}

void bicycle(QPainter &p, const QColor &c)
{
    p.setPen(QPen(c, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 15, 9, 9));
    p.drawEllipse(QRectF(18, 15, 9, 9));
    p.drawPolyline(QPolygonF({QPointF(9.5, 19.5), QPointF(13, 12), QPointF(21, 12), QPointF(22.5, 19.5)}));
    p.drawLine(QPointF(13, 12), QPointF(16, 19.5));
    p.drawLine(QPointF(16, 19.5), QPointF(21, 12));
    p.drawLine(QPointF(12, 10), QPointF(15, 10));
    p.drawLine(QPointF(21, 12), QPointF(20, 8));
    p.drawLine(QPointF(18.5, 8), QPointF(22, 8));
}

// The editor's icons stand on a navy-framed white square.
void editorSquare(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 32, 32), navy);
    p.fillRect(QRectF(2, 2, 28, 28), white);
}

// A sheet with a folded corner and three lines of writing under a word.
void page(QPainter &p, const QString &word, const QColor &wordColour)
{
    editorSquare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(black);
    const QPolygonF outline({QPointF(7, 4), QPointF(22, 4), QPointF(27, 9), QPointF(27, 28), QPointF(7, 28)});
    p.drawPolygon(outline);
    p.setBrush(white);
    p.drawPolygon(QPolygonF({QPointF(8, 5), QPointF(21, 5), QPointF(21, 10), QPointF(26, 10), QPointF(26, 27),
                             QPointF(8, 27)}));
    text(p, QRectF(8, 9, 18, 8), word, 8, wordColour);
    for (int y : {20, 22, 24})
        p.fillRect(QRectF(10, y, 13, 1), gray);
}

const std::pair<const char *, IconDrawing> kDrawings[] = {
    // The main window's toolbar and windows.
    {"stop", [](QPainter &p) {
         QPolygonF octagon;
         for (int i = 0; i < 8; ++i) {
             const double a = (22.5 + 45 * i) * M_PI / 180;
             octagon << QPointF(15.5 + 15 * std::cos(a), 15.5 + 15 * std::sin(a));
         }
         p.setPen(QPen(white, 1));
         p.setBrush(red);
         p.drawPolygon(octagon);
         text(p, QRectF(0, 0, 32, 32), QStringLiteral("STOP"), 10, white);
     }},
    {"trafficlight", [](QPainter &p) {
         p.setPen(QPen(black, 1));
         p.setBrush(QColor(64, 64, 64));
         p.drawRect(10, 1, 12, 30);
         p.setPen(Qt::NoPen);
         p.setBrush(red);
         p.drawEllipse(12, 3, 8, 8);
         p.setBrush(yellow);
         p.drawEllipse(12, 12, 8, 8);
         p.setBrush(green);
         p.drawEllipse(12, 21, 8, 8);
     }},
    {"start", [](QPainter &p) {
         p.setPen(QPen(white, 1));
         p.setBrush(blue);
         p.drawRect(0, 5, 31, 21);
         text(p, QRectF(0, 5, 32, 11), QStringLiteral("START"), 9, white);
         arrow(p, [] { QPainterPath a; a.moveTo(5, 20); a.lineTo(21, 20); return a; }(),
               QPolygonF({QPointF(20, 15), QPointF(28, 20), QPointF(20, 25)}));
     }},
    {"turnleft", [](QPainter &p) {
         roundSign(p, blue);
         QPainterPath shaft;
         shaft.moveTo(19, 26);
         shaft.lineTo(19, 15);
         shaft.lineTo(13, 15);
         arrow(p, shaft, QPolygonF({QPointF(14, 9), QPointF(6, 15), QPointF(14, 21)}));
     }},
    {"straight", [](QPainter &p) {
         roundSign(p, blue);
         QPainterPath shaft;
         shaft.moveTo(16, 27);
         shaft.lineTo(16, 12);
         arrow(p, shaft, QPolygonF({QPointF(9, 13), QPointF(16, 4), QPointF(23, 13)}));
     }},
    {"turnright", [](QPainter &p) {
         roundSign(p, blue);
         QPainterPath shaft;
         shaft.moveTo(12, 26);
         shaft.lineTo(12, 15);
         shaft.lineTo(18, 15);
         arrow(p, shaft, QPolygonF({QPointF(17, 9), QPointF(25, 15), QPointF(17, 21)}));
     }},
    {"ende", [](QPainter &p) {
         roundSign(p, red);
         p.setPen(Qt::NoPen);
         p.setBrush(white);
         p.drawRect(4, 11, 24, 10);
         text(p, QRectF(4, 11, 24, 10), QStringLiteral("ENDE"), 9, red);
     }},
    {"cone", [](QPainter &p) {
         p.setPen(Qt::NoPen);
         p.setBrush(red);
         p.drawPolygon(QPolygonF({QPointF(12, 3), QPointF(20, 3), QPointF(26, 27), QPointF(6, 27)}));
         p.setBrush(white);
         p.drawPolygon(QPolygonF({QPointF(11, 9), QPointF(21, 9), QPointF(22, 13), QPointF(10, 13)}));
         p.drawPolygon(QPolygonF({QPointF(9, 17), QPointF(23, 17), QPointF(24, 21), QPointF(8, 21)}));
         p.setBrush(maroon);
         p.drawRect(3, 27, 26, 3);
     }},
    {"children", [](QPainter &p) {
         p.setPen(QPen(red, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
         p.setBrush(white);
         p.drawPolygon(QPolygonF({QPointF(16, 2), QPointF(30, 28), QPointF(2, 28)}));
         p.setPen(Qt::NoPen);
         p.setBrush(black);
         p.drawEllipse(QRectF(11, 11, 4, 4));
         p.drawEllipse(QRectF(18, 13, 3.5, 3.5));
         p.setPen(QPen(black, 2));
         p.drawLine(QPointF(13, 15), QPointF(13, 21));
         p.drawLine(QPointF(13, 21), QPointF(10, 26));
         p.drawLine(QPointF(13, 21), QPointF(15, 26));
         p.drawLine(QPointF(19.5, 17), QPointF(19.5, 22));
         p.drawLine(QPointF(19.5, 22), QPointF(17.5, 26));
         p.drawLine(QPointF(19.5, 22), QPointF(21.5, 26));
         p.drawLine(QPointF(13, 17), QPointF(19.5, 18));
     }},
    {"info", [](QPainter &p) {
         roundSign(p, blue);
         p.setPen(Qt::NoPen);
         p.setBrush(white);
         p.drawEllipse(QRectF(14, 6, 4, 4));
         p.drawRect(14, 12, 4, 12);
         p.drawRect(12, 12, 4, 2);
         p.drawRect(12, 23, 8, 2);
     }},
    {"edit", [](QPainter &p) {
         p.setPen(QPen(black, 1));
         p.setBrush(yellow);
         p.drawRect(0, 7, 31, 17);
         text(p, QRectF(0, 7, 32, 18), QStringLiteral("EDIT"), 11, black);
     }},
    {"bicycle", [](QPainter &p) {
         roundSign(p, blue);
         bicycle(p, white);
     }},

    // The editor's toolbar.
    {"editor/cancel", [](QPainter &p) {
         editorSquare(p);
         p.setPen(QPen(red, 4, Qt::SolidLine, Qt::FlatCap));
         p.drawLine(QPointF(8, 8), QPointF(24, 24));
         p.drawLine(QPointF(24, 8), QPointF(8, 24));
     }},
    {"editor/edit", [](QPainter &p) { page(p, QStringLiteral("EDIT"), blue); }},
    {"editor/new", [](QPainter &p) { page(p, QStringLiteral("NEU"), red); }},
    {"editor/save", [](QPainter &p) {
         editorSquare(p);
         p.fillRect(QRectF(5, 5, 22, 22), black);
         p.fillRect(QRectF(6, 6, 20, 20), navy);
         p.fillRect(QRectF(9, 6, 14, 8), black);
         p.fillRect(QRectF(10, 6, 7, 7), silver);
         p.fillRect(QRectF(18, 7, 2, 5), navy);
         p.fillRect(QRectF(21, 6, 1, 7), silver);
         p.fillRect(QRectF(8, 16, 16, 10), black);
         p.fillRect(QRectF(9, 17, 14, 9), white);
         for (int y : {19, 22})
             p.fillRect(QRectF(10, y, 12, 1), gray);
     }},
    {"editor/copy", [](QPainter &p) {
         editorSquare(p);
         p.fillRect(QRectF(6, 6, 20, 23), black);
         p.fillRect(QRectF(7, 7, 18, 21), olive);
         p.fillRect(QRectF(9, 9, 14, 16), black);
         p.fillRect(QRectF(10, 10, 12, 15), white);
         p.fillRect(QRectF(11, 4, 10, 6), black);
         p.fillRect(QRectF(12, 5, 8, 4), silver);
         for (int y : {12, 15, 18, 21}) {
             p.fillRect(QRectF(11, y, 2, 1), blue);
             p.fillRect(QRectF(14, y, 7, 1), blue);
         }
     }},
    {"editor/delete", [](QPainter &p) {
         editorSquare(p);
         p.fillRect(QRectF(6, 7, 21, 4), black);
         p.fillRect(QRectF(7, 8, 19, 2), gray);
         p.setPen(Qt::NoPen);
         p.setBrush(black);
         p.drawPolygon(QPolygonF({QPointF(8, 11), QPointF(24, 11), QPointF(23, 28), QPointF(9, 28)}));
         p.setBrush(silver);
         p.drawPolygon(QPolygonF({QPointF(9, 11), QPointF(23, 11), QPointF(22, 27), QPointF(10, 27)}));
         p.setPen(QPen(gray, 1));
         for (double x : {12.5, 16.5, 20.5})
             p.drawLine(QPointF(x, 13), QPointF(x - (x - 16.5) * 0.1, 25));
     }},
    {"editor/print", [](QPainter &p) {
         editorSquare(p);
         p.fillRect(QRectF(10, 4, 12, 10), black); // the sheet going in
         p.fillRect(QRectF(11, 5, 10, 9), white);
         p.fillRect(QRectF(4, 12, 24, 11), black); // the printer
         p.fillRect(QRectF(5, 13, 22, 9), silver);
         p.fillRect(QRectF(22, 15, 3, 2), green);
         p.fillRect(QRectF(8, 19, 16, 10), black); // the printed sheet
         p.fillRect(QRectF(9, 20, 14, 8), white);
         for (int y : {22, 25})
             p.fillRect(QRectF(10, y, 12, 1), blue);
     }},
};

} // namespace

const IconDrawing *iconDrawing(const QString &name)
{
    for (const auto &[key, drawing] : kDrawings) {
        if (name == QLatin1String(key))
            return &drawing;
    }
    return nullptr;
}

} // namespace resources
