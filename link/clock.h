#pragma once
// Time as the link, the simulated device and the logs see it. Production code
// uses SystemClock; tests use ManualClock, whose sleeps advance time at once,
// so a time-out of a second costs a test nothing.
#include <chrono>

namespace kav {

struct LocalTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const LocalTime&) const = default;
};

class Clock {
public:
    using duration = std::chrono::steady_clock::duration;
    using time_point = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual time_point now() const = 0;
    // Waits (system clock) or advances the time (manual clock).
    virtual void sleepFor(duration d) = 0;
    // Local calendar date and time, read once: date and time belong together.
    virtual LocalTime localTime() const = 0;
};

class SystemClock final : public Clock {
public:
    time_point now() const override;
    void sleepFor(duration d) override;
    LocalTime localTime() const override;
    // One process-wide instance for callers that inject nothing.
    static SystemClock& instance();
};

class ManualClock final : public Clock {
public:
    time_point now() const override { return now_; }
    void sleepFor(duration d) override { advance(d); }
    LocalTime localTime() const override;
    void advance(duration d) {
        now_ += d;
        elapsedSinceLocal_ += d;
    }
    void setLocalTime(const LocalTime& t) {
        local_ = t;
        elapsedSinceLocal_ = {};
    }

private:
    time_point now_{};
    LocalTime local_{};
    duration elapsedSinceLocal_{};
};

} // namespace kav
