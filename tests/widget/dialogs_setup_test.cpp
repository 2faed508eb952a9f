// The setup dialog as the user drives it: clamps with their messages, the
// title's limit, read-only dates with pinned spins, the day spins, the date
// correction on OK (one date per OK, and a day confirmed with Enter), and
// where it opens.
#include <gtest/gtest.h>

#include <QLineEdit>

#include <array>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "dialogs/SetupDlg.h"
#include "dialogs_support.h"

namespace {

using namespace dialogs_test;

using Ymd = std::array<std::uint32_t, 3>;

const std::string kCorrected = "実在しない日付が指定されています。\n訂正します。";

class SetupDialog : public ::testing::Test {
protected:
    DialogWorld world{UtcNoon(2000, 6, 1)};
    MessageBoxes boxes;
    CSetupDlg dialog;

    // What the countdown window hands over before running the dialog.
    void Hand(Ymd exam, Ymd next, Ymd start, bool showGraph = true, bool showNextExam = true)
    {
        dialog.m_examYear = exam[0];
        dialog.m_examMonth = exam[1];
        dialog.m_examDay = exam[2];
        dialog.m_nextYear = next[0];
        dialog.m_nextMonth = next[1];
        dialog.m_nextDay = next[2];
        dialog.m_startYear = start[0];
        dialog.m_startMonth = start[1];
        dialog.m_startDay = start[2];
        dialog.m_title = fw::cp932::FromUtf8("試験");
        dialog.m_showGraph = showGraph ? 1 : 0;
        dialog.m_showNextExam = showNextExam ? 1 : 0;
    }

    void SetUp() override { Hand({2000, 10, 15}, {2001, 4, 15}, {2000, 4, 1}); }
};

bool ReadOnly(const CSetupDlg& dialog, int id)
{
    auto* edit = qobject_cast<QLineEdit*>(Control(dialog, id));
    return edit && edit->isReadOnly();
}

struct Leave {
    int field;
    std::string typed;
    std::vector<std::string> messages;
    std::string shown;
};

void PrintTo(const Leave& c, std::ostream* os)
{
    *os << "field " << c.field << " typed \"" << c.typed << "\"";
}

class SetupLeave : public SetupDialog, public ::testing::WithParamInterface<Leave> {};

TEST_P(SetupLeave, LeavingANumberFieldReportsThenClamps)
{
    const Leave& c = GetParam();
    std::string shown;
    int focused = 0;
    std::vector<std::string> messages;
    RunWith<CSetupDlg>(dialog, [&](CSetupDlg& self) {
        TypeAndLeave(self, c.field, c.typed);
        shown = Text(self, c.field);
        focused = FocusedId(self);
        messages = boxes.Take();
        self.EndDialog(2);
    });
    EXPECT_EQ(messages, c.messages);
    EXPECT_EQ(shown, c.shown);
    if (!c.messages.empty()) {
        EXPECT_EQ(focused, c.field) << "the refused field keeps the focus";
    }
}

const std::string kYears = "1999 から 2010 までの整数を入力してください。";
const std::string kDays = "1 から 31 までの整数を入力してください。";
const std::string kMonths = "1 から 12 までの整数を入力してください。";
const std::string kPositive = "正の整数を入力してください。";

INSTANTIATE_TEST_SUITE_P(Fields, SetupLeave,
                         ::testing::Values(Leave{res::IDC_EXAM_YEAR, "2011", {kYears}, "2010"},
                                           Leave{res::IDC_NEXT_YEAR, "1998", {kYears}, "1999"},
                                           Leave{res::IDC_EXAM_DAY, "0", {kDays}, "1"},
                                           Leave{res::IDC_START_DAY, "0", {kDays}, "1"},
                                           Leave{res::IDC_START_MONTH, "13", {kMonths}, "12"},
                                           Leave{res::IDC_EXAM_MONTH, "ab", {kPositive}, "10"},
                                           Leave{res::IDC_NEXT_MONTH, "-3", {kPositive}, "4"},
                                           Leave{res::IDC_START_MONTH, "", {kPositive}, "4"},
                                           Leave{res::IDC_EXAM_MONTH, " 7 ", {}, "7"},
                                           Leave{res::IDC_EXAM_MONTH, "+7", {}, "7"}));

// A later last year (LASTYEAR) moves every year field's bound and message.
TEST_F(SetupDialog, YearFieldsFollowTheHandedYears)
{
    dialog.m_years = {1999, 2040};
    std::vector<std::string> shown, messages;
    RunWith<CSetupDlg>(dialog, [&](CSetupDlg& self) {
        TypeAndLeave(self, res::IDC_EXAM_YEAR, "2027");
        shown.push_back(Text(self, res::IDC_EXAM_YEAR));
        TypeAndLeave(self, res::IDC_START_YEAR, "2041");
        shown.push_back(Text(self, res::IDC_START_YEAR));
        messages = boxes.Take();
        self.EndDialog(1);
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"2027", "2040"}));
    EXPECT_EQ(messages, std::vector<std::string>{"1999 から 2040 までの整数を入力してください。"});
}

