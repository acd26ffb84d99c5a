// The metafile's object table: the pens, brushes, fonts, palettes and
// regions records create, select and delete by slot.
#pragma once

#include "gdiconstants.h"
#include "recordparams.h"

#include <QImage>
#include <QRgb>
#include <QVector>

#include <optional>
#include <variant>
#include <vector>

namespace wmf {

class DeviceContext;

struct PenObj {
    quint16 style = PS_SOLID;
    int width = 0;
    QRgb color = qRgb(0, 0, 0);
};
struct BrushObj {
    quint16 style = BS_SOLID;
    QRgb color = qRgb(255, 255, 255);
    quint16 hatch = HS_HORIZONTAL;
    QImage pattern;        // BS_PATTERN / BS_DIBPATTERN
    bool monochrome = false; // pattern painted with text and background colour
};
struct FontObj {
    LogFont lf;
    quint32 serial = 0;
};
struct PaletteObj {
    QVector<QRgb> entries;
};
struct RegionObj {
    std::vector<QRect> rects;
};
struct OtherObj {};
using GdiObject = std::variant<PenObj, BrushObj, FontObj, PaletteObj, RegionObj, OtherObj>;

// Objects from decoded records; colours are resolved through the DC's
// palette at creation, as GDI does.
PenObj makePen(const LogPen &pen, const DeviceContext &dc);
BrushObj makeBrush(const LogBrush &brush, const DeviceContext &dc);
// Pattern brushes from a record that was long enough (null otherwise).
// False when the pattern is unusable; the brush is then plain grey.
bool makeDibPatternBrush(const DibPatternBrush *params, const QVector<QRgb> &palette, BrushObj *out);
bool makePatternBrush(const PatternBrush *params, BrushObj *out);

class ObjectTable {
public:
    // As many slots as the header declares, within sane bounds; more are
    // added as needed up to the limit.
    explicit ObjectTable(int declared);

    // Takes the lowest free slot; -1 when the table is full.
    int add(GdiObject obj);
    const GdiObject *get(int index) const;
    void remove(int index);
    // Makes the object the DC's pen, brush, font or palette, or a region
    // its clip region; false for an empty or unknown slot.
    bool select(int index, DeviceContext &dc) const;

    // Every font gets its own number, so a cache can tell fonts apart.
    quint32 newFontSerial() { return m_fontSerial++; }

    const std::vector<std::optional<GdiObject>> &entries() const { return m_slots; }

private:
    std::vector<std::optional<GdiObject>> m_slots;
    size_t m_freeHint = 0; // every slot below it is taken
    quint32 m_fontSerial = 0;
};

} // namespace wmf
