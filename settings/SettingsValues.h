// How the settings file's values are read and written, apart from the file:
// the lenient "%d %d %d" reading of dates and positions, the exact
// "TRUE"/"FALSE" switches, and the title's byte limit.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/CalendarDate.h"
#include "calendar/DateRanges.h"
#include "settings/ScheduleSettings.h"

namespace settings_values {

// Reads up to `N` decimal integers as "%d %d ..." does: white space before
// each, an optional sign, digits; reading stops at the first character that
// does not fit. Values beyond the 32-bit range are held at its ends.
// Yields the numbers only when all `N` were read: a date or position with
// numbers missing is ignored as a whole, as a year out of range is.
template <std::size_t N>
std::optional<std::array<std::int32_t, N>> ReadIntegers(std::string_view text);

// Year, month and day from a date value, when the value has all three and
// its year lies in `years`; the date itself may still not exist.
std::optional<CalendarDate> ReadDate(std::string_view value, date_ranges::Range years = kScheduleYears);

// The last year of the schedule from a LASTYEAR value: read as "%d", held
// at the calendar's last readable year; the default year where the value is
// missing, unreadable or before the first schedule year.
std::uint32_t ReadLastYear(std::string_view value);

// true for exactly "TRUE", false for exactly "FALSE", nothing otherwise.
std::optional<bool> ReadSwitch(std::string_view value);

// "%d %d %d" of year(), month() and day(); "-1 -1 -1" for an invalid date.
std::string FormatDate(const CalendarDate& date);

std::string_view FormatSwitch(bool on);

// The title cut to `limit` bytes on the last whole CP932 character, so that
// half a double-byte character never reaches the screen or the file.
std::string_view CutTitle(std::string_view title, std::size_t limit);

}  // namespace settings_values
