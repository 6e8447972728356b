#include "clock.h"

#include <ctime>
#include <thread>

namespace kav {

Clock::time_point SystemClock::now() const { return std::chrono::steady_clock::now(); }

void SystemClock::sleepFor(duration d) {
    if (d <= duration::zero())
        return;
    // A sleeper wakes late (timer slack, scheduling), which adds up over the
    // many short waits of a simulated line: sleep short of the end and watch
    // the clock for the rest.
    constexpr auto kWatched = std::chrono::microseconds(200);
    const time_point end = now() + d;
    if (d > kWatched)
        std::this_thread::sleep_for(d - kWatched);
    while (now() < end) {
    }
}

LocalTime SystemClock::localTime() const {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

SystemClock& SystemClock::instance() {
    static SystemClock clock;
    return clock;
}

namespace {
// Civil-date arithmetic without the C library's time zones, so a test's
// manual time never shifts by a daylight-saving hour.
long long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<long long>(era) * 146097 + doe - 719468;
}

void civilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = static_cast<int>(z - era * 146097);
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp + (mp < 10 ? 3 : -9);
    y = static_cast<int>(yoe + era * 400) + (m <= 2);
}
} // namespace

LocalTime ManualClock::localTime() const {
    long long secs = daysFromCivil(local_.year, local_.month, local_.day) * 86400LL + local_.hour * 3600LL +
                     local_.minute * 60LL + local_.second +
                     std::chrono::duration_cast<std::chrono::seconds>(elapsedSinceLocal_).count();
    long long days = secs >= 0 ? secs / 86400 : (secs - 86399) / 86400;
    long long rest = secs - days * 86400;
    LocalTime t;
    civilFromDays(days, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

} // namespace kav
