// ScheduleFigures, with "today" set through the clock seam.
#include <chrono>
#include <cstdint>

#include <gtest/gtest.h>

#include "calendar/ScheduleFigures.h"
#include "calendar_support.h"

namespace {

using calendar_test::Date;
using calendar_test::FixedClock;
using calendar_test::UtcSeconds;
using namespace std::chrono_literals;
namespace chr = std::chrono;

const ScheduleDates kDefaults{Date(1999, 4, 19), Date(1999, 10, 17), Date(2000, 4, 16)};

// One repaint's computations on `day` at noon, with the progress range taken
// from the same dates.
ScheduleFigures FiguresOn(chr::sys_days day, const ScheduleDates& dates, int width)
{
    const FixedClock clock(UtcSeconds(day, 12h));
    ScheduleFigures figures;
    figures.refreshToday();
    figures.computeDaily(dates, ScheduleFigures::WholeDaysOf(dates));
    figures.computeGraph(dates, width);
    return figures;
}

struct Row {
    const char* name;
    chr::sys_days today;
    int width;
    std::int32_t daysLeft, daysToNextExam, elapsedDays, graphBar;
    bool drawn;
};

TEST(ScheduleFigures, DefaultScheduleAcrossItsEdges)
{
    const Row rows[] = {
        {"1 June 1999", 1999y / 6 / 1, 200, 138, 320, 43, 47, true},
        {"exam day", 1999y / 10 / 17, 200, 0, 182, 181, 195, true},
        {"day after the exam", 1999y / 10 / 18, 200, -1, 181, 182, 195, true},
        {"study-start day", 1999y / 4 / 19, 200, 181, 363, 0, 0, true},
        {"day before the study start, W 200", 1999y / 4 / 18, 200, 182, 364, -1, -1, false},
        {"day before the study start, W 140", 1999y / 4 / 18, 140, 182, 364, -1, 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ScheduleFigures f = FiguresOn(row.today, kDefaults, row.width);
        EXPECT_EQ(f.daysLeft, row.daysLeft);
        EXPECT_EQ(f.daysToNextExam, row.daysToNextExam);
        EXPECT_EQ(f.wholeDays, 181);
        EXPECT_EQ(f.elapsedDays, row.elapsedDays);
        EXPECT_TRUE(f.graphVisible);
        EXPECT_EQ(f.graphBar, row.graphBar);
        EXPECT_EQ(f.graphDrawn(), row.drawn);
    }
}

TEST(ScheduleFigures, ElapsedDaysUseTheWholeDaysOfTheLatestRange)
{
    const FixedClock clock(UtcSeconds(1999y / 6 / 1));
    ScheduleFigures f;
    f.refreshToday();
    f.computeDaily(kDefaults, 100);
    EXPECT_EQ(f.elapsedDays, 100 - 138);
    EXPECT_EQ(f.wholeDays, 181);
}

TEST(ScheduleFigures, StudyStartEqualToExamHasNoGraph)
{
    const ScheduleDates dates{Date(1999, 10, 17), Date(1999, 10, 17), Date(2000, 4, 16)};
    const ScheduleFigures f = FiguresOn(1999y / 6 / 1, dates, 200);
    EXPECT_EQ(f.wholeDays, 0);
    EXPECT_EQ(ScheduleFigures::ProgressRangeMax(ScheduleFigures::WholeDaysOf(dates)), 0);
    EXPECT_FALSE(f.graphVisible);
    EXPECT_FALSE(f.graphDrawn());
}

TEST(ScheduleFigures, ExamBeforeStudyStartHasNoGraph)
{
    const ScheduleDates dates{Date(1999, 4, 19), Date(1999, 3, 20), Date(2000, 4, 16)};
    const ScheduleFigures f = FiguresOn(1999y / 6 / 1, dates, 200);
    EXPECT_EQ(f.wholeDays, -30);
    EXPECT_EQ(ScheduleFigures::ProgressRangeMax(f.wholeDays), 65506);
    EXPECT_TRUE(f.graphVisible);
    EXPECT_EQ(f.graphBar, 195);  // after the exam: full, yet not drawn
    EXPECT_FALSE(f.graphDrawn());
}

TEST(ScheduleFigures, ProgressRangeMaxIsTheLow16BitsUnsigned)
{
    EXPECT_EQ(ScheduleFigures::ProgressRangeMax(181), 181);
    EXPECT_EQ(ScheduleFigures::ProgressRangeMax(65535), 65535);
    EXPECT_EQ(ScheduleFigures::ProgressRangeMax(65536), 0);
    EXPECT_EQ(ScheduleFigures::ProgressRangeMax(-1), 65535);
}

TEST(ScheduleFigures, InvalidNextExamGivesZero)
{
    const ScheduleDates dates{Date(1999, 4, 19), Date(1999, 10, 17), Date(2000, 2, 30)};
    EXPECT_EQ(FiguresOn(1999y / 6 / 1, dates, 200).daysToNextExam, 0);
}

TEST(ScheduleFigures, ClockFailureMakesTodayInvalid)
{
    const FixedClock clock(static_cast<std::time_t>(-1));
    ScheduleFigures f;
    f.refreshToday();
    f.computeDaily(kDefaults, 181);
    f.computeGraph(kDefaults, 200);
    EXPECT_EQ(f.today.status(), CalendarDate::Status::invalid);
    EXPECT_EQ(f.daysLeft, 0);
    EXPECT_EQ(f.daysToNextExam, 0);
    EXPECT_EQ(f.elapsedDays, 181);
    EXPECT_EQ(f.graphBar, 195);  // daysLeft 0 counts as the exam day
    EXPECT_FALSE(f.dayChanged());
}

// W * elapsed / total as 32-bit two's complement arithmetic gives it.
TEST(ScheduleFigures, GraphArithmeticWrapsAt32Bits)
{
    // 10000 * 693746 = 6937460000 wraps to -1652474592; / 3615899 is -457.
    const ScheduleDates wide{Date(100, 1, 1), Date(9999, 12, 31), Date(9999, 12, 31)};
    EXPECT_EQ(FiguresOn(1999y / 6 / 1, wide, 10000).graphBar, -457);
    // 65536 * -32768 = INT32_MIN; divided by a total of -1 it stays INT32_MIN.
    const ScheduleDates reversed{Date(2000, 1, 1), Date(1999, 12, 31), Date(2000, 1, 1)};
    const ScheduleFigures f = FiguresOn(chr::sys_days{2000y / 1 / 1} - chr::days{32768}, reversed, 65536);
    EXPECT_EQ(f.daysLeft, 32767);
    EXPECT_EQ(f.graphBar, INT32_MIN);
    EXPECT_FALSE(f.graphDrawn());
}

TEST(ScheduleFigures, DayChangesAtMidnight)
{
    FixedClock clock(UtcSeconds(1999y / 6 / 1, 23h + 59min + 59s));
    ScheduleFigures f;
    f.refreshToday();
    EXPECT_FALSE(f.dayChanged());
    clock.set(UtcSeconds(1999y / 6 / 2));
    EXPECT_TRUE(f.dayChanged());
    f.refreshToday();
    EXPECT_FALSE(f.dayChanged());
    f.computeDaily(kDefaults, 181);
    EXPECT_EQ(f.daysLeft, 137);
    EXPECT_EQ(f.elapsedDays, 44);
}

TEST(ScheduleFigures, SameDayOfTheNextMonthIsNotNoticed)
{
    FixedClock clock(UtcSeconds(2000y / 3 / 5));
    ScheduleFigures f;
    f.refreshToday();
    clock.set(UtcSeconds(2000y / 4 / 5));
    EXPECT_FALSE(f.dayChanged());
}

TEST(ScheduleFigures, RefreshTodayDropsTheTimeOfDay)
{
    const FixedClock clock(UtcSeconds(1999y / 6 / 1, 18h));
    ScheduleFigures f;
    f.refreshToday();
    EXPECT_EQ((f.today - Date(1999, 6, 1)).days(), 0.0);
}

}  // namespace
