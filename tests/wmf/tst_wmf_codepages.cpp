// Every byte of every single-byte code page decodes to the character that
// data/codepages.txt lists for it.
#include "wmftest.h"

#include "wmf/fonts.h"

#include <QFile>

class TestCodePages : public QObject {
    Q_OBJECT
private slots:
    void allBytes_data()
    {
        QTest::addColumn<int>("charSet");
        QTest::addColumn<QList<uint>>("expected");
        QFile file(qEnvironmentVariable("REVAZE_SOURCE_DIR", QStringLiteral(REVAZE_SOURCE_DIR_FALLBACK))
                   + QStringLiteral("/tests/wmf/data/codepages.txt"));
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        QByteArray name;
        int charSet = 0;
        QList<uint> points;
        auto flush = [&] {
            if (!name.isEmpty())
                QTest::newRow(name.constData()) << charSet << points;
        };
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QList<QByteArray> fields = line.split(' ');
            if (line.startsWith("cp")) {
                flush();
                name = fields.value(0);
                charSet = fields.value(1).toInt();
                points.clear();
                continue;
            }
            for (const QByteArray &f : fields)
                points << f.toUInt(nullptr, 16);
        }
        flush();
    }

    void allBytes()
    {
        QFETCH(int, charSet);
        QFETCH(QList<uint>, expected);
        QCOMPARE(expected.size(), 256);
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
        std::vector<int> charBytes;
        const QString text = wmf::decodeText(bytes, quint8(charSet), QByteArray(), &charBytes);
        QCOMPARE(text.size(), 256);
        QCOMPARE(charBytes, std::vector<int>(256, 1));
        for (int b = 0; b < 256; ++b)
            QVERIFY2(text[b].unicode() == expected[b],
                     qPrintable(QStringLiteral("byte 0x%1: U+%2, expected U+%3")
                                    .arg(b, 2, 16, QLatin1Char('0'))
                                    .arg(text[b].unicode(), 4, 16, QLatin1Char('0'))
                                    .arg(expected[b], 4, 16, QLatin1Char('0'))));
    }
};

QTEST_GUILESS_MAIN(TestCodePages)
#include "tst_wmf_codepages.moc"
