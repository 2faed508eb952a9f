// The program's one date type: a date and time of day held as
// a serial day number, whole days since 30 December 1899 (day 0) and the time
// of day as the fraction, with a status. A date that does not exist is an
// invalid value, never an error. Subtracting two dates gives a DateSpan.
//
// It does not order or compare dates (the program compares only through
// differences and single fields), does not format them, and never exposes the
// serial of an invalid date.
#pragma once

#include <optional>

#include "calendar/CivilDays.h"

class DateSpan;

class CalendarDate {
public:
    enum class Status { valid, invalid };

    CalendarDate() = default;  // 30 December 1899 00:00:00, valid

    // The local date and time to the second (time zone and daylight saving
    // apply), read through fw::LocalNow(); invalid when that fails.
    static CalendarDate now();

    // Each argument is taken modulo 65536 (-1 becomes 65535). Valid for years
    // 0 to 9999, existing days and times up to 23:59:59; otherwise the status
    // becomes invalid and nothing else changes.
    void setDateTime(int year, int month, int day, int hour, int minute, int second);

    // Each is -1 when the date is invalid or lies outside 1 January 100
    // 00:00:00 ... 31 December 9999 00:00:00 (serials -657434 ... 2958465),
    // so years 0 to 99 are valid but unreadable.
    int year() const;
    int month() const;       // 1 = January
    int day() const;         // day of the month
    int dayOfWeek() const;   // 1 = Sunday ... 7 = Saturday

    Status status() const { return m_status; }

    // a - b in days, time of day included; 0 days and invalid when either
    // side is invalid.
    friend DateSpan operator-(const CalendarDate& a, const CalendarDate& b);

private:
    std::optional<civil::Fields> fields() const;  // nullopt when invalid or unreadable

    double m_serial = 0.0;  // negative days subtract the time of day: -1.25 is 29 Dec 1899 06:00
    Status m_status = Status::valid;
};

#include "calendar/DateSpan.h"  // so that a - b is usable with this header alone
