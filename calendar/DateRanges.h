// The ranges that a date's year, month and day are kept in where they are
// typed or read. Bounds are unsigned, as the dialogs' members are, so the
// -1 of an invalid date counts as too large.
#pragma once

#include <cstdint>

namespace date_ranges {

// A closed range [low, high]; low is never above high.
struct Range {
    std::uint32_t low;
    std::uint32_t high;

    constexpr bool Contains(std::uint32_t value) const { return value >= low && value <= high; }

    // The nearest value inside the range. Written out rather than with
    // std::clamp, which is undefined should a bound ever be given wrongly.
    constexpr std::uint32_t Clamp(std::uint32_t value) const
    {
        if (value < low)
            return low;
        return value > high ? high : value;
    }
};

inline constexpr Range kReadableYears{100, 9999};   // what the calendar can read
inline constexpr Range kMonths{1, 12};
inline constexpr Range kDays{1, 31};

}  // namespace date_ranges
