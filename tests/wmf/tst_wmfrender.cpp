// The wmfrender tool as a user runs it: exit statuses, messages, output.
#include "wmftest.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run wmfrender(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(WMFRENDER), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QString producer(const char *name)
{
    return qEnvironmentVariable("REVAZE_SOURCE_DIR", QStringLiteral(REVAZE_SOURCE_DIR_FALLBACK))
           + QStringLiteral("/tests/wmf/data/producers/") + QLatin1String(name);
}

} // namespace

class TestWmfrender : public QObject {
    Q_OBJECT
private slots:
    void badUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("one file") << QStringList{QStringLiteral("a.wmf")};
        QTest::newRow("scale without a number") << QStringList{QStringLiteral("a.wmf"), QStringLiteral("b.png"), QStringLiteral("--scale")};
        QTest::newRow("scale zero") << QStringList{QStringLiteral("a.wmf"), QStringLiteral("b.png"), QStringLiteral("--scale"), QStringLiteral("0")};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--colour"), QStringLiteral("a.wmf"), QStringLiteral("b.png")};
    }
    void badUsage()
    {
        QFETCH(QStringList, args);
        const Run r = wmfrender(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains(QLatin1String("usage: wmfrender")));
    }

    void notAMetafile()
    {
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("bild.wmf"));
        QImage(4, 4, QImage::Format_RGB32).save(png, "PNG"); // a PNG renamed to .wmf
        const Run r = wmfrender({png, dir.filePath(QStringLiteral("out.png"))});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QLatin1String("not a metafile")), qPrintable(r.err));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.png"))));
        QCOMPARE(wmfrender({QStringLiteral("--info"), png}).status, 1);
    }

    void rendersAtNaturalSizeTimesScale()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("haus.png"));
        const Run r = wmfrender({producer("10_scene_house.libreoffice.wmf"), out, QStringLiteral("--scale"), QStringLiteral("2")});
        QCOMPARE(r.status, 0);
        const QImage img(out);
        QCOMPARE(img.size(), QSize(446 * 2, 326 * 2));
        QCOMPARE(QImage(producer("reference/10_scene_house.libreoffice.png")).size(), QSize(446, 326));
    }

    void infoCountsRecords()
    {
        const Run r = wmfrender({QStringLiteral("--info"), producer("10_scene_house.libreoffice.wmf")});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(QLatin1String("natural size: 446 x 326 px")), qPrintable(r.out));
        QVERIFY(r.out.contains(QLatin1String("records: 2097 (plus META_EOF)")));
        QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("META_POLYPOLYGON +205\n"))));
        QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("META_ESCAPE \\(comment: embedded EMF\\) +8\n"))));
    }
};

QTEST_MAIN(TestWmfrender)
#include "tst_wmfrender.moc"
