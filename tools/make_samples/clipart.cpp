#include "canvas.h"
#include "pictures.h"

namespace samples {

QByteArray clipArt(int records)
{
    Canvas c(320, 320);
    wmf::Writer &w = c.writer();
    c.bands(QColor(120, 180, 240), QColor(250, 250, 255), 0, 320, 24, 320);
    // a bitmap badge
    QImage badge(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            badge.setPixel(x, y, qRgb(x * 8, y * 8, 128));
    w.stretchDib(QRect(Canvas::u(270), Canvas::u(10), Canvas::u(40), Canvas::u(40)), QRect(0, 0, 32, 32), badge);
    wmf::FontOptions font;
    font.face = "Arial";
    font.height = -Canvas::u(14);
    const int f = w.createFont(font);
    w.selectObject(f);
    w.setTextColor(QColor(20, 20, 60));
    quint32 seed = 12345;
    auto rnd = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % quint32(n));
    };
    int i = 0;
    while (w.recordCount() < records - 4) {
        const double x = 10 + rnd(300), y = 10 + rnd(300);
        switch (i++ % 8) {
        case 0: case 1: case 2: {
            c.pen(QColor(rnd(200), rnd(200), rnd(200)), 1 + rnd(2));
            c.brush(QColor(55 + rnd(200), 55 + rnd(200), 55 + rnd(200)));
            QList<QPointF> pts;
            const int n = 5 + rnd(12);
            for (int k = 0; k < n; ++k) {
                const double a = 2 * M_PI * k / n;
                const double r = 8 + rnd(25);
                pts << QPointF(x + r * std::cos(a), y + r * std::sin(a));
            }
            c.polyV(pts);
            break;
        }
        case 3:
            c.ellipse(x, y, 4 + rnd(20), 4 + rnd(20));
            break;
        case 4: {
            QList<QPointF> pts;
            for (int k = 0; k < 10; ++k)
                pts << QPointF(x + k * 4, y + rnd(12));
            c.lineV(pts);
            break;
        }
        case 5:
            c.roundRect(x, y, x + 10 + rnd(30), y + 10 + rnd(30), 6);
            break;
        case 6:
            w.textOut(Canvas::u(x), Canvas::u(y), QByteArrayLiteral("Maus"));
            break;
        default:
            w.saveDC();
            w.intersectClipRect(Canvas::u(x - 20), Canvas::u(y - 20), Canvas::u(x + 20), Canvas::u(y + 20));
            c.pie(x, y, 25, 25, rnd(360), rnd(360));
            w.restoreDC(-1);
            break;
        }
    }
    return c.data();
}

} // namespace samples
