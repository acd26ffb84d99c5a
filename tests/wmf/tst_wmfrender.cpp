// The wmfrender tool as a user runs it: exit statuses, messages, output.
#include "wmftest.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace wmftest;

class TestWmfrender : public QObject {
    Q_OBJECT
private slots:
    void runs_data()
    {
        QTest::addColumn<QString>("args"); // HOUSE: a LibreOffice drawing, PNG: a PNG named .wmf, OUT: a new file
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output"); // a pattern that standard output or error must match
        QTest::addColumn<QSize>("outSize");
        const QString usage = QStringLiteral("^usage: wmfrender");
        QTest::newRow("nothing") << "" << 2 << usage << QSize();
        QTest::newRow("one file") << "a.wmf" << 2 << usage << QSize();
        QTest::newRow("scale without a number") << "a.wmf b.png --scale" << 2 << usage << QSize();
        QTest::newRow("scale zero") << "a.wmf b.png --scale 0" << 2 << usage << QSize();
        QTest::newRow("unknown option") << "--colour a.wmf b.png" << 2 << usage << QSize();
        QTest::newRow("not a metafile") << "PNG OUT" << 1 << "bild.wmf: not a metafile" << QSize();
        QTest::newRow("info on not a metafile") << "--info PNG" << 1 << "bild.wmf" << QSize();
        QTest::newRow("natural size times scale") << "HOUSE OUT --scale 2" << 0 << "" << QSize(446 * 2, 326 * 2);
        QTest::newRow("info") << "--info HOUSE" << 0
                              << "natural size: 446 x 326 px\nrecords: 2097 \\(plus META_EOF\\)\n(.*\n)*"
                                 "  META_ESCAPE \\(comment: embedded EMF\\) +8\n(.*\n)*  META_POLYPOLYGON +205\n"
                              << QSize();
    }

    void runs()
    {
        QFETCH(QString, args);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QSize, outSize);
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("bild.wmf")), out = dir.filePath(QStringLiteral("out.png"));
        QImage(4, 4, QImage::Format_RGB32).save(png, "PNG");
        const QString house = sourcePath(QStringLiteral("tests/wmf/data/producers/10_scene_house.libreoffice.wmf"));
        QStringList list = args.split(' ', Qt::SkipEmptyParts);
        list.replaceInStrings(QRegularExpression("^HOUSE$"), house).replaceInStrings(QRegularExpression("^PNG$"), png);
        QProcess p;
        p.start(QStringLiteral(WMFRENDER), list.replaceInStrings(QRegularExpression("^OUT$"), out));
        QVERIFY(p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit);
        QCOMPARE(p.exitCode(), status);
        const QString text = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        QVERIFY2(text.contains(QRegularExpression(output, QRegularExpression::MultilineOption)), qPrintable(text));
        const QImage written(out);
        QCOMPARE(written.isNull() ? QSize() : written.size(), outSize);
    }
};

QTEST_MAIN(TestWmfrender)
#include "tst_wmfrender.moc"
