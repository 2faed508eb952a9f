#include "dialogs/DayFields.h"

#include <array>

#include "calendar/CalendarDate.h"
#include "dialogs/DateMembers.h"

namespace {

constexpr std::uint32_t kLongestMonth = 31;

CalendarDate MakeDate(std::uint32_t year, std::uint32_t month, std::uint32_t day)
{
    CalendarDate date;
    SetDateFromMembers(date, year, month, day);
    return date;
}

// Whether some lowering of the day can reach a date that exists.
bool LowerDayCanMend(std::uint32_t year, std::uint32_t month, std::uint32_t day)
{
    return day >= 1 && day <= kLongestMonth && DateExists(year, month, 1);
}

}  // namespace

bool DateExists(std::uint32_t year, std::uint32_t month, std::uint32_t day)
{
    return MakeDate(year, month, day).dayOfWeek() != -1;
}

std::uint32_t DaysForDaySpin(std::uint32_t year, std::uint32_t month)
{
    switch (month) {
    case 2:
        return DateExists(year, 2, 29) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return kLongestMonth;
    }
}

bool CorrectDay(std::uint32_t year, std::uint32_t month, std::uint32_t& day)
{
    if (DateExists(year, month, day) || !LowerDayCanMend(year, month, day))
        return true;
    while (!DateExists(year, month, day))
        --day;
    return false;
}

fw::ByteString WeekdayText(std::uint32_t year, std::uint32_t month, std::uint32_t& day)
{
    static const std::array<fw::ByteString, 8> names = {
        fw::cp932::FromUtf8("日曜日"), fw::cp932::FromUtf8("月曜日"), fw::cp932::FromUtf8("火曜日"),
        fw::cp932::FromUtf8("水曜日"), fw::cp932::FromUtf8("木曜日"), fw::cp932::FromUtf8("金曜日"),
        fw::cp932::FromUtf8("土曜日"), fw::cp932::FromUtf8("なし"),
    };
    CorrectDay(year, month, day);
    const int weekday = MakeDate(year, month, day).dayOfWeek();   // 1 = Sunday, -1 = none
    return weekday >= 1 ? names[static_cast<std::size_t>(weekday - 1)] : names[7];
}
