#include "objects.h"

#include "devicecontext.h"
#include "dib.h"
#include "parser.h"

namespace wmf {

namespace {

// The stand-in for a pattern that cannot be used.
void greyBrush(BrushObj *brush)
{
    brush->pattern = QImage();
    brush->style = BS_SOLID;
    brush->color = qRgb(128, 128, 128);
}

bool usablePattern(const QImage &pattern)
{
    return !pattern.isNull() && pattern.width() <= 1024 && pattern.height() <= 1024;
}

} // namespace

PenObj makePen(const LogPen &pen, const DeviceContext &dc)
{
    PenObj obj;
    obj.style = pen.style;
    obj.width = pen.width;
    obj.color = dc.colorRef(pen.colorRef);
    return obj;
}

BrushObj makeBrush(const LogBrush &brush, const DeviceContext &dc)
{
    BrushObj obj;
    obj.style = brush.style;
    obj.color = dc.colorRef(brush.colorRef);
    obj.hatch = brush.hatch;
    // Patterns come only with the pattern brush records.
    if (obj.style != BS_NULL && obj.style != BS_HATCHED)
        obj.style = BS_SOLID;
    return obj;
}

bool makeDibPatternBrush(const DibPatternBrush *params, const QVector<QRgb> &palette, BrushObj *out)
{
    *out = BrushObj();
    out->style = BS_DIBPATTERNPT;
    if (params) {
        if (params->style == BS_PATTERN) {
            out->pattern = decodeBitmap16(params->bitmap, qRgb(0, 0, 0), qRgb(255, 255, 255));
            out->monochrome = true;
        } else {
            out->pattern = decodeDib(params->bitmap, params->colorUsage, palette);
        }
    }
    if (usablePattern(out->pattern))
        return true;
    greyBrush(out);
    return false;
}

bool makePatternBrush(const PatternBrush *params, BrushObj *out)
{
    *out = BrushObj();
    out->style = BS_PATTERN;
    if (params) {
        out->pattern = decodeBitmap16(params->bitmap(), qRgb(0, 0, 0), qRgb(255, 255, 255));
        out->pattern.detach(); // owns its pixels whatever becomes of the record's bytes
        out->monochrome = params->monochrome;
    }
    if (usablePattern(out->pattern))
        return true;
    greyBrush(out);
    return false;
}

ObjectTable::ObjectTable(int declared)
{
    m_slots.resize(size_t(qBound<int>(16, declared, limits::kMaxObjects)));
}

int ObjectTable::add(GdiObject obj)
{
    for (size_t i = m_freeHint; i < m_slots.size(); ++i) {
        if (!m_slots[i]) {
            m_slots[i] = std::move(obj);
            m_freeHint = i + 1;
            return int(i);
        }
    }
    m_freeHint = m_slots.size();
    if (int(m_slots.size()) < limits::kMaxObjects) {
        m_slots.emplace_back(std::move(obj));
        return int(m_slots.size()) - 1;
    }
    return -1;
}

const GdiObject *ObjectTable::get(int index) const
{
    if (index < 0 || size_t(index) >= m_slots.size() || !m_slots[size_t(index)])
        return nullptr;
    return &*m_slots[size_t(index)];
}

void ObjectTable::remove(int index)
{
    if (index < 0 || size_t(index) >= m_slots.size())
        return;
    m_slots[size_t(index)].reset();
    m_freeHint = qMin(m_freeHint, size_t(index));
}

bool ObjectTable::select(int index, DeviceContext &dc) const
{
    const GdiObject *o = get(index);
    if (!o)
        return false;
    DcState &d = dc.state();
    if (const auto *pen = std::get_if<PenObj>(o))
        d.pen = *pen;
    else if (const auto *brush = std::get_if<BrushObj>(o))
        d.brush = *brush;
    else if (const auto *font = std::get_if<FontObj>(o))
        d.font = *font;
    else if (const auto *pal = std::get_if<PaletteObj>(o))
        d.palette = *pal;
    else if (const auto *rgn = std::get_if<RegionObj>(o))
        dc.setClip(dc.deviceRegion(*rgn));
    return true;
}

} // namespace wmf
