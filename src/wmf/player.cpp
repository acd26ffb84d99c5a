#include "player.h"

#include "dib.h"
#include "fonts.h"
#include "records.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QtMath>

#include <cmath>

namespace wmf {

namespace {

constexpr int kHuge = 1 << 24;     // "the whole device" for clip arithmetic
constexpr int kMaxClipRects = 4096; // beyond this, further clip changes are ignored

enum { kRect, kEllipse, kRoundRect };
enum { kArc, kPie, kChord };

// Colour with the identity pixels of a bitmap operation made transparent.
QImage withTransparent(const QImage &src, QRgb key)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    key &= 0xFFFFFF;
    for (int y = 0; y < img.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
        }
    }
    return img;
}

QImage inverted(const QImage &src)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    img.invertPixels(QImage::InvertRgb);
    return img;
}

QImage andColour(const QImage &src, QRgb c)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = (line[x] & (c | 0xFF000000));
    }
    return img;
}

// Monochrome pattern: pixels equal to the 0-colour take fg, others bg, or transparent.
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

} // namespace

// ---------------------------------------------------------------------------

Player::Player(const ParsedMetafile &mf, QPainter &painter) : m_mf(mf), m_p(painter)
{
    m_frame = computeFrame(mf);
    m_objects.resize(size_t(qBound<int>(16, mf.header.numberOfObjects, limits::kMaxObjects)));
}

Player::~Player() = default;

void Player::play()
{
    m_p.save();
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
    m_clipDirty = true;
    m_p.setRenderHint(QPainter::Antialiasing, true);
    m_p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_p.setRenderHint(QPainter::TextAntialiasing, true);
    m_p.setBrushOrigin(0, 0);
    setUpDirect();

    m_dc = DC();
    m_dc.mapMode = m_frame.mapMode;
    m_dc.winOrg = m_frame.windowOrg;
    m_dc.winExt = m_frame.windowExt;
    m_dc.vpOrg = m_frame.viewportOrg;
    m_dc.vpExt = m_frame.viewportExt;
    m_dc.font.serial = m_fontSerial++;
    updateMapping();

    for (const Record &r : m_mf.records) {
        ++m_stats.records;
        dispatch(r);
    }
    m_p.restore();
}

