#include "devicecontext.h"

#include <cmath>

namespace wmf {

namespace {

constexpr int kHuge = 1 << 24;     // "the whole device" for clip arithmetic
constexpr int kMaxClipRects = 4096; // beyond this, further clip changes are ignored
constexpr int kMaxPaletteEntries = 4096;

} // namespace

void DeviceContext::reset(const Frame &frame)
{
    m_state = DcState();
    m_state.mapMode = frame.mapMode;
    m_state.winOrg = frame.windowOrg;
    m_state.winExt = frame.windowExt;
    m_state.vpOrg = frame.viewportOrg;
    m_state.vpExt = frame.viewportExt;
    updateMapping();
    ++m_clipSerial;
}

void DeviceContext::updateMapping()
{
    const DcState &d = m_state;
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
}

void DeviceContext::setMapMode(int mapMode)
{
    m_state.mapMode = mapMode;
    updateMapping();
}

void DeviceContext::setWindowOrg(const QPointF &org)
{
    m_state.winOrg = org;
    updateMapping();
}

void DeviceContext::setWindowExt(const QPointF &ext)
{
    m_state.winExt = ext;
    updateMapping();
}

void DeviceContext::setViewportOrg(const QPointF &org)
{
    m_state.vpOrg = org;
    updateMapping();
}

void DeviceContext::setViewportExt(const QPointF &ext)
{
    m_state.vpExt = ext;
    updateMapping();
}

void DeviceContext::offsetWindowOrg(const QPointF &offset)
{
    m_state.winOrg += offset;
    updateMapping();
}

void DeviceContext::offsetViewportOrg(const QPointF &offset)
{
    m_state.vpOrg += offset;
    updateMapping();
}

void DeviceContext::scaleWindowExt(const ScaleParams &s)
{
    QPointF &ext = m_state.winExt;
    ext = QPointF(ext.x() * s.xNum / s.xDenom, ext.y() * s.yNum / s.yDenom);
    updateMapping();
}

void DeviceContext::scaleViewportExt(const ScaleParams &s)
{
    QPointF &ext = m_state.vpExt;
    ext = QPointF(ext.x() * s.xNum / s.xDenom, ext.y() * s.yNum / s.yDenom);
    updateMapping();
}

QRectF DeviceContext::mapRect(int l, int t, int r, int b) const
{
    return QRectF(map(l, t), map(r, b)).normalized();
}

QRect DeviceContext::deviceRect(int l, int t, int r, int b) const
{
    const QRectF f = mapRect(l, t, r, b);
    auto px = [](double v) { return int(std::lround(qBound(-double(kHuge), v, double(kHuge)))); };
    return QRect(QPoint(px(f.left()), px(f.top())), QPoint(px(f.right()) - 1, px(f.bottom()) - 1));
}

QRegion DeviceContext::deviceRegion(const RegionObj &region) const
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

QRgb DeviceContext::colorRef(quint32 c) const
{
    if ((c & 0xFF000000) == PALETTEINDEX) {
        const int i = int(c & 0xFFFF);
        return i < m_state.palette.entries.size() ? m_state.palette.entries[i] : qRgb(0, 0, 0);
    }
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

void DeviceContext::setPaletteEntries(int start, const QVector<QRgb> &entries)
{
    QVector<QRgb> &palette = m_state.palette.entries;
    for (int i = 0; i < entries.size() && start + i < kMaxPaletteEntries; ++i) {
        if (start + i >= palette.size())
            palette.resize(start + i + 1);
        palette[start + i] = entries[i];
    }
}

void DeviceContext::resizePalette(int count)
{
    m_state.palette.entries.resize(qMin(count, kMaxPaletteEntries));
}

void DeviceContext::save()
{
    if (int(m_saved.size()) < limits::kMaxSaveDepth)
        m_saved.push_back(m_state);
}

bool DeviceContext::restore(int n)
{
    const int depth = int(m_saved.size());
    int keep; // number of saved states left afterwards; the state at index keep is restored
    if (n < 0) {
        if (-n > depth)
            return false;
        keep = depth + n;
    } else if (n > 0) {
        if (n > depth)
            return false;
        keep = n - 1;
    } else {
        return false;
    }
    m_state = m_saved[size_t(keep)];
    m_saved.resize(size_t(keep));
    updateMapping();
    ++m_clipSerial;
    return true;
}

void DeviceContext::setClip(const QRegion &region)
{
    if (region.rectCount() > kMaxClipRects)
        return;
    m_state.hasClip = true;
    m_state.clip = region;
    ++m_clipSerial;
}

void DeviceContext::intersectClipRect(const Box &box)
{
    const QRect rc = deviceRect(box.left, box.top, box.right, box.bottom);
    const QRegion current = m_state.hasClip ? m_state.clip : QRegion(-kHuge, -kHuge, 2 * kHuge, 2 * kHuge);
    setClip(current.intersected(rc));
}

void DeviceContext::excludeClipRect(const Box &box)
{
    const QRect rc = deviceRect(box.left, box.top, box.right, box.bottom);
    const QRegion current = m_state.hasClip ? m_state.clip : QRegion(-kHuge, -kHuge, 2 * kHuge, 2 * kHuge);
    setClip(current.subtracted(rc));
}

void DeviceContext::offsetClip(const QPoint &offset)
{
    if (!m_state.hasClip)
        return;
    m_state.clip.translate(int(std::lround(qBound(-1e6, offset.x() * m_sx, 1e6))),
                           int(std::lround(qBound(-1e6, offset.y() * m_sy, 1e6))));
    ++m_clipSerial;
}

void DeviceContext::removeClip()
{
    m_state.hasClip = false;
    m_state.clip = QRegion();
    ++m_clipSerial;
}

} // namespace wmf
