#include "text.h"

#include "fonts.h"

#include <QFontMetricsF>
#include <QtMath>

#include <cmath>

namespace wmf {

TextPainter::TextPainter(QPainter &painter, DeviceContext &dc, PaintStyle &style)
    : m_p(painter), m_dc(dc), m_style(style)
{
}

void TextPainter::resolveFont()
{
    const FontObj &font = m_dc.state().font;
    const LogFont &lf = font.lf;
    const double sx = m_dc.sx(), sy = m_dc.sy();
    if (m_fc.serial == font.serial && m_fc.sx == sx && m_fc.sy == sy)
        return;
    m_fc.serial = font.serial;
    m_fc.sx = sx;
    m_fc.sy = sy;
    QFont f(substituteFamily(lf.faceName, lf.pitchAndFamily));
    f.setStyleStrategy(QFont::PreferOutline);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    const int weight = lf.weight <= 0 ? FW_NORMAL : qBound(1, int(lf.weight), 1000);
    f.setWeight(QFont::Weight(weight));
    f.setItalic(lf.italic);
    f.setUnderline(lf.underline);
    f.setStrikeOut(lf.strikeOut);
    double target = std::abs(lf.height * sy); // device pixels
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
            stretch = qBound(0.25, std::abs(lf.width * sx) / avg, 4.0);
    }
    m_fc.font = f;
    m_fc.scale = scale;
    m_fc.stretch = stretch;
    m_fc.ascent = fm.ascent() * scale;
    m_fc.descent = fm.descent() * scale;
}

void TextPainter::draw(const TextRun &run, bool ext)
{
    m_style.applyClip();
    resolveFont();
    DcState &d = m_dc.state();
    const LogFont &lf = d.font.lf;
    const double sx = m_dc.sx(), sy = m_dc.sy();
    const QTransform &base = m_style.baseTransform();
    std::vector<int> charBytes;
    QString text;
    if (takesSymbolCodes(lf.faceName)) {
        text = QString::fromLatin1(run.text);
        charBytes.assign(size_t(run.text.size()), 1);
    } else {
        text = decodeText(run.text, lf.charSet, lf.faceName, &charBytes);
    }
    const double k = m_fc.scale;
    const double sxAbs = std::abs(sx);
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
    if (d.breakCount > 0)
        breaks = qMin(breaks, int(d.breakCount));
    int spacesSeen = 0;
    size_t byte = 0; // the spacing array has an entry per byte, two for a double-byte character
    for (int i = 0; i < text.size(); ++i) {
        double a = 0;
        if (haveDx) {
            for (int n = charBytes[size_t(i)]; n > 0; --n, ++byte) {
                a += run.dx[pdy ? 2 * byte : byte] * sxAbs;
                if (pdy)
                    rise[size_t(i)] += run.dx[2 * byte + 1] * std::abs(sy);
            }
        } else {
            a = fm.horizontalAdvance(text[i]) * k * m_fc.stretch + d.charExtra * sxAbs;
            if (text[i] == QLatin1Char(' ') && d.breakExtra && spacesSeen++ < breaks)
                a += double(d.breakExtra) * sxAbs / breaks;
        }
        adv[size_t(i)] = a;
        total += a;
    }
    const bool simple = !haveDx && d.charExtra == 0 && d.breakExtra == 0;
    if (simple)
        total = fm.horizontalAdvance(text) * k * m_fc.stretch;

    QPointF ref = m_dc.map(run.pos.x(), run.pos.y());
    const bool updateCp = d.textAlign & TA_UPDATECP;
    if (updateCp)
        ref = m_dc.map(d.cp.x(), d.cp.y());
    double x0 = 0;
    const int h = d.textAlign & TA_CENTER;
    if (h == TA_CENTER)
        x0 = -total / 2;
    else if (h == TA_RIGHT)
        x0 = -total;
    double baseline = 0;
    const int v = d.textAlign & TA_BASELINE;
    if (v == TA_BASELINE)
        baseline = 0;
    else if (v == TA_BOTTOM)
        baseline = -m_fc.descent;
    else
        baseline = m_fc.ascent;

    const double angle = lf.escapement / 10.0;
    QTransform tt = base;
    tt.translate(ref.x(), ref.y());
    if (angle != 0)
        tt.rotate(-angle);

    if (ext && (run.options & ETO_OPAQUE) && run.hasRect) {
        const QRectF rc = m_dc.mapRect(run.rect.left(), run.rect.top(), run.rect.right(), run.rect.bottom());
        m_p.fillRect(rc, QColor::fromRgb(d.bkColor));
    }
    bool clipped = false;
    if (ext && (run.options & ETO_CLIPPED) && run.hasRect) {
        m_p.save();
        clipped = true;
        m_p.setClipRect(m_dc.mapRect(run.rect.left(), run.rect.top(), run.rect.right(), run.rect.bottom()),
                        Qt::IntersectClip);
    }
    m_p.setWorldTransform(tt);
    if (d.bkMode == OPAQUE && !(ext && (run.options & ETO_OPAQUE)) && total > 0)
        m_p.fillRect(QRectF(x0, baseline - m_fc.ascent, total, m_fc.ascent + m_fc.descent), QColor::fromRgb(d.bkColor));
    m_p.setFont(m_fc.font);
    m_p.setPen(QColor::fromRgb(d.textColor));
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
            m_p.fillPath(path, QColor::fromRgb(d.textColor));
        } else {
            m_p.drawText(QPointF(0, 0), s);
        }
    };
    if (simple) {
        drawRun(x0, baseline, text);
    } else {
        double x = x0, y = baseline;
        for (int i = 0; i < text.size(); ++i) {
            drawRun(x, y, QString(text[i]));
            x += adv[size_t(i)];
            y -= rise[size_t(i)];
        }
    }
    m_p.setWorldTransform(base);
    if (clipped)
        m_p.restore();
    if (updateCp) {
        double dx = 0;
        if (h == TA_RIGHT)
            dx = -total;
        else if (h != TA_CENTER)
            dx = total;
        const double rad = qDegreesToRadians(angle);
        d.cp += QPointF(dx * std::cos(rad) / sx, -dx * std::sin(rad) / sy);
    }
}

} // namespace wmf
