#include "worksheet.h"

#include "syllables/syllables.h"
#include "tasklist/filewriter.h"
#include "tasklist/foldernames.h"
#include "ui/picturefile.h"
#include "worksheetlayout.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

namespace worksheet {

namespace {

const QString kHeader = QStringLiteral("Name: ____________   Datum: ________");
const QString kSolutions = QStringLiteral("Lösungen");
const QString kFontFamily = QStringLiteral("Liberation Sans");

// Draws pages in millimetres on a device that counts in its own dots.
class PagePainter {
public:
    PagePainter(QPainter &painter, const tasklist::TaskList &tasks, const QDir &folder, const Options &options)
        : m_p(painter), m_tasks(tasks), m_folder(folder), m_options(options),
          m_dotsPerMm(painter.device()->logicalDpiX() / 25.4), m_probe(probeFont(), painter.device())
    {
    }

    void page(const Layout &layout, int page)
    {
        header(layout.isSolutionPage(page));
        footer(layout.numberInPart(page), layout.taskPages());
        const qsizetype first = layout.firstTask(page);
        for (int slot = 0; slot < layout.tasksOn(page); ++slot) {
            const qsizetype task = first + slot;
            const QStringList lines = answerLines(m_tasks.answers.at(task));
            const Cell cell = Layout::cell(slot, int(lines.size()), m_options.lineatur);
            picture(m_tasks.pictures.at(task), cell.picture);
            ruling(cell, layout.isSolutionPage(page) ? lines : QStringList());
        }
    }

private:
    static QFont probeFont()
    {
        QFont f(kFontFamily);
        f.setPixelSize(kProbePixels);
        return f;
    }

    QRectF dots(const QRectF &mm) const
    {
        return {mm.x() * m_dotsPerMm, mm.y() * m_dotsPerMm, mm.width() * m_dotsPerMm, mm.height() * m_dotsPerMm};
    }
    double dots(double mm) const { return mm * m_dotsPerMm; }

    QFont font(double points, bool bold = false) const
    {
        QFont f(kFontFamily);
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }

    // Name and date on the left; on the right "Lösungen", or on the task
    // pages the title, cut short where it would reach the name.
    void header(bool solutions)
    {
        const QRectF area = dots(Layout::headerArea());
        m_p.setPen(Qt::black);
        m_p.setFont(font(12));
        QRectF used;
        m_p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, kHeader, &used);
        const QString heading = solutions ? kSolutions : m_options.title.simplified();
        if (heading.isEmpty())
            return;
        m_p.setFont(font(14, true));
        const double room = area.right() - used.right() - dots(8);
        m_p.drawText(area, Qt::AlignRight | Qt::AlignVCenter,
                     QFontMetricsF(m_p.font(), m_p.device()).elidedText(heading, Qt::ElideRight, room));
    }

    void footer(int number, int count)
    {
        m_p.setPen(Qt::black);
        m_p.setFont(font(10));
        m_p.drawText(dots(Layout::footerArea()), Qt::AlignCenter, QStringLiteral("Seite %1 / %2").arg(number).arg(count));
    }

    const ui::Picture &load(const QString &name)
    {
        // Lists name the same pictures again and again; a few stay parsed.
        if (auto it = m_cache.constFind(name); it != m_cache.cend())
            return *it;
        if (m_cache.size() >= 32)
            m_cache.clear();
        QString error;
        const QString file = ui::resolvePictureFile(name, m_folder);
        return *m_cache.insert(name, file.isEmpty() ? ui::Picture() : ui::Picture::load(file, &error));
    }

    void picture(const QString &name, const QRectF &mm)
    {
        const QRectF area = dots(mm);
        const ui::Picture &pic = load(name);
        const QSizeF natural = pic.size();
        if (pic.isNull() || natural.isEmpty()) {
            // Missing or unreadable: the name in a frame, and the sheet goes on.
            m_p.setPen(QPen(Qt::black, dots(0.3)));
            m_p.setBrush(Qt::NoBrush);
            m_p.drawRect(area);
            m_p.setFont(font(10));
            const QString shown = QFontMetricsF(m_p.font(), m_p.device()).elidedText(name, Qt::ElideMiddle, area.width() - dots(4));
            m_p.drawText(area, Qt::AlignCenter, shown);
            return;
        }
        const double scale = std::min(area.width() / natural.width(), area.height() / natural.height());
        const QSizeF size = natural * scale;
        m_p.save();
        m_p.setClipRect(area);
        m_p.translate(area.center() - QPointF(size.width(), size.height()) / 2);
        m_p.scale(scale, scale);
        pic.draw(m_p);
        m_p.restore();
    }

    void ruling(const Cell &cell, const QStringList &answers)
    {
        const double left = dots(cell.left), right = dots(cell.right);
        for (qsizetype i = 0; i < cell.lines.size(); ++i) {
            const Ruling &r = cell.lines.at(i);
            m_p.setPen(QPen(Qt::gray, dots(0.2)));
            for (double y : {r.top, r.middle, r.bottom})
                m_p.drawLine(QPointF(left, dots(y)), QPointF(right, dots(y)));
            m_p.setPen(QPen(Qt::black, dots(0.3)));
            m_p.drawLine(QPointF(left, dots(r.base)), QPointF(right, dots(r.base)));
            if (i < answers.size())
                write(answers.at(i), r, left + dots(2), right - dots(2));
        }
    }

