// Closed-form conversions between calendar fields and day numbers, the
// arithmetic the settings and dialogs rely on, step by step.
// The calendar is the proleptic Gregorian calendar with a year 0. No
// validation, no time of day, no floating point: CalendarDate does those.
#pragma once

#include <cstdint>

namespace civil {

// Days of a common year before each month: T[m - 1] before month m,
// T[m] up to its end.
inline constexpr int kDaysBefore[13]{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

// Day number of 30 December 1899 counted from 1 January of year 0 (= 0).
inline constexpr std::int32_t kEpochOffset = 693959;

constexpr bool IsLeap(int year) noexcept  // year in [0, 65535]
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr int MonthLength(int year, int month) noexcept  // month in [1, 12]
{
    const bool leapFebruary = month == 2 && IsLeap(year);
    return kDaysBefore[month] - kDaysBefore[month - 1] + (leapFebruary ? 1 : 0);  // [28, 31]
}

// Days from 30 December 1899 (day 0). Preconditions: year in [0, 9999],
// month in [1, 12], day in [1, MonthLength(year, month)].
constexpr std::int32_t DaysFromEpoch(int year, int month, int day) noexcept
{
    const bool beforeLeapDay = IsLeap(year) && month <= 2;
    const std::int32_t fromYear0 = year * 365 + year / 4 - year / 100 + year / 400  // [0, 3652059]
                                 + kDaysBefore[month - 1] + day
                                 - (beforeLeapDay ? 1 : 0);  // [0, 3652424]: 1 Jan 0 is 0
    return fromYear0 - kEpochOffset;  // [-693959, 2958465]
}

struct Fields {
    int year, month, day;
    int dayOfWeek;  // 1 = Sunday ... 7 = Saturday
    friend constexpr bool operator==(const Fields&, const Fields&) = default;
};

// Calendar fields of the day N days after 1 January of year 0.
// Precondition: n in [1, 3652424] (the readable range is
// [36525, 3652424], 1 January 100 to 31 December 9999). Every division
// truncates toward zero, as C++ does: (r - 1) / 36524 and (d - 1) / 365 are 0
// for r = 0 and d = 0, which the leap-year steps rely on.
constexpr Fields FieldsOfDay(std::int32_t n) noexcept
{
    const int dayOfWeek = (n - 1) % 7 + 1;                  // [1, 7]; 1 Jan 0 was a Saturday
    const std::int32_t y400 = n / 146097;                   // [0, 24]
    std::int32_t r = n % 146097;                            // [0, 146096]
    const std::int32_t k = (r - 1) / 36524;                 // [0, 3]: first century is a day longer
    std::int32_t f = 0, d = 0;                              // 4-year block, day in it
    bool leapInBlock = true;
    if (k != 0) {
        r = (r - 1) % 36524;                                // [0, 36523]
        f = (r + 1) / 1461;                                 // [0, 24]
        leapInBlock = f != 0;                               // block 0 starts with a common century year
        d = leapInBlock ? (r + 1) % 1461 : r;               // [0, 1460]
    } else {
        f = r / 1461;                                       // [0, 24]
        d = r % 1461;                                       // [0, 1460]
    }
    std::int32_t y1 = 0;                                    // [0, 3]
    if (leapInBlock) {
        y1 = (d - 1) / 365;                                 // first year has 366 days
        if (y1 != 0)
            d = (d - 1) % 365;
    } else {
        y1 = d / 365;
        d = d % 365;
    }                                                       // d: [0, 365], day of the year
    const int year = static_cast<int>(400 * y400 + 100 * k + 4 * f + y1);
    if (y1 == 0 && leapInBlock) {
        if (d == 59)
            return {year, 2, 29, dayOfWeek};
        if (d >= 60)
            --d;                                            // [0, 364]
    }
    ++d;                                                    // [1, 365], day of a common year
    int month = d / 32 + 1;                                 // [1, 12], never past the answer
    while (d > kDaysBefore[month])
        ++month;
    return {year, month, static_cast<int>(d) - kDaysBefore[month - 1], dayOfWeek};
}

// Known day numbers, and both ends of the readable range.
static_assert(DaysFromEpoch(1899, 12, 30) == 0);
static_assert(DaysFromEpoch(1899, 12, 31) == 1);
static_assert(DaysFromEpoch(1900, 1, 1) == 2);
static_assert(DaysFromEpoch(1999, 4, 19) == 36269);
static_assert(DaysFromEpoch(2000, 1, 1) == 36526);
static_assert(DaysFromEpoch(100, 1, 1) == -657434);
static_assert(DaysFromEpoch(9999, 12, 31) == 2958465);
static_assert(DaysFromEpoch(0, 1, 1) == -kEpochOffset);
static_assert(FieldsOfDay(kEpochOffset) == Fields{1899, 12, 30, 7});
static_assert(FieldsOfDay(kEpochOffset + 36269) == Fields{1999, 4, 19, 2});
static_assert(FieldsOfDay(kEpochOffset + 36526) == Fields{2000, 1, 1, 7});
static_assert(FieldsOfDay(kEpochOffset - 657434) == Fields{100, 1, 1, 6});
static_assert(FieldsOfDay(kEpochOffset + 2958465) == Fields{9999, 12, 31, 6});
static_assert(FieldsOfDay(kEpochOffset + DaysFromEpoch(2000, 2, 29)) == Fields{2000, 2, 29, 3});
static_assert(FieldsOfDay(kEpochOffset + DaysFromEpoch(1900, 3, 1)) == Fields{1900, 3, 1, 5});
static_assert(!IsLeap(1900) && IsLeap(2000) && IsLeap(0) && !IsLeap(1999));

}  // namespace civil
