// Plays the records of a parsed metafile onto a QPainter with the semantics
// of a GDI device context. Device units are pixels of the natural size.
#pragma once

#include "frame.h"
#include "gdiconstants.h"
#include "parser.h"
#include "rasterizer.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QVector>

#include <optional>
#include <variant>

namespace wmf {

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

struct PlayStats {
    int records = 0;
    int unknown = 0;   // records whose function nobody knows
    int invalid = 0;   // records whose parameters failed validation
    int ignored = 0;   // valid records without a visible effect here
};

class Player {
public:
    Player(const ParsedMetafile &mf, QPainter &painter);
    ~Player();
    void play();
    const PlayStats &stats() const { return m_stats; }
    // Object table after playback, for tests of the slot rules.
    const std::vector<std::optional<GdiObject>> &objects() const { return m_objects; }

private:
    struct DC {
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

    void dispatch(const Record &r);
    void updateMapping();
    QPointF map(double x, double y) const { return QPointF(x * m_sx + m_tx, y * m_sy + m_ty); }
    QRectF mapRect(int l, int t, int r, int b) const;
    QRectF shapeRect(const Record &r, int firstWord, bool *ok);
    QRgb colorRef(quint32 c) const;

    int addObject(GdiObject obj);
    const GdiObject *object(int index) const;

    bool penVisible() const;
    double penWidthDevice() const;
    bool isDashed() const;
    QPointF strokeOffset() const;
    void preparePen();
    QBrush brushFor(const BrushObj &b);
    bool brushVisible(const BrushObj &b) const { return b.style != BS_NULL; }
    bool beginRop2();
    void endRop2();
    void applyClip();
    void setClip(const QRegion &region);
    QRect deviceRect(int l, int t, int r, int b) const;

    void fillAndStroke(const QPainterPath &fill, const QPainterPath &stroke, bool squareCorners);
    bool hairline() const;
    QPolygonF outlinePolygon(const QPoint *points, size_t count) const;
    QPointF outlineShift() const;
    QRectF outlineBox(const QRectF &box) const;
    // Solid fills and strokes go straight into the image when the painter
    // paints into one with nothing but scaling; false leaves it to QPainter.
    void setUpDirect();
    void updateDirectClip();
    bool directFillAndStroke(const QPainterPath &fill, const QPainterPath &stroke, bool squareCorners);
    void drawBoxShape(const Record &r, int kind);
    void drawArcShape(const Record &r, int kind);
    void drawPolyline(const std::vector<QPoint> &pts);
    void drawText(const TextRun &run, bool ext);
    void drawBlit(const Record &r);
    void patBlt(const QRectF &rect, quint32 rop);
    void floodFill(int x, int y, QRgb color, bool surface);
    QRegion regionDevice(const RegionObj &region) const;
    void restoreDC(int n);

    const ParsedMetafile &m_mf;
    QPainter &m_p;
    Frame m_frame;
    QTransform m_base;
    bool m_outerIsRect = true;   // the frame clip is a plain rectangle
    QRectF m_outerRect;
    QPainterPath m_outerClipPath;
    DC m_dc;
    std::vector<DC> m_saved;
    std::vector<std::optional<GdiObject>> m_objects;
    quint32 m_fontSerial = 0;
    double m_sx = 1, m_sy = 1, m_tx = 0, m_ty = 0; // logical → device
    double m_ox = 0.5, m_oy = 0.5;                  // pixel-centre offset for strokes
    bool m_penDirty = true;
    QPen m_qpen;
    bool m_clipDirty = false;
    QImage *m_direct = nullptr;   // the image being painted, when drawing into it directly
    QTransform m_toImage;         // device pixels → image pixels
    double m_imageScale = 1;
    bool m_directClipOk = false;  // the current clip is simple enough for the rasterizer
    Rasterizer m_raster;
    Contours m_shape;
    std::vector<QPointF> m_line;
    PlayStats m_stats;
    qint64 m_bitmapBudget = 4 * limits::kMaxBitmapPixels;
    qint64 m_pointBudget = 4000000;
    qint64 m_glyphBudget = 200000;
    size_t m_freeHint = 0;
    bool spendPoints(size_t n);

    // text font cache
    struct FontCache {
        quint32 serial = ~0u;
        double sx = 0, sy = 0;
        QFont font;
        double scale = 1, stretch = 1, ascent = 0, descent = 0;
        QString family;
    } m_fc;
    void resolveFont();
};

} // namespace wmf