    // The answer in school size: small letters fill the middle band. Soft
    // hyphens only mark syllables and are not written.
    void write(const QString &answerLine, const Ruling &r, double left, double right)
    {
        // The syllables' patterns are loaded only for the arcs.
        const syllables::SyllableText read = m_options.syllables ? syllables::analyse(answerLine)
                                                                 : syllables::SyllableText{QString(answerLine).remove(QChar(0x00AD)), {}};
        const QString &text = read.shown;
        double pixels = kProbePixels * dots(r.base - r.middle) / std::max(1.0, m_probe.xHeight());
        const double width = m_probe.horizontalAdvance(text) * pixels / kProbePixels;
        if (width > right - left)
            pixels *= (right - left) / width;
        QFont f(kFontFamily);
        f.setPixelSize(std::max(1, int(pixels)));
        m_p.setFont(f);
        m_p.setPen(Qt::black);
        m_p.drawText(QPointF(left, dots(r.base)), text);
        if (m_options.syllables)
            arcs(read, f, r, left);
    }

    // An arc under each syllable, sagging into the band below the baseline.
    void arcs(const syllables::SyllableText &read, const QFont &font, const Ruling &r, double left)
    {
        const QFontMetricsF metrics(font, m_p.device());
        const double top = dots(r.base + 0.15 * (r.bottom - r.base)), depth = dots(0.55 * (r.bottom - r.base));
        m_p.setPen(QPen(Qt::black, dots(0.3), Qt::SolidLine, Qt::RoundCap));
        m_p.setBrush(Qt::NoBrush);
        for (const syllables::Syllable &syllable : read.syllables) {
            const double from = left + metrics.horizontalAdvance(read.shown.left(syllable.start));
            const double to = left + metrics.horizontalAdvance(read.shown.left(syllable.start + syllable.length));
            const double inset = std::min(dots(0.6), (to - from) / 6);
            QPainterPath arc(QPointF(from + inset, top));
            arc.cubicTo(from + inset, top + depth, to - inset, top + depth, to - inset, top);
            m_p.drawPath(arc);
        }
    }

    QPainter &m_p;
    const tasklist::TaskList &m_tasks;
    const QDir &m_folder;
    const Options &m_options;
    const double m_dotsPerMm;
    // The answers' font measured once at a large size, then scaled to each line.
    static constexpr int kProbePixels = 1000;
    const QFontMetricsF m_probe;
    QHash<QString, ui::Picture> m_cache;
};

} // namespace

void preparePages(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
}

Result paint(QPagedPaintDevice &device, const tasklist::TaskList &tasks, const QDir &folder, const Options &options)
{
    const Result failed{false, QStringLiteral("Das Arbeitsblatt kann nicht gedruckt werden.")};
    QPainter painter;
    if (!painter.begin(&device))
        return failed;
    const Layout layout(tasks.count());
    PagePainter pages(painter, tasks, folder, options);
    for (int page = 0; page < layout.pageCount(); ++page) {
        if (page > 0 && !device.newPage())
            return failed;
        pages.page(layout, page);
    }
    return painter.end() ? Result{true, QString()} : failed;
}

Result readTasks(const QDir &folder, tasklist::TaskList *tasks)
{
    const QString file = tasklist::taskListFile(folder);
    const tasklist::LoadResult loaded = tasklist::loadTaskList(file);
    if (!loaded.ok)
        return {false, QStringLiteral("Die Aufgabenliste „%1“ kann nicht gelesen werden: %2").arg(file, loaded.error)};
    if (loaded.tasks.count() == 0)
        return {false, QStringLiteral("Die Aufgabenliste „%1“ enthält keine Aufgaben.").arg(file)};
    *tasks = loaded.tasks;
    return {true, QString()};
}

Result writePdf(const QString &pdfFile, const QDir &folder, const Options &options)
{
    tasklist::TaskList tasks;
    if (Result read = readTasks(folder, &tasks); !read.ok)
        return read;
    // Written beside the target and renamed over it when complete.
    tasklist::FileWriter out(pdfFile);
    const auto failed = [&](const QString &reason) {
        return Result{false, QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2").arg(pdfFile, reason)};
    };
    if (!out.open())
        return failed(out.errorString());
    {
        QPdfWriter pdf(&out);
        pdf.setResolution(600);
        pdf.setCreator(QStringLiteral("Revaze"));
        pdf.setTitle(QStringLiteral("Arbeitsblatt"));
        preparePages(pdf);
        if (Result painted = paint(pdf, tasks, folder, options); !painted.ok) {
            out.cancel();
            return failed(painted.message);
        }
    }
    if (!out.commit())
        return failed(out.errorString());
    return {true, QString()};
}

} // namespace worksheet
