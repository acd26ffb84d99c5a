#pragma once
// The trainer's rules, free of any window: the task counter, the wrap of the
// task number, the random draw without repetition and the quiz choices.

#include <QCollator>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

namespace trainer {

// " Aufgabe 3 / 10": each number with a blank in front where a sign would stand.
QString counterText(std::int64_t current, std::int64_t count);

// The wrap of ShowTask: below 1 becomes the last task, then above the last becomes 1.
std::int64_t wrapTask(std::int64_t current, std::int64_t count);

// Which tasks the random button has drawn since the last reset: a string of
// "0" and "1", one character per task. Each draw is uniform over the tasks
// not yet drawn and costs the same however long the list is.
class VisitedMask {
public:
    void reset(std::int64_t count);
    bool allDrawn() const { return m_open.empty(); }
    // Marks and returns the task (1-based) that r (0 <= r < 1) picks among
    // those not yet drawn. Needs at least one undrawn task.
    std::int64_t draw(double r);
    const std::string &text() const { return m_mask; }

private:
    std::string m_mask;
    std::vector<std::int64_t> m_open; // undrawn tasks, in any order
};

// German collation without regard to letter case. Building one costs far
// more than sorting four texts, so the trainer keeps one.
QCollator choiceCollator();

// The four quiz choices in display order.
QStringList sortedChoices(QStringList choices, const QCollator &collator);

} // namespace trainer
