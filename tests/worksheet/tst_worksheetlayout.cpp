// Where the worksheet puts pages, tasks, pictures and ruling.
#include "testcore.h"
#include "worksheet/worksheetlayout.h"

#include <QtTest>

using worksheet::Layout;

class TestWorksheetLayout : public QObject {
    Q_OBJECT
private slots:
    void pages_data()
    {
        // perPage: the tasks on each page, solutions included
        testing::columns<int, int, QList<int>>("tasks", "pages", "perPage");
        QTest::newRow("none") << 0 << 0 << QList<int>{};
        QTest::newRow("one") << 1 << 2 << QList<int>{1, 1};
        QTest::newRow("one page full") << 6 << 2 << QList<int>{6, 6};
        QTest::newRow("ten") << 10 << 4 << QList<int>{6, 4, 6, 4};
        QTest::newRow("thirteen") << 13 << 6 << QList<int>{6, 6, 1, 6, 6, 1};
    }
    void pages()
    {
        const auto [tasks, pages, perPage] = testing::fetch<int, int, QList<int>>("tasks", "pages", "perPage");
        const Layout layout(tasks);
        QCOMPARE(layout.pageCount(), pages);
        QList<int> counted;
        qsizetype expectedFirst = 0;
        for (int page = 0; page < pages; ++page) {
            counted.append(layout.tasksOn(page));
            QCOMPARE(layout.isSolutionPage(page), page >= pages / 2);
            if (page == pages / 2)
                expectedFirst = 0; // the solutions start again with the first task
            QCOMPARE(layout.firstTask(page), expectedFirst);
            expectedFirst += layout.tasksOn(page);
        }
        QCOMPARE(counted, perPage);
        QCOMPARE(layout.tasksOn(pages), 0);
    }

    void columnsCentredOnThePage()
    {
        const QRectF left = Layout::cellArea(0), right = Layout::cellArea(1);
        QVERIFY(left.right() < right.left() && left.width() == right.width());
        QCOMPARE(Layout::kPageWidth - right.right(), left.left());
    }

    void rulingUnderThePicture_data()
    {
        // band: the ruling's distance when the cell has room for it
        testing::columns<QString, int, double>("answer", "lineatur", "band");
        QTest::newRow("one line, first year") << "Der Hund" << 1 << 5.0;
        QTest::newRow("one line, second year") << "Der Hund" << 2 << 4.0;
        QTest::newRow("two lines") << "Der Hund@bellt" << 1 << 5.0;
        QTest::newRow("empty") << "" << 2 << 4.0;
        QTest::newRow("empty lines count: three drawn closer") << "@@" << 2 << 0.0;
        QTest::newRow("twelve lines: drawn closer") << "1@2@3@4@5@6@7@8@9@10@11@12" << 1 << 0.0;
    }
    void rulingUnderThePicture()
    {
        const auto [answer, lineatur, band] = testing::fetch<QString, int, double>("answer", "lineatur", "band");
        const QStringList lines = worksheet::answerLines(answer);
        QCOMPARE(lines.size(), answer.count('@') + 1);
        QCOMPARE(lines.join('@'), answer);
        for (int slot : {0, 5}) {
            const QRectF area = Layout::cellArea(slot);
            const worksheet::Cell cell = Layout::cell(slot, int(lines.size()), lineatur);
            QCOMPARE(cell.lines.size(), lines.size());
            QVERIFY(area.contains(cell.picture));
            QVERIFY(cell.picture.height() > area.height() / 3); // the picture keeps room
            QVERIFY(cell.left >= area.left() && cell.right <= area.right() && cell.right - cell.left > area.width() * 0.8);
            double above = cell.picture.bottom();
            for (const worksheet::Ruling &r : cell.lines) {
                // Four lines with equal gaps, as in the exercise books; a
                // clear gap of two of them between two written lines.
                const double gap = r.base - r.middle;
                QVERIFY(r.top > above + (above == cell.picture.bottom() ? 0 : 2 * gap - 1e-9));
                QVERIFY(r.middle > r.top && r.base > r.middle && r.bottom > r.base);
                QCOMPARE(r.middle - r.top, gap);
                QCOMPARE(r.bottom - r.base, gap);
                QVERIFY(band == 0 ? gap < 5 : qFuzzyCompare(gap, band));
                above = r.bottom;
            }
            QVERIFY(above <= area.bottom());
        }
    }
};

QTEST_GUILESS_MAIN(TestWorksheetLayout)
#include "tst_worksheetlayout.moc"
