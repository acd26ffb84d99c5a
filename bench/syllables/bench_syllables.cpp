// Prints the share of words split into exactly the spoken syllables of a
// hand-written list (one hyphenated word a line, '#' starts a comment),
// with the patterns (when found) and by the rules alone, and lists the misses.
//   bench_syllables [LIST]   (default: heldout.txt next to this file)
#include "syllables/syllables.h"

#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace {

void measure(const char *name, const QStringList &words, QStringList (*split)(const QString &))
{
    QStringList misses;
    for (const QString &expected : words) {
        const QString got = split(QString(expected).remove('-')).join('-');
        if (got != expected)
            misses.append(expected + " as " + got);
    }
    std::printf("%s: %lld of %lld right (%.1f %%)\n", name, static_cast<long long>(words.size() - misses.size()),
                static_cast<long long>(words.size()), 100.0 * double(words.size() - misses.size()) / double(words.size()));
    for (const QString &miss : misses)
        std::printf("  %s\n", qPrintable(miss));
}

} // namespace

int main(int argc, char *argv[])
{
    QFile file(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(REVAZE_HELDOUT));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
        return 1;
    }
    QStringList words;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            words.append(line.trimmed());
    }
    if (words.isEmpty())
        return 1;
    QElapsedTimer timer;
    timer.start();
    const bool patterns = syllables::usesPatterns();
    std::printf("patterns %s in %.0f ms\n", patterns ? "loaded" : "missing", double(timer.nsecsElapsed()) / 1e6);
    timer.restart();
    measure("split()", words, syllables::split);
    std::printf("(%.1f µs a word)\n", double(timer.nsecsElapsed()) / 1e3 / double(words.size()));
    measure("splitByRules()", words, syllables::splitByRules);
    return patterns ? 0 : 1;
}
