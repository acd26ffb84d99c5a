#include "random.h"

#include <QTime>

#include <cstring>

namespace app {

double secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void TimeSeededRandom::seedFromTime()
{
    const double seconds = secondsSinceMidnight();
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof seconds);
    std::memcpy(&bits, &seconds, sizeof bits);
    m_engine.seed(bits);
}

double TimeSeededRandom::next()
{
    // 53 random bits make every double in [0, 1) on the grid equally likely.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

} // namespace app
