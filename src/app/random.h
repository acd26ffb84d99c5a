#pragma once
// The program's random numbers: uniform in [0, 1), seeded from the time of
// day. Tests replace the source to make draws predictable.

#include <memory>
#include <random>

namespace app {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Seeds from the seconds since midnight, with their fraction.
    virtual void reseedFromTime() = 0;
    // A number r with 0 <= r < 1.
    virtual double next() = 0;
};

class TimeSeededRandom : public RandomSource {
public:
    TimeSeededRandom() { seedFromTime(); }
    void reseedFromTime() override { seedFromTime(); }
    double next() override;

private:
    void seedFromTime();

    std::mt19937_64 m_engine;
};

// Seconds since local midnight with their fraction.
double secondsSinceMidnight();

} // namespace app
