// What a screen reader reads from the countdown window: the areas it draws
// itself, in words, next to the texts, caption and progress bar.
#include <gtest/gtest.h>

#include <QAccessibleValueInterface>
#include <QTest>

#include <fstream>
#include <string>
#include <vector>

#include "framework_a11y_support.h"
#include "mainwnd_support.h"
#include "res/Resources.h"

namespace {

using namespace mainwnd_test;
using namespace a11y_test;

struct DrawnAreasCase {
    const char* name;
    std::time_t today;
    std::vector<std::string> ini;   // yrk.ini's lines
    const char* daysLeft;
    const char* graph;
};

class DrawnAreasInWords : public testing::TestWithParam<DrawnAreasCase> {};

TEST_P(DrawnAreasInWords, ReadAsTheyAreDrawn)
{
    const DrawnAreasCase& c = GetParam();
    MainWindowWorld world(c.today);
    std::ofstream ini(world.IniPath(), std::ios::binary);
    ini << "[YRK]\n";
    for (const std::string& line : c.ini)
        ini << fw::cp932::FromUtf8(line) << "\n";
    ini.close();
    TestMainDlg window;
    window.whileRunning = [&c](TestMainDlg& self) {
        QAccessibleInterface* daysLeft = Interface(self.GetDlgItem(res::IDC_DAYS_LEFT));
        EXPECT_EQ(daysLeft->role(), QAccessible::StaticText);
        EXPECT_EQ(Text(daysLeft), c.daysLeft);
        QAccessibleInterface* graph = Interface(self.GetDlgItem(res::IDC_GRAPH));
        EXPECT_EQ(graph->role(), QAccessible::Graphic);
        EXPECT_EQ(Text(graph), c.graph);
        self.EndDialog(1);
    };
    ASSERT_EQ(window.DoModal(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, DrawnAreasInWords,
    testing::Values(
        DrawnAreasCase{"Defaults", Utc(1999, 6, 1), {}, "あと 138日", "経過 43日 / 全日程 181日 (23%)"},
        DrawnAreasCase{"NextExamShown", Utc(1999, 6, 1), {"SHOWNEXTEXAM=TRUE", "NEXAM=1999 11 1"},
                       "あと 138日（153）", "経過 43日 / 全日程 181日 (23%)"},
        DrawnAreasCase{"AfterTheExam", Utc(1999, 10, 20), {}, "あと -3日", "経過 184日 / 全日程 181日 (100%)"},
        DrawnAreasCase{"BeforeTheStart", Utc(1999, 4, 9), {}, "あと 191日", "経過 -10日 / 全日程 181日 (0%)"},
        DrawnAreasCase{"NoSchedule", Utc(1999, 6, 1), {"START=1999 5 17", "EXAM=1999 5 17"}, "あと -15日",
                       "経過 15日 / 全日程 0日"}),
    [](const testing::TestParamInfo<DrawnAreasCase>& info) { return std::string(info.param.name); });

TEST(MainWindowInWords, CaptionTextsAndProgressReadAsShown)
{
    MainWindowWorld world(Utc(1999, 6, 1));
    TestMainDlg window;
    window.whileRunning = [](TestMainDlg& self) {
        EXPECT_EQ(Text(Interface(&self)), "ヨルカ (6/1)");
        EXPECT_EQ(Text(Interface(self.GetDlgItem(res::IDC_WHOLE_DAYS))), "全日程 181日");
        EXPECT_EQ(Text(Interface(self.GetDlgItem(res::IDC_START_DATE))), "（4/19）");
        QAccessibleInterface* progress = Interface(self.GetDlgItem(res::IDC_PROGRESS));
        ASSERT_TRUE(progress->valueInterface());
        EXPECT_EQ(progress->valueInterface()->currentValue().toInt(), 43);
        EXPECT_EQ(progress->valueInterface()->maximumValue().toInt(), 181);
        self.EndDialog(1);
    };
    ASSERT_EQ(window.DoModal(), 1);
}

// The words follow the day: the next paint after midnight reads the new count.
TEST(MainWindowInWords, TheNextDayReadsTheNewCount)
{
    MainWindowWorld world(Utc(1999, 6, 1, 23, 59, 59));
    TestMainDlg window;
    window.whileRunning = [&world](TestMainDlg& self) {
        world.SetNow(Utc(1999, 6, 2, 0, 0, 1));
        const int before = self.paints;
        self.Invalidate();
        EXPECT_TRUE(QTest::qWaitFor([&] { return self.paints > before; }, patience::kWaitMs));
        EXPECT_EQ(Text(Interface(self.GetDlgItem(res::IDC_DAYS_LEFT))), "あと 137日");
        EXPECT_EQ(Text(Interface(self.GetDlgItem(res::IDC_GRAPH))), "経過 44日 / 全日程 181日 (24%)");
        self.EndDialog(1);
    };
    ASSERT_EQ(window.DoModal(), 1);
}

}  // namespace
