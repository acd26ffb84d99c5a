#include "paintstyle.h"

#include "directpaint.h"

#include <cmath>

namespace wmf {

QImage recolourMono(const QImage &src, QRgb zero, QRgb fg, std::optional<QRgb> bg)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == (zero & 0xFFFFFF) ? (fg | 0xFF000000) : (bg ? (*bg | 0xFF000000) : 0);
    }
    return img;
}

PaintStyle::PaintStyle(QPainter &painter, const DeviceContext &dc, const Frame &frame, DirectPainter &direct)
    : m_p(painter), m_dc(dc), m_frame(frame), m_direct(direct)
{
}

void PaintStyle::begin()
{
    m_base = m_p.worldTransform();
    // Nothing lands outside the picture's own frame.
    const QRectF frame(QPointF(0, 0), QSizeF(m_frame.natural));
    m_outerIsRect = !m_p.hasClipping();
    if (m_outerIsRect) {
        m_outerRect = frame;
    } else {
        QPainterPath rect;
        rect.addRect(frame);
        m_outerClipPath = m_p.clipPath().intersected(rect);
    }
    m_clipApplied = false;
    m_p.setRenderHint(QPainter::Antialiasing, true);
    m_p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_p.setRenderHint(QPainter::TextAntialiasing, true);
    m_p.setBrushOrigin(0, 0);
    m_direct.begin(m_p, m_outerIsRect);
}

// ---- pens -------------------------------------------------------------------

bool PaintStyle::penVisible() const
{
    const DcState &d = m_dc.state();
    return (d.pen.style & PS_STYLE_MASK) != PS_NULL && d.rop2 != R2_NOP;
}

bool PaintStyle::isDashed() const
{
    const int style = m_dc.state().pen.style & PS_STYLE_MASK;
    return style == PS_DASH || style == PS_DOT || style == PS_DASHDOT || style == PS_DASHDOTDOT || style == PS_ALTERNATE;
}

QPointF PaintStyle::strokeOffset() const
{
    // Odd widths are centred on pixel centres, even ones on pixel edges.
    const bool odd = (std::lround(penWidthDevice()) % 2) == 1;
    return odd ? QPointF(m_dc.ox(), m_dc.oy()) : QPointF(0, 0);
}

// GDI draws one-pixel lines through whole device pixels: points are rounded
// to the pixel grid and the line lights the pixels they name. Drawn through
// those pixels' centres, such lines stay crisp under any mapping instead of
// greying two rows of pixels. Played at natural size for an output far
// smaller, the grid's pitch is the frame's thinnest line, and a hairline
// covers the whole natural pixels nearest to it, so that it keeps its exact
// colour for flood fills.
bool PaintStyle::hairline() const
{
    return penVisible() && widthUnclamped() <= m_frame.thinnestLine;
}

double PaintStyle::widthUnclamped() const
{
    const PenObj &pen = m_dc.state().pen;
    return pen.width <= 0 ? 0.0 : pen.width * std::abs(m_dc.sx());
}

double PaintStyle::hairWidth() const
{
    return std::max(1.0, std::round(m_frame.thinnestLine));
}

double PaintStyle::onGrid(double v) const
{
    const double g = m_frame.thinnestLine;
    return std::round(std::floor(v / g + 0.5) * g);
}

// The corners of an outline in device pixels: on the pixel grid under a
// one-pixel pen, so the fill stays under the crisp line drawn outlineShift()
// from it.
QPolygonF PaintStyle::outlinePolygon(const QPoint *points, size_t count) const
{
    const bool grid = hairline();
    QPolygonF poly;
    poly.reserve(qsizetype(count) + 1);
    for (size_t i = 0; i < count; ++i) {
        const QPointF p = m_dc.map(points[i].x(), points[i].y());
        poly << (grid ? QPointF(onGrid(p.x()), onGrid(p.y())) : p);
    }
    return poly;
}

QPointF PaintStyle::outlineShift() const
{
    const double half = hairWidth() / 2;
    return hairline() ? QPointF(half, half) : strokeOffset();
}

