// The date rules that both date dialogs share, as plain functions: month
// lengths for the day spins, the lowering of a day that does not exist and
// the weekday names.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "core/Text.h"
#include "dialogs/DayFields.h"

namespace {

constexpr std::uint32_t kAllOnes = 4294967295u;   // -1 of an invalid date

struct SpinLength {
    std::uint32_t year, month, days;
};

void PrintTo(const SpinLength& c, std::ostream* os)
{
    *os << c.year << "/" << c.month;
}

class DaySpinLength : public ::testing::TestWithParam<SpinLength> {};

TEST_P(DaySpinLength, FollowsTheMonth)
{
    const SpinLength& c = GetParam();
    EXPECT_EQ(DaysForDaySpin(c.year, c.month), c.days) << c.year << "/" << c.month;
}

INSTANTIATE_TEST_SUITE_P(Months, DaySpinLength,
                         ::testing::Values(SpinLength{2000, 2, 29}, SpinLength{2001, 2, 28}, SpinLength{1900, 2, 28},
                                           SpinLength{2004, 2, 29}, SpinLength{2000, 4, 30}, SpinLength{2000, 6, 30},
                                           SpinLength{2000, 9, 30}, SpinLength{2000, 11, 30}, SpinLength{2000, 1, 31},
                                           SpinLength{2000, 12, 31}, SpinLength{2000, 13, 31}, SpinLength{2000, 0, 31},
                                           SpinLength{kAllOnes, 2, 28}, SpinLength{kAllOnes, kAllOnes, 31}));

struct Correction {
    std::uint32_t year, month, day;
    bool existed;
    std::uint32_t dayAfter;
};

void PrintTo(const Correction& c, std::ostream* os)
{
    *os << c.year << "/" << c.month << "/" << c.day;
}

class CorrectDayCase : public ::testing::TestWithParam<Correction> {};

TEST_P(CorrectDayCase, LowersToTheMonthsLastDayOrLeavesWhatNoDayMends)
{
    const Correction& c = GetParam();
    std::uint32_t day = c.day;
    EXPECT_EQ(CorrectDay(c.year, c.month, day), c.existed);
    EXPECT_EQ(day, c.dayAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CorrectDayCase,
    ::testing::Values(Correction{2001, 2, 15, true, 15}, Correction{2000, 4, 31, false, 30},
                      Correction{2001, 2, 31, false, 28}, Correction{2000, 2, 31, false, 29},
                      Correction{2000, 2, 30, false, 29}, Correction{1999, 6, 31, false, 30},
                      Correction{9999, 12, 31, true, 31}, Correction{100, 1, 1, true, 1},
                      // nothing a lower day can mend: left for the field checks
                      Correction{2000, 13, 31, true, 31}, Correction{2000, 0, 5, true, 5},
                      Correction{2000, 4, 0, true, 0}, Correction{2000, 4, 32, true, 32},
                      Correction{99, 12, 31, true, 31}, Correction{10000, 1, 1, true, 1},
                      Correction{kAllOnes, kAllOnes, kAllOnes, true, kAllOnes},
                      Correction{2000, 4, kAllOnes, true, kAllOnes}));

struct Weekday {
    std::uint32_t year, month, day;
    const char* text;
    std::uint32_t dayAfter;
};

void PrintTo(const Weekday& c, std::ostream* os)
{
    *os << c.year << "/" << c.month << "/" << c.day;
}

class WeekdayCase : public ::testing::TestWithParam<Weekday> {};

TEST_P(WeekdayCase, NamesTheDayAfterLoweringIt)
{
    const Weekday& c = GetParam();
    std::uint32_t day = c.day;
    EXPECT_EQ(fw::cp932::ToUtf8(WeekdayText(c.year, c.month, day)), c.text);
    EXPECT_EQ(day, c.dayAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, WeekdayCase,
    ::testing::Values(Weekday{2026, 1, 1, "木曜日", 1}, Weekday{2026, 12, 6, "日曜日", 6},
                      Weekday{2026, 12, 7, "月曜日", 7}, Weekday{2026, 12, 8, "火曜日", 8},
                      Weekday{2026, 12, 9, "水曜日", 9}, Weekday{2026, 12, 11, "金曜日", 11},
                      Weekday{2026, 12, 12, "土曜日", 12}, Weekday{2063, 4, 5, "木曜日", 5},
                      Weekday{2000, 2, 30, "火曜日", 29}, Weekday{2001, 2, 30, "水曜日", 28},
                      Weekday{2000, 13, 1, "なし", 1}, Weekday{99, 1, 1, "なし", 1},
                      Weekday{2000, 1, 0, "なし", 0}));

}  // namespace
