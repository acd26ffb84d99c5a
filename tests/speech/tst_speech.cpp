// The real German synthesis, into a buffer: no sound card needed.
#include "speech/loader.h"
#include "speech/speechengine.h"

#include <QtTest>

namespace {

struct Sound {
    double seconds = 0;
    double loudness = 0;   // root mean square, of 32767
    double longestSilence = 0; // seconds of samples near zero, between the first and last sound
    double start = 0; // seconds before the first sound
};

Sound measure(const QByteArray &pcm, int rate)
{
    const auto *samples = reinterpret_cast<const qint16 *>(pcm.constData());
    const qsizetype count = pcm.size() / 2;
    Sound sound;
    sound.seconds = double(count) / rate;
    double sum = 0;
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < count; ++i) {
        sum += double(samples[i]) * samples[i];
        if (qAbs(samples[i]) > 300) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    sound.loudness = count ? std::sqrt(sum / count) / 32767 : 0;
    qsizetype run = 0, longest = 0;
    for (qsizetype i = first; i >= 0 && i <= last; ++i) {
        run = qAbs(samples[i]) > 300 ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    sound.longestSilence = double(longest) / rate;
    sound.start = double(std::max<qsizetype>(first, 0)) / rate;
    return sound;
}

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT
private slots:
    void germanSpeech()
    {
        int rate = 0;
        QString problem;
        const QByteArray pcm = speech::synthesize({"Der Hund", "bellt"}, speech::kDefaultRate, &rate, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem)); // espeak-ng and espeak-ng-data are installed
        QVERIFY(rate >= 8000);
        const Sound sound = measure(pcm, rate);
        // Three words slowly with a pause: about one and a half seconds.
        QVERIFY2(sound.seconds > 0.8 && sound.seconds < 4, qPrintable(QString::number(sound.seconds)));
        QVERIFY2(sound.loudness > 0.02, qPrintable(QString::number(sound.loudness)));
        QVERIFY2(sound.longestSilence >= speech::kPauseMs / 1000.0, qPrintable(QString::number(sound.longestSilence)));
    }

    void slowerForChildren()
    {
        int rate = 0;
        const QStringList text{"Der Hund bellt laut im Garten"};
        const QByteArray slowSpeech = speech::synthesize(text, speech::kDefaultRate, &rate);
        const double slow = measure(slowSpeech, rate).seconds;
        const QByteArray normalSpeech = speech::synthesize(text, 175, &rate);
        const double normal = measure(normalSpeech, rate).seconds;
        QVERIFY2(slow > normal * 1.15, qPrintable(QStringLiteral("%1 s against %2 s").arg(slow).arg(normal)));
    }

    // The engine the program speaks with, from the module it loads at the
    // first V: stopped before it ever spoke, while it speaks and after, with
    // a loudspeaker or without one.
    void engineSaysAndStops()
    {
        speech::setModuleFile(QStringLiteral(REVAZE_SPEECH_MODULE));
        const std::unique_ptr<speech::Engine> engine = speech::loadEngine();
        engine->stop();
        engine->say({"Hund"});
        engine->say({"Katze"});
        engine->stop();
        engine->stop();
        QVERIFY(engine->problem().isEmpty() || engine->problem().contains("Lautsprecher"));
    }

    // One part, no pause, neither within nor before it; nothing to say, no sound.
    void partsAndPauses()
    {
        int rate = 0;
        const QByteArray word = speech::synthesize({"Hund"}, speech::kDefaultRate, &rate);
        const Sound one = measure(word, rate);
        QVERIFY2(one.longestSilence < speech::kPauseMs / 1000.0, qPrintable(QStringLiteral("%1 of %2 s").arg(one.longestSilence).arg(one.seconds)));
        QVERIFY2(one.start < speech::kPauseMs / 1000.0, qPrintable(QString::number(one.start)));
        QVERIFY(speech::synthesize({"", "  "}, speech::kDefaultRate, &rate).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
