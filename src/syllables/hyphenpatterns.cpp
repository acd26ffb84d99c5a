#include "hyphenpatterns.h"
#include "syllables.h"

#include <hyphen.h>

#include <QByteArray>
#include <QFile>
#include <QLibrary>

#include <atomic>
#include <cstdlib>

namespace syllables {

namespace {

std::atomic<bool> g_ready{false};

template <typename Function>
bool resolve(QLibrary &library, const char *name, Function *function)
{
    *function = reinterpret_cast<Function>(library.resolve(name));
    return *function != nullptr;
}

// The library and the patterns, loaded once on first use and kept for the
// program's life. Hyphenating only reads the patterns, so any thread may.
struct Patterns {
    decltype(&hnj_hyphen_hyphenate3) hyphenate = nullptr;
    HyphenDict *dict = nullptr;

    static const Patterns &instance()
    {
        static const Patterns patterns;
        g_ready = true;
        return patterns;
    }

private:
    Patterns()
    {
        QLibrary library(QStringLiteral("hyphen"), 0);
        decltype(&hnj_hyphen_load) load = nullptr;
        if (!library.load() || !resolve(library, "hnj_hyphen_load", &load)
            || !resolve(library, "hnj_hyphen_hyphenate3", &hyphenate))
            return;
        // hyph_de_DE.dic says ISO8859-1 on its first line; libhyphen reads
        // that into dict->utf8, which decides how words are handed over.
        for (const char *path : {"/usr/share/hyphen/hyph_de_DE.dic", "/usr/share/hyphen/hyph_de.dic"}) {
            if (QFile::exists(QString::fromLatin1(path)) && (dict = load(path)) != nullptr)
                return;
        }
    }
};

} // namespace

bool patternsReady()
{
    return g_ready;
}

bool usesPatterns()
{
    const Patterns &patterns = Patterns::instance();
    return patterns.hyphenate && patterns.dict;
}

std::optional<QList<qsizetype>> patternBreaks(const QString &lowerWord)
{
    const Patterns &patterns = Patterns::instance();
    if (!patterns.hyphenate || !patterns.dict)
        return std::nullopt;
    // A letter outside Latin-1 becomes '?', which no pattern matches.
    const QByteArray bytes = patterns.dict->utf8 ? lowerWord.toUtf8() : lowerWord.toLatin1();
    // libhyphen 2.8 keeps words in buffers of MAX_CHARS; longer ones (no
    // German word comes near) are left to the rules.
    if (bytes.size() + 5 > MAX_CHARS)
        return std::nullopt;
    const int size = int(bytes.size());
    // libhyphen writes a few bytes past the word; for UTF-8 patterns it
    // turns the result into one entry per character. It also needs the
    // word's terminating zero, which QByteArray keeps.
    QByteArray hyphens(size + 5, '\0');
    char **rep = nullptr;
    int *pos = nullptr, *cut = nullptr;
    // Minimums of 1 let single letters stand apart, as in speech ("A|mei|se").
    patterns.hyphenate(patterns.dict, bytes.constData(), size, hyphens.data(), nullptr, &rep, &pos, &cut, 1, 1, 1, 1);
    QList<qsizetype> breaks;
    for (qsizetype k = 0; k + 1 < lowerWord.size() && k < size; ++k) {
        if (hyphens.at(k) & 1) // odd: a break after letter k
            breaks.append(k + 1);
    }
    // Patterns that change the spelling at a break ("Schiff|fahrt" in the
    // old spelling) come with these; Debian's German ones have none.
    if (rep) {
        for (int k = 0; k < size; ++k)
            std::free(rep[k]);
    }
    std::free(rep);
    std::free(pos);
    std::free(cut);
    return breaks;
}

} // namespace syllables
