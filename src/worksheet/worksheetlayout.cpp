#include "worksheetlayout.h"

#include "app/textmarks.h"

#include <algorithm>

namespace worksheet {

namespace {

constexpr double kMargin = 15;            // left, right
constexpr double kHeaderTop = 12, kHeaderHeight = 10;
constexpr double kFooterTop = 280, kFooterHeight = 8;
constexpr double kCellsTop = 28, kCellsBottom = 274;
constexpr double kColumnGap = 10, kRowGap = 6;
constexpr double kPadding = 2;            // inside a cell
constexpr double kRulingShare = 0.6;      // of a cell the ruling may take before it is drawn closer
constexpr double kBandsBetweenLines = 2;  // the clear gap between two written lines

} // namespace

QStringList answerLines(const QString &answer)
{
    return app::MarksToBreaks(answer).split(QChar('\r'));
}

double rulingBand(int lineatur)
{
    return lineatur == 2 ? 4.0 : 5.0;
}

Layout::Layout(qsizetype taskCount)
    : m_tasks(std::max<qsizetype>(0, taskCount)),
      m_taskPages(int((m_tasks + kCellsPerPage - 1) / kCellsPerPage))
{
}

qsizetype Layout::firstTask(int page) const
{
    return qsizetype(page % std::max(1, m_taskPages)) * kCellsPerPage;
}

int Layout::tasksOn(int page) const
{
    if (page < 0 || page >= pageCount())
        return 0;
    return int(std::min<qsizetype>(kCellsPerPage, m_tasks - firstTask(page)));
}

QRectF Layout::headerArea()
{
    return {kMargin, kHeaderTop, kPageWidth - 2 * kMargin, kHeaderHeight};
}

QRectF Layout::footerArea()
{
    return {kMargin, kFooterTop, kPageWidth - 2 * kMargin, kFooterHeight};
}

QRectF Layout::cellArea(int slot)
{
    const double width = (kPageWidth - 2 * kMargin - (kColumns - 1) * kColumnGap) / kColumns;
    const double height = (kCellsBottom - kCellsTop - (kRows - 1) * kRowGap) / kRows;
    const int column = slot % kColumns, row = slot / kColumns;
    return {kMargin + column * (width + kColumnGap), kCellsTop + row * (height + kRowGap), width, height};
}

Cell Layout::cell(int slot, int answerLineCount, int lineatur)
{
    const QRectF inner = cellArea(slot).adjusted(kPadding, kPadding, -kPadding, -kPadding);
    const int n = std::max(1, answerLineCount);
    // Each written line is three bands high, with a wider gap between lines.
    const double units = 3.0 * n + kBandsBetweenLines * (n - 1);
    const double band = std::min(rulingBand(lineatur), kRulingShare * inner.height() / units);
    Cell cell;
    cell.left = inner.left();
    cell.right = inner.right();
    double y = inner.bottom() - units * band;
    cell.picture = QRectF(inner.left(), inner.top(), inner.width(), std::max(0.0, y - band - inner.top()));
    for (int i = 0; i < n; ++i) {
        cell.lines.append({y, y + band, y + 2 * band, y + 3 * band});
        y += (3 + kBandsBetweenLines) * band;
    }
    return cell;
}

} // namespace worksheet
