// Anti-aliased solid fills written straight into a 32-bit image.
//
// QPainter's own path filling costs several microseconds per shape, and a
// clip-art picture fills and strokes hundreds of them. This scanline
// rasterizer computes the exact area each pixel is covered by (so it looks
// like QPainter's anti-aliasing) with no per-shape allocation.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

#include <vector>

namespace wmf {

// Closed outlines kept as one run of points; contour i ends before ends[i].
struct Contours {
    std::vector<QPointF> points;
    std::vector<int> ends;

    void clear() { points.clear(); ends.clear(); }
    bool isEmpty() const { return ends.empty(); }
    void close() {
        if (ends.empty() ? !points.empty() : ends.back() != int(points.size()))
            ends.push_back(int(points.size()));
    }
};

class Rasterizer {
public:
    enum class Rule { EvenOdd, NonZero };

    // Only pixels inside these rectangles change; the default is no limit
    // beyond the image itself.
    void setClip(std::vector<QRect> rects);

    // Fills the outlines with an opaque colour. The image must be
    // Format_ARGB32_Premultiplied or Format_RGB32.
    void fill(QImage &image, const Contours &shape, Rule rule, QRgb colour);

    static bool supports(const QImage &image);

private:
    void addLine(double x0, double y0, double x1, double y1);
    void addClippedLine(double x0, double y0, double x1, double y1);
    void renderLine(qint64 x0, qint64 y0, qint64 x1, qint64 y1);
    void renderRowPiece(int row, qint64 xa, int ya, qint64 xb, int yb);
    void addCell(int row, int x, int cover, int area);
    void sweep(QImage &image, Rule rule, QRgb colour);
    template <Rule rule>
    void sweepRows(QImage &image, QRgb colour);
    void blendSpan(QRgb *line, int y, int x0, int x1, int alpha, QRgb colour) const;

    bool m_clipped = false;
    std::vector<QRect> m_clip;
    QRect m_clipBounds;

    // The band being rasterized, in image pixels: [left, left + width) x
    // [top, top + height). Each pixel of it has a cell with the winding
    // (cover) and area its outline edges leave there; a bit per cell says
    // which cells any edge touched, so the sweep visits only those.
    // The cells are all zero between fills and shared by the thread's
    // rasterizers, so a picture's playback allocates nothing. Sums wrap
    // around rather than overflow: only an outline crossing one pixel tens
    // of thousands of times gets there, and it may then look wrong.
    struct Cell {
        quint32 cover;
        quint32 area;
    };
    struct Cells {
        std::vector<Cell> cells;
        std::vector<quint64> touched;
    };
    static Cells &cells();
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0, m_words = 0;
    Cell *m_cells = nullptr;
    quint64 *m_touched = nullptr;
};

} // namespace wmf
