#pragma once
// Reading aloud: an engine speaks German text, a short pause between its
// parts. The window holds one; tests put their own in its place.

#include <QString>
#include <QStringList>

#include <memory>

namespace speech {

class Engine {
public:
    virtual ~Engine() = default;
    // Empty when speech works; otherwise, in German, what is missing and
    // which Debian package brings it.
    virtual QString problem() = 0;
    // Stops what is being spoken and speaks the parts, in German.
    virtual void say(const QStringList &parts) = 0;
    virtual void stop() = 0;
};

// Words a minute: slower than espeak-ng's 175, for children who learn to read.
inline constexpr int kDefaultRate = 130;
// The pause between parts ("@" line breaks, quiz choices), in milliseconds.
inline constexpr int kPauseMs = 450;

// espeak-ng's German voice, played through the system's sound. The library
// is loaded on first use, so the program runs where it is missing. Made in
// the speech module; the program reaches it through loadEngine().
std::unique_ptr<Engine> makeEspeakEngine(int wordsPerMinute = kDefaultRate);

// The speech as 16-bit mono samples, without playing it (empty when espeak-ng
// or its German voice is missing); `sampleRate` gets the rate.
QByteArray synthesize(const QStringList &parts, int wordsPerMinute, int *sampleRate, QString *problem = nullptr);

} // namespace speech
