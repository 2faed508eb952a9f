// The dialogs hold a date as three unsigned members, year, month and day;
// the calendar holds it as one CalendarDate. These two functions are the
// only crossing between them. The members keep the bits of the calendar's
// ints, so the -1 of an invalid date's parts is 4294967295 and back.
#pragma once

#include <cstdint>

#include "calendar/CalendarDate.h"

// setDateTime(year, month, day, 0, 0, 0): a date that does not exist
// makes `date` invalid, as the calendar makes it.
void SetDateFromMembers(CalendarDate& date, std::uint32_t year, std::uint32_t month, std::uint32_t day);

// year(), month() and day() of `date`.
void SetMembersFromDate(const CalendarDate& date, std::uint32_t& year, std::uint32_t& month, std::uint32_t& day);
