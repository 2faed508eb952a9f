// Helpers for the calendar tests: a date literal, a time-zone guard and a
// clock fixed at a UTC instant.
#pragma once

#include <chrono>
#include <ctime>
#include <string>

#include "calendar/CalendarDate.h"
#include "core/Clock.h"
#include "support/TempDir.h"

namespace calendar_test {

inline CalendarDate Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    CalendarDate date;
    date.setDateTime(year, month, day, hour, minute, second);
    return date;
}

// Sets TZ for as long as it lives, then restores it; tzset() after each change.
class TzGuard {
public:
    explicit TzGuard(const char* zone) : m_zone("TZ", std::string(zone)) { ::tzset(); }

private:
    struct Retzset {
        ~Retzset() { ::tzset(); }
    } m_retzset;   // destroyed after m_zone has put TZ back
    EnvGuard m_zone;
};

inline std::time_t UtcSeconds(std::chrono::sys_days day, std::chrono::seconds timeOfDay = {})
{
    return std::chrono::system_clock::to_time_t(day + timeOfDay);
}

// The clock reads `seconds`, in the zone `zone` (UTC by default).
class FixedClock {
public:
    explicit FixedClock(std::time_t seconds, const char* zone = "UTC0")
        : m_zone(zone), m_clock([this] { return m_seconds; }), m_seconds(seconds) {}
    void set(std::time_t seconds) { m_seconds = seconds; }

private:
    TzGuard m_zone;
    fw::ClockOverride m_clock;
    std::time_t m_seconds;
};

}  // namespace calendar_test
