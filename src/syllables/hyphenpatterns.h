#pragma once
// Debian's German hyphenation patterns, read with libhyphen. Both are
// opened at run time on first use, so the program starts without paying
// for them and works without them.

#include <QList>
#include <QString>

#include <optional>

namespace syllables {

// Where the patterns allow a break in a lowercase word, as the positions of
// each later part's first letter, even next to a single letter ("o|fen").
// Nothing when the patterns are missing or the word cannot be written in
// their character set.
std::optional<QList<qsizetype>> patternBreaks(const QString &lowerWord);

// usesPatterns() and patternsReady(), declared in syllables.h, live here too.

} // namespace syllables
