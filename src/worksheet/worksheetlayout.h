#pragma once
// Where everything goes on a worksheet: A4 portrait pages of six tasks
// (two columns, three rows) in list order, then the same pages again with
// the answers on the lines. All measures are millimetres from the page's
// top left corner.

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace worksheet {

// One written line of German school ruling: four lines, the two middle
// ones bounding the small letters, the baseline the third.
struct Ruling {
    double top = 0, middle = 0, base = 0, bottom = 0;
};

struct Cell {
    QRectF picture;          // the picture is fitted into this, keeping its aspect
    QList<Ruling> lines;     // one ruling per line of the answer
    double left = 0, right = 0; // where the ruling lines start and end
};

// The lines of an answer as written: "@" breaks the line.
QStringList answerLines(const QString &answer);

// What the teacher chooses for a worksheet.
struct Options {
    // The ruling of German exercise books for the first school year (1) or
    // the second (2).
    int lineatur = 1;
    QString title;  // printed at the top of the task pages; none when empty
    // The solution pages draw an arc under each syllable of the answers; the
    // task pages stay blank for the child's own arcs.
    bool syllables = false;
};

// The distance between the four lines of one written line, in millimetres:
// 5 mm in the first school year's exercise books, 4 mm in the second's.
double rulingBand(int lineatur);

class Layout {
public:
    static constexpr int kColumns = 2, kRows = 3, kCellsPerPage = kColumns * kRows;
    static constexpr double kPageWidth = 210, kPageHeight = 297;

    explicit Layout(qsizetype taskCount);

    int taskPages() const { return m_taskPages; }
    int pageCount() const { return 2 * m_taskPages; }
    // Pages count from 0; the solution pages follow the task pages.
    bool isSolutionPage(int page) const { return page >= m_taskPages; }
    // The page's number among the task pages or among the solution pages,
    // from 1: a teacher prints the task pages alone.
    int numberInPart(int page) const { return page % std::max(1, m_taskPages) + 1; }
    // The tasks on a page: first index and how many (the last page may hold fewer).
    qsizetype firstTask(int page) const;
    int tasksOn(int page) const;

    static QRectF headerArea();
    static QRectF footerArea();
    static QRectF cellArea(int slot); // slot 0..5, row by row
    // The picture and the ruling inside a cell, for an answer of that many
    // lines. Two written lines stand two bands apart, so that the child sees
    // where one ends; a ruling that would take more than its share of the
    // cell is drawn closer.
    static Cell cell(int slot, int answerLineCount, int lineatur = 1);

private:
    qsizetype m_tasks;
    int m_taskPages;
};

} // namespace worksheet
