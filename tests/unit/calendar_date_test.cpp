// CalendarDate and DateSpan.
#include <chrono>
#include <ostream>

#include <gtest/gtest.h>

#include "calendar/CalendarDate.h"
#include "calendar_support.h"

namespace {

using calendar_test::Date;
using calendar_test::FixedClock;
using calendar_test::UtcSeconds;
using Status = CalendarDate::Status;
using namespace std::chrono_literals;
namespace chr = std::chrono;

struct Readback {
    Status status;
    int year, month, day, dayOfWeek;
    friend bool operator==(const Readback&, const Readback&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Readback& r)
    {
        return out << (r.status == Status::valid ? "valid " : "invalid ") << r.year << '-'
                   << r.month << '-' << r.day << " weekday " << r.dayOfWeek;
    }
};

Readback Read(const CalendarDate& date)
{
    return {date.status(), date.year(), date.month(), date.day(), date.dayOfWeek()};
}

constexpr Readback kUnreadable{Status::valid, -1, -1, -1, -1};
constexpr Readback kInvalid{Status::invalid, -1, -1, -1, -1};

// Every readable day against std::chrono: the fields read back, the weekday,
// and the difference from 30 December 1899 (the serial).
TEST(CalendarDateExhaustive, EveryDayFrom100To9999AgreesWithChrono)
{
    const chr::sys_days epoch = 1899y / chr::December / 30;
    const CalendarDate epochDate;
    for (chr::sys_days d = 100y / chr::January / 1; d <= 9999y / chr::December / 31; d += chr::days{1}) {
        const chr::year_month_day ymd{d};
        const Readback expected{Status::valid, int(ymd.year()), int(unsigned(ymd.month())),
                                int(unsigned(ymd.day())), int(chr::weekday{d}.c_encoding()) + 1};
        const CalendarDate date = Date(expected.year, expected.month, expected.day);
        ASSERT_EQ(Read(date), expected);
        ASSERT_EQ((date - epochDate).days(), double((d - epoch).count())) << expected;
    }
}

struct SetRow {
    const char* name;
    int year, month, day, hour, minute, second;
    Readback expected;
};

const SetRow kSetRows[] = {
    {"leap day of 2000", 2000, 2, 29, 0, 0, 0, {Status::valid, 2000, 2, 29, 3}},
    {"29 February 1999", 1999, 2, 29, 0, 0, 0, kInvalid},
    {"29 February 1900", 1900, 2, 29, 0, 0, 0, kInvalid},
    {"31 April", 1999, 4, 31, 0, 0, 0, kInvalid},
    {"day 0", 1999, 4, 0, 0, 0, 0, kInvalid},
    {"month 0", 1999, 0, 1, 0, 0, 0, kInvalid},
    {"month 13", 1999, 13, 1, 0, 0, 0, kInvalid},
    {"hour 24", 1999, 4, 19, 24, 0, 0, kInvalid},
    {"minute 60", 1999, 4, 19, 0, 60, 0, kInvalid},
    {"second 60", 1999, 4, 19, 0, 0, 60, kInvalid},
    {"year 10000", 10000, 1, 1, 0, 0, 0, kInvalid},
    {"year -1 is 65535", -1, 1, 1, 0, 0, 0, kInvalid},
    {"hour -1 is 65535", 1999, 4, 19, -1, 0, 0, kInvalid},
    {"year 65536 + 1999 is 1999", 65536 + 1999, 4, 19, 0, 0, 0, {Status::valid, 1999, 4, 19, 2}},
    {"month 65537 is 1", 2000, 65537, 1, 0, 0, 0, {Status::valid, 2000, 1, 1, 7}},
    {"day 65536 + 31 is 31", 2000, 1, 65536 + 31, 0, 0, 0, {Status::valid, 2000, 1, 31, 2}},
    {"times modulo 65536", 2000, 1, 1, 65536 + 23, 65536 + 59, -65536 + 59, {Status::valid, 2000, 1, 1, 7}},
    {"19 April 1999 is a Monday", 1999, 4, 19, 0, 0, 0, {Status::valid, 1999, 4, 19, 2}},
    {"30 December 1899 is a Saturday", 1899, 12, 30, 0, 0, 0, {Status::valid, 1899, 12, 30, 7}},
    {"23:59:59 stays on its day", 1999, 4, 19, 23, 59, 59, {Status::valid, 1999, 4, 19, 2}},
    {"negative serial at 06:00", 1899, 12, 29, 6, 0, 0, {Status::valid, 1899, 12, 29, 6}},
    {"negative serial at 23:59:59", 1899, 12, 29, 23, 59, 59, {Status::valid, 1899, 12, 29, 6}},
    {"1 January 100, first readable", 100, 1, 1, 0, 0, 0, {Status::valid, 100, 1, 1, 6}},
    {"1 January 100 00:00:01, below", 100, 1, 1, 0, 0, 1, kUnreadable},
    {"31 December 99", 99, 12, 31, 0, 0, 0, kUnreadable},
    {"year 50", 50, 6, 15, 0, 0, 0, kUnreadable},
    {"29 February 0, a leap year", 0, 2, 29, 0, 0, 0, kUnreadable},
    {"31 December 9999, last readable", 9999, 12, 31, 0, 0, 0, {Status::valid, 9999, 12, 31, 6}},
    {"31 December 9999 00:00:01, above", 9999, 12, 31, 0, 0, 1, kUnreadable},
};

TEST(CalendarDate, SetDateTimeValidatesAndReadsBack)
{
    for (const SetRow& row : kSetRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Read(Date(row.year, row.month, row.day, row.hour, row.minute, row.second)), row.expected);
    }
}

