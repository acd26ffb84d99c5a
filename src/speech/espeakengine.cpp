#include "speechengine.h"

#include <espeak-ng/speak_lib.h>

#include <QAudioSink>
#include <QBuffer>
#include <QLibrary>
#include <QMediaDevices>
#include <QMutex>

namespace speech {

namespace {

template <typename Function>
bool resolve(QLibrary &library, const char *name, Function *function)
{
    *function = reinterpret_cast<Function>(library.resolve(name));
    return *function != nullptr;
}

// libespeak-ng, opened at run time: a missing library is a message, not a
// program that does not start. espeak-ng keeps global state, hence one
// instance and a lock.
struct Espeak {
    decltype(&espeak_Initialize) initialize = nullptr;
    decltype(&espeak_SetSynthCallback) setSynthCallback = nullptr;
    decltype(&espeak_SetVoiceByName) setVoiceByName = nullptr;
    decltype(&espeak_SetParameter) setParameter = nullptr;
    decltype(&espeak_Synth) synth = nullptr;
    int sampleRate = 0;
    bool german = false;
    QString problem;
    QMutex lock;
    QByteArray *collecting = nullptr;

    static Espeak &instance()
    {
        static Espeak espeak;
        return espeak;
    }

private:
    Espeak()
    {
        QLibrary library(QStringLiteral("espeak-ng"), 1);
        if (!library.load()) {
            problem = QStringLiteral("Zum Vorlesen fehlt die Sprachausgabe espeak-ng (Debian-Paket libespeak-ng1).");
            return;
        }
        const bool complete = resolve(library, "espeak_Initialize", &initialize)
                              && resolve(library, "espeak_SetSynthCallback", &setSynthCallback)
                              && resolve(library, "espeak_SetVoiceByName", &setVoiceByName)
                              && resolve(library, "espeak_SetParameter", &setParameter)
                              && resolve(library, "espeak_Synth", &synth);
        if (!complete) {
            problem = QStringLiteral("Die Sprachausgabe espeak-ng ist zu alt oder beschädigt (Debian-Paket libespeak-ng1).");
            return;
        }
        sampleRate = initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (sampleRate <= 0) {
            problem = QStringLiteral("Die Sprachausgabe espeak-ng findet ihre Daten nicht (Debian-Paket espeak-ng-data).");
            return;
        }
        setSynthCallback([](short *samples, int count, espeak_EVENT *) {
            QByteArray *out = Espeak::instance().collecting;
            if (out && samples && count > 0)
                out->append(reinterpret_cast<const char *>(samples), qsizetype(count) * 2);
            return 0;
        });
        german = setVoiceByName("de") == EE_OK;
        if (!german)
            problem = QStringLiteral("Die deutsche Stimme fehlt (Debian-Paket espeak-ng-data).");
    }
};

class EspeakEngine : public Engine {
public:
    explicit EspeakEngine(int rate) : m_rate(rate) {}

    QString problem() override
    {
        int rate = 0;
        QString problem;
        synthesize({}, m_rate, &rate, &problem);
        if (!problem.isEmpty())
            return problem;
        if (QMediaDevices::defaultAudioOutput().isNull())
            return QStringLiteral("Zum Vorlesen wurde kein Lautsprecher gefunden (Debian-Paket pulseaudio oder pipewire-pulse).");
        return QString();
    }

    void say(const QStringList &parts) override
    {
        stop();
        int rate = 0;
        const QByteArray pcm = synthesize(parts, m_rate, &rate);
        if (pcm.isEmpty())
            return;
        QAudioFormat format;
        format.setSampleRate(rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_buffer.close();
        m_buffer.setData(pcm);
        m_buffer.open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
        m_sink->start(&m_buffer);
    }

    void stop() override
    {
        if (m_sink)
            m_sink->stop();
        m_sink.reset();
    }

private:
    int m_rate;
    QBuffer m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace

QByteArray synthesize(const QStringList &parts, int wordsPerMinute, int *sampleRate, QString *problem)
{
    Espeak &espeak = Espeak::instance();
    if (problem)
        *problem = espeak.problem;
    *sampleRate = espeak.sampleRate;
    if (!espeak.german)
        return QByteArray();
    const QMutexLocker locker(&espeak.lock);
    espeak.setParameter(espeakRATE, wordsPerMinute, 0);
    const QByteArray pause(qsizetype(espeak.sampleRate) * kPauseMs / 1000 * 2, '\0');
    QByteArray pcm;
    espeak.collecting = &pcm;
    bool first = true;
    for (const QString &part : parts) {
        const QByteArray text = part.trimmed().toUtf8();
        if (text.isEmpty())
            continue;
        if (!first)
            pcm += pause;
        first = false;
        espeak.synth(text.constData(), size_t(text.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    }
    espeak.collecting = nullptr;
    return pcm;
}

std::unique_ptr<Engine> makeEspeakEngine(int wordsPerMinute)
{
    return std::make_unique<EspeakEngine>(wordsPerMinute);
}

} // namespace speech
