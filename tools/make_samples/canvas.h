// The sample pictures' drawing helper: coordinates in pixels of the
// natural size, written as a placeable metafile of ten units a pixel.
#pragma once

#include "wmf/writer.h"

#include <QtMath>

#include <cmath>

namespace samples {

constexpr int U = 10; // logical units per pixel; 960 units per inch gives 96 dpi

// Drawing helper: coordinates in pixels of the natural size, objects
// created on demand and deleted once replaced, as real programs do.
class Canvas {
public:
    explicit Canvas(int w = 300, int h = 300)
    {
        m_w.setBounds(QRect(0, 0, w * U, h * U), 96 * U);
        m_w.setMapMode(8);
        m_w.setWindowOrg(0, 0);
        m_w.setWindowExt(w * U, h * U);
        m_w.setBkMode(1);
        m_w.setPolyFillMode(2);
    }

    wmf::Writer &writer() { return m_w; }

    void pen(const QColor &c, double width = 2, int style = 0)
    {
        replace(m_pen, m_w.createPen(style | 0x0000, int(width * U), c));
    }
    void noPen() { replace(m_pen, m_w.createPen(5, 0, Qt::black)); }
    void brush(const QColor &c) { replace(m_brush, m_w.createBrush(0, c)); }
    void hatch(const QColor &c, int style) { replace(m_brush, m_w.createBrush(2, c, style)); }
    void noBrush() { replace(m_brush, m_w.createBrush(1, Qt::black)); }

    void rect(double l, double t, double r, double b) { m_w.rectangle(u(l), u(t), u(r), u(b)); }
    void roundRect(double l, double t, double r, double b, double c) { m_w.roundRect(u(l), u(t), u(r), u(b), u(c), u(c)); }
    void ellipse(double cx, double cy, double rx, double ry)
    {
        m_w.ellipse(u(cx - rx), u(cy - ry), u(cx + rx), u(cy + ry));
    }
    void poly(std::initializer_list<QPointF> pts) { m_w.polygon(toPoly(pts)); }
    void polyV(const QList<QPointF> &pts) { m_w.polygon(toPoly(pts)); }
    void line(std::initializer_list<QPointF> pts) { m_w.polyline(toPoly(pts)); }
    void lineV(const QList<QPointF> &pts) { m_w.polyline(toPoly(pts)); }
    // Arc of the ellipse around (cx, cy), counter-clockwise from angle a0 to a1 (degrees).
    void arc(double cx, double cy, double rx, double ry, double a0, double a1)
    {
        m_w.arc(u(cx - rx), u(cy - ry), u(cx + rx), u(cy + ry), u(cx + 100 * std::cos(qDegreesToRadians(a0))),
                u(cy - 100 * std::sin(qDegreesToRadians(a0))), u(cx + 100 * std::cos(qDegreesToRadians(a1))),
                u(cy - 100 * std::sin(qDegreesToRadians(a1))));
    }
    void pie(double cx, double cy, double rx, double ry, double a0, double a1)
    {
        m_w.pie(u(cx - rx), u(cy - ry), u(cx + rx), u(cy + ry), u(cx + 100 * std::cos(qDegreesToRadians(a0))),
                u(cy - 100 * std::sin(qDegreesToRadians(a0))), u(cx + 100 * std::cos(qDegreesToRadians(a1))),
                u(cy - 100 * std::sin(qDegreesToRadians(a1))));
    }
    void chord(double cx, double cy, double rx, double ry, double a0, double a1)
    {
        m_w.chord(u(cx - rx), u(cy - ry), u(cx + rx), u(cy + ry), u(cx + 100 * std::cos(qDegreesToRadians(a0))),
                  u(cy - 100 * std::sin(qDegreesToRadians(a0))), u(cx + 100 * std::cos(qDegreesToRadians(a1))),
                  u(cy - 100 * std::sin(qDegreesToRadians(a1))));
    }
    void eye(double cx, double cy, double r)
    {
        pen(Qt::black, 1);
        brush(Qt::white);
        ellipse(cx, cy, r, r);
        noPen();
        brush(QColor(30, 30, 30));
        ellipse(cx + r * 0.2, cy + r * 0.1, r * 0.55, r * 0.55);
        brush(Qt::white);
        ellipse(cx + r * 0.35, cy - r * 0.15, r * 0.18, r * 0.18);
    }
    // Soft background: sky-like bands from top to bottom.
    void bands(const QColor &top, const QColor &bottom, double t, double b, int steps, double w = 300)
    {
        noPen();
        for (int i = 0; i < steps; ++i) {
            const double f = steps > 1 ? double(i) / (steps - 1) : 0;
            brush(QColor(int(top.red() + (bottom.red() - top.red()) * f), int(top.green() + (bottom.green() - top.green()) * f),
                         int(top.blue() + (bottom.blue() - top.blue()) * f)));
            rect(0, t + (b - t) * i / steps, w, t + (b - t) * (i + 1) / steps + 1);
        }
    }

    QByteArray data() const { return m_w.data(); }

    static int u(double px) { return int(std::lround(px * U)); }

private:
    template <class C>
    static QPolygon toPoly(const C &pts)
    {
        QPolygon p;
        for (const QPointF &q : pts)
            p << QPoint(u(q.x()), u(q.y()));
        return p;
    }
    void replace(int &slot, int created)
    {
        m_w.selectObject(created);
        if (slot >= 0)
            m_w.deleteObject(slot);
        slot = created;
    }

    wmf::Writer m_w;
    int m_pen = -1, m_brush = -1;
};

} // namespace samples
