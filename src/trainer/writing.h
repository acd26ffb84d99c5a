#pragma once
// Writing mode's rule: what a child typed, judged letter by letter against
// the task's answer.

#include <QList>
#include <QString>

namespace trainer {

// A text as writing compares it: an "@" line break counts as a space, runs
// of spaces (a no-break space too) count as one, spaces at either end do not
// count, and soft hyphens, which only mark syllables, are dropped.
QString writingForm(const QString &text);

struct LetterMark {
    enum Kind {
        Right,    // typed as in the answer
        Wrong,    // typed, but another letter stands there
        Missing,  // a letter of the answer that was not typed: a gap
        Extra,    // typed, but the answer has nothing there
    };
    Kind kind = Right;
    QChar typed;     // empty for a missing letter
    QChar expected;  // empty for an extra letter
};

struct WritingCheck {
    bool right = false;
    // The typed letters lined up against the answer's, so that one missing
    // or extra letter marks only itself and not every letter after it (none
    // for texts of thousands of letters).
    QList<LetterMark> marks;
    // Right but for capitals and small letters, as with German nouns.
    bool onlyCapitalsWrong = false;
};

// Judges `typed` against `answer` (stored form, "@" for line breaks). Letters
// must match exactly: capitals, umlauts, ß and punctuation.
WritingCheck judgeWriting(const QString &typed, const QString &answer);

} // namespace trainer
