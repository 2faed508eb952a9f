#include "calendar/CalendarDate.h"

#include <cmath>
#include <cstdint>

#include "core/Clock.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kHalfSecond = 1.0 / 172800.0;  // in days
constexpr double kFirstReadable = -657434.0;    // 1 January 100, 00:00:00
constexpr double kLastReadable = 2958465.0;     // 31 December 9999, 00:00:00
static_assert(civil::DaysFromEpoch(100, 1, 1) == kFirstReadable);
static_assert(civil::DaysFromEpoch(9999, 12, 31) == kLastReadable);

// Arguments already reduced to [0, 65535].
bool Exists(int year, int month, int day, int hour, int minute, int second)
{
    return year <= 9999 && month >= 1 && month <= 12 && day >= 1
        && day <= civil::MonthLength(year, month) && hour <= 23 && minute <= 59 && second <= 59;
}

// A negative serial holds its time of day subtracted (-1.25 is day -1 at
// 06:00); turned around here so that time runs forward: -1.25 -> -0.75.
double Continuous(double serial)
{
    return serial >= 0.0 ? serial : 2.0 * std::ceil(serial) - serial;
}

}  // namespace

CalendarDate CalendarDate::now()
{
    CalendarDate date;
    if (const auto local = fw::LocalNow())
        date.setDateTime(local->year, local->month, local->day, local->hour, local->minute, local->second);
    else
        date.m_status = Status::invalid;
    return date;
}

void CalendarDate::setDateTime(int year, int month, int day, int hour, int minute, int second)
{
    // Each argument as an unsigned 16-bit number (well defined: modulo 65536).
    const int y = static_cast<std::uint16_t>(year), mo = static_cast<std::uint16_t>(month);
    const int d = static_cast<std::uint16_t>(day), h = static_cast<std::uint16_t>(hour);
    const int mi = static_cast<std::uint16_t>(minute), s = static_cast<std::uint16_t>(second);
    if (!Exists(y, mo, d, h, mi, s)) {
        m_status = Status::invalid;  // the serial keeps its previous value
        return;
    }
    const std::int32_t days = civil::DaysFromEpoch(y, mo, d);   // [-693959, 2958465]
    const double fraction = (h * 3600 + mi * 60 + s) / kSecondsPerDay;  // [0, 86399/86400]
    m_serial = days >= 0 ? days + fraction : days - fraction;
    m_status = Status::valid;
}

std::optional<civil::Fields> CalendarDate::fields() const
{
    if (m_status != Status::valid || m_serial > kLastReadable || m_serial < kFirstReadable)
        return std::nullopt;
    // Half a second away from zero, so that truncation gives the nearest second.
    const double adjusted = m_serial > 0.0 ? m_serial + kHalfSecond : m_serial - kHalfSecond;
    const auto n = static_cast<std::int32_t>(adjusted) + civil::kEpochOffset;  // [36525, 3652424]
    return civil::FieldsOfDay(n);
}

int CalendarDate::year() const
{
    const auto f = fields();
    return f ? f->year : -1;
}

int CalendarDate::month() const
{
    const auto f = fields();
    return f ? f->month : -1;
}

int CalendarDate::day() const
{
    const auto f = fields();
    return f ? f->day : -1;
}

int CalendarDate::dayOfWeek() const
{
    const auto f = fields();
    return f ? f->dayOfWeek : -1;
}

DateSpan operator-(const CalendarDate& a, const CalendarDate& b)
{
    using Status = CalendarDate::Status;
    if (a.m_status != Status::valid || b.m_status != Status::valid)
        return DateSpan(0.0, Status::invalid);
    return DateSpan(Continuous(a.m_serial) - Continuous(b.m_serial), Status::valid);
}
