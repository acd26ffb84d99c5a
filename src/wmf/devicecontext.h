// The device context a metafile draws through: the selected objects, colours
// and modes, the window and viewport with the logical-to-device mapping they
// make, the clip region, and the stack SAVEDC and RESTOREDC keep.
// Device units are pixels of the picture's natural size.
#pragma once

#include "frame.h"
#include "objects.h"

#include <QPointF>
#include <QRectF>
#include <QRegion>

#include <vector>

namespace wmf {

struct DcState {
    PenObj pen;
    BrushObj brush;
    FontObj font;
    PaletteObj palette;
    QRgb bkColor = qRgb(255, 255, 255);
    QRgb textColor = qRgb(0, 0, 0);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    int stretchMode = BLACKONWHITE;
    quint16 textAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
    int charExtra = 0;
    int breakExtra = 0, breakCount = 0;
    int mapMode = MM_ANISOTROPIC;
    QPointF winOrg, winExt{1, 1}, vpOrg, vpExt{1, 1};
    QPointF cp;
    bool hasClip = false;
    QRegion clip; // device pixels
};

class DeviceContext {
public:
    // The state playback starts with: defaults and the frame's mapping.
    void reset(const Frame &frame);

    DcState &state() { return m_state; }
    const DcState &state() const { return m_state; }

    // ---- mapping
    void setMapMode(int mapMode);
    void setWindowOrg(const QPointF &org);
    void setWindowExt(const QPointF &ext);
    void setViewportOrg(const QPointF &org);
    void setViewportExt(const QPointF &ext);
    void offsetWindowOrg(const QPointF &offset);
    void offsetViewportOrg(const QPointF &offset);
    void scaleWindowExt(const ScaleParams &s);
    void scaleViewportExt(const ScaleParams &s);

    QPointF map(double x, double y) const { return QPointF(x * m_sx + m_tx, y * m_sy + m_ty); }
    QRectF mapRect(int l, int t, int r, int b) const;
    QRectF mapRect(const Box &box) const { return mapRect(box.left, box.top, box.right, box.bottom); }
    // Whole device pixels, right and bottom exclusive, as GDI keeps clipping.
    QRect deviceRect(int l, int t, int r, int b) const;
    QRegion deviceRegion(const RegionObj &region) const;
    double sx() const { return m_sx; }
    double sy() const { return m_sy; }
    // Half a device pixel in logical units, at most half a unit: where a
    // stroke's centre runs from a shape's edge.
    double ox() const { return m_ox; }
    double oy() const { return m_oy; }

    QRgb colorRef(quint32 c) const;
    // SETPALENTRIES, ANIMATEPALETTE and RESIZEPALETTE change the selected palette.
    void setPaletteEntries(int start, const QVector<QRgb> &entries);
    void resizePalette(int count);

    // ---- the stack
    void save();
    // SAVEDC's states by RESTOREDC's count: negative counts back from the
    // last one, positive names one absolutely; false when there is no such state.
    bool restore(int n);

    // ---- clipping
    void setClip(const QRegion &region);
    void intersectClipRect(const Box &box);
    void excludeClipRect(const Box &box);
    void offsetClip(const QPoint &offset);
    void removeClip();
    // Changes whenever the clip may have changed.
    quint64 clipSerial() const { return m_clipSerial; }

private:
    void updateMapping();

    DcState m_state;
    std::vector<DcState> m_saved;
    double m_sx = 1, m_sy = 1, m_tx = 0, m_ty = 0; // logical → device
    double m_ox = 0.5, m_oy = 0.5;
    quint64 m_clipSerial = 0;
};

} // namespace wmf
