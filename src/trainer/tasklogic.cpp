#include "tasklogic.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace trainer {

namespace {
QString signedNumber(std::int64_t n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}
} // namespace

QString counterText(std::int64_t current, std::int64_t count)
{
    return QStringLiteral(" Aufgabe") + signedNumber(current) + QStringLiteral(" /") + signedNumber(count);
}

std::int64_t wrapTask(std::int64_t current, std::int64_t count)
{
    if (current < 1)
        current = count;
    if (current > count)
        current = 1;
    return current;
}

void VisitedMask::reset(std::int64_t count)
{
    m_mask.assign(std::size_t(std::max<std::int64_t>(count, 0)), '0');
    m_open.resize(m_mask.size());
    for (std::size_t i = 0; i < m_open.size(); ++i)
        m_open[i] = std::int64_t(i) + 1;
}

std::int64_t VisitedMask::draw(double r)
{
    const auto open = std::int64_t(m_open.size());
    auto slot = std::int64_t(r * double(open));
    slot = std::clamp<std::int64_t>(slot, 0, open - 1);
    const std::int64_t task = m_open[std::size_t(slot)];
    // Swap the drawn task with the last open one and drop it.
    m_open[std::size_t(slot)] = m_open.back();
    m_open.pop_back();
    m_mask[std::size_t(task - 1)] = '1';
    return task;
}

QCollator choiceCollator()
{
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.compare(QStringLiteral("a"), QStringLiteral("b")); // opens the collation now, not at the first quiz
    return collator;
}

QStringList sortedChoices(QStringList choices, const QCollator &collator)
{
    std::stable_sort(choices.begin(), choices.end(),
                     [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return choices;
}

} // namespace trainer
