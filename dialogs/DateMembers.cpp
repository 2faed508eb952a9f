#include "dialogs/DateMembers.h"

void SetDateFromMembers(CalendarDate& date, std::uint32_t year, std::uint32_t month, std::uint32_t day)
{
    date.setDateTime(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), 0, 0, 0);
}

void SetMembersFromDate(const CalendarDate& date, std::uint32_t& year, std::uint32_t& month, std::uint32_t& day)
{
    year = static_cast<std::uint32_t>(date.year());
    month = static_cast<std::uint32_t>(date.month());
    day = static_cast<std::uint32_t>(date.day());
}
