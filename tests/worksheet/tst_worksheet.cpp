// Worksheets as PDF: pages, pictures, ruling, answers only on the solution
// pages, and what happens with bad input. The PDF is rendered with poppler.
#include "testcore.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetlayout.h"

#include <QGuiApplication>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using worksheet::Layout;

namespace {

constexpr int kDpi = 60;

QPoint px(QPointF mm) { return (mm * kDpi / 25.4).toPoint(); }

QImage solid(QColor colour)
{
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// Dark pixels in a rectangle given in millimetres.
int ink(const QImage &page, const QRectF &mm)
{
    const QRect area(px(mm.topLeft()), px(mm.bottomRight()));
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(page.pixel(x, y)) < 128;
    return count;
}

} // namespace

class TestWorksheet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Ten tasks, red and blue pictures in turn, the third one missing.
        solid(Qt::red).save(folder.filePath("ROT.PNG"));
        solid(Qt::blue).save(folder.filePath("BLAU.PNG"));
        QStringList lines;
        for (int k = 1; k <= 10; ++k)
            lines << (k == 3 ? "FEHLT.WMF" : k % 2 ? "ROT.PNG" : "BLAU.PNG") << QStringLiteral("Wort %1").arg(k);
        lines[1] = "Der Hund@bellt";
        folder.write("REVAZE.INI", testing::cp1252(lines.join("\r\n") + "\r\n"));
        // As printed for the first school year without a title, and for the
        // second with one and with arcs under the syllables.
        for (const worksheet::Options &options : {worksheet::Options{}, worksheet::Options{2, "Tiere im Wald", true}}) {
            const QString pdf = folder.filePath(QStringLiteral("blatt%1.pdf").arg(options.lineatur));
            const worksheet::Result written = worksheet::writePdf(pdf, folder.dir(), options);
            QVERIFY2(written.ok, qPrintable(written.message));
            const QString prefix = folder.filePath(QStringLiteral("seite%1").arg(options.lineatur));
            QProcess render, text;
            render.start("pdftoppm", {"-r", QString::number(kDpi), "-png", pdf, prefix});
            text.start("pdftotext", {pdf, "-"});
            QVERIFY2(render.waitForFinished(60000) && render.exitCode() == 0, "pdftoppm (poppler-utils) is needed");
            QVERIFY(text.waitForFinished(60000) && text.exitCode() == 0);
            QList<QImage> &images = pages[options.lineatur];
            for (const QString &name : QDir(folder.path()).entryList({QFileInfo(prefix).fileName() + "-*.png"}, QDir::Files, QDir::Name))
                images.append(QImage(folder.filePath(name)).convertToFormat(QImage::Format_RGB32));
            texts[options.lineatur] = QString::fromUtf8(text.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
        }
    }

    void cells_data()
    {
        // picture: invalid for the missing picture's frame
        testing::columns<int, int, int, int, QColor>("lineatur", "page", "slot", "lines", "picture");
        for (int page : {0, 2}) {
            const QByteArray kind = page ? "solutions, " : "tasks, ";
            QTest::newRow(kind + "red, two lines") << 1 << page << 0 << 2 << QColor(Qt::red);
            QTest::newRow(kind + "blue") << 1 << page << 1 << 1 << QColor(Qt::blue);
            QTest::newRow(kind + "missing") << 1 << page << 2 << 1 << QColor();
            QTest::newRow(kind + "next page") << 1 << page + 1 << 3 << 1 << QColor(Qt::blue);
            QTest::newRow(kind + "second year, two lines") << 2 << page << 0 << 2 << QColor(Qt::red);
            QTest::newRow(kind + "second year") << 2 << page + 1 << 3 << 1 << QColor(Qt::blue);
        }
    }
    void cells()
    {
        const auto [lineatur, page, slot, lines, picture] =
            testing::fetch<int, int, int, int, QColor>("lineatur", "page", "slot", "lines", "picture");
        QVERIFY(page < pages[lineatur].size());
        const QImage &img = pages[lineatur].at(page);
        const worksheet::Cell cell = Layout::cell(slot, lines, lineatur);
        if (picture.isValid()) {
            const QRgb centre = img.pixel(px(cell.picture.center()));
            QVERIFY2(qAbs(qRed(centre) - picture.red()) < 40 && qAbs(qBlue(centre) - picture.blue()) < 40,
                     qPrintable(QString::number(centre, 16)));
        } else { // the name in a frame
            const QRectF frame = cell.picture;
            QVERIFY(ink(img, QRectF(frame.left() - 0.5, frame.center().y() - 5, 1, 10)) > 0);
            QVERIFY(ink(img, frame.adjusted(5, 5, -5, -5)) > 0);
        }
        QCOMPARE(cell.lines.size(), lines);
        const bool solutions = page >= pages[lineatur].size() / 2;
        for (const worksheet::Ruling &r : cell.lines) {
            // The baseline runs across the cell; the writing band holds the
            // answer on the solution pages and nothing on the task pages.
            QVERIFY(ink(img, QRectF(cell.left, r.base - 0.4, cell.right - cell.left, 0.8)) > (cell.right - cell.left) * kDpi / 25.4 * 0.8);
            const int written = ink(img, QRectF(cell.left + 1, r.middle + 1, 30, r.base - r.middle - 2));
            QVERIFY2(solutions ? written > 5 : written == 0, qPrintable(QString::number(written)));
            // Arcs under the syllables, below the baseline, only on the solution pages asked for them.
            const double band = r.bottom - r.base;
            const int arcs = ink(img, QRectF(cell.left + 1, r.base + 0.3 * band, 30, 0.5 * band));
            QVERIFY2(solutions && lineatur == 2 ? arcs > 3 : arcs == 0, qPrintable(QString::number(arcs)));
        }
    }

