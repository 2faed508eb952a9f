// The system clock behind one seam. The program reads the time only through
// LocalNow(); unit tests replace the source of seconds with a ClockOverride.
#pragma once

#include <ctime>
#include <functional>
#include <optional>

namespace fw {

struct LocalTime {
    int year, month, day, hour, minute, second;
};

// Now, broken down in the local time zone (daylight saving applies);
// nullopt when the system cannot give the local time.
std::optional<LocalTime> LocalNow();

// Replaces the clock's seconds-since-the-epoch for as long as it lives.
class ClockOverride {
public:
    explicit ClockOverride(std::function<std::time_t()> source);
    ~ClockOverride();
    ClockOverride(const ClockOverride&) = delete;
    ClockOverride& operator=(const ClockOverride&) = delete;
private:
    std::function<std::time_t()> m_previous;
};

}  // namespace fw