TEST(CalendarDate, DefaultIs30December1899)
{
    EXPECT_EQ(Read(CalendarDate{}), (Readback{Status::valid, 1899, 12, 30, 7}));
}

struct DifferenceRow {
    const char* name;
    CalendarDate a, b;
    double days;
    std::int32_t wholeDays;
};

TEST(CalendarDate, Difference)
{
    const CalendarDate epoch;
    const DifferenceRow rows[] = {
        {"schedule", Date(1999, 10, 17), Date(1999, 4, 19), 181.0, 181},
        {"schedule reversed", Date(1999, 4, 19), Date(1999, 10, 17), -181.0, -181},
        {"31 December 1899 is day 1", Date(1899, 12, 31), epoch, 1.0, 1},
        {"1 January 1900 is day 2", Date(1900, 1, 1), epoch, 2.0, 2},
        {"19 April 1999 is day 36269", Date(1999, 4, 19), epoch, 36269.0, 36269},
        {"1 January 2000 is day 36526", Date(2000, 1, 1), epoch, 36526.0, 36526},
        {"27 December 1899 is day -3", Date(1899, 12, 27), epoch, -3.0, -3},
        {"time of a positive serial", Date(1899, 12, 31, 6, 0, 0), epoch, 1.25, 1},
        {"negative serial runs forward", Date(1899, 12, 29, 6, 0, 0), epoch, -0.75, 0},
        {"half a day truncates to 0", Date(1899, 12, 29, 12, 0, 0), epoch, -0.5, 0},
        {"across day 0", Date(1899, 12, 30, 12, 0, 0), Date(1899, 12, 29, 6, 0, 0), 1.25, 1},
        {"1 January of year 0", Date(0, 1, 1), epoch, -693959.0, -693959},
        {"year 0 is a leap year", Date(0, 3, 1), Date(0, 2, 28), 2.0, 2},
        {"whole range", Date(9999, 12, 31), Date(0, 1, 1), 3652424.0, 3652424},
    };
    for (const DifferenceRow& row : rows) {
        SCOPED_TRACE(row.name);
        const DateSpan span = row.a - row.b;
        EXPECT_EQ(span.status(), Status::valid);
        EXPECT_EQ(span.days(), row.days);
        EXPECT_EQ(span.wholeDays(), row.wholeDays);
    }
}

TEST(CalendarDate, DifferenceWithAnInvalidSideIsZero)
{
    const CalendarDate valid = Date(1999, 4, 19);
    const CalendarDate invalid = Date(1999, 2, 29);
    for (const DateSpan& span : {valid - invalid, invalid - valid, invalid - invalid}) {
        EXPECT_EQ(span.status(), Status::invalid);
        EXPECT_EQ(span.days(), 0.0);
        EXPECT_EQ(span.wholeDays(), 0);
    }
}

TEST(CalendarDate, FailedSetLeavesInvalidUntilAValidDateIsAssigned)
{
    CalendarDate date = Date(2000, 4, 1);
    date.setDateTime(1999, 2, 29, 0, 0, 0);
    EXPECT_EQ(Read(date), kInvalid);
    date = Date(2000, 4, 1);
    EXPECT_EQ(Read(date), (Readback{Status::valid, 2000, 4, 1, 7}));
    date.setDateTime(2000, 13, 1, 0, 0, 0);
    date.setDateTime(2000, 4, 2, 0, 0, 0);
    EXPECT_EQ(Read(date), (Readback{Status::valid, 2000, 4, 2, 1}));
}

TEST(CalendarDate, NowIsTheLocalTimeToTheSecond)
{
    const FixedClock clock(UtcSeconds(1999y / 6 / 1, 10h + 30min + 15s), "JST-9");
    const CalendarDate now = CalendarDate::now();
    EXPECT_EQ(Read(now), (Readback{Status::valid, 1999, 6, 1, 3}));
    const double halfSecond = 0.5 / 86400;
    EXPECT_NEAR((now - Date(1999, 6, 1)).days(), (19 * 3600 + 30 * 60 + 15) / 86400.0, halfSecond);
}

TEST(CalendarDate, NowAppliesDaylightSaving)
{
    // 22:30 UTC is 00:30 the next day in central European summer time.
    const FixedClock clock(UtcSeconds(1999y / 6 / 1, 22h + 30min), "CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(Read(CalendarDate::now()), (Readback{Status::valid, 1999, 6, 2, 4}));
}

TEST(CalendarDate, TwoNowsOnOneDayDifferByLessThanADay)
{
    FixedClock clock(UtcSeconds(1999y / 6 / 1));
    const CalendarDate first = CalendarDate::now();
    clock.set(UtcSeconds(1999y / 6 / 1, 23h + 59min + 59s));
    const CalendarDate second = CalendarDate::now();
    EXPECT_GT((second - first).days(), 0.0);
    EXPECT_LT((second - first).days(), 1.0);
    EXPECT_EQ(second.day(), first.day());
}

TEST(CalendarDate, NowIsInvalidWhenTheClockFails)
{
    const FixedClock clock(static_cast<std::time_t>(-1));
    EXPECT_EQ(Read(CalendarDate::now()), kInvalid);
}

}  // namespace
