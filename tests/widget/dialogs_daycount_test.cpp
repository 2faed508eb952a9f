// The day-count dialog as the user drives it: its opening on a known day,
// counts, clamps with their messages, the today buttons with Shift, the day
// spins and the count field that cannot be edited.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "dialogs/DayCountDlg.h"
#include "dialogs_support.h"

namespace {

using namespace dialogs_test;

constexpr int kFromFields[] = {res::IDC_FROM_YEAR, res::IDC_FROM_MONTH, res::IDC_FROM_DAY};
constexpr int kToFields[] = {res::IDC_TO_YEAR, res::IDC_TO_MONTH, res::IDC_TO_DAY};

class DayCountDialog : public ::testing::Test {
protected:
    DialogWorld world{UtcNoon(2026, 12, 6)};   // a Sunday
    MessageBoxes boxes;
    CDayCountDlg dialog;

    std::array<std::string, 3> Date(const int (&ids)[3]) const
    {
        return {Text(dialog, ids[0]), Text(dialog, ids[1]), Text(dialog, ids[2])};
    }
};

void EnterDate(CDayCountDlg& dialog, const int (&ids)[3], const std::array<std::string, 3>& values)
{
    for (std::size_t i = 0; i < 3; ++i)
        TypeAndLeave(dialog, ids[i], values[i]);
}

TEST_F(DayCountDialog, OpensWithTheCountFromNewYearToToday)
{
    std::array<std::string, 3> from, to;
    std::string fromWeekday, toWeekday, count;
    int focused = 0;
    RunWith<CDayCountDlg>(dialog, [&](CDayCountDlg& self) {
        from = Date(kFromFields);
        to = Date(kToFields);
        fromWeekday = Text(self, res::IDC_FROM_WEEKDAY);
        toWeekday = Text(self, res::IDC_TO_WEEKDAY);
        count = Text(self, res::IDC_DAY_COUNT);
        focused = FocusedId(self);
        self.EndDialog(2);
    });
    EXPECT_EQ(from, (std::array<std::string, 3>{"2026", "1", "1"}));
    EXPECT_EQ(fromWeekday, "木曜日");
    EXPECT_EQ(to, (std::array<std::string, 3>{"2026", "12", "6"}));
    EXPECT_EQ(toWeekday, "日曜日");
    EXPECT_EQ(count, "339");
    EXPECT_EQ(focused, res::IDC_FROM_YEAR);
    EXPECT_TRUE(boxes.texts.empty());
}

struct Count {
    std::array<std::string, 3> from, to;
    std::string count;
};

void PrintTo(const Count& c, std::ostream* os)
{
    *os << c.from[0] << "/" << c.from[1] << "/" << c.from[2] << " to " << c.to[0] << "/" << c.to[1] << "/" << c.to[2];
}

class DayCountCounts : public DayCountDialog, public ::testing::WithParamInterface<Count> {};

TEST_P(DayCountCounts, ComputeCountsFromTheFirstDateToTheSecond)
{
    const Count& c = GetParam();
    std::string count;
    RunWith<CDayCountDlg>(dialog, [&](CDayCountDlg& self) {
        EnterDate(self, kFromFields, c.from);
        EnterDate(self, kToFields, c.to);
        Click(self, res::IDC_COMPUTE);
        count = Text(self, res::IDC_DAY_COUNT);
        self.EndDialog(2);
    });
    EXPECT_EQ(count, c.count);
    EXPECT_TRUE(boxes.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(Pairs, DayCountCounts,
                         ::testing::Values(Count{{"2001", "1", "1"}, {"2001", "12", "31"}, "364"},
                                           Count{{"2001", "1", "1"}, {"2001", "1", "1"}, "0"},
                                           Count{{"2000", "1", "10"}, {"2000", "1", "1"}, "-9"},
                                           Count{{"100", "1", "1"}, {"9999", "12", "31"}, "3615899"}));

TEST_F(DayCountDialog, ComputeLowersADayThatDoesNotExist)
{
    std::string day, weekday, count;
    RunWith<CDayCountDlg>(dialog, [&](CDayCountDlg& self) {
        EnterDate(self, kFromFields, {"2000", "2", "30"});
        Click(self, res::IDC_COMPUTE);
        day = Text(self, res::IDC_FROM_DAY);
        weekday = Text(self, res::IDC_FROM_WEEKDAY);
        count = Text(self, res::IDC_DAY_COUNT);
        self.EndDialog(2);
    });
    EXPECT_EQ(day, "29");
    EXPECT_EQ(weekday, "火曜日");
    EXPECT_EQ(count, "9777");   // 29 February 2000 to 6 December 2026
    EXPECT_TRUE(boxes.texts.empty());
}

struct Clamp {
    int field;
    std::string typed;
    std::string message;
    std::string shown;
};

void PrintTo(const Clamp& c, std::ostream* os)
{
    *os << "field " << c.field << " typed \"" << c.typed << "\"";
}

class DayCountClamps : public DayCountDialog, public ::testing::WithParamInterface<Clamp> {};

TEST_P(DayCountClamps, LeavingAFieldReportsThenClamps)
{
    const Clamp& c = GetParam();
    std::string shown;
    std::vector<std::string> messages;
    RunWith<CDayCountDlg>(dialog, [&](CDayCountDlg& self) {
        TypeAndLeave(self, c.field, c.typed);
        shown = Text(self, c.field);
        messages = boxes.Take();
        self.EndDialog(2);
    });
    EXPECT_EQ(messages, std::vector<std::string>{c.message});
    EXPECT_EQ(shown, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DayCountClamps,
    ::testing::Values(Clamp{res::IDC_FROM_YEAR, "99", "100 から 9999 までの整数を入力してください。", "100"},
                      Clamp{res::IDC_TO_YEAR, "10000", "100 から 9999 までの整数を入力してください。", "9999"},
                      Clamp{res::IDC_FROM_MONTH, "0", "1 から 12 までの整数を入力してください。", "1"},
                      Clamp{res::IDC_TO_MONTH, "13", "1 から 12 までの整数を入力してください。", "12"},
                      Clamp{res::IDC_TO_DAY, "32", "1 から 31 までの整数を入力してください。", "31"},
                      Clamp{res::IDC_FROM_DAY, "-3", "正の整数を入力してください。", "1"},
                      Clamp{res::IDC_TO_MONTH, "x", "正の整数を入力してください。", "12"}));

TEST_F(DayCountDialog, ChangedDatesCountOnlyAfterCompute)
{
    std::string countBefore, weekdayBefore, countAfter, weekdayAfter;
    RunWith<CDayCountDlg>(dialog, [&](CDayCountDlg& self) {
        TypeAndLeave(self, res::IDC_FROM_YEAR, "2025");
        countBefore = Text(self, res::IDC_DAY_COUNT);
        weekdayBefore = Text(self, res::IDC_FROM_WEEKDAY);
        Click(self, res::IDC_COMPUTE);
        countAfter = Text(self, res::IDC_DAY_COUNT);
        weekdayAfter = Text(self, res::IDC_FROM_WEEKDAY);
        self.EndDialog(2);
    });
    EXPECT_EQ(countBefore, "339");
    EXPECT_EQ(weekdayBefore, "木曜日");
    EXPECT_EQ(countAfter, "704");
    EXPECT_EQ(weekdayAfter, "水曜日");
}

TEST_F(DayCountDialog, TypingIntoTheCountPutsTheCountBack)
{
    std::string count;
    RunWith<CDayCountDlg>(dialog, [&](CDayCountDlg& self) {
        Type(self, res::IDC_DAY_COUNT, "12");
        QTest::keyClick(Window(self), Qt::Key_Backspace);
        count = Text(self, res::IDC_DAY_COUNT);
        self.EndDialog(2);
    });
    EXPECT_EQ(count, "339");
    EXPECT_EQ(dialog.m_dayCount, 339);
}

TEST_F(DayCountDialog, ShiftSwitchesTheSecondTodayButtonToTheFarDate)
{
    std::vector<std::array<std::string, 4>> seen;
    auto record = [&](const int (&ids)[3], int weekdayId) {
        const auto date = Date(ids);
        seen.push_back({date[0], date[1], date[2], Text(dialog, weekdayId)});
    };
    RunWith<CDayCountDlg>(dialog, [&](CDayCountDlg& self) {
        EnterDate(self, kFromFields, {"2001", "5", "5"});
        QTest::keyClick(Window(self), Qt::Key_Shift);
        Click(self, res::IDC_TO_TODAY);
        record(kToFields, res::IDC_TO_WEEKDAY);
        Click(self, res::IDC_FROM_TODAY);   // the first button always sets today
        record(kFromFields, res::IDC_FROM_WEEKDAY);
        QTest::keyClick(Window(self), Qt::Key_Shift);
        Click(self, res::IDC_TO_TODAY);
        record(kToFields, res::IDC_TO_WEEKDAY);
        self.EndDialog(2);
    });
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], (std::array<std::string, 4>{"2063", "4", "5", "木曜日"}));
    EXPECT_EQ(seen[1], (std::array<std::string, 4>{"2026", "12", "6", "日曜日"}));
    EXPECT_EQ(seen[2], (std::array<std::string, 4>{"2026", "12", "6", "日曜日"}));
    EXPECT_EQ(dialog.m_dayCount, 339);   // the today buttons do not count
}

TEST_F(DayCountDialog, EveryRepeatOfAHeldShiftFlipsTheMode)
{
    std::vector<int> modes;
    RunWith<CDayCountDlg>(dialog, [&](CDayCountDlg& self) {
        for (bool repeat : {false, true, true}) {
            QTest::simulateEvent(Window(self), true, Qt::Key_Shift, Qt::ShiftModifier, QString(), repeat);
            modes.push_back(self.m_futureDateMode);
        }
        QTest::simulateEvent(Window(self), false, Qt::Key_Shift, Qt::NoModifier, QString(), false);
        modes.push_back(self.m_futureDateMode);   // letting go changes nothing
        self.EndDialog(2);
    });
    EXPECT_EQ(modes, (std::vector<int>{1, 0, 1, 1}));
}

struct SpinStep {
    std::array<std::string, 3> date;
    Qt::Key key;
    std::vector<std::string> days;   // after each step
};

void PrintTo(const SpinStep& c, std::ostream* os)
{
    *os << c.date[0] << "/" << c.date[1] << "/" << c.date[2] << (c.key == Qt::Key_Up ? " up" : " down");
}

class DayCountSpins : public DayCountDialog, public ::testing::WithParamInterface<SpinStep> {};

TEST_P(DayCountSpins, DaySpinWrapsWithinTheMonth)
{
    const SpinStep& c = GetParam();
    std::vector<std::string> days;
    RunWith<CDayCountDlg>(dialog, [&](CDayCountDlg& self) {
        EnterDate(self, kToFields, c.date);
        for (std::size_t i = 0; i < c.days.size(); ++i) {
            Step(self, res::IDC_TO_DAY, c.key);
            days.push_back(Text(self, res::IDC_TO_DAY));
        }
        self.EndDialog(2);
    });
    EXPECT_EQ(days, c.days);
}

INSTANTIATE_TEST_SUITE_P(Months, DayCountSpins,
                         ::testing::Values(SpinStep{{"2001", "2", "28"}, Qt::Key_Up, {"1"}},
                                           SpinStep{{"2000", "2", "28"}, Qt::Key_Up, {"29", "1"}},
                                           SpinStep{{"2000", "1", "31"}, Qt::Key_Down, {"30"}},
                                           SpinStep{{"2000", "4", "1"}, Qt::Key_Down, {"30"}},
                                           SpinStep{{"2000", "12", "31"}, Qt::Key_Up, {"1"}}));

class DayCountDialogPlacement : public DayCountDialog {
protected:
    // The dialog's and the main window's rectangles with the main window at `at`.
    void OpenOver(fw::CPoint at)
    {
        RunOverMainWindow(at, [&](fw::CDialog& main) {
            main.GetWindowRect(&mainRect);
            RunWith<CDayCountDlg>(dialog, [&](CDayCountDlg& self) {
                self.GetWindowRect(&box);
                self.EndDialog(2);
            });
        });
    }

    fw::CRect mainRect, box;
    const fw::CRect screen = fw::GetDesktopRect();
};

TEST_F(DayCountDialogPlacement, CentredBelowTheMainWindow)
{
    OpenOver({100, 100});
    EXPECT_EQ(box.top, mainRect.bottom);
    EXPECT_LE(std::abs((box.left + box.right) - (mainRect.left + mainRect.right)), 1);
}

TEST_F(DayCountDialogPlacement, AboveTheMainWindowNearTheBottom)
{
    OpenOver({100, screen.bottom - 218});
    EXPECT_EQ(box.bottom, mainRect.top);
}

TEST_F(DayCountDialogPlacement, AtTheLeftEdgeOfTheScreen)
{
    OpenOver({0, 100});
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, mainRect.bottom);
}

}  // namespace