// The box a shape's outline runs in: the pen's centre line through the
// outermost pixels inside the box (right and bottom edges are exclusive).
QRectF PaintStyle::outlineBox(const QRectF &box) const
{
    if (hairline()) {
        const double g = m_frame.thinnestLine, half = hairWidth() / 2;
        const auto edge = [g](double v) { return std::round(std::round(v / g) * g); };
        const QRectF pixels(QPointF(edge(box.left()), edge(box.top())), QPointF(edge(box.right()), edge(box.bottom())));
        return pixels.adjusted(half, half, -half, -half);
    }
    const QPointF o = strokeOffset();
    return QRectF(box.left() + o.x(), box.top() + o.y(), box.width() - 2 * m_dc.ox(), box.height() - 2 * m_dc.oy());
}

double PaintStyle::penWidthDevice() const
{
    const double width = widthUnclamped();
    if (width <= m_frame.thinnestLine)
        return hairWidth();
    // A pen wider than the picture paints the same as one just that wide,
    // and costs far less to stroke.
    const double widest = 2.0 * (m_frame.natural.width() + m_frame.natural.height()) + 16;
    return std::min(width, widest);
}

const QPen &PaintStyle::pen()
{
    const DcState &d = m_dc.state();
    const PenObj &pen = d.pen;
    const PenKey key{pen.style, pen.width, pen.color, d.rop2, m_dc.sx()};
    if (m_penKey == key)
        return m_qpen;
    m_penKey = key;
    const int style = pen.style & PS_STYLE_MASK;
    if (style == PS_NULL) {
        m_qpen = QPen(Qt::NoPen);
        return m_qpen;
    }
    QRgb c = pen.color;
    switch (d.rop2) {
    case R2_BLACK: c = qRgb(0, 0, 0); break;
    case R2_WHITE: c = qRgb(255, 255, 255); break;
    case R2_NOTCOPYPEN: c = qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)); break;
    default: break;
    }
    const double w = penWidthDevice();
    // A hair over one pixel keeps Qt on its real stroker, which joins corners
    // the way GDI does (its one-pixel fast path leaves them a quarter short).
    QPen qp(QColor::fromRgb(c), w <= 1.0 ? 1.0 : w);
    switch (pen.style & PS_ENDCAP_MASK) {
    case PS_ENDCAP_SQUARE: qp.setCapStyle(Qt::SquareCap); break;
    case PS_ENDCAP_FLAT: qp.setCapStyle(Qt::FlatCap); break;
    default: qp.setCapStyle(Qt::RoundCap); break;
    }
    switch (pen.style & PS_JOIN_MASK) {
    case PS_JOIN_BEVEL: qp.setJoinStyle(Qt::BevelJoin); break;
    case PS_JOIN_MITER: qp.setJoinStyle(Qt::SvgMiterJoin); break;
    default: qp.setJoinStyle(Qt::RoundJoin); break;
    }
    qp.setMiterLimit(10); // GDI's: mitres up to ten pen widths long, bevels beyond, as SvgMiterJoin does
    if (hairline()) { // styled lines exist only for one-pixel pens; patterns count device pixels
        qp.setCapStyle(isDashed() ? Qt::FlatCap : Qt::SquareCap);
        qp.setJoinStyle(Qt::SvgMiterJoin);
        switch (style) {
        case PS_DASH: qp.setDashPattern({18, 6}); break;
        case PS_DOT: qp.setDashPattern({3, 3}); break;
        case PS_DASHDOT: qp.setDashPattern({9, 6, 3, 6}); break;
        case PS_DASHDOTDOT: qp.setDashPattern({9, 3, 3, 3, 3, 3}); break;
        case PS_ALTERNATE: qp.setDashPattern({1, 1}); break;
        default: break;
        }
    }
    m_qpen = qp;
    return m_qpen;
}

// ---- brushes ----------------------------------------------------------------

