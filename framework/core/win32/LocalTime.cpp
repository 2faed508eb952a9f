#include <windows.h>

#include "core/Clock_p.h"

namespace fw::detail {

namespace {

// The Gregorian calendar repeats itself, weekdays included, every 400 years.
constexpr std::time_t kFourHundredYears = 146097LL * 86400;
constexpr int kMaxShifts = 30;   // back to the year 1970 - 12000

}  // namespace

// The system's localtime knows no time before 1970; such a time is taken
// 400 years (or a multiple) later and the years given back.
std::optional<LocalTime> LocalTimeOf(std::time_t seconds)
{
    int shifts = 0;
    for (; seconds < 0 && shifts < kMaxShifts; ++shifts)
        seconds += kFourHundredYears;
    std::tm broken{};
    if (localtime_s(&broken, &seconds) != 0)
        return std::nullopt;
    return LocalTime{broken.tm_year + 1900 - 400 * shifts, broken.tm_mon + 1, broken.tm_mday,
                     broken.tm_hour, broken.tm_min, broken.tm_sec};
}

std::optional<LocalTime> SystemLocalNow()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace fw::detail