void Player::updateMapping()
{
    const DC &d = m_dc;
    double sx = 1, sy = 1;
    const double upi = unitsPerInch(d.mapMode);
    if (upi > 0) {
        sx = 96.0 / upi;
        sy = -sx;
    } else if (d.mapMode == MM_ISOTROPIC || d.mapMode == MM_ANISOTROPIC) {
        sx = d.vpExt.x() / d.winExt.x();
        sy = d.vpExt.y() / d.winExt.y();
        if (d.mapMode == MM_ISOTROPIC) {
            const double s = qMin(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
    }
    if (!std::isfinite(sx) || !std::isfinite(sy) || sx == 0 || sy == 0)
        sx = sy = 1;
    m_sx = sx;
    m_sy = sy;
    m_tx = d.vpOrg.x() - d.winOrg.x() * sx;
    m_ty = d.vpOrg.y() - d.winOrg.y() * sy;
    m_ox = 0.5 * qMin(1.0, std::abs(sx));
    m_oy = 0.5 * qMin(1.0, std::abs(sy));
    m_penDirty = true;
}

QRectF Player::mapRect(int l, int t, int r, int b) const
{
    return QRectF(map(l, t), map(r, b)).normalized();
}

QRgb Player::colorRef(quint32 c) const
{
    if ((c & 0xFF000000) == PALETTEINDEX) {
        const int i = int(c & 0xFFFF);
        return i < m_dc.palette.entries.size() ? m_dc.palette.entries[i] : qRgb(0, 0, 0);
    }
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

int Player::addObject(GdiObject obj)
{
    // Lowest free slot; every slot below m_freeHint is known to be taken.
    for (size_t i = m_freeHint; i < m_objects.size(); ++i) {
        if (!m_objects[i]) {
            m_objects[i] = std::move(obj);
            m_freeHint = i + 1;
            return int(i);
        }
    }
    m_freeHint = m_objects.size();
    if (int(m_objects.size()) < limits::kMaxObjects) {
        m_objects.emplace_back(std::move(obj));
        return int(m_objects.size()) - 1;
    }
    return -1;
}

const GdiObject *Player::object(int index) const
{
    if (index < 0 || size_t(index) >= m_objects.size() || !m_objects[size_t(index)])
        return nullptr;
    return &*m_objects[size_t(index)];
}

// ---- pens, brushes, raster operations --------------------------------------

bool Player::penVisible() const
{
    return (m_dc.pen.style & PS_STYLE_MASK) != PS_NULL && m_dc.rop2 != R2_NOP;
}

bool Player::isDashed() const
{
    const int style = m_dc.pen.style & PS_STYLE_MASK;
    return style == PS_DASH || style == PS_DOT || style == PS_DASHDOT || style == PS_DASHDOTDOT || style == PS_ALTERNATE;
}

QPointF Player::strokeOffset() const
{
    // Odd widths are centred on pixel centres, even ones on pixel edges.
    const bool odd = (std::lround(penWidthDevice()) % 2) == 1;
    return odd ? QPointF(m_ox, m_oy) : QPointF(0, 0);
}

// GDI draws one-pixel lines through whole device pixels: points are rounded
// to the pixel grid and the line lights the pixels they name. Drawn through
// those pixels' centres, such lines stay crisp under any mapping instead of
// greying two rows of pixels.
bool Player::hairline() const
{
    return penVisible() && penWidthDevice() <= 1.0;
}

// The corners of an outline in device pixels: on the pixel grid under a
// one-pixel pen, so the fill stays under the crisp line drawn outlineShift()
// from it.
QPolygonF Player::outlinePolygon(const QPoint *points, size_t count) const
{
    const bool grid = hairline();
    QPolygonF poly;
    poly.reserve(qsizetype(count) + 1);
    for (size_t i = 0; i < count; ++i) {
        const QPointF p = map(points[i].x(), points[i].y());
        poly << (grid ? QPointF(std::floor(p.x() + 0.5), std::floor(p.y() + 0.5)) : p);
    }
    return poly;
}

QPointF Player::outlineShift() const
{
    return hairline() ? QPointF(0.5, 0.5) : strokeOffset();
}

// The box a shape's outline runs in: the pen's centre line through the
// outermost pixels inside the box (right and bottom edges are exclusive).
QRectF Player::outlineBox(const QRectF &box) const
{
    if (hairline()) {
        const QRectF pixels(QPointF(std::round(box.left()), std::round(box.top())),
                            QPointF(std::round(box.right()), std::round(box.bottom())));
        return pixels.adjusted(0.5, 0.5, -0.5, -0.5);
    }
    const QPointF o = strokeOffset();
    return QRectF(box.left() + o.x(), box.top() + o.y(), box.width() - 2 * m_ox, box.height() - 2 * m_oy);
}

double Player::penWidthDevice() const
{
    if (m_dc.pen.width <= 0)
        return 1.0;
    // A pen wider than the picture paints the same as one just that wide,
    // and costs far less to stroke.
    const double widest = 2.0 * (m_frame.natural.width() + m_frame.natural.height()) + 16;
    return qBound(1.0, m_dc.pen.width * std::abs(m_sx), widest);
}

void Player::preparePen()
{
    if (!m_penDirty)
        return;
    m_penDirty = false;
    const PenObj &pen = m_dc.pen;
    const int style = pen.style & PS_STYLE_MASK;
    if (style == PS_NULL) {
        m_qpen = QPen(Qt::NoPen);
        return;
    }
    QRgb c = pen.color;
    switch (m_dc.rop2) {
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
    if (w <= 1.0) { // styled lines exist only for one-pixel pens; patterns count device pixels
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
}

QBrush Player::brushFor(const BrushObj &b)
{
    QRgb c = b.color;
    switch (m_dc.rop2) {
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
                return QBrush(recolourMono(b.pattern, qRgb(0, 0, 0), m_dc.textColor, m_dc.bkColor));
            return QBrush(b.pattern);
        }
        return QBrush(QColor::fromRgb(c));
    default:
        return QBrush(QColor::fromRgb(c));
    }
}

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

bool Player::beginRop2()
{
    if (m_dc.rop2 == R2_NOP)
        return false;
    if (const auto op = rasterOperation(m_dc.rop2)) {
        // GDI's raster operations work on whole pixels: a half-covered pixel
        // mixed twice does not undo itself, which dims XOR-drawn gradients.
        m_p.setRenderHint(QPainter::Antialiasing, false);
        m_p.setCompositionMode(*op);
    }
    return true;
}

void Player::endRop2()
{
    if (!rasterOperation(m_dc.rop2))
        return;
    m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_p.setRenderHint(QPainter::Antialiasing, true); // as play() has it everywhere else
}

void Player::setClip(const QRegion &region)
{
    if (region.rectCount() > kMaxClipRects)
        return;
    m_dc.hasClip = true;
    m_dc.clip = region;
    m_clipDirty = true;
}

QRect Player::deviceRect(int l, int t, int r, int b) const
{
    // GDI keeps clipping in whole device pixels, right and bottom exclusive.
    const QRectF f = mapRect(l, t, r, b);
    auto px = [](double v) { return int(std::lround(qBound(-double(kHuge), v, double(kHuge)))); };
    return QRect(QPoint(px(f.left()), px(f.top())), QPoint(px(f.right()) - 1, px(f.bottom()) - 1));
}

void Player::applyClip()
{
    if (!m_clipDirty)
        return;
    m_clipDirty = false;
    if (m_outerIsRect)
        m_p.setClipRect(m_outerRect);
    else
        m_p.setClipPath(m_outerClipPath);
    if (m_dc.hasClip)
        m_p.setClipRegion(m_dc.clip, Qt::IntersectClip);
    updateDirectClip();
}

void Player::fillAndStroke(const QPainterPath &fill, const QPainterPath &stroke, bool squareCorners)
{
    applyClip();
    if (!beginRop2())
        return;
    if (directFillAndStroke(fill, stroke, squareCorners)) {
        endRop2();
        return;
    }
    m_p.setBackgroundMode(m_dc.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    m_p.setBackground(QColor::fromRgb(m_dc.bkColor));
    if (!fill.isEmpty() && brushVisible(m_dc.brush)) {
        QPainterPath f = fill;
        f.setFillRule(m_dc.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
        m_p.fillPath(f, brushFor(m_dc.brush));
    }
    if (!stroke.isEmpty() && penVisible()) {
        preparePen();
        const QRectF extent = stroke.controlPointRect();
        const double far = 16.0 * (m_frame.natural.width() + m_frame.natural.height()) + 4096;
        if (m_qpen.style() != Qt::SolidLine && extent.width() + extent.height() > far) {
            // Dashes along miles of invisible outline would take forever.
            QPen pen = m_qpen;
            pen.setStyle(Qt::SolidLine);
            m_p.strokePath(stroke, pen);
        } else if (squareCorners && m_qpen.widthF() <= 1.0) {
            // Qt's one-pixel fast path leaves right-angled corners a quarter
            // short; a hair over one pixel takes the real stroker instead.
            QPen pen = m_qpen;
            pen.setWidthF(1.0001);
            m_p.strokePath(stroke, pen);
        } else {
            m_p.strokePath(stroke, m_qpen);
        }
    }
    endRop2();
}

// ---- shapes ---------------------------------------------------------------

QRectF Player::shapeRect(const Record &r, int w, bool *ok)
{
    *ok = r.words() >= w + 4;
    return mapRect(r.i16(w + 3), r.i16(w + 2), r.i16(w + 1), r.i16(w));
}

void Player::drawBoxShape(const Record &r, int kind)
{
    bool ok = false;
    const QRectF box = shapeRect(r, kind == kRoundRect ? 2 : 0, &ok);
    if (!ok) {
        ++m_stats.invalid;
        return;
    }
    const double ex = 2 * m_ox, ey = 2 * m_oy;
    QRectF outline = outlineBox(box);
    if (outline.width() < 0)
        outline.setWidth(0);
    if (outline.height() < 0)
        outline.setHeight(0);
    if ((m_dc.pen.style & PS_STYLE_MASK) == PS_INSIDEFRAME && m_dc.pen.width > 0) {
        const double half = (penWidthDevice() - 1) / 2;
        outline.adjust(half, half, -half, -half);
    }
    QRectF fillBox = penVisible() ? outline : QRectF(box.left(), box.top(), box.width() - ex, box.height() - ey);
    QPainterPath fillPath, strokePath;
    auto add = [&](QPainterPath &path, const QRectF &rc) {
        switch (kind) {
        case kRect: path.addRect(rc); break;
        case kEllipse: path.addEllipse(rc); break;
        default: {
            const double rx = qMin(std::abs(r.i16(1) * m_sx) / 2, rc.width() / 2);
            const double ry = qMin(std::abs(r.i16(0) * m_sy) / 2, rc.height() / 2);
            path.addRoundedRect(rc, rx, ry);
            break;
        }
        }
    };
    if (fillBox.width() > 0 && fillBox.height() > 0)
        add(fillPath, fillBox);
    add(strokePath, outline);
    fillAndStroke(fillPath, strokePath, kind == kRect);
}

void Player::drawArcShape(const Record &r, int kind)
{
    if (r.words() < 8) {
        ++m_stats.invalid;
        return;
    }
    const QRectF box = mapRect(r.i16(7), r.i16(6), r.i16(5), r.i16(4));
    const QRectF outline = outlineBox(box);
    if (outline.width() <= 0 || outline.height() <= 0)
        return;
    const QPointF o = outline.topLeft() - box.topLeft();
    const QPointF start = map(r.i16(3), r.i16(2));
    const QPointF end = map(r.i16(1), r.i16(0));
    // Arcs run counter-clockwise as seen on the device, whatever the mapping.
    const QPointF c = outline.center();
    auto angle = [&](const QPointF &p) {
        return qRadiansToDegrees(std::atan2(-(p.y() + o.y() - c.y()) / outline.height(), (p.x() + o.x() - c.x()) / outline.width()));
    };
    const double a0 = angle(start);
    double span = angle(end) - a0;
    while (span <= 0)
        span += 360;
    if (start == end)
        span = 360;
    QPainterPath arc;
    arc.arcMoveTo(outline, a0);
    arc.arcTo(outline, a0, span);
    QPainterPath fill;
    if (kind == kPie) {
        fill.moveTo(c);
        fill.arcTo(outline, a0, span);
        fill.closeSubpath();
    } else if (kind == kChord) {
        fill = arc;
        fill.closeSubpath();
    }
    fillAndStroke(fill, kind == kArc ? arc : fill, false);
}

void Player::drawPolyline(const std::vector<QPoint> &pts)
{
    if (pts.size() < 2)
        return;
    QPolygonF poly = outlinePolygon(pts.data(), pts.size());
    poly.translate(outlineShift());
    // GDI leaves out the last pixel of a line; for thin pens that is visible.
    if (penWidthDevice() <= 1.0) {
        const auto shift = [](QPointF &a, const QPointF &towards, double d) {
            const QPointF v = towards - a;
            const double len = std::hypot(v.x(), v.y());
            if (len > 0)
                a += v * (qMin(d, len) / len);
        };
        if (isDashed()) { // flat caps: start on the first pixel's edge
            shift(poly.first(), poly[1], -0.5);
            shift(poly.last(), poly[poly.size() - 2], 0.5);
        } else {          // square caps reach half a pixel past each end
            shift(poly.last(), poly[poly.size() - 2], 1.0);
        }
    }
    QPainterPath path;
    path.addPolygon(poly);
    fillAndStroke(QPainterPath(), path, false);
}

// ---- text ------------------------------------------------------------------

void Player::resolveFont()
{
    const LogFont &lf = m_dc.font.lf;
    if (m_fc.serial == m_dc.font.serial && m_fc.sx == m_sx && m_fc.sy == m_sy)
        return;
    m_fc.serial = m_dc.font.serial;
    m_fc.sx = m_sx;
    m_fc.sy = m_sy;
    QFont f(substituteFamily(lf.faceName, lf.pitchAndFamily));
    f.setStyleStrategy(QFont::PreferOutline);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    const int weight = lf.weight <= 0 ? 400 : qBound(1, int(lf.weight), 1000);
    f.setWeight(QFont::Weight(weight));
    f.setItalic(lf.italic);
    f.setUnderline(lf.underline);
    f.setStrikeOut(lf.strikeOut);
    double target = std::abs(lf.height * m_sy); // device pixels
    const bool cell = lf.height > 0;
    if (lf.height == 0)
        target = 16;
    target = qBound(0.5, target, 4000.0);
    const int px = qMax(1, int(std::lround(target)));
    f.setPixelSize(px);
    QFontMetricsF fm(f);
    double scale = target / px;
    if (cell) {
        const double h = fm.ascent() + fm.descent();
        if (h > 0)
            scale = target / h;
    }
    double stretch = 1;
    if (lf.width != 0) {
        // Windows' average width of a TrueType font: lower-case letters and the
        // space weighted by their frequency in English text.
        static const int weights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20, 56,
                                        56, 17, 4, 49, 56, 71, 31, 10, 18, 3, 18, 2, 166};
        double sum = 0;
        for (int i = 0; i < 27; ++i)
            sum += weights[i] * fm.horizontalAdvance(i < 26 ? QChar(u'a' + i) : QChar(u' '));
        const double avg = sum / 1000.0 * scale;
        if (avg > 0)
            stretch = qBound(0.25, std::abs(lf.width * m_sx) / avg, 4.0);
    }
    m_fc.font = f;
    m_fc.scale = scale;
    m_fc.stretch = stretch;
    m_fc.ascent = fm.ascent() * scale;
    m_fc.descent = fm.descent() * scale;
}

void Player::drawText(const TextRun &run, bool ext)
{
    applyClip();
    resolveFont();
    const LogFont &lf = m_dc.font.lf;
    std::vector<int> charBytes;
    const QString text = decodeText(run.text, lf.charSet, lf.faceName, &charBytes);
    const double k = m_fc.scale;
    const double sxAbs = std::abs(m_sx);
    QFontMetricsF fm(m_fc.font);

    // Advance of every character in device pixels along the baseline.
    std::vector<double> adv(size_t(text.size()), 0.0);
    std::vector<double> rise(size_t(text.size()), 0.0);
    const bool pdy = run.options & ETO_PDY;
    const bool haveDx = !run.dx.empty();
    double total = 0;
    int breaks = 0; // the extra goes to the break characters, as many as the file says
    for (QChar ch : text)
        breaks += ch == QLatin1Char(' ');
    if (m_dc.breakCount > 0)
        breaks = qMin(breaks, int(m_dc.breakCount));
    int spacesSeen = 0;
    size_t byte = 0; // the spacing array has an entry per byte, two for a double-byte character
    for (int i = 0; i < text.size(); ++i) {
        double a = 0;
        if (haveDx) {
            for (int n = charBytes[size_t(i)]; n > 0; --n, ++byte) {
                a += run.dx[pdy ? 2 * byte : byte] * sxAbs;
                if (pdy)
                    rise[size_t(i)] += run.dx[2 * byte + 1] * std::abs(m_sy);
            }
        } else {
            a = fm.horizontalAdvance(text[i]) * k * m_fc.stretch + m_dc.charExtra * sxAbs;
            if (text[i] == QLatin1Char(' ') && m_dc.breakExtra && spacesSeen++ < breaks)
                a += double(m_dc.breakExtra) * sxAbs / breaks;
        }
        adv[size_t(i)] = a;
        total += a;
    }
    const bool simple = !haveDx && m_dc.charExtra == 0 && m_dc.breakExtra == 0;
    if (simple)
        total = fm.horizontalAdvance(text) * k * m_fc.stretch;

    QPointF ref = map(run.pos.x(), run.pos.y());
    const bool updateCp = m_dc.textAlign & TA_UPDATECP;
    if (updateCp)
        ref = map(m_dc.cp.x(), m_dc.cp.y());
    double x0 = 0;
    const int h = m_dc.textAlign & TA_CENTER;
    if (h == TA_CENTER)
        x0 = -total / 2;
    else if (h == TA_RIGHT)
        x0 = -total;
    double base = 0;
    const int v = m_dc.textAlign & TA_BASELINE;
    if (v == TA_BASELINE)
        base = 0;
    else if (v == TA_BOTTOM)
        base = -m_fc.descent;
    else
        base = m_fc.ascent;

    const double angle = lf.escapement / 10.0;
    QTransform tt = m_base;
    tt.translate(ref.x(), ref.y());
    if (angle != 0)
        tt.rotate(-angle);

    if (ext && (run.options & ETO_OPAQUE) && run.hasRect) {
        const QRectF rc = mapRect(run.rect.left(), run.rect.top(), run.rect.right(), run.rect.bottom());
        m_p.fillRect(rc, QColor::fromRgb(m_dc.bkColor));
    }
    bool clipped = false;
    if (ext && (run.options & ETO_CLIPPED) && run.hasRect) {
        m_p.save();
        clipped = true;
        m_p.setClipRect(mapRect(run.rect.left(), run.rect.top(), run.rect.right(), run.rect.bottom()),
                        Qt::IntersectClip);
    }
    m_p.setWorldTransform(tt);
    if (m_dc.bkMode == OPAQUE && !(ext && (run.options & ETO_OPAQUE)) && total > 0)
        m_p.fillRect(QRectF(x0, base - m_fc.ascent, total, m_fc.ascent + m_fc.descent), QColor::fromRgb(m_dc.bkColor));
    m_p.setFont(m_fc.font);
    m_p.setPen(QColor::fromRgb(m_dc.textColor));
    m_p.setBackgroundMode(Qt::TransparentMode);
    // Glyphs go through Qt's glyph cache unless the transform squashes them
    // badly (the cache does not cope with extreme shapes); then as outlines.
    QTransform g0 = tt;
    g0.scale(k * m_fc.stretch, k);
    const double big = std::sqrt(g0.m11() * g0.m11() + g0.m12() * g0.m12() + g0.m21() * g0.m21() + g0.m22() * g0.m22());
    const double small = big > 0 ? std::abs(g0.determinant()) / big : 0; // about the smaller singular value
    const bool asPath = !(small > 0.02 && big < 8 * small);
    auto drawRun = [&](double x, double y, const QString &s) {
        QTransform g = tt;
        g.translate(x, y);
        g.scale(k * m_fc.stretch, k);
        m_p.setWorldTransform(g);
        if (asPath) {
            QPainterPath path;
            path.addText(QPointF(0, 0), m_fc.font, s);
            m_p.fillPath(path, QColor::fromRgb(m_dc.textColor));
        } else {
            m_p.drawText(QPointF(0, 0), s);
        }
    };
    if (simple) {
        drawRun(x0, base, text);
    } else {
        double x = x0, y = base;
        for (int i = 0; i < text.size(); ++i) {
            drawRun(x, y, QString(text[i]));
            x += adv[size_t(i)];
            y -= rise[size_t(i)];
        }
    }
    m_p.setWorldTransform(m_base);
    if (clipped)
        m_p.restore();
    if (updateCp) {
        double dx = 0;
        if (h == TA_RIGHT)
            dx = -total;
        else if (h != TA_CENTER)
            dx = total;
        const double rad = qDegreesToRadians(angle);
        m_dc.cp += QPointF(dx * std::cos(rad) / m_sx, -dx * std::sin(rad) / m_sy);
    }
}

// ---- bitmaps ---------------------------------------------------------------

void Player::patBlt(const QRectF &rect, quint32 rop)
{
    applyClip();
    switch (rop3::index(rop)) {
    case rop3::BLACKNESS:
        m_p.fillRect(rect, Qt::black);
        break;
    case rop3::WHITENESS:
        m_p.fillRect(rect, Qt::white);
        break;
    case rop3::DSTINVERT:
        m_p.setCompositionMode(QPainter::CompositionMode_Difference);
        m_p.fillRect(rect, Qt::white);
        m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    case rop3::PATINVERT:
        if (m_dc.brush.style != BS_NULL) {
            m_p.setCompositionMode(QPainter::CompositionMode_Difference);
            m_p.fillRect(rect, brushFor(m_dc.brush));
            m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        break;
    case rop3::D:
        break;
    case rop3::PN: {
        const QRgb c = m_dc.brush.color;
        m_p.fillRect(rect, QColor(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)));
        break;
    }
    default:
        if (m_dc.brush.style != BS_NULL) {
            m_p.setBackgroundMode(m_dc.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
            m_p.setBackground(QColor::fromRgb(m_dc.bkColor));
            m_p.fillRect(rect, brushFor(m_dc.brush));
        }
        break;
    }
}

void Player::drawBlit(const Record &r)
{
    BlitParams b;
    if (!decodeBlit(r, &b)) {
        ++m_stats.invalid;
        return;
    }
    const QPointF p0 = map(b.dstX, b.dstY);
    const QPointF p1 = map(double(b.dstX) + b.dstW, double(b.dstY) + b.dstH);
    const QRectF target = QRectF(p0, p1).normalized();
    if (target.isEmpty())
        return;
    if (!b.hasBitmap) {
        patBlt(target, b.rop);
        return;
    }
    // Every picture gets a budget of decoded pixels, so a file full of
    // large bitmaps cannot keep the player busy for long.
    if (m_bitmapBudget <= 0) {
        ++m_stats.invalid;
        return;
    }
    QImage img;
    DibInfo info;
    if (b.bitmap16)
        img = decodeBitmap16(b.bitmap, m_dc.textColor, m_dc.bkColor);
    else
        img = decodeDib(b.bitmap, b.colorUsage, m_dc.palette.entries, nullptr, &info);
    if (img.isNull()) {
        ++m_stats.invalid;
        return;
    }
    m_bitmapBudget -= qint64(img.width()) * img.height();
    // Source rectangle; for StretchDIB/SetDIBitsToDevice it counts from the
    // bottom row of a bottom-up DIB.
    int sx = b.srcX, sy = b.srcY, sw = b.srcW, sh = b.srcH;
    if (r.canonical == META_SETDIBTODEV) {
        sw = b.dstW;
        sh = b.dstH;
        if (!info.topDown) // bits hold scanCount rows starting at startScan from the bottom
            sy = img.height() - (b.srcY - b.startScan) - sh;
    } else if (b.bottomUpSource && !info.topDown) {
        sy = img.height() - sy - sh;
    }
    QRect src = QRect(sx, sy, sw, sh).normalized();
    if (sw == 0 || sh == 0)
        src = img.rect();
    src = src.intersected(img.rect());
    if (src.isEmpty())
        return;
    if (src != img.rect())
        img = img.copy(src);
    const bool mx = (p1.x() < p0.x()) != (b.srcW < 0);
    const bool my = (p1.y() < p0.y()) != (b.srcH < 0);
    if (mx || my)
        img = img.mirrored(mx, my);

    applyClip();
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (rop3::index(b.rop)) {
    case rop3::SRCCOPY: break;
    case rop3::NOTSRCCOPY: img = inverted(img); break;
    case rop3::SRCAND: img = withTransparent(img, 0xFFFFFF); mode = QPainter::CompositionMode_Multiply; break;
    case rop3::SRCPAINT: img = withTransparent(img, 0); mode = QPainter::CompositionMode_Screen; break;
    case rop3::SRCINVERT: img = withTransparent(img, 0); mode = QPainter::CompositionMode_Difference; break;
    case rop3::MERGEPAINT: img = withTransparent(inverted(img), 0); mode = QPainter::CompositionMode_Screen; break;
    case rop3::DSNA: img = withTransparent(inverted(img), 0xFFFFFF); mode = QPainter::CompositionMode_Multiply; break;
    case rop3::NOTSRCERASE: img = inverted(withTransparent(img, 0)); mode = QPainter::CompositionMode_Multiply; break;
    case rop3::SRCERASE: mode = QPainter::CompositionMode_SourceOver; break;
    case rop3::MERGECOPY: img = andColour(img, m_dc.brush.color); break;
    case rop3::PSDPXAX: img = recolourMono(img, qRgb(0, 0, 0), m_dc.brush.color, std::nullopt); break;
    case rop3::DSPDXAX: img = recolourMono(withTransparent(img, 0), qRgb(255, 255, 255), m_dc.brush.color, std::nullopt); break;
    case rop3::D: return;
    case rop3::BLACKNESS: case rop3::WHITENESS: case rop3::DSTINVERT: case rop3::PATINVERT: case rop3::PATCOPY: case rop3::PN:
        patBlt(target, b.rop);
        return;
    default: break;
    }
    m_p.setCompositionMode(mode);
    // GDI stretches by repeating pixels; shrinking is smoothed, which keeps thin
    // lines the way BLACKONWHITE/WHITEONBLACK/HALFTONE modes try to.
    const QRectF onDevice = m_base.mapRect(target);
    const bool shrink = onDevice.width() < img.width() || onDevice.height() < img.height();
    m_p.setRenderHint(QPainter::SmoothPixmapTransform, shrink);
    m_p.drawImage(target, img);
    m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ---- regions ----------------------------------------------------------------

QRegion Player::regionDevice(const RegionObj &region) const
{
    QRegion rgn;
    int n = 0;
    for (const QRect &rc : region.rects) {
        if (++n > kMaxClipRects)
            break;
        rgn += deviceRect(rc.left(), rc.top(), rc.left() + rc.width(), rc.top() + rc.height());
    }
    return rgn;
}

// ---- flood fill -------------------------------------------------------------

void Player::floodFill(int x, int y, QRgb color, bool surface)
{
    QPaintDevice *dev = m_p.device();
    const QTransform toImage = m_p.deviceTransform(); // to the image's own pixels, at any pixel ratio
    if (!dev || dev->devType() != QInternal::Image || !toImage.isAffine() || toImage.isRotating())
        return; // needs pixels to look at
    const QImage &img = *static_cast<const QImage *>(static_cast<QImage *>(dev));
    const QPointF d = toImage.map(map(x, y) + QPointF(m_ox, m_oy));
    const int w = img.width(), h = img.height();
    if (!(d.x() >= 0 && d.y() >= 0 && d.x() < w && d.y() < h) || qint64(w) * h > limits::kMaxBitmapPixels)
        return;
    const int x0 = int(d.x()), y0 = int(d.y());
    auto px = [&](int xx, int yy) { return img.pixel(xx, yy); };
    auto close = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 60;
    };
    const QRgb seed = px(x0, y0);
    auto inside = [&](int xx, int yy) {
        const QRgb c = px(xx, yy);
        return surface ? close(c, color) : !close(c, color);
    };
    if (!inside(x0, y0))
        return;
    Q_UNUSED(seed);
    std::vector<quint8> done(size_t(w) * size_t(h), 0);
    std::vector<QPoint> stack{QPoint(x0, y0)};
    std::vector<QRect> spans;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        int yy = p.y();
        if (done[size_t(yy) * w + p.x()] || !inside(p.x(), yy))
            continue;
        int l = p.x(), r = p.x();
        while (l > 0 && !done[size_t(yy) * w + l - 1] && inside(l - 1, yy))
            --l;
        while (r < w - 1 && !done[size_t(yy) * w + r + 1] && inside(r + 1, yy))
            ++r;
        for (int i = l; i <= r; ++i)
            done[size_t(yy) * w + i] = 1;
        spans.emplace_back(l, yy, r - l + 1, 1);
        for (int ny : {yy - 1, yy + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            for (int i = l; i <= r; ++i) {
                if (!done[size_t(ny) * w + i] && inside(i, ny)) {
                    stack.emplace_back(i, ny);
                    while (i <= r && inside(i, ny))
                        ++i;
                }
            }
        }
    }
    applyClip();
    m_p.save();
    m_p.setWorldTransform(toImage.inverted() * m_p.worldTransform()); // paint in image pixels
    m_p.setRenderHint(QPainter::Antialiasing, false);
    const QBrush brush = brushFor(m_dc.brush);
    for (const QRect &s : spans)
        m_p.fillRect(s, brush);
    m_p.restore();
}

// ---- the DC stack -----------------------------------------------------------

void Player::restoreDC(int n)
{
    const int depth = int(m_saved.size());
    int keep; // number of saved states left afterwards; the state at index keep is restored
    if (n < 0) {
        if (-n > depth)
            return;
        keep = depth + n;
    } else if (n > 0) {
        if (n > depth)
            return;
        keep = n - 1;
    } else {
        return;
    }
    m_dc = m_saved[size_t(keep)];
    m_saved.resize(size_t(keep));
    updateMapping();
    m_clipDirty = true;
    m_fc.serial = ~0u;
}

bool Player::spendPoints(size_t n)
{
    // Drawing cost grows with the points; beyond the budget outlines are dropped.
    if (qint64(n) > m_pointBudget) {
        ++m_stats.ignored;
        return false;
    }
    m_pointBudget -= qint64(n);
    return true;
}

// ---- the record switch ------------------------------------------------------

void Player::dispatch(const Record &r)
{
    DC &d = m_dc;
    const int w = r.words();
    auto need = [&](int words) {
        if (w >= words)
            return true;
        ++m_stats.invalid;
        return false;
    };
    switch (r.canonical) {
    // ---- state
    case META_SETBKCOLOR:
        if (need(2))
            d.bkColor = colorRef(r.u32(0));
        break;
    case META_SETBKMODE:
        if (need(1) && (r.u16(0) == TRANSPARENT || r.u16(0) == OPAQUE))
            d.bkMode = r.u16(0);
        break;
    case META_SETMAPMODE:
        if (need(1) && r.u16(0) >= MM_TEXT && r.u16(0) <= MM_ANISOTROPIC) {
            d.mapMode = r.u16(0);
            updateMapping();
        }
        break;
    case META_SETROP2:
        if (need(1) && r.u16(0) >= R2_BLACK && r.u16(0) <= R2_WHITE) {
            d.rop2 = r.u16(0);
            m_penDirty = true;
        }
        break;
    case META_SETPOLYFILLMODE:
        if (need(1))
            d.polyFillMode = r.u16(0) == WINDING ? WINDING : ALTERNATE;
        break;
    case META_SETSTRETCHBLTMODE:
        if (need(1))
            d.stretchMode = r.u16(0);
        break;
    case META_SETTEXTCHAREXTRA:
        if (need(1))
            d.charExtra = r.i16(0);
        break;
    case META_SETTEXTCOLOR:
        if (need(2))
            d.textColor = colorRef(r.u32(0));
        break;
    case META_SETTEXTJUSTIFICATION:
        if (need(2)) {
            d.breakCount = r.u16(0);
            d.breakExtra = r.i16(1);
        }
        break;
    case META_SETTEXTALIGN:
        if (need(1))
            d.textAlign = r.u16(0);
        break;
    case META_SETWINDOWORG:
        if (need(2)) {
            d.winOrg = QPointF(r.i16(1), r.i16(0));
            updateMapping();
        }
        break;
    case META_SETWINDOWEXT:
        if (need(2) && r.i16(0) != 0 && r.i16(1) != 0) {
            d.winExt = QPointF(r.i16(1), r.i16(0));
            updateMapping();
        }
        break;
    case META_SETVIEWPORTORG:
        if (need(2)) {
            d.vpOrg = QPointF(r.i16(1), r.i16(0));
            updateMapping();
        }
        break;
    case META_SETVIEWPORTEXT:
        if (need(2) && r.i16(0) != 0 && r.i16(1) != 0) {
            d.vpExt = QPointF(r.i16(1), r.i16(0));
            updateMapping();
        }
        break;
    case META_OFFSETWINDOWORG:
        if (need(2)) {
            d.winOrg += QPointF(r.i16(1), r.i16(0));
            updateMapping();
        }
        break;
    case META_OFFSETVIEWPORTORG:
        if (need(2)) {
            d.vpOrg += QPointF(r.i16(1), r.i16(0));
            updateMapping();
        }
        break;
    case META_SCALEWINDOWEXT:
    case META_SCALEVIEWPORTEXT:
        if (need(4) && r.i16(0) != 0 && r.i16(2) != 0 && r.i16(1) != 0 && r.i16(3) != 0) {
            QPointF &ext = r.canonical == META_SCALEWINDOWEXT ? d.winExt : d.vpExt;
            ext = QPointF(ext.x() * r.i16(3) / r.i16(2), ext.y() * r.i16(1) / r.i16(0));
            updateMapping();
        } else {
            ++m_stats.invalid;
        }
        break;
    case META_SAVEDC:
        if (int(m_saved.size()) < limits::kMaxSaveDepth)
            m_saved.push_back(d);
        break;
    case META_RESTOREDC:
        if (need(1))
            restoreDC(r.i16(0));
        break;
    case META_MOVETO:
        if (need(2))
            d.cp = QPointF(r.i16(1), r.i16(0));
        break;
    case META_SETRELABS:
    case META_SETMAPPERFLAGS:
    case META_SETLAYOUT:
    case META_REALIZEPALETTE:
    case META_ESCAPE:
    case META_DRAWTEXT:
    case META_RESETDC:
    case META_STARTDOC:
    case META_STARTPAGE:
    case META_ENDPAGE:
    case META_ABORTDOC:
    case META_ENDDOC:
        ++m_stats.ignored;
        break;

    // ---- objects
    case META_CREATEPENINDIRECT: {
        PenObj pen;
        if (w >= 5) {
            pen.style = r.u16(0);
            pen.width = r.i16(1);
            pen.color = colorRef(r.u32(3));
        } else {
            ++m_stats.invalid;
        }
        addObject(pen);
        break;
    }
    case META_CREATEBRUSHINDIRECT: {
        BrushObj brush;
        if (w >= 4) {
            brush.style = r.u16(0);
            brush.color = colorRef(r.u32(1));
            brush.hatch = r.u16(3);
            if (brush.style != BS_NULL && brush.style != BS_HATCHED)
                brush.style = BS_SOLID;
        } else {
            ++m_stats.invalid;
        }
        addObject(brush);
        break;
    }
    case META_CREATEFONTINDIRECT: {
        FontObj font;
        if (!decodeFont(r, &font.lf))
            ++m_stats.invalid;
        font.serial = m_fontSerial++;
        addObject(font);
        break;
    }
    case META_DIBCREATEPATTERNBRUSH: {
        BrushObj brush;
        brush.style = BS_DIBPATTERNPT;
        if (w >= 2) {
            const quint16 style = r.u16(0);
            if (style == BS_PATTERN) {
                brush.pattern = decodeBitmap16(r.params.mid(4), qRgb(0, 0, 0), qRgb(255, 255, 255));
                brush.monochrome = true;
            } else {
                brush.pattern = decodeDib(r.params.mid(4), r.u16(1), d.palette.entries);
            }
        }
        if (brush.pattern.isNull() || brush.pattern.width() > 1024 || brush.pattern.height() > 1024) {
            brush.pattern = QImage();
            brush.style = BS_SOLID;
            brush.color = qRgb(128, 128, 128);
            ++m_stats.invalid;
        }
        addObject(brush);
        break;
    }
    case META_CREATEPATTERNBRUSH: {
        BrushObj brush;
        brush.style = BS_PATTERN;
        // Bitmap16 header (its bits pointer is meaningless), 18 reserved bytes, then the bits.
        if (r.params.size() >= 32) {
            QByteArray bm(reinterpret_cast<const char *>(r.params.data()), 10);
            bm.append(reinterpret_cast<const char *>(r.params.data()) + 32, r.params.size() - 32);
            const ByteView v(reinterpret_cast<const uchar *>(bm.constData()), bm.size());
            brush.pattern = decodeBitmap16(v, qRgb(0, 0, 0), qRgb(255, 255, 255));
            brush.pattern.detach();
            brush.monochrome = v.u8(9) == 1;
        }
        if (brush.pattern.isNull() || brush.pattern.width() > 1024 || brush.pattern.height() > 1024) {
            brush.pattern = QImage();
            brush.style = BS_SOLID;
            brush.color = qRgb(128, 128, 128);
        }
        addObject(brush);
        break;
    }
    case META_CREATEPALETTE: {
        PaletteObj pal;
        const int count = qMin<int>(r.u16(1), (w - 2) / 2);
        for (int i = 0; i < count; ++i) {
            const qsizetype o = 4 + 4 * qsizetype(i);
            pal.entries << qRgb(r.params.u8(o), r.params.u8(o + 1), r.params.u8(o + 2));
        }
        addObject(pal);
        break;
    }
    case META_SETPALENTRIES:
    case META_ANIMATEPALETTE: {
        const int start = r.u16(0);
        const int count = qMin<int>(r.u16(1), (w - 2) / 2);
        for (int i = 0; i < count && start + i < 4096; ++i) {
            const qsizetype o = 4 + 4 * qsizetype(i);
            if (start + i >= d.palette.entries.size())
                d.palette.entries.resize(start + i + 1);
            d.palette.entries[start + i] = qRgb(r.params.u8(o), r.params.u8(o + 1), r.params.u8(o + 2));
        }
        break;
    }
    case META_RESIZEPALETTE:
        if (need(1))
            d.palette.entries.resize(qMin<int>(r.u16(0), 4096));
        break;
    case META_CREATEREGION: {
        RegionObj region;
        QRect bounds;
        if (!decodeRegion(r, &region.rects, &bounds)) {
            region.rects.clear();
            ++m_stats.invalid;
        }
        addObject(region);
        break;
    }
    case META_CREATEBRUSH:
    case META_CREATEBITMAPINDIRECT:
    case META_CREATEBITMAP:
        addObject(OtherObj{});
        break;
    case META_SELECTOBJECT:
    case META_SELECTPALETTE: {
        if (!need(1))
            break;
        const GdiObject *o = object(r.u16(0));
        if (!o) {
            ++m_stats.invalid;
            break;
        }
        if (const auto *pen = std::get_if<PenObj>(o)) {
            d.pen = *pen;
            m_penDirty = true;
        } else if (const auto *brush = std::get_if<BrushObj>(o)) {
            d.brush = *brush;
        } else if (const auto *font = std::get_if<FontObj>(o)) {
            d.font = *font;
        } else if (const auto *pal = std::get_if<PaletteObj>(o)) {
            d.palette = *pal;
        } else if (const auto *rgn = std::get_if<RegionObj>(o)) {
            setClip(regionDevice(*rgn));
        }
        break;
    }
    case META_DELETEOBJECT:
        if (need(1) && r.u16(0) < m_objects.size()) {
            m_objects[r.u16(0)].reset();
            m_freeHint = qMin(m_freeHint, size_t(r.u16(0)));
        }
        break;

    // ---- clipping
    case META_INTERSECTCLIPRECT:
    case META_EXCLUDECLIPRECT: {
        if (!need(4))
            break;
        const QRect rc = deviceRect(r.i16(3), r.i16(2), r.i16(1), r.i16(0));
        const QRegion current = d.hasClip ? d.clip : QRegion(-kHuge, -kHuge, 2 * kHuge, 2 * kHuge);
        if (r.canonical == META_INTERSECTCLIPRECT)
            setClip(current.intersected(rc));
        else
            setClip(current.subtracted(rc));
        break;
    }
    case META_OFFSETCLIPRGN:
        if (need(2) && d.hasClip) {
            d.clip.translate(int(std::lround(qBound(-1e6, r.i16(1) * m_sx, 1e6))),
                             int(std::lround(qBound(-1e6, r.i16(0) * m_sy, 1e6))));
            m_clipDirty = true;
        }
        break;
    case META_SELECTCLIPREGION: {
        const GdiObject *o = w >= 1 ? object(r.u16(0)) : nullptr;
        const auto *rgn = o ? std::get_if<RegionObj>(o) : nullptr;
        if (rgn) {
            setClip(regionDevice(*rgn));
        } else {
            d.hasClip = false;
            d.clip = QRegion();
            m_clipDirty = true;
        }
        break;
    }

    // ---- drawing
    case META_LINETO: {
        if (!need(2))
            break;
        const QPoint to(r.i16(1), r.i16(0));
        drawPolyline({QPoint(qRound(d.cp.x()), qRound(d.cp.y())), to});
        d.cp = to;
        break;
    }
    case META_POLYLINE: {
        std::vector<QPoint> pts;
        if (decodePoints(r, &pts) && spendPoints(pts.size()))
            drawPolyline(pts);
        else
            ++m_stats.invalid;
        break;
    }
    case META_POLYGON: {
        std::vector<QPoint> pts;
        if (!decodePoints(r, &pts)) {
            ++m_stats.invalid;
            break;
        }
        if (!spendPoints(pts.size()))
            break;
        QPainterPath fill;
        fill.addPolygon(outlinePolygon(pts.data(), pts.size()));
        fill.closeSubpath();
        fillAndStroke(fill, fill.translated(outlineShift()), false);
        break;
    }
    case META_POLYPOLYGON: {
        PolyPolygon pp;
        if (!decodePolyPolygon(r, &pp)) {
            ++m_stats.invalid;
            break;
        }
        if (!spendPoints(pp.points.size()))
            break;
        QPainterPath fill;
        size_t at = 0;
        for (int n : pp.counts) {
            fill.addPolygon(outlinePolygon(pp.points.data() + at, size_t(n)));
            fill.closeSubpath();
            at += size_t(n);
        }
        fillAndStroke(fill, fill.translated(outlineShift()), false);
        break;
    }
    case META_RECTANGLE:
        drawBoxShape(r, kRect);
        break;
    case META_ROUNDRECT:
        drawBoxShape(r, kRoundRect);
        break;
    case META_ELLIPSE:
        drawBoxShape(r, kEllipse);
        break;
    case META_ARC:
        drawArcShape(r, kArc);
        break;
    case META_PIE:
        drawArcShape(r, kPie);
        break;
    case META_CHORD:
        drawArcShape(r, kChord);
        break;
    case META_SETPIXEL: {
        if (!need(4))
            break;
        applyClip();
        const QPointF p = map(r.i16(3), r.i16(2));
        m_p.fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1), QColor::fromRgb(colorRef(r.u32(0))));
        break;
    }
    case META_PATBLT:
        if (need(6)) {
            const QRectF rc = QRectF(map(r.i16(5), r.i16(4)), map(double(r.i16(5)) + r.i16(3), double(r.i16(4)) + r.i16(2))).normalized();
            patBlt(rc, r.u32(0));
        }
        break;
    case META_FLOODFILL:
        if (need(4))
            floodFill(r.i16(3), r.i16(2), colorRef(r.u32(0)), false);
        break;
    case META_EXTFLOODFILL:
        if (need(5))
            floodFill(r.i16(4), r.i16(3), colorRef(r.u32(1)), r.u16(0) == FLOODFILLSURFACE);
        break;
    case META_TEXTOUT:
    case META_EXTTEXTOUT: {
        TextRun run;
        const bool ext = r.canonical == META_EXTTEXTOUT;
        if (!(ext ? decodeExtTextOut(r, &run) : decodeTextOut(r, &run))) {
            ++m_stats.invalid;
            break;
        }
        if (m_glyphBudget < run.text.size()) { // a file can hold more text than is worth drawing
            ++m_stats.ignored;
            break;
        }
        m_glyphBudget -= run.text.size();
        if (!run.text.isEmpty() || (ext && (run.options & ETO_OPAQUE)))
            drawText(run, ext);
        break;
    }
    case META_FILLREGION:
    case META_PAINTREGION:
    case META_INVERTREGION:
    case META_FRAMEREGION: {
        if (!need(r.canonical == META_FRAMEREGION ? 4 : (r.canonical == META_FILLREGION ? 2 : 1)))
            break;
        const GdiObject *o = object(r.u16(0));
        const auto *rgn = o ? std::get_if<RegionObj>(o) : nullptr;
        if (!rgn) {
            ++m_stats.invalid;
            break;
        }
        BrushObj brush = d.brush;
        if (r.canonical == META_FILLREGION || r.canonical == META_FRAMEREGION) {
            const GdiObject *bo = object(r.u16(1));
            const auto *b = bo ? std::get_if<BrushObj>(bo) : nullptr;
            if (!b) {
                ++m_stats.invalid;
                break;
            }
            brush = *b;
        }
        applyClip();
        if (r.canonical == META_INVERTREGION) {
            m_p.setCompositionMode(QPainter::CompositionMode_Difference);
            for (const QRect &rc : regionDevice(*rgn))
                m_p.fillRect(rc, Qt::white);
            m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        } else if (r.canonical == META_FRAMEREGION) {
            const QRegion full = regionDevice(*rgn);
            const int fw = qMax(1, int(std::lround(std::abs(r.i16(3) * m_sx))));
            const int fh = qMax(1, int(std::lround(std::abs(r.i16(2) * m_sy))));
            const QRegion inner = full & full.translated(fw, 0) & full.translated(-fw, 0) & full.translated(0, fh)
                                  & full.translated(0, -fh);
            const QBrush qb = brushFor(brush);
            for (const QRect &rc : full - inner)
                m_p.fillRect(rc, qb);
        } else if (brush.style != BS_NULL) {
            const QBrush qb = brushFor(brush);
            for (const QRect &rc : regionDevice(*rgn))
                m_p.fillRect(rc, qb);
        }
        break;
    }
    case META_BITBLT:
    case META_STRETCHBLT:
    case META_DIBBITBLT:
    case META_DIBSTRETCHBLT:
    case META_STRETCHDIB:
    case META_SETDIBTODEV:
        drawBlit(r);
        break;
    default:
        ++m_stats.unknown;
        break;
    }
}

} // namespace wmf