    // Task pages and solution pages are numbered each among themselves, as
    // a teacher hands out the task pages alone; the title heads the task pages.
    void headings_data()
    {
        testing::columns<int, QStringList>("lineatur", "headings");
        // In the text's order: the heading on the right, "Name", the page number.
        QTest::newRow("no title") << 1 << QStringList{"Name Seite 1 / 2", "Name Seite 2 / 2", "Lösungen Name Seite 1 / 2",
                                                      "Lösungen Name Seite 2 / 2"};
        QTest::newRow("a title") << 2 << QStringList{"Tiere im Wald Name Seite 1 / 2", "Tiere im Wald Name Seite 2 / 2",
                                                     "Lösungen Name Seite 1 / 2", "Lösungen Name Seite 2 / 2"};
    }
    void headings()
    {
        const auto [lineatur, headings] = testing::fetch<int, QStringList>("lineatur", "headings");
        QStringList found;
        static const QRegularExpression heading("Name|Tiere im Wald|Lösungen|Seite \\d+ / \\d+");
        for (const QString &page : texts[lineatur]) {
            QStringList onPage;
            for (auto match = heading.globalMatch(page); match.hasNext();)
                onPage.append(match.next().captured());
            found.append(onPage.join(' '));
        }
        QCOMPARE(found, headings);
        // Unused cells of the last page stay blank.
        QCOMPARE(ink(pages[lineatur].at(1), Layout::cellArea(5)), 0);
    }

    void badInput()
    {
        testing::TaskFolder empty;
        const QString pdf = empty.filePath("blatt.pdf");
        empty.write("blatt.pdf", "alt");
        worksheet::Result result = worksheet::writePdf(pdf, empty.dir());
        QVERIFY(!result.ok);
        QVERIFY(result.message.contains("REVAZE.INI"));
        QCOMPARE(empty.read("blatt.pdf"), QByteArray("alt"));

        const QString nowhere = folder.filePath("gibt/es/nicht/blatt.pdf");
        result = worksheet::writePdf(nowhere, folder.dir());
        QVERIFY(!result.ok);
        QVERIFY(result.message.contains(nowhere));
        QVERIFY(!QDir(folder.filePath("gibt")).exists());
        // A printer that cannot start prints nothing, and says so.
        tasklist::TaskList tasks;
        QVERIFY(worksheet::readTasks(folder.dir(), &tasks).ok);
        QPdfWriter broken(nowhere);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        result = worksheet::paint(broken, tasks, folder.dir());
        QVERIFY(!result.ok);
        QVERIFY(result.message.contains("kann nicht gedruckt werden"));
    }

private:
    testing::TaskFolder folder;
    QMap<int, QList<QImage>> pages;  // by the ruling they were printed for
    QMap<int, QStringList> texts;
};

QTEST_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
