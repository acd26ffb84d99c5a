#include "stroker.h"

#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace wmf {

namespace {

// How far a join may stray from the exact round or mitred shape before it
// is drawn as a plain bevel instead; curves flattened into many short
// segments turn by a few degrees at each point.
constexpr double kTolerance = 0.05;

double cross(const QPointF &a, const QPointF &b)
{
    return a.x() * b.y() - a.y() * b.x();
}

QPointF perp(const QPointF &d)
{
    return QPointF(-d.y(), d.x());
}

// Turns the contours appended since `from` (the last `contours` of out) the
// common way, judged by their area together; drops them if they have none.
void orientPieces(Contours &out, size_t from, int contours)
{
    if (out.points.size() == from)
        return;
    out.close();
    const size_t firstEnd = out.ends.size() - size_t(contours);
    double area = 0;
    size_t begin = from;
    for (size_t c = firstEnd; c < out.ends.size(); ++c) {
        const size_t end = size_t(out.ends[c]);
        for (size_t i = begin; i < end; ++i)
            area += cross(out.points[i], out.points[i + 1 < end ? i + 1 : begin]);
        begin = end;
    }
    if (area == 0) {
        out.points.resize(from);
        out.ends.resize(firstEnd);
        return;
    }
    if (area < 0) {
        begin = from;
        for (size_t c = firstEnd; c < out.ends.size(); ++c) {
            const auto end = std::ptrdiff_t(out.ends[c]);
            std::reverse(out.points.begin() + std::ptrdiff_t(begin), out.points.begin() + end);
            begin = size_t(end);
        }
    }
}

void closePiece(Contours &out, size_t from)
{
    orientPieces(out, from, 1);
}

void addPiece(Contours &out, std::initializer_list<QPointF> pts)
{
    const size_t from = out.points.size();
    out.points.insert(out.points.end(), pts);
    closePiece(out, from);
}

// Unit circles with n corners, computed once per n.
const std::vector<QPointF> &unitCircle(int n)
{
    static thread_local std::array<std::vector<QPointF>, 257> circles;
    std::vector<QPointF> &c = circles[size_t(n)];
    if (c.empty()) {
        c.reserve(size_t(n));
        for (int k = 0; k < n; ++k) {
            const double a = 2 * M_PI * k / n;
            c.emplace_back(std::cos(a), std::sin(a));
        }
    }
    return c;
}

// Angle between corners of a circle of this radius that keeps the chords
// within the tolerance of the arc.
double arcStep(double radius)
{
    return radius > kTolerance ? std::max(2 * std::acos(1 - kTolerance / radius), 2 * M_PI / 256) : M_PI / 4;
}

void addDisc(Contours &out, const QPointF &centre, double radius)
{
    const int n = std::clamp(int(std::ceil(2 * M_PI / arcStep(radius))), 8, 256);
    const size_t from = out.points.size();
    for (const QPointF &u : unitCircle(n))
        out.points.push_back(centre + u * radius);
    closePiece(out, from);
}

// What a stroke needs of its pen at every join and cap.
struct Pen {
    double hw;          // half the width
    StrokeStyle style;
    double stepCos, stepSin; // one step along an arc of radius hw
};

Pen makePen(const StrokeStyle &style)
{
    const double hw = style.width / 2, step = arcStep(hw);
    return Pen{hw, style, std::cos(step), std::sin(step)};
}

// The pie slice of radius hw from centre + start to centre + end, turning
// counter-clockwise (turn > 0) or clockwise, in steps of the pen's arc step.
void addWedge(Contours &out, const QPointF &centre, const QPointF &start, const QPointF &end, int turn, const Pen &pen)
{
    const size_t from = out.points.size();
    out.points.push_back(centre);
    out.points.push_back(centre + start);
    const double r2 = QPointF::dotProduct(start, start), s = turn > 0 ? pen.stepSin : -pen.stepSin;
    QPointF u = start;
    for (int k = 0; k < 512; ++k) { // at most once round
        if (QPointF::dotProduct(u, end) >= pen.stepCos * r2 && cross(u, end) * turn >= 0)
            break; // at most one step left
        u = QPointF(u.x() * pen.stepCos - u.y() * s, u.x() * s + u.y() * pen.stepCos);
        out.points.push_back(centre + u);
    }
    out.points.push_back(centre + end);
    closePiece(out, from);
}

void addCap(Contours &out, const QPointF &at, const QPointF &outward, const Pen &pen)
{
    const QPointF n = perp(outward) * pen.hw;
    if (pen.style.cap == Qt::RoundCap) {
        addWedge(out, at, n, -n, cross(n, outward) > 0 ? 1 : -1, pen);
    } else if (pen.style.cap == Qt::SquareCap) {
        const QPointF e = outward * pen.hw;
        addPiece(out, {at + n, at + n + e, at - n + e, at - n});
    }
}

// cos of half the turn from direction d0 to d1 (unit vectors)
double cosHalfTurn(const QPointF &d0, const QPointF &d1)
{
    return std::sqrt(std::max(0.0, (1 + QPointF::dotProduct(d0, d1)) / 2));
}

void addJoin(Contours &out, const QPointF &v, const QPointF &d0, const QPointF &d1, const Pen &pen)
{
    const double c = cross(d0, d1);
    if (c == 0 && QPointF::dotProduct(d0, d1) > 0)
        return;
    const double hw = pen.hw, cosHalf = cosHalfTurn(d0, d1);
    const double s = c > 0 ? -hw : hw; // towards the outside of the turn
    const QPointF o0 = perp(d0) * s, o1 = perp(d1) * s;
    switch (pen.style.join) {
    case Qt::RoundJoin:
        if (c == 0) // turning right back
            addDisc(out, v, hw);
        else
            addWedge(out, v, o0, o1, cross(o0, o1) > 0 ? 1 : -1, pen);
        return;
    case Qt::MiterJoin:
    case Qt::SvgMiterJoin:
        if (cosHalf > 0 && 1 / cosHalf <= pen.style.miterLimit) {
            const QPointF mid = o0 + o1;
            const double len = std::sqrt(QPointF::dotProduct(mid, mid));
            if (len > 0) {
                addPiece(out, {v, v + o0, v + mid * (hw / cosHalf / len), v + o1});
                return;
            }
        }
        break;
    default:
        break;
    }
    addPiece(out, {v, v + o0, v + o1});
}

struct Scratch {
    std::vector<QPointF> pts, dirs, offsets;
    std::vector<double> lengths;
    std::vector<char> smooth;
    std::vector<signed char> inner;
};

} // namespace

