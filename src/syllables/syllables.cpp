#include "syllables.h"

#include "hyphenpatterns.h"

#include <algorithm>

// How a word is split: the German hyphenation patterns know compounds and
// stems ("Feuer|wehr|auto", "Blei|stift") and where print may break. Spoken
// syllables then differ from print in a few ways that rules add on top:
// every vowel sound is a syllable of its own ("Ra|di|o", "Bau|er"), single
// letters stand apart ("O|fen"), and a part without a vowel is no syllable.
// Without the patterns the same rules split the whole word, which is right
// for simple words but cannot see the joints of compounds.

namespace syllables {

namespace {

constexpr QChar kSoftHyphen(0x00AD);

bool isVowel(QChar c)
{
    // Umlauts and accented vowels decompose into their base vowel.
    const QString decomposed = c.decomposition();
    const QChar base = decomposed.isEmpty() ? c.toLower() : decomposed.front().toLower();
    return QStringView(u"aeiouy").contains(base);
}

bool hasVowel(QStringView word)
{
    return std::any_of(word.begin(), word.end(), isVowel);
}

// Two vowel letters spoken as one vowel; any other two are spoken apart.
bool oneVowel(QChar a, QChar b)
{
    static constexpr const char16_t *kPairs[] = {u"ai", u"au", u"ay", u"ei", u"eu", u"ey", u"äu", u"ie",
                                                 u"aa", u"ee", u"oo", u"oi", u"oy"};
    const char16_t pair[] = {a.unicode(), b.unicode(), 0};
    return std::any_of(std::begin(kPairs), std::end(kPairs), [&](const char16_t *p) { return QStringView(p) == pair; });
}

// A letter and the combining marks after it (a "u" written with U+0308).
qsizetype withMarks(const QString &w, qsizetype i, qsizetype to)
{
    while (i < to && w.at(i).isMark())
        ++i;
    return i;
}

// The end of the vowel sound starting at i in the lowercase word w, or i
// when w[i] is no vowel; the sound ends at `to` at the latest.
qsizetype vowelEnd(const QString &w, qsizetype i, qsizetype to)
{
    if (!isVowel(w.at(i)))
        return i;
    const qsizetype next = withMarks(w, i + 1, to);
    if (next >= to || !oneVowel(w.at(i), w.at(next)))
        return next;
    // "ee" before n is the plural of a word on -ee or a joint: "Se|en", "I|de|en", "Quietsche|ente".
    if (w.at(i) == u'e' && w.at(next) == u'e' && next + 1 < to && w.at(next + 1) == u'n')
        return next;
    // "ie" at the end after i and one consonant is spoken i-e: "Fa|mi|li|e", "Li|ni|en".
    if (w.at(i) == u'i' && i >= 2 && w.at(i - 2) == u'i' && (next + 1 == to || (next + 2 == to && w.at(next + 1) == u'n')))
        return next;
    return withMarks(w, next + 1, to);
}

// The end of the consonant starting at i: "sch", "ch", "ck", "ph", "th" and
// "qu" are one sound and never split ("Zu|cker", "Ta|sche", "Al|pha|bet").
qsizetype consonantEnd(const QString &w, qsizetype i, qsizetype to)
{
    const QStringView rest = QStringView(w).mid(i, to - i);
    if (rest.startsWith(u"sch"))
        return i + 3;
    for (const char16_t *pair : {u"ch", u"ck", u"ph", u"th", u"qu"}) {
        if (rest.startsWith(pair))
            return i + 2;
    }
    return withMarks(w, i + 1, to);
}

// Adds the breaks of spoken syllables inside w[from, to): between two vowel
// sounds, one consonant goes to the second syllable ("O|fen", "se|hen"),
// of several only the last ("Kat|ze", "Fens|ter", "Fah|ne"), and with none
// the break falls between them ("Ra|di|o").
void addRuleBreaks(const QString &w, qsizetype from, qsizetype to, QList<qsizetype> *breaks)
{
    bool afterVowel = false;
    qsizetype lastConsonant = -1;
    for (qsizetype i = from; i < to;) {
        const qsizetype end = vowelEnd(w, i, to);
        if (end > i) {
            if (afterVowel)
                breaks->append(lastConsonant >= 0 ? lastConsonant : i);
            afterVowel = true;
            lastConsonant = -1;
            i = end;
        } else {
            lastConsonant = i;
            i = consonantEnd(w, i, to);
        }
    }
}

// The breaks of a word without soft hyphens, as positions where a syllable starts.
QList<qsizetype> breaksOf(const QString &word, bool patterns)
{
    QString w = word;
    for (QChar &c : w)
        c = c.toLower(); // letter by letter, so that positions stay ("İ" would become two)
    QList<qsizetype> parts; // the starts of the parts the patterns give, each with a vowel
    const std::optional<QList<qsizetype>> found = patterns ? patternBreaks(w) : std::nullopt;
    if (found) {
        // A part without a vowel joins the part after it ("s|äu"), the last one the part before ("hun|d").
        qsizetype start = 0;
        for (const qsizetype b : *found) {
            if (hasVowel(QStringView(w).mid(start, b - start)) && hasVowel(QStringView(w).mid(b))) {
                parts.append(start);
                start = b;
            }
        }
        parts.append(start);
    } else {
        parts.append(0);
    }
    parts.append(w.size());
    QList<qsizetype> breaks;
    for (qsizetype k = 0; k + 1 < parts.size(); ++k) {
        if (k > 0)
            breaks.append(parts.at(k));
        addRuleBreaks(w, parts.at(k), parts.at(k + 1), &breaks);
    }
    return breaks;
}

// The syllables of one word as spans, soft hyphens already taken out: those
// given by hand when there are any, else by the rules.
QList<Syllable> syllablesOf(const QString &word, const QList<qsizetype> &softBreaks, bool patterns)
{
    if (!hasVowel(word))
        return {};
    const QList<qsizetype> breaks = softBreaks.isEmpty() ? breaksOf(word, patterns) : softBreaks;
    QList<Syllable> syllables;
    qsizetype start = 0;
    for (qsizetype k = 0; k <= breaks.size(); ++k) {
        const qsizetype end = k < breaks.size() ? breaks.at(k) : word.size();
        if (end > start) // soft hyphens side by side or at the edges
            syllables.append({start, end - start, int(syllables.size()), 1});
        start = end;
    }
    for (Syllable &s : syllables)
        s.ofWord = int(syllables.size());
    return syllables;
}

SyllableText analyseWith(const QString &text, bool patterns)
{
    SyllableText result;
    result.shown.reserve(text.size());
    QString word;
    QList<qsizetype> softBreaks;
    const auto endWord = [&] {
        for (Syllable s : syllablesOf(word, softBreaks, patterns)) {
            s.start += result.shown.size() - word.size();
            result.syllables.append(s);
        }
        word.clear();
        softBreaks.clear();
    };
    for (const QChar c : text) {
        if (c == kSoftHyphen) {
            softBreaks.append(word.size());
            continue;
        }
        if (c.isLetter() || (c.isMark() && !word.isEmpty())) {
            word.append(c);
        } else {
            endWord();
        }
        result.shown.append(c);
    }
    endWord();
    return result;
}

QStringList splitWith(const QString &word, bool patterns)
{
    const SyllableText text = analyseWith(word, patterns);
    if (text.syllables.isEmpty())
        return text.shown.isEmpty() ? QStringList() : QStringList{text.shown};
    QStringList parts;
    for (const Syllable &s : text.syllables)
        parts.append(text.shown.mid(s.start, s.length));
    return parts;
}

} // namespace

QStringList split(const QString &word)
{
    return splitWith(word, true);
}

QStringList splitByRules(const QString &word)
{
    return splitWith(word, false);
}

SyllableText analyse(const QString &text)
{
    return analyseWith(text, true);
}

} // namespace syllables