TEST_F(SetupDialog, TitleTakesAtMost34Bytes)
{
    std::string single, doubled;
    RunWith<CSetupDlg>(dialog, [&](CSetupDlg& self) {
        TypeAndLeave(self, res::IDC_EXAM_TITLE, std::string(40, 'a'));
        single = Text(self, res::IDC_EXAM_TITLE);
        std::string kana;
        for (int i = 0; i < 18; ++i)
            kana += "あ";
        TypeAndLeave(self, res::IDC_EXAM_TITLE, kana);
        doubled = Text(self, res::IDC_EXAM_TITLE);
        self.EndDialog(1);
    });
    EXPECT_EQ(single, std::string(34, 'a'));
    std::string seventeen;
    for (int i = 0; i < 17; ++i)
        seventeen += "あ";
    EXPECT_EQ(doubled, seventeen);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(SetupDialog, OptionOffMakesItsDateReadOnlyWithPinnedSpins)
{
    Hand({2000, 10, 15}, {2001, 4, 15}, {2000, 4, 1}, false, false);
    std::vector<bool> readOnlyAtOpening, readOnlyAfterChecking;
    std::string pinnedDay, pinnedYear, steppedDay;
    RunWith<CSetupDlg>(dialog, [&](CSetupDlg& self) {
        for (int id : {res::IDC_NEXT_YEAR, res::IDC_NEXT_MONTH, res::IDC_NEXT_DAY, res::IDC_START_YEAR,
                       res::IDC_START_MONTH, res::IDC_START_DAY})
            readOnlyAtOpening.push_back(ReadOnly(self, id));
        Step(self, res::IDC_NEXT_DAY, Qt::Key_Up);
        pinnedDay = Text(self, res::IDC_NEXT_DAY);
        Step(self, res::IDC_START_YEAR, Qt::Key_Down);
        pinnedYear = Text(self, res::IDC_START_YEAR);
        Click(self, res::IDC_SHOW_NEXT_EXAM);
        for (int id : {res::IDC_NEXT_YEAR, res::IDC_NEXT_MONTH, res::IDC_NEXT_DAY, res::IDC_START_YEAR})
            readOnlyAfterChecking.push_back(ReadOnly(self, id));
        Step(self, res::IDC_NEXT_DAY, Qt::Key_Up);
        steppedDay = Text(self, res::IDC_NEXT_DAY);
        self.EndDialog(2);
    });
    EXPECT_EQ(readOnlyAtOpening, std::vector<bool>(6, true));
    EXPECT_EQ(pinnedDay, "15");
    EXPECT_EQ(pinnedYear, "2000");
    EXPECT_EQ(readOnlyAfterChecking, (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(steppedDay, "16");
    EXPECT_EQ(dialog.m_showNextExam, 1);
    EXPECT_EQ(dialog.m_showGraph, 0);
}

TEST_F(SetupDialog, UncheckingAnOptionPinsItsDateAgain)
{
    std::string month;
    bool readOnly = false;
    RunWith<CSetupDlg>(dialog, [&](CSetupDlg& self) {
        Click(self, res::IDC_SHOW_GRAPH);
        readOnly = ReadOnly(self, res::IDC_START_MONTH);
        Step(self, res::IDC_START_MONTH, Qt::Key_Up);
        month = Text(self, res::IDC_START_MONTH);
        self.EndDialog(2);
    });
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(month, "4");
    EXPECT_EQ(dialog.m_showGraph, 0);
}

struct SpinStep {
    Ymd exam;
    Qt::Key key;
    std::vector<std::string> days;
};

void PrintTo(const SpinStep& c, std::ostream* os)
{
    *os << c.exam[0] << "/" << c.exam[1] << "/" << c.exam[2] << (c.key == Qt::Key_Up ? " up" : " down");
}

class SetupSpins : public SetupDialog, public ::testing::WithParamInterface<SpinStep> {};

TEST_P(SetupSpins, ExamDaySpinWrapsWithinTheMonth)
{
    const SpinStep& c = GetParam();
    Hand(c.exam, {2001, 4, 15}, {2000, 4, 1});
    std::vector<std::string> days;
    RunWith<CSetupDlg>(dialog, [&](CSetupDlg& self) {
        for (std::size_t i = 0; i < c.days.size(); ++i) {
            Step(self, res::IDC_EXAM_DAY, c.key);
            days.push_back(Text(self, res::IDC_EXAM_DAY));
        }
        self.EndDialog(2);
    });
    EXPECT_EQ(days, c.days);
}

INSTANTIATE_TEST_SUITE_P(Months, SetupSpins,
                         ::testing::Values(SpinStep{{2001, 2, 28}, Qt::Key_Up, {"1"}},
                                           SpinStep{{2000, 2, 28}, Qt::Key_Up, {"29", "1"}},
                                           SpinStep{{2000, 1, 31}, Qt::Key_Down, {"30"}},
                                           SpinStep{{2000, 4, 1}, Qt::Key_Down, {"30"}}));

TEST_F(SetupDialog, EachOkCorrectsOneDateUntilAllExist)
{
    Hand({2000, 4, 31}, {2001, 4, 15}, {1999, 6, 31}, false, true);   // study start read-only, still checked
    struct Seen {
        std::vector<std::string> messages;
        std::string examDay, startDay;
        bool open;
    };
    std::vector<Seen> seen;
    const int result = RunWith<CSetupDlg>(dialog, [&](CSetupDlg& self) {
        for (int ok = 0; ok < 2; ++ok) {
            Click(self, res::IDOK);
            seen.push_back({boxes.Take(), Text(self, res::IDC_EXAM_DAY), Text(self, res::IDC_START_DAY),
                            self.IsWindowVisible()});
        }
        Click(self, res::IDOK);
    });
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].messages, std::vector<std::string>{kCorrected});
    EXPECT_EQ(seen[0].examDay, "30");
    EXPECT_EQ(seen[0].startDay, "31");
    EXPECT_TRUE(seen[0].open);
    EXPECT_EQ(seen[1].messages, std::vector<std::string>{kCorrected});
    EXPECT_EQ(seen[1].startDay, "30");
    EXPECT_TRUE(seen[1].open);
    EXPECT_EQ(result, 1);
    EXPECT_EQ((Ymd{dialog.m_examYear, dialog.m_examMonth, dialog.m_examDay}), (Ymd{2000, 4, 30}));
    EXPECT_EQ((Ymd{dialog.m_startYear, dialog.m_startMonth, dialog.m_startDay}), (Ymd{1999, 6, 30}));
    EXPECT_TRUE(boxes.texts.empty());
}

// A day typed and confirmed with Enter, never leaving its field, is read
// before the dates are checked.
TEST_F(SetupDialog, DayConfirmedWithEnterIsCorrectedToo)
{
    Hand({2001, 2, 15}, {2001, 4, 15}, {2000, 4, 1});
    std::vector<std::string> messages;
    std::string day;
    bool open = false;
    const int result = RunWith<CSetupDlg>(dialog, [&](CSetupDlg& self) {
        Type(self, res::IDC_EXAM_DAY, "31");
        QTest::keyClick(Window(self), Qt::Key_Return);
        messages = boxes.Take();
        day = Text(self, res::IDC_EXAM_DAY);
        open = self.IsWindowVisible();
        QTest::keyClick(Window(self), Qt::Key_Return);
    });
    EXPECT_EQ(messages, std::vector<std::string>{kCorrected});
    EXPECT_EQ(day, "28");
    EXPECT_TRUE(open);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(dialog.m_examDay, 28u);
}

// Left with Tab, the day is read before Enter: the message box then takes
// the focus from the next field, and the correction must still stick.
TEST_F(SetupDialog, DayLeftWithTabIsCorrectedOnce)
{
    Hand({2000, 4, 16}, {2001, 4, 15}, {2000, 4, 1});
    std::vector<std::string> messages;
    std::string day;
    const int result = RunWith<CSetupDlg>(dialog, [&](CSetupDlg& self) {
        TypeAndLeave(self, res::IDC_EXAM_DAY, "31");
        QTest::keyClick(Window(self), Qt::Key_Return);
        messages = boxes.Take();
        day = Text(self, res::IDC_EXAM_DAY);
        QTest::keyClick(Window(self), Qt::Key_Return);
    });
    EXPECT_EQ(messages, std::vector<std::string>{kCorrected});
    EXPECT_EQ(day, "30");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(dialog.m_examDay, 30u);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(SetupDialog, OkWithARefusedFieldReportsItAndStaysOpen)
{
    std::vector<std::string> messages;
    int focused = 0;
    bool open = false;
    RunWith<CSetupDlg>(dialog, [&](CSetupDlg& self) {
        Type(self, res::IDC_EXAM_YEAR, "2011");
        QTest::keyClick(Window(self), Qt::Key_Return);
        messages = boxes.Take();
        focused = FocusedId(self);
        open = self.IsWindowVisible();
        self.EndDialog(2);
    });
    EXPECT_EQ(messages, std::vector<std::string>{kYears});
    EXPECT_EQ(focused, res::IDC_EXAM_YEAR);
    EXPECT_TRUE(open);
}

TEST_F(SetupDialog, OpensWithTheTitleFocusedAndTheHandedValuesShown)
{
    std::vector<std::string> shown;
    int focused = 0;
    RunWith<CSetupDlg>(dialog, [&](CSetupDlg& self) {
        for (int id : {res::IDC_EXAM_TITLE, res::IDC_EXAM_YEAR, res::IDC_EXAM_MONTH, res::IDC_EXAM_DAY,
                       res::IDC_NEXT_YEAR, res::IDC_START_DAY})
            shown.push_back(Text(self, id));
        focused = FocusedId(self);
        self.EndDialog(2);
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"試験", "2000", "10", "15", "2001", "1"}));
    EXPECT_EQ(focused, res::IDC_EXAM_TITLE);
}

class SetupDialogPlacement : public SetupDialog {
protected:
    void OpenOver(fw::CPoint at)
    {
        RunOverMainWindow(at, [&](fw::CDialog& main) {
            main.GetWindowRect(&mainRect);
            RunWith<CSetupDlg>(dialog, [&](CSetupDlg& self) {
                self.GetWindowRect(&box);
                self.EndDialog(2);
            });
        });
    }

    fw::CRect mainRect, box;
    const fw::CRect screen = fw::GetDesktopRect();
};

TEST_F(SetupDialogPlacement, BesideTheMainWindowAtItsTop)
{
    OpenOver({100, 100});
    EXPECT_EQ(box.TopLeft(), (fw::CPoint{mainRect.right, mainRect.top}));
}

// Right of the screen's centre the dialog would go left of the main window,
// past the screen's left edge: it is centred on the screen instead.
TEST_F(SetupDialogPlacement, CentredOnTheScreenWhenItWouldLeaveIt)
{
    OpenOver({screen.Width() / 2 - 100, 100});
    EXPECT_LE(std::abs((box.left + box.right) - (screen.left + screen.right)), 1);
    EXPECT_LE(std::abs((box.top + box.bottom) - (screen.top + screen.bottom)), 1);
}

}  // namespace
