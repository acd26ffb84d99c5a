// Spoken syllables: each word below is hyphenated as a teacher claps it in
// the first two school years, written by hand.
#include "testcore.h"
#include "syllables/syllables.h"

#include <QtTest>

class TestSyllables : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(syllables::usesPatterns(), "hyphen-de and libhyphen0 are missing (scripts/deps.sh)"); }

    void words_data()
    {
        // One row a category of tests/syllables/words.txt.
        testing::columns<bool, QString>("patterns", "words");
        QFile file(QFINDTESTDATA("words.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (!line.isEmpty() && !line.startsWith('#'))
                QTest::newRow(qPrintable(line.section(':', 0, 0))) << (line.section(':', 0, 0) != "rules alone")
                                                                  << line.section(':', 1).trimmed();
        }
    }
    void words()
    {
        const auto [patterns, words] = testing::fetch<bool, QString>("patterns", "words");
        QStringList wrong;
        for (const QString &expected : words.split(' ')) {
            const QString got = (patterns ? syllables::split : syllables::splitByRules)(QString(expected).remove('-')).join('-');
            if (got != expected)
                wrong.append(expected + " as " + got);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
    }

    void texts_data()
    {
        // marked: the shown text, "[" before a word's first syllable, "|" before each later one, "]" after its last
        testing::columns<QString, QString>("text", "marked");
        QTest::newRow("soft hyphens rule") << "Ka\u00ADkao I\u00ADglu Bau\u00ADer" << "[Ka|kao] [I|glu] [Bau|er]";
        QTest::newRow("soft hyphens at the edges") << "\u00ADHund\u00AD, Ka\u00AD\u00ADtze \u00AD" << "[Hund], [Ka|tze] ";
        QTest::newRow("numbers and single letters") << "3 Äpfel, 10 Eier, U-Bahn, A4" << "3 [Äp|fel], 10 [Ei|er], [U]-[Bahn], [A]4";
        QTest::newRow("abbreviations") << "LKW und Pkw" << "LKW [und] Pkw";
        QTest::newRow("line breaks") << "Der Hund\r\nbellt\r" << "[Der] [Hund]\r\n[bellt]\r";
        QTest::newRow("capitals") << "OMA UND OPA" << "[O|MA] [UND] [O|PA]";
        QTest::newRow("punctuation") << "Oma, Opa! (Kuh)" << "[O|ma], [O|pa]! ([Kuh])";
        QTest::newRow("combining umlauts") << "Sa\u0308ugetier Bru\u0308cke" << "[Sa\u0308u|ge|tier] [Bru\u0308|cke]";
        QTest::newRow("beyond Latin-1") << "Ćevapčići İnsel" << "[Će|vap|či|ći] [İn|sel]";
    }
    void texts()
    {
        const auto [text, marked] = testing::fetch<QString, QString>("text", "marked");
        const syllables::SyllableText result = syllables::analyse(text);
        QString got;
        qsizetype at = 0;
        for (const syllables::Syllable &s : result.syllables) {
            got += result.shown.mid(at, s.start - at) + (s.index > 0 ? '|' : '[') + result.shown.mid(s.start, s.length);
            got += s.index + 1 == s.ofWord ? "]" : "";
            at = s.start + s.length;
        }
        QCOMPARE(got + result.shown.mid(at), marked);
    }

    void splitOneWord()
    {
        QCOMPARE(syllables::split(""), QStringList());
        QCOMPARE(syllables::split("3"), QStringList{"3"});
        const QString longWord = QString("Feuerwehrauto").repeated(8); // too long for libhyphen's buffers
        QCOMPARE(syllables::split(longWord), syllables::splitByRules(longWord));
        QVERIFY(syllables::splitByRules("Schildkröte") != syllables::split("Schildkröte")); // the rules alone miss the joint
    }
};

QTEST_GUILESS_MAIN(TestSyllables)
#include "tst_syllables.moc"
