#include "rasterizer.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace wmf {

namespace {

// Positions are kept in 1/256 pixel. A cell's area is twice the covered
// area in those units, so one pixel fully covered once is kFull.
constexpr int kShift = 8;
constexpr int kOne = 1 << kShift;
constexpr qint64 kFull = 2 * kOne * kOne; // 1 << 17
constexpr int kMaxCells = 1 << 16;

template <Rasterizer::Rule rule>
int alphaOf(qint64 doubledArea)
{
    qint64 v = doubledArea < 0 ? -doubledArea : doubledArea;
    if constexpr (rule == Rasterizer::Rule::EvenOdd) {
        v &= 2 * kFull - 1;
        if (v > kFull)
            v = 2 * kFull - v;
    } else if (v > kFull) {
        v = kFull;
    }
    return int((v * 255 + kFull / 2) >> 17);
}

// dst + (src - dst) * alpha / 255 on all four channels of premultiplied pixels
QRgb mix(QRgb src, QRgb dst, uint alpha)
{
    const uint inv = 255 - alpha;
    uint rb = (src & 0xff00ff) * alpha + (dst & 0xff00ff) * inv;
    rb = ((rb + ((rb >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    uint ag = ((src >> 8) & 0xff00ff) * alpha + ((dst >> 8) & 0xff00ff) * inv;
    ag = (ag + ((ag >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return ag | rb;
}

// Covers line[from, to) with the colour at the given coverage.
inline void paintSpan(QRgb *line, int from, int to, int alpha, QRgb colour)
{
    if (alpha >= 255) {
        std::fill(line + from, line + std::max(from, to), colour);
    } else {
        for (int i = from; i < to; ++i)
            line[i] = mix(colour, line[i], uint(alpha));
    }
}

} // namespace

Rasterizer::Cells &Rasterizer::cells()
{
    static thread_local Cells store;
    return store;
}

bool Rasterizer::supports(const QImage &image)
{
    return !image.isNull()
        && (image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_RGB32);
}

void Rasterizer::setClip(std::vector<QRect> rects)
{
    m_clip = std::move(rects);
    m_clipped = true;
    m_clipBounds = QRect();
    for (const QRect &r : m_clip)
        m_clipBounds |= r;
}

void Rasterizer::fill(QImage &image, const Contours &shape, Rule rule, QRgb colour)
{
    if (!supports(image) || shape.isEmpty())
        return;
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    for (const QPointF &p : shape.points) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            continue;
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    if (minX > maxX)
        return;
    const QRect limit = m_clipped ? (image.rect() & m_clipBounds) : image.rect();
    if (limit.isEmpty())
        return;
    auto clampTo = [](double v, int lo, int hi) { return int(std::clamp(v, double(lo), double(hi))); };
    const int left = clampTo(std::floor(minX), limit.left(), limit.right() + 1);
    const int right = clampTo(std::ceil(maxX), limit.left(), limit.right() + 1);
    const int top = clampTo(std::floor(minY), limit.top(), limit.bottom() + 1);
    const int bottom = clampTo(std::ceil(maxY), limit.top(), limit.bottom() + 1);
    if (left >= right || top >= bottom)
        return;
    // Cells for at most kMaxCells pixels at a time; taller shapes are done
    // in bands, each walking all edges again.
    const int width = right - left;
    const int bandRows = std::clamp(kMaxCells / width, 1, bottom - top);
    m_left = left;
    m_width = width;
    m_words = (width + 63) / 64;
    Cells &store = cells();
    const size_t count = size_t(width) * size_t(bandRows);
    if (store.cells.size() < count)
        store.cells.resize(count, Cell{0, 0});
    if (store.touched.size() < size_t(m_words) * size_t(bandRows))
        store.touched.resize(size_t(m_words) * size_t(bandRows));
    m_cells = store.cells.data();
    m_touched = store.touched.data();
    for (int band = top; band < bottom; band += bandRows) {
        m_top = band;
        m_height = std::min(bandRows, bottom - band);
        size_t start = 0;
        for (const int end : shape.ends) {
            const size_t stop = std::min(size_t(std::max(end, 0)), shape.points.size());
            for (size_t i = start; i < stop; ++i) {
                const QPointF &a = shape.points[i];
                const QPointF &b = shape.points[i + 1 < stop ? i + 1 : start];
                addLine(a.x(), a.y(), b.x(), b.y());
            }
            start = std::max(start, stop);
        }
        sweep(image, rule, colour | 0xff000000);
    }
}

void Rasterizer::addLine(double x0, double y0, double x1, double y1)
{
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1) || y0 == y1)
        return;
    // Only the rows of the box matter; what lies above or below adds nothing.
    const double top = m_top, bottom = double(m_top) + m_height;
    if ((y0 <= top && y1 <= top) || (y0 >= bottom && y1 >= bottom))
        return;
    auto cutY = [&](double &x, double &y, double yy, double ox, double oy) {
        x = ox + (x - ox) * ((yy - oy) / (y - oy));
        y = yy;
    };
    if (y0 < top)
        cutY(x0, y0, top, x1, y1);
    else if (y0 > bottom)
        cutY(x0, y0, bottom, x1, y1);
    if (y1 < top)
        cutY(x1, y1, top, x0, y0);
    else if (y1 > bottom)
        cutY(x1, y1, bottom, x0, y0);
    addClippedLine(x0, y0, x1, y1);
}

void Rasterizer::addClippedLine(double x0, double y0, double x1, double y1)
{
    // Left of the box a line still decides the winding inside it, so it is
    // moved onto the left edge; right of the box it only matters there.
    const double left = m_left, right = double(m_left) + m_width;
    double cuts[2];
    int n = 0;
    for (const double edge : {left, right}) {
        if ((x0 < edge && x1 > edge) || (x0 > edge && x1 < edge))
            cuts[n++] = (edge - x0) / (x1 - x0);
    }
    if (n == 2 && cuts[0] > cuts[1])
        std::swap(cuts[0], cuts[1]);
    auto fixed = [](double v, double origin, double span) {
        return qint64(std::llrint((std::clamp(v, origin, origin + span) - origin) * kOne));
    };
    double px = x0, py = y0;
    for (int i = 0; i <= n; ++i) {
        const double t = i < n ? cuts[i] : 1.0;
        const double qx = i < n ? x0 + (x1 - x0) * t : x1;
        const double qy = i < n ? y0 + (y1 - y0) * t : y1;
        renderLine(fixed(px, left, m_width), fixed(py, m_top, m_height), fixed(qx, left, m_width),
                   fixed(qy, m_top, m_height));
        px = qx;
        py = qy;
    }
}

void Rasterizer::renderLine(qint64 x0, qint64 y0, qint64 x1, qint64 y1)
{
    if (y0 == y1)
        return;
    const qint64 dy = y1 - y0;
    const double slope = double(x1 - x0) / double(dy); // a division per row would cost more than the rest
    const bool down = dy > 0;
    qint64 x = x0, y = y0;
    for (;;) {
        const qint64 row = down ? (y >> kShift) : ((y - 1) >> kShift);
        const qint64 rowTop = row << kShift;
        const qint64 yNext = down ? std::min(y1, rowTop + kOne) : std::max(y1, rowTop);
        const qint64 xNext = yNext == y1 ? x1 : x0 + qint64(double(yNext - y0) * slope);
        renderRowPiece(int(row), x, int(y - rowTop), xNext, int(yNext - rowTop));
        if (yNext == y1)
            break;
        x = xNext;
        y = yNext;
    }
}

void Rasterizer::renderRowPiece(int row, qint64 xa, int ya, qint64 xb, int yb)
{
    if (ya == yb)
        return;
    const qint64 cellA = xa >> kShift;
    if (xa == xb || (cellA == (xb >> kShift) && (xa & (kOne - 1)) != 0 && (xb & (kOne - 1)) != 0)) {
        // steep edges mostly stay in one cell per row
        const int d = yb - ya;
        addCell(row, int(cellA), d, d * int((xa & (kOne - 1)) + (xb & (kOne - 1))));
        return;
    }
    const bool right = xb > xa;
    const double slope = double(yb - ya) / double(xb - xa);
    qint64 x = xa;
    int y = ya;
    for (;;) {
        const qint64 cell = right ? (x >> kShift) : ((x - 1) >> kShift);
        const qint64 cellLeft = cell << kShift;
        const qint64 xNext = right ? std::min(xb, cellLeft + kOne) : std::max(xb, cellLeft);
        const int yNext = xNext == xb ? yb : ya + int(double(xNext - xa) * slope);
        const int d = yNext - y;
        if (d != 0)
            addCell(row, int(cell), d, d * int(x - cellLeft + xNext - cellLeft));
        if (xNext == xb)
            break;
        x = xNext;
        y = yNext;
    }
}

inline void Rasterizer::addCell(int row, int x, int cover, int area)
{
    if (x >= m_width || row < 0 || row >= m_height)
        return;
    const size_t i = size_t(row) * size_t(m_width) + size_t(x);
    m_cells[i].cover += quint32(cover);
    m_cells[i].area += quint32(area);
    m_touched[size_t(row) * size_t(m_words) + size_t(x / 64)] |= quint64(1) << (x % 64);
}

void Rasterizer::sweep(QImage &image, Rule rule, QRgb colour)
{
    if (rule == Rule::EvenOdd)
        sweepRows<Rule::EvenOdd>(image, colour);
    else
        sweepRows<Rule::NonZero>(image, colour);
}

template <Rasterizer::Rule rule>
void Rasterizer::sweepRows(QImage &image, QRgb colour)
{
    uchar *const bits0 = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int row = 0; row < m_height; ++row) {
        quint64 *bits = &m_touched[size_t(row) * size_t(m_words)];
        Cell *cells = &m_cells[size_t(row) * size_t(m_width)];
        const int y = m_top + row;
        QRgb *const line = reinterpret_cast<QRgb *>(bits0 + qsizetype(y) * stride);
        // The part of the row the clip lets through, relative to m_left,
        // when it is one piece or none; otherwise every span asks the clip.
        int from = 0, to = m_width;
        bool simple = !m_clipped;
        if (m_clipped) {
            int pieces = 0;
            for (const QRect &r : m_clip) {
                if (y >= r.top() && y <= r.bottom()) {
                    ++pieces;
                    from = std::max(0, r.left() - m_left);
                    to = std::min(m_width, r.right() + 1 - m_left);
                }
            }
            simple = pieces <= 1;
            if (pieces == 0)
                to = from;
        }
        QRgb *const px = line + m_left;
        auto run = [&](int x0, int x1, int alpha) {
            if (alpha <= 0)
                return;
            if (!simple) {
                blendSpan(line, y, m_left + x0, m_left + x1, alpha, colour);
                return;
            }
            paintSpan(px, std::max(x0, from), std::min(x1, to), alpha, colour);
        };
        qint64 winding = 0;
        int x = 0;
        for (int w = 0; w < m_words; ++w) {
            while (bits[w]) {
                const int cx = w * 64 + std::countr_zero(bits[w]);
                bits[w] &= bits[w] - 1;
                if (winding != 0 && cx > x)
                    run(x, cx, alphaOf<rule>(winding * 2 * kOne));
                winding += qint32(cells[cx].cover);
                const int alpha = alphaOf<rule>(winding * 2 * kOne - qint32(cells[cx].area));
                cells[cx] = Cell{0, 0};
                x = cx + 1;
                if (alpha <= 0)
                    continue;
                if (!simple)
                    blendSpan(line, y, m_left + cx, m_left + cx + 1, alpha, colour);
                else if (cx >= from && cx < to)
                    px[cx] = alpha >= 255 ? colour : mix(colour, px[cx], uint(alpha));
            }
        }
        if (winding != 0 && x < m_width)
            run(x, m_width, alphaOf<rule>(winding * 2 * kOne));
    }
}

void Rasterizer::blendSpan(QRgb *line, int y, int x0, int x1, int alpha, QRgb colour) const
{
    for (const QRect &r : m_clip) {
        if (y < r.top() || y > r.bottom())
            continue;
        paintSpan(line, std::max(x0, r.left()), std::min(x1, r.right() + 1), alpha, colour);
    }
}

} // namespace wmf
