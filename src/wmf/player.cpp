#include "player.h"

#include "blit.h"
#include "devicecontext.h"
#include "directpaint.h"
#include "records.h"
#include "regions.h"
#include "shapes.h"
#include "text.h"

namespace wmf {

struct Player::Parts {
    Parts(const ParsedMetafile &mf, const Frame &playFrame, QPainter &p, PlayStats &stats)
        : frame(playFrame), objects(mf.header.numberOfObjects), style(p, dc, frame, direct),
          shapes(p, dc, frame, style, direct), text(p, dc, style), blits(p, dc, style, stats), regions(p, dc, style)
    {
    }

    Frame frame;
    DeviceContext dc;
    ObjectTable objects;
    DirectPainter direct;
    PaintStyle style;
    ShapePainter shapes;
    TextPainter text;
    Blitter blits;
    RegionPainter regions;
    qint64 pointBudget = 4000000;
    qint64 glyphBudget = 200000;
};

Player::Player(const ParsedMetafile &mf, QPainter &painter) : Player(mf, painter, computeFrame(mf)) {}

Player::Player(const ParsedMetafile &mf, QPainter &painter, const Frame &frame)
    : m_mf(mf), m_p(painter), m(std::make_unique<Parts>(mf, frame, painter, m_stats))
{
}

Player::~Player() = default;

const std::vector<std::optional<GdiObject>> &Player::objects() const
{
    return m->objects.entries();
}

void Player::play()
{
    m_p.save();
    m->style.begin();
    m->dc.reset(m->frame);
    m->dc.state().font.serial = m->objects.newFontSerial();
    for (const Record &r : m_mf.records) {
        ++m_stats.records;
        dispatch(r);
    }
    m_p.restore();
}

bool Player::spendPoints(size_t n)
{
    // Drawing cost grows with the points; beyond the budget outlines are dropped.
    if (qint64(n) > m->pointBudget)
        return false;
    m->pointBudget -= qint64(n);
    return true;
}

// Each record is decoded, its state or object stored or selected, and its
// drawing handed to the part that draws it.
void Player::dispatch(const Record &r)
{
    DeviceContext &dc = m->dc;
    DcState &d = dc.state();
    ObjectTable &objects = m->objects;
    // A record too short for its parameters counts as invalid.
    auto ok = [this](bool complete) {
        if (!complete)
            ++m_stats.invalid;
        return complete;
    };
    quint16 value = 0;
    QPoint point;
    switch (r.canonical) {
    // ---- state
    case META_SETBKCOLOR:
    case META_SETTEXTCOLOR: {
        quint32 color = 0;
        if (ok(decodeColorRef(r, &color)))
            (r.canonical == META_SETBKCOLOR ? d.bkColor : d.textColor) = dc.colorRef(color);
        break;
    }
    case META_SETBKMODE:
        if (ok(decodeValue(r, &value)) && (value == TRANSPARENT || value == OPAQUE))
            d.bkMode = value;
        break;
    case META_SETMAPMODE:
        if (ok(decodeValue(r, &value)) && value >= MM_TEXT && value <= MM_ANISOTROPIC)
            dc.setMapMode(value);
        break;
    case META_SETROP2:
        if (ok(decodeValue(r, &value)) && value >= R2_BLACK && value <= R2_WHITE)
            d.rop2 = value;
        break;
    case META_SETPOLYFILLMODE:
        if (ok(decodeValue(r, &value)))
            d.polyFillMode = value == WINDING ? WINDING : ALTERNATE;
        break;
    case META_SETSTRETCHBLTMODE:
        if (ok(decodeValue(r, &value)))
            d.stretchMode = value;
        break;
    case META_SETTEXTCHAREXTRA:
        if (ok(decodeValue(r, &value)))
            d.charExtra = qint16(value);
        break;
    case META_SETTEXTJUSTIFICATION: {
        Justification j;
        if (ok(decodeJustification(r, &j))) {
            d.breakCount = j.breakCount;
            d.breakExtra = j.breakExtra;
        }
        break;
    }
    case META_SETTEXTALIGN:
        if (ok(decodeValue(r, &value)))
            d.textAlign = value;
        break;
    case META_SETWINDOWORG:
        if (ok(decodePointYX(r, &point)))
            dc.setWindowOrg(point);
        break;
    case META_SETWINDOWEXT:
        if (ok(decodePointYX(r, &point)) && point.y() != 0 && point.x() != 0)
            dc.setWindowExt(point);
        break;
    case META_SETVIEWPORTORG:
        if (ok(decodePointYX(r, &point)))
            dc.setViewportOrg(point);
        break;
    case META_SETVIEWPORTEXT:
        if (ok(decodePointYX(r, &point)) && point.y() != 0 && point.x() != 0)
            dc.setViewportExt(point);
        break;
    case META_OFFSETWINDOWORG:
        if (ok(decodePointYX(r, &point)))
            dc.offsetWindowOrg(point);
        break;
    case META_OFFSETVIEWPORTORG:
        if (ok(decodePointYX(r, &point)))
            dc.offsetViewportOrg(point);
        break;
    case META_SCALEWINDOWEXT:
    case META_SCALEVIEWPORTEXT: {
        ScaleParams s;
        // A short record counts twice, once as short and once as unusable.
        if (ok(decodeScale(r, &s)) && s.yDenom != 0 && s.xDenom != 0 && s.yNum != 0 && s.xNum != 0) {
            if (r.canonical == META_SCALEWINDOWEXT)
                dc.scaleWindowExt(s);
            else
                dc.scaleViewportExt(s);
        } else {
            ++m_stats.invalid;
        }
        break;
    }
    case META_SAVEDC:
        dc.save();
        break;
    case META_RESTOREDC:
        if (ok(decodeValue(r, &value)) && dc.restore(qint16(value)))
            m->text.forgetFont();
        break;
    case META_MOVETO:
        if (ok(decodePointYX(r, &point)))
            d.cp = point;
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
        break;

    // ---- objects
    case META_CREATEPENINDIRECT: {
        LogPen pen;
        objects.add(ok(decodePen(r, &pen)) ? makePen(pen, dc) : PenObj());
        break;
    }
    case META_CREATEBRUSHINDIRECT: {
        LogBrush brush;
        objects.add(ok(decodeBrush(r, &brush)) ? makeBrush(brush, dc) : BrushObj());
        break;
    }
    case META_CREATEFONTINDIRECT: {
        FontObj font;
        ok(decodeFont(r, &font.lf));
        font.serial = objects.newFontSerial();
        objects.add(font);
        break;
    }
    case META_DIBCREATEPATTERNBRUSH: {
        DibPatternBrush params;
        const bool complete = decodeDibPatternBrush(r, &params);
        BrushObj brush;
        ok(makeDibPatternBrush(complete ? &params : nullptr, d.palette.entries, &brush));
        objects.add(brush);
        break;
    }
    case META_CREATEPATTERNBRUSH: {
        PatternBrush params;
        const bool complete = decodePatternBrush(r, &params);
        BrushObj brush;
        makePatternBrush(complete ? &params : nullptr, &brush); // a grey brush is no error here
        objects.add(brush);
        break;
    }
    case META_CREATEPALETTE: {
        PaletteParams params;
        decodePalette(r, &params);
        objects.add(PaletteObj{params.entries});
        break;
    }
    case META_SETPALENTRIES:
    case META_ANIMATEPALETTE: {
        PaletteParams params;
        decodePalette(r, &params);
        dc.setPaletteEntries(params.start, params.entries);
        break;
    }
    case META_RESIZEPALETTE:
        if (ok(decodeValue(r, &value)))
            dc.resizePalette(value);
        break;
    case META_CREATEREGION: {
        RegionObj region;
        QRect bounds;
        if (!ok(decodeRegion(r, &region.rects, &bounds)))
            region.rects.clear();
        objects.add(region);
        break;
    }
    case META_CREATEBRUSH:
    case META_CREATEBITMAPINDIRECT:
    case META_CREATEBITMAP:
        objects.add(OtherObj{});
        break;
    case META_SELECTOBJECT:
    case META_SELECTPALETTE:
        if (ok(decodeValue(r, &value)))
            ok(objects.select(value, dc));
        break;
    case META_DELETEOBJECT:
        if (ok(decodeValue(r, &value)))
            objects.remove(value);
        break;

    // ---- clipping
    case META_INTERSECTCLIPRECT:
    case META_EXCLUDECLIPRECT: {
        ShapeParams s;
        if (!ok(decodeShape(r, &s)))
            break;
        if (r.canonical == META_INTERSECTCLIPRECT)
            dc.intersectClipRect(s.box);
        else
            dc.excludeClipRect(s.box);
        break;
    }
    case META_OFFSETCLIPRGN:
        if (ok(decodePointYX(r, &point)))
            dc.offsetClip(point);
        break;
    case META_SELECTCLIPREGION: {
        const GdiObject *o = decodeValue(r, &value) ? objects.get(value) : nullptr;
        const auto *rgn = o ? std::get_if<RegionObj>(o) : nullptr;
        if (rgn)
            dc.setClip(dc.deviceRegion(*rgn));
        else
            dc.removeClip();
        break;
    }

    // ---- drawing
    case META_LINETO:
        if (ok(decodePointYX(r, &point))) {
            m->shapes.drawPolyline({QPoint(qRound(d.cp.x()), qRound(d.cp.y())), point});
            d.cp = point;
        }
        break;
    case META_POLYLINE: {
        std::vector<QPoint> pts;
        if (decodePoints(r, &pts) && spendPoints(pts.size()))
            m->shapes.drawPolyline(pts);
        else
            ++m_stats.invalid;
        break;
    }
    case META_POLYGON: {
        std::vector<QPoint> pts;
        if (ok(decodePoints(r, &pts)) && spendPoints(pts.size()))
            m->shapes.drawPolygon(pts);
        break;
    }
    case META_POLYPOLYGON: {
        PolyPolygon pp;
        if (ok(decodePolyPolygon(r, &pp)) && spendPoints(pp.points.size()))
            m->shapes.drawPolyPolygon(pp);
        break;
    }
    case META_RECTANGLE:
    case META_ROUNDRECT:
    case META_ELLIPSE: {
        ShapeParams s;
        if (!ok(decodeShape(r, &s)))
            break;
        using Kind = ShapePainter::BoxKind;
        m->shapes.drawBox(r.canonical == META_RECTANGLE ? Kind::Rect
                          : r.canonical == META_ROUNDRECT ? Kind::RoundRect : Kind::Ellipse, s);
        break;
    }
    case META_ARC:
    case META_PIE:
    case META_CHORD: {
        ShapeParams s;
        if (!ok(decodeShape(r, &s)))
            break;
        using Kind = ShapePainter::ArcKind;
        m->shapes.drawArc(r.canonical == META_ARC ? Kind::Arc : r.canonical == META_PIE ? Kind::Pie : Kind::Chord, s);
        break;
    }
    case META_SETPIXEL: {
        PixelParams px;
        if (ok(decodeSetPixel(r, &px)))
            m->shapes.setPixel(px.pos, dc.colorRef(px.colorRef));
        break;
    }
    case META_PATBLT: {
        PatBltParams pb;
        if (ok(decodePatBlt(r, &pb)))
            m->blits.patBlt(pb);
        break;
    }
    case META_FLOODFILL:
    case META_EXTFLOODFILL: {
        FloodFillParams ff;
        if (ok(decodeFloodFill(r, &ff)))
            m->regions.floodFill(ff.pos.x(), ff.pos.y(), dc.colorRef(ff.colorRef), ff.mode == FLOODFILLSURFACE);
        break;
    }
    case META_TEXTOUT:
    case META_EXTTEXTOUT: {
        TextRun run;
        const bool ext = r.canonical == META_EXTTEXTOUT;
        if (!ok(ext ? decodeExtTextOut(r, &run) : decodeTextOut(r, &run)))
            break;
        if (m->glyphBudget < run.text.size()) // a file can hold more text than is worth drawing
            break;
        m->glyphBudget -= run.text.size();
        if (!run.text.isEmpty() || (ext && (run.options & ETO_OPAQUE)))
            m->text.draw(run, ext);
        break;
    }
    case META_FILLREGION:
    case META_PAINTREGION:
    case META_INVERTREGION:
    case META_FRAMEREGION: {
        RegionPaintParams rp;
        if (!ok(decodeRegionPaint(r, &rp)))
            break;
        const GdiObject *o = objects.get(rp.region);
        const auto *rgn = o ? std::get_if<RegionObj>(o) : nullptr;
        if (!ok(rgn != nullptr))
            break;
        BrushObj brush = d.brush;
        if (r.canonical == META_FILLREGION || r.canonical == META_FRAMEREGION) {
            const GdiObject *bo = objects.get(rp.brush);
            const auto *b = bo ? std::get_if<BrushObj>(bo) : nullptr;
            if (!ok(b != nullptr))
                break;
            brush = *b;
        }
        const QRegion region = dc.deviceRegion(*rgn);
        if (r.canonical == META_INVERTREGION)
            m->regions.invert(region);
        else if (r.canonical == META_FRAMEREGION)
            m->regions.frame(region, brush, rp.width, rp.height);
        else
            m->regions.fill(region, brush);
        break;
    }
    case META_BITBLT:
    case META_STRETCHBLT:
    case META_DIBBITBLT:
    case META_DIBSTRETCHBLT:
    case META_STRETCHDIB:
    case META_SETDIBTODEV: {
        BlitParams b;
        if (ok(decodeBlit(r, &b)))
            m->blits.blit(b);
        break;
    }
    default:
        ++m_stats.unknown;
        break;
    }
}

} // namespace wmf
