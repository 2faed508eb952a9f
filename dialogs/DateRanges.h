// The ranges the date fields of the two dialogs keep their values in.
#pragma once

#include <algorithm>
#include <cstdint>

namespace date_ranges {

struct Range {
    std::uint32_t low;
    std::uint32_t high;
};

inline constexpr Range kDayCountYear{100, 9999};   // what the calendar can read
inline constexpr Range kSetupYear{1999, 2010};
inline constexpr Range kMonth{1, 12};
inline constexpr Range kDay{1, 31};

// A value left in a field is brought into its range when the field loses
// the focus; the comparison is unsigned, so -1 counts as too large.
inline std::uint32_t Clamp(std::uint32_t value, Range range)
{
    return std::clamp(value, range.low, range.high);
}

}  // namespace date_ranges
