// The difference of two CalendarDate values.
// Every day count of the program is the wholeDays() of one.
#pragma once

#include <cstdint>

#include "calendar/CalendarDate.h"

class DateSpan {
public:
    DateSpan() = default;  // 0 days, invalid

    double days() const { return m_days; }  // signed, fraction allowed; 0.0 when invalid
    CalendarDate::Status status() const { return m_status; }

    // days() truncated toward zero: 181.0 -> 181, -3.0 -> -3, -0.5 -> 0.
    // Two serials differ by less than 3 652 426 days, so the result fits.
    std::int32_t wholeDays() const { return static_cast<std::int32_t>(m_days); }

private:
    friend DateSpan operator-(const CalendarDate& a, const CalendarDate& b);
    DateSpan(double days, CalendarDate::Status status) : m_days(days), m_status(status) {}

    double m_days = 0.0;
    CalendarDate::Status m_status = CalendarDate::Status::invalid;
};
