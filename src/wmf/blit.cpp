#include "blit.h"

#include "dib.h"

namespace wmf {

namespace {

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

} // namespace

Blitter::Blitter(QPainter &painter, const DeviceContext &dc, PaintStyle &style, PlayStats &stats)
    : m_p(painter), m_dc(dc), m_style(style), m_stats(stats)
{
}

void Blitter::patBlt(const PatBltParams &params)
{
    const QRectF rect = QRectF(m_dc.map(params.x, params.y),
                               m_dc.map(double(params.x) + params.width, double(params.y) + params.height))
                            .normalized();
    patBlt(rect, params.rop);
}

void Blitter::patBlt(const QRectF &rect, quint32 rop)
{
    m_style.applyClip();
    const DcState &d = m_dc.state();
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
        if (d.brush.style != BS_NULL) {
            m_p.setCompositionMode(QPainter::CompositionMode_Difference);
            m_p.fillRect(rect, m_style.brushFor(d.brush));
            m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        break;
    case rop3::D:
        break;
    case rop3::PN: {
        const QRgb c = d.brush.color;
        m_p.fillRect(rect, QColor(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)));
        break;
    }
    default:
        if (d.brush.style != BS_NULL) {
            m_p.setBackgroundMode(d.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
            m_p.setBackground(QColor::fromRgb(d.bkColor));
            m_p.fillRect(rect, m_style.brushFor(d.brush));
        }
        break;
    }
}

void Blitter::blit(const BlitParams &b)
{
    const DcState &d = m_dc.state();
    const QPointF p0 = m_dc.map(b.dstX, b.dstY);
    const QPointF p1 = m_dc.map(double(b.dstX) + b.dstW, double(b.dstY) + b.dstH);
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
        img = decodeBitmap16(b.bitmap, d.textColor, d.bkColor);
    else
        img = decodeDib(b.bitmap, b.colorUsage, d.palette.entries, nullptr, &info);
    if (img.isNull()) {
        ++m_stats.invalid;
        return;
    }
    m_bitmapBudget -= qint64(img.width()) * img.height();
    // Source rectangle; for StretchDIB/SetDIBitsToDevice it counts from the
    // bottom row of a bottom-up DIB.
    int sx = b.srcX, sy = b.srcY, sw = b.srcW, sh = b.srcH;
    if (b.bands) {
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

    m_style.applyClip();
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
    case rop3::MERGECOPY: img = andColour(img, d.brush.color); break;
    case rop3::PSDPXAX: img = recolourMono(img, qRgb(0, 0, 0), d.brush.color, std::nullopt); break;
    case rop3::DSPDXAX: img = recolourMono(withTransparent(img, 0), qRgb(255, 255, 255), d.brush.color, std::nullopt); break;
    case rop3::D: return;
    case rop3::BLACKNESS: case rop3::WHITENESS: case rop3::DSTINVERT: case rop3::PATINVERT: case rop3::PATCOPY: case rop3::PN:
        patBlt(target, b.rop);
        return;
    default: break;
    }
    m_p.setCompositionMode(mode);
    // GDI stretches by repeating pixels; shrinking is smoothed, which keeps thin
    // lines the way BLACKONWHITE/WHITEONBLACK/HALFTONE modes try to.
    const QRectF onDevice = m_style.baseTransform().mapRect(target);
    const bool shrink = onDevice.width() < img.width() || onDevice.height() < img.height();
    m_p.setRenderHint(QPainter::SmoothPixmapTransform, shrink);
    m_p.drawImage(target, img);
    m_p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace wmf
