#include "random.h"

#include <chrono>
#include <cstring>
#include <ctime>

namespace app {

double secondsSinceMidnight()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const double fraction = double(duration_cast<microseconds>(now.time_since_epoch()).count() % 1000000) / 1e6;
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
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
