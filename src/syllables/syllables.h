#pragma once
// Spoken syllables of German words, as children clap them in school:
// "O-fen", "Ra-di-o", "Feu-er-wehr-au-to", "Zu-cker", "Fens-ter".
// A soft hyphen (U+00AD) inside a word marks its syllables by hand and
// overrides the rules for that word.

#include <QList>
#include <QString>
#include <QStringList>

namespace syllables {

// The syllables of one word: "Feuerwehrauto" -> {"Feu", "er", "wehr", "au", "to"}.
// Soft hyphens split the word where they stand and are dropped. A word
// without a vowel (an abbreviation) or of one letter stays whole. Meant for
// letters only: anything else is dropped ("Hund," -> {"Hund"}); use analyse().
QStringList split(const QString &word);

// Where a text's syllables lie once its soft hyphens are removed.
struct Syllable {
    qsizetype start = 0;  // in SyllableText::shown
    qsizetype length = 0;
    int index = 0;  // 0, 1, 2 ... within its word
    int ofWord = 1; // how many syllables that word has
};
struct SyllableText {
    QString shown;              // the text without its soft hyphens
    QList<Syllable> syllables;  // in text order
};

// Words are runs of letters; anything else (digits, hyphens, punctuation,
// line breaks) stays as it is between them. Every syllable of every word
// is listed, a one-syllable word too; words without a vowel give none.
SyllableText analyse(const QString &text);

// Whether Debian's German hyphenation patterns (hyphen-de, libhyphen0) were
// found. The first call of any function here loads them, which takes libhyphen
// about a second; calling this once from a worker thread spares a window that wait.
bool usesPatterns();
// Without waiting: whether the patterns are loaded or known to be missing.
// A window calls usesPatterns() from a worker thread and, until then, shows
// its text without syllables.
bool patternsReady();
// split() by the built-in rules alone, as when the patterns are missing.
QStringList splitByRules(const QString &word);

} // namespace syllables
