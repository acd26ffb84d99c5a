#include "loader.h"

#include "app/settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace speech {

namespace {

// Stands in for the engine when its module is missing: it says so and is silent.
class MissingEngine : public Engine {
public:
    explicit MissingEngine(QString problem) : m_problem(std::move(problem)) {}
    QString problem() override { return m_problem; }
    void say(const QStringList &) override {}
    void stop() override {}

private:
    QString m_problem;
};

QString &moduleFile()
{
    static QString file;
    return file;
}

// Installed beside the program's own libraries; in a build, beside the program.
QStringList moduleCandidates()
{
    if (!moduleFile().isEmpty())
        return {moduleFile()};
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + QStringLiteral("/../lib/revaze/revaze-speech.so"), dir + QStringLiteral("/revaze-speech.so")};
}

} // namespace

int configuredRate()
{
    return qBound(80, app::programSettings().value(QStringLiteral("Vorlesen/WoerterProMinute"), kDefaultRate).toInt(), 450);
}

void setModuleFile(const QString &file)
{
    moduleFile() = file;
}

std::unique_ptr<Engine> loadEngine()
{
    using Make = Engine *(*)(int wordsPerMinute);
    for (const QString &file : moduleCandidates()) {
        if (!QFileInfo::exists(file))
            continue;
        // Never unloaded: the engine's code must stay while the engine lives.
        QLibrary module(file);
        if (const auto make = reinterpret_cast<Make>(module.resolve("revaze_make_speech_engine")))
            return std::unique_ptr<Engine>(make(configuredRate()));
        // There, but it cannot be loaded: a library it needs is missing, say.
        return std::make_unique<MissingEngine>(QStringLiteral("Die Sprachausgabe von Revaze kann nicht geladen werden: ")
                                               + module.errorString());
    }
    return std::make_unique<MissingEngine>(
        QStringLiteral("Die Sprachausgabe von Revaze (revaze-speech.so) fehlt; bitte Revaze neu installieren."));
}

} // namespace speech