QBrush PaintStyle::brushFor(const BrushObj &b) const
{
    const DcState &d = m_dc.state();
    QRgb c = b.color;
    switch (d.rop2) {
    case R2_BLACK: c = qRgb(0, 0, 0); break;
    case R2_WHITE: c = qRgb(255, 255, 255); break;
    case R2_NOTCOPYPEN: c = qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)); break;
    case R2_NOT: c = qRgb(255, 255, 255); break;
    default: break;
    }
    switch (b.style) {
    case BS_NULL:
        return Qt::NoBrush;
    case BS_HATCHED: {
        static const Qt::BrushStyle hatch[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                               Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(QColor::fromRgb(c), b.hatch <= HS_DIAGCROSS ? hatch[b.hatch] : Qt::SolidPattern);
    }
    case BS_PATTERN:
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT:
        if (!b.pattern.isNull()) {
            if (b.monochrome)
                return QBrush(recolourMono(b.pattern, qRgb(0, 0, 0), d.textColor, d.bkColor));
            return QBrush(b.pattern);
        }
        return QBrush(QColor::fromRgb(c));
    default:
        return QBrush(QColor::fromRgb(c));
    }
}

ShapeStyle PaintStyle::shapeStyle(bool haveFill, bool haveStroke)
{
    const DcState &d = m_dc.state();
    ShapeStyle s;
    s.fill = haveFill && brushVisible(d.brush);
    s.stroke = haveStroke && penVisible();
    if (s.fill) {
        s.solidBrush = d.brush.style == BS_SOLID;
        s.brush = brushFor(d.brush);
        s.fillRule = d.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
    }
    if (s.stroke)
        s.pen = pen();
    return s;
}

// ---- raster operations ------------------------------------------------------

namespace {

// The raster operations that combine the pen or brush with the picture
// bit by bit; the others only choose a colour (black, white, the colour or
// its inverse) or draw nothing.
std::optional<QPainter::CompositionMode> rasterOperation(int rop2)
{
    switch (rop2) {
    case R2_NOTMERGEPEN: return QPainter::RasterOp_NotSourceAndNotDestination;
    case R2_MASKNOTPEN: return QPainter::RasterOp_NotSourceAndDestination;
    case R2_MASKPENNOT: return QPainter::RasterOp_SourceAndNotDestination;
    case R2_NOT: return QPainter::RasterOp_NotDestination;
    case R2_XORPEN: return QPainter::RasterOp_SourceXorDestination;
    case R2_NOTMASKPEN: return QPainter::RasterOp_NotSourceOrNotDestination;
    case R2_MASKPEN: return QPainter::RasterOp_SourceAndDestination;
    case R2_NOTXORPEN: return QPainter::RasterOp_NotSourceXorDestination;
    case R2_MERGENOTPEN: return QPainter::RasterOp_NotSourceOrDestination;
    case R2_MERGEPENNOT: return QPainter::RasterOp_SourceOrNotDestination;
    case R2_MERGEPEN: return QPainter::RasterOp_SourceOrDestination;
    default: return std::nullopt;
    }
}

} // namespace

bool PaintStyle::beginRop2()
{
    const int rop2 = m_dc.state().rop2;
    if (rop2 == R2_NOP)
        return false;
    if (const auto op = rasterOperation(rop2)) {
        // GDI's raster operations work on whole pixels: a half-covered pixel
        // mixed twice does not undo itself, which dims XOR-drawn gradients.
        m_p.setRenderHint(QPainter::Antialiasing, false);
        m_p.setCompositionMode(*op);
    }
    return true;
}

void PaintStyle::endRop2()
{
    if (!rasterOperation(m_dc.state().rop2))
        return;
    m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_p.setRenderHint(QPainter::Antialiasing, true); // as begin() has it everywhere else
}

// ---- clipping ---------------------------------------------------------------

void PaintStyle::applyClip()
{
    if (m_clipApplied && m_clipSerial == m_dc.clipSerial())
        return;
    m_clipApplied = true;
    m_clipSerial = m_dc.clipSerial();
    const DcState &d = m_dc.state();
    if (m_outerIsRect)
        m_p.setClipRect(m_outerRect);
    else
        m_p.setClipPath(m_outerClipPath);
    if (d.hasClip)
        m_p.setClipRegion(d.clip, Qt::IntersectClip);
    m_direct.setClip(m_outerRect, d.hasClip ? &d.clip : nullptr);
}

} // namespace wmf
