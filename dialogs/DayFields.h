// Date rules that both date-editing dialogs share: how far a day spin goes,
// how a day that does not exist is lowered, and the weekday beside a date.
// Members arrive as the unsigned numbers the fields hold, so any value can
// turn up here, also 4294967295 from an invalid date.
#pragma once

#include <cstdint>

#include "core/Text.h"

// Whether the calendar makes a readable date of these members.
bool DateExists(std::uint32_t year, std::uint32_t month, std::uint32_t day);

// The last day a day spin offers: 29 or 28 for February by the year, 30 for
// April, June, September and November, 31 for anything else (a month
// outside 1 to 12 included, so the spin never blocks a field still to be
// checked).
std::uint32_t DaysForDaySpin(std::uint32_t year, std::uint32_t month);

// True when the date exists as it is. Otherwise lowers the day until it
// does (31 April -> 30 April) and returns false. A date that no lower day
// can mend -- day 0, a day past 31, a month outside 1 to 12, a year the
// calendar cannot read -- is left unchanged and counts as needing no
// correction: such a member is out of its field's range, and the field
// check reports it.
bool CorrectDay(std::uint32_t year, std::uint32_t month, std::uint32_t& day);

// The weekday name of the date, after lowering its day as CorrectDay does;
// "なし" for a date that cannot exist (its day is then left unchanged).
fw::ByteString WeekdayText(std::uint32_t year, std::uint32_t month, std::uint32_t& day);
