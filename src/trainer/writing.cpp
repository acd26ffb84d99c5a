#include "writing.h"

#include <algorithm>
#include <vector>

namespace trainer {

QString writingForm(const QString &text)
{
    QString result;
    result.reserve(text.size());
    bool space = false;
    // An umlaut typed as u and a combining mark is the same letter as ü.
    for (const QChar c : text.normalized(QString::NormalizationForm_C)) {
        if (c == QChar(0x00AD))
            continue;
        if (c == QChar('@') || c.isSpace()) {
            space = !result.isEmpty();
            continue;
        }
        if (space)
            result += QChar(' ');
        space = false;
        result += c;
    }
    return result;
}

namespace {

// Costs of the alignment, in halves: a letter of the other case costs less
// than another letter, so that "dashaus" lines up its h with the H.
constexpr int kOtherCase = 1, kOtherLetter = 2, kGap = 2;
constexpr qsizetype kMostCells = 1 << 22;

int cost(QChar typed, QChar expected)
{
    if (typed == expected)
        return 0;
    return typed.toLower() == expected.toLower() ? kOtherCase : kOtherLetter;
}

} // namespace

WritingCheck judgeWriting(const QString &typed, const QString &answer)
{
    const QString a = writingForm(typed), b = writingForm(answer);
    WritingCheck check;
    check.right = a == b;
    check.onlyCapitalsWrong = !check.right && a.toLower() == b.toLower();
    // Far beyond any answer a child writes: not lined up, so memory stays small.
    if ((a.size() + 1) * (b.size() + 1) > kMostCells)
        return check;
    // Edit distance between the typed and the expected letters, then the way
    // back through it gives each typed letter its place.
    const qsizetype n = a.size(), m = b.size();
    std::vector<int> d(std::size_t((n + 1) * (m + 1)));
    const auto at = [&](qsizetype i, qsizetype j) -> int & { return d[std::size_t(i * (m + 1) + j)]; };
    for (qsizetype i = 0; i <= n; ++i)
        at(i, 0) = int(i) * kGap;
    for (qsizetype j = 0; j <= m; ++j)
        at(0, j) = int(j) * kGap;
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j)
            at(i, j) = std::min({at(i - 1, j - 1) + cost(a[i - 1], b[j - 1]), at(i - 1, j) + kGap, at(i, j - 1) + kGap});
    }
    // Of equally good ways, letters that match come first, then a gap, and
    // a letter for another last: "Aepfel" is a wrong A and an extra e.
    qsizetype i = n, j = m;
    while (i > 0 || j > 0) {
        const bool diagonal = i > 0 && j > 0 && at(i, j) == at(i - 1, j - 1) + cost(a[i - 1], b[j - 1]);
        if (diagonal && a[i - 1] == b[j - 1]) {
            check.marks.append({LetterMark::Right, a[i - 1], b[j - 1]});
            --i;
            --j;
        } else if (j > 0 && at(i, j) == at(i, j - 1) + kGap) {
            check.marks.append({LetterMark::Missing, QChar(), b[j - 1]});
            --j;
        } else if (i > 0 && at(i, j) == at(i - 1, j) + kGap) {
            check.marks.append({LetterMark::Extra, a[i - 1], QChar()});
            --i;
        } else if (diagonal) {
            check.marks.append({LetterMark::Wrong, a[i - 1], b[j - 1]});
            --i;
            --j;
        } else {
            break; // every cell is reached one of these ways
        }
    }
    std::reverse(check.marks.begin(), check.marks.end());
    return check;
}

} // namespace trainer
