// Draws the toolbar and window icons: 32 x 32 pixels in the 16 colours of
// the classic palette plus transparency. Run: make_icons OUTDIR [APPDIR]
// With APPDIR, the window icon is also written there at the sizes of the
// desktop's icon theme, scaled without smoothing so it keeps its colours.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

const QRgb kPalette[16] = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

const QColor red(255, 0, 0), blue(0, 0, 255), white(255, 255, 255), black(0, 0, 0), yellow(255, 255, 0),
    navy(0, 0, 128), gray(128, 128, 128), silver(192, 192, 192), green(0, 255, 0), maroon(128, 0, 0);

// The nearest palette colour for each opaque pixel; index 16 is transparent.
QImage toSixteenColours(const QImage &argb)
{
    QImage out(argb.size(), QImage::Format_Indexed8);
    QVector<QRgb> table(kPalette, kPalette + 16);
    table.append(qRgba(0, 0, 0, 0));
    out.setColorTable(table);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            int best = 16;
            if (qAlpha(p) >= 128) {
                int bestDistance = 1 << 30;
                for (int i = 0; i < 16; ++i) {
                    const int dr = qRed(p) - qRed(kPalette[i]), dg = qGreen(p) - qGreen(kPalette[i]),
                              db = qBlue(p) - qBlue(kPalette[i]);
                    const int d = dr * dr + dg * dg + db * db;
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = i;
                    }
                }
            }
            out.setPixel(x, y, uint(best));
        }
    }
    return out;
}

void text(QPainter &p, const QRect &r, const QString &s, int pixelSize, const QColor &c)
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

const std::pair<const char *, std::function<void(QPainter &)>> kIcons[] = {
    {"stop", [](QPainter &p) {
         QPolygonF octagon;
         for (int i = 0; i < 8; ++i) {
             const double a = (22.5 + 45 * i) * M_PI / 180;
             octagon << QPointF(15.5 + 15 * std::cos(a), 15.5 + 15 * std::sin(a));
         }
         p.setPen(QPen(white, 1));
         p.setBrush(red);
         p.drawPolygon(octagon);
         text(p, QRect(0, 0, 32, 32), QStringLiteral("STOP"), 10, white);
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
         text(p, QRect(0, 5, 32, 11), QStringLiteral("START"), 9, white);
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
         text(p, QRect(4, 11, 24, 10), QStringLiteral("ENDE"), 9, red);
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
         text(p, QRect(0, 7, 32, 18), QStringLiteral("EDIT"), 11, black);
     }},
    {"bicycle", [](QPainter &p) {
         roundSign(p, blue);
         bicycle(p, white);
     }},
};

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make_icons OUTDIR [APPDIR]\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));
    for (const auto &[name, draw] : kIcons) {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        draw(painter);
        painter.end();
        const QString file = out.filePath(QLatin1String(name) + QStringLiteral(".png"));
        const QImage icon = toSixteenColours(image);
        if (!icon.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        if (argc == 3 && qstrcmp(name, "bicycle") == 0) {
            QDir apps(QString::fromLocal8Bit(argv[2]));
            for (int size : {32, 48, 64, 128, 256}) {
                const QString dir = QStringLiteral("%1x%1/apps").arg(size);
                apps.mkpath(dir);
                icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                    .save(apps.filePath(dir + QStringLiteral("/org.revaze.Revaze.png")));
            }
        }
    }
    return 0;
}