void strokePolyline(const QPointF *points, int count, bool closed, const StrokeStyle &style, Contours &out)
{
    const double hw = style.width / 2;
    if (count <= 0 || !(hw > 0) || !std::isfinite(hw))
        return;
    const Pen pen = makePen(style);
    static thread_local Scratch scratch;
    // Repeated points make no segment and no join.
    std::vector<QPointF> &pts = scratch.pts;
    pts.clear();
    for (int i = 0; i < count; ++i) {
        if (!std::isfinite(points[i].x()) || !std::isfinite(points[i].y()))
            continue;
        if (pts.empty() || points[i] != pts.back())
            pts.push_back(points[i]);
    }
    if (closed) {
        while (pts.size() > 1 && pts.back() == pts.front())
            pts.pop_back();
    }
    if (pts.empty())
        return;
    if (pts.size() == 1) { // a dot, as wide as the pen
        addCap(out, pts[0], QPointF(1, 0), pen);
        addCap(out, pts[0], QPointF(-1, 0), pen);
        return;
    }
    if (pts.size() == 2)
        closed = false; // there and back is a line
    const size_t n = pts.size();
    const size_t segments = closed ? n : n - 1;
    if (segments == 0)
        return;
    std::vector<QPointF> &dirs = scratch.dirs;
    std::vector<double> &lengths = scratch.lengths;
    dirs.resize(segments);
    lengths.resize(segments);
    for (size_t i = 0; i < segments; ++i) {
        const QPointF d = pts[(i + 1) % n] - pts[i];
        lengths[i] = std::sqrt(QPointF::dotProduct(d, d));
        dirs[i] = d / lengths[i];
    }
    // A point is smooth when the turn there is so small that any join looks
    // the same and the offsets on the inside do not cross: the segments
    // around it then go into one strip with the offset corners mitred.
    std::vector<char> &smooth = scratch.smooth;
    std::vector<signed char> &inner = scratch.inner;
    std::vector<QPointF> &offsets = scratch.offsets;
    smooth.assign(n, 0);
    inner.assign(n, 0);
    offsets.resize(n);
    size_t corners = 0;
    for (size_t v = 0; v < n; ++v) {
        if (!closed && (v == 0 || v == n - 1)) {
            ++corners;
            continue;
        }
        const size_t in = (v + segments - 1) % segments, out_ = v % segments;
        const double cosHalf = cosHalfTurn(dirs[in], dirs[out_]);
        bool fits = false; // the offsets on the inside meet within both segments
        if (cosHalf > 0) {
            const double sinHalf = std::sqrt(std::max(0.0, 1 - cosHalf * cosHalf));
            fits = hw * sinHalf / cosHalf <= std::min(lengths[in], lengths[out_]) / 2;
            smooth[v] = fits && hw * (1 / cosHalf - cosHalf) < kTolerance;
        }
        if (fits) {
            const QPointF b = perp(dirs[in]) + perp(dirs[out_]);
            offsets[v] = b * (hw / cosHalf / std::sqrt(QPointF::dotProduct(b, b)));
        }
        if (!smooth[v]) {
            ++corners;
            // At a corner the strips meet along the line from the point to
            // where their inner edges cross, so they do not overlap: pixels
            // on an edge covered twice would come out too dark.
            if (fits)
                inner[v] = cross(dirs[in], dirs[out_]) > 0 ? 1 : -1;
        }
    }
    if (corners == 0) { // a closed smooth outline: a ring between two offset lines
        const size_t from = out.points.size();
        for (size_t v = 0; v < n; ++v)
            out.points.push_back(pts[v] + offsets[v]);
        out.close();
        for (size_t v = n; v-- > 0;)
            out.points.push_back(pts[v] - offsets[v]);
        orientPieces(out, from, 2);
        return;
    }
    // Strips from corner to corner, then the corners' joins or caps.
    auto edgePoint = [&](size_t at, const QPointF &o, int side) {
        return inner[at] == side ? pts[at] + offsets[at] * side : pts[at] + o * side;
    };
    size_t first = 0;
    while (smooth[first])
        ++first;
    size_t v = first;
    do {
        const size_t from = out.points.size();
        const QPointF o = perp(dirs[v % segments]) * hw;
        out.points.push_back(edgePoint(v, o, 1));
        size_t w = (v + 1) % n;
        for (; smooth[w]; w = (w + 1) % n)
            out.points.push_back(pts[w] + offsets[w]);
        const QPointF oe = perp(dirs[(w + segments - 1) % segments]) * hw;
        out.points.push_back(edgePoint(w, oe, 1));
        if (inner[w])
            out.points.push_back(pts[w]);
        out.points.push_back(edgePoint(w, oe, -1));
        for (size_t u = (w + n - 1) % n; u != v; u = (u + n - 1) % n)
            out.points.push_back(pts[u] - offsets[u]);
        out.points.push_back(edgePoint(v, o, -1));
        if (inner[v])
            out.points.push_back(pts[v]);
        closePiece(out, from);
        if (closed || w != n - 1)
            addJoin(out, pts[w], dirs[(w + segments - 1) % segments], dirs[w % segments], pen);
        v = w;
    } while (closed ? v != first : v != n - 1);
    if (!closed) {
        addCap(out, pts[0], -dirs[0], pen);
        addCap(out, pts[n - 1], dirs[segments - 1], pen);
    }
}

} // namespace wmf
