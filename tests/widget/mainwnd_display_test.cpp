// What the countdown window shows: the graph and days-left pictures pixel
// for pixel, the texts and caption, the static text colour and the progress
// bar's range and position.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <sstream>

#include "gui/ProgressCtrl.h"
#include "mainwnd_support.h"
#include "res/Resources.h"

namespace {

using namespace mainwnd_test;
using mainwnd_test::PrintTo;

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;

// Runs the window with `lines` as yrk.ini (none: no file) on `today`, and
// `check` once it has painted.
void WithWindow(std::time_t today, std::initializer_list<std::string> lines,
                const std::function<void(TestMainDlg&)>& check)
{
    MainWindowWorld world(today);
    if (lines.size())
        world.WriteIni(lines);
    TestMainDlg window;
    window.whileRunning = [&check](TestMainDlg& self) {
        check(self);
        self.EndDialog(1);
    };
    ASSERT_EQ(window.DoModal(), 1);
}

// Pixels that differ from the expected picture: how many, and the first few.
std::string Differences(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return "size differs";
    std::ostringstream out;
    int count = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y) && ++count <= 5)
                out << " (" << x << "," << y << ") is #" << std::hex << actual.pixel(x, y) << " not #"
                    << expected.pixel(x, y) << std::dec;
    return count ? std::to_string(count) + " pixels differ:" + out.str() : std::string();
}

// Columns and rows inclusive.
void Paint(QImage& image, int left, int top, int right, int bottom, QRgb colour)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            image.setPixel(x, y, colour);
}

// The graph area of 210 x 38 pixels as it must look: grey inside a black
// outline; with a bar, the tick marks (rows 12 to 25) mostly hidden under the
// silver frame (rows 14 to 25, columns 4 to 205), the track (rows 15 to 24,
// columns 5 to 204) and the filled part from column 5 to `fillLast`.
QImage ExpectedGraph(std::optional<int> fillLast)
{
    QImage image(210, 38, QImage::Format_RGB32);
    image.fill(kBlack);
    Paint(image, 1, 1, 208, 36, qRgb(224, 224, 224));
    if (!fillLast)
        return image;
    for (const int column : {55, 105, 155})
        Paint(image, column, 12, column, 25, qRgb(128, 128, 128));
    Paint(image, 4, 14, 205, 25, qRgb(192, 192, 192));
    Paint(image, 5, 15, 204, 24, qRgb(255, 224, 240));
    Paint(image, 5, 15, *fillLast, 24, qRgb(255, 128, 160));
    return image;
}

struct GraphCase {
    const char* name;
    const char* start;
    const char* exam;
    std::time_t today;
    std::optional<int> fillLast;   // last column of the filled part; none: no bar
};

class MainWindowGraph : public ::testing::TestWithParam<GraphCase> {};

TEST_P(MainWindowGraph, AreaMatchesThePictureEveryPixel)
{
    const GraphCase& c = GetParam();
    WithWindow(c.today, {std::string("START=") + c.start, std::string("EXAM=") + c.exam},
               [&c](TestMainDlg& self) {
                   EXPECT_EQ(Differences(self.Grab(res::IDC_GRAPH), ExpectedGraph(c.fillLast)), "");
               });
}

// 210 x elapsed / total pixels; the fill runs from column 5 up to that share
// less one, at least one pixel, and over the whole track from the exam day.
INSTANTIATE_TEST_SUITE_P(
    MainWindow, MainWindowGraph,
    ::testing::Values(GraphCase{"worked_example", "1999 4 19", "1999 10 17", Utc(1999, 6, 1), 48},
                      GraphCase{"exam_day_full", "1999 4 19", "1999 10 17", Utc(1999, 10, 17), 204},
                      GraphCase{"after_exam_stays_full", "1999 4 19", "1999 10 17", Utc(1999, 10, 18), 204},
                      GraphCase{"start_day_one_pixel", "1999 4 19", "1999 10 17", Utc(1999, 4, 19), 5},
                      GraphCase{"day_before_start_no_bar", "1999 4 19", "1999 10 17", Utc(1999, 4, 18), std::nullopt},
                      GraphCase{"day_before_long_schedule_one_pixel", "1999 4 19", "2000 4 19", Utc(1999, 4, 18), 5},
                      GraphCase{"equal_dates_no_bar", "1999 10 17", "1999 10 17", Utc(1999, 6, 1), std::nullopt},
                      GraphCase{"exam_before_start_no_bar", "1999 5 17", "1999 4 17", Utc(1999, 6, 1), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct Extent {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;   // inclusive
};

// Checks the days-left picture's colours and frame; returns the red text's extent.
Extent DaysLeftPicture(const QImage& image)
{
    EXPECT_EQ(image.size(), QSize(210, 30));
    Extent red;
    std::set<QRgb> inside;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool edge = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
            if (edge) {
                EXPECT_EQ(pixel, kBlack) << x << "," << y;
                continue;
            }
            inside.insert(pixel);
            if (pixel == kRed)
                red = {std::min(red.left, x), std::min(red.top, y), std::max(red.right, x), std::max(red.bottom, y)};
        }
    EXPECT_EQ(inside, (std::set<QRgb>{kWhite, kRed}));
    return red;
}

TEST(MainWindowDaysLeft, RedTextCentredOnWhiteAndWiderWithTheNextExam)
{
    Extent plain;
    Extent withNext;
    WithWindow(Utc(1999, 6, 1), {}, [&plain](TestMainDlg& self) { plain = DaysLeftPicture(self.Grab(res::IDC_DAYS_LEFT)); });
    WithWindow(Utc(1999, 6, 1), {"SHOWNEXTEXAM=TRUE"},
               [&withNext](TestMainDlg& self) { withNext = DaysLeftPicture(self.Grab(res::IDC_DAYS_LEFT)); });

    for (const Extent& text : {plain, withNext}) {
        ASSERT_GE(text.right, text.left);
        EXPECT_NEAR((text.left + text.right) / 2.0, 209 / 2.0, 2.0);
        EXPECT_NEAR((text.top + text.bottom) / 2.0, 29 / 2.0, 2.0);
        EXPECT_LE(text.bottom - text.top + 1, 16);   // one line of the 16-pixel font
    }
    EXPECT_GT(withNext.right - withNext.left, plain.right - plain.left + 30);
}

TEST(MainWindowTexts, DefaultsOnTheFirstOfJune)
{
    WithWindow(Utc(1999, 6, 1, 15, 30), {}, [](TestMainDlg& self) {
        const std::pair<int, const char*> texts[] = {
            {res::IDC_TITLE, "99年度秋期情報処理技術者試験まで"}, {res::IDC_START_DATE, "（4/19）"},
            {res::IDC_EXAM_DATE, "（10/17）"},                   {res::IDC_WHOLE_DAYS, "全日程 181日"},
            {res::IDC_START_LABEL, "勉強開始日"},                {res::IDC_EXAM_LABEL, "試験日"}};
        for (const auto& [id, text] : texts)
            EXPECT_EQ(Utf8(self.GetDlgItemText(id)), text) << id;
        EXPECT_EQ(Utf8(self.GetWindowText()), "ヨルカ (6/1)");
        EXPECT_EQ(self.Figures().daysLeft, 138);
        EXPECT_EQ(self.Figures().daysToNextExam, 320);
    });
}

TEST(MainWindowTexts, UnusualDatesShowAsTheyAre)
{
    // A month that does not exist makes an invalid exam date: -1/-1 and no whole schedule.
    WithWindow(Utc(1999, 6, 1), {"EXAM=2000 13 1"}, [](TestMainDlg& self) {
        EXPECT_EQ(Utf8(self.GetDlgItemText(res::IDC_EXAM_DATE)), "（-1/-1）");
        EXPECT_EQ(Utf8(self.GetDlgItemText(res::IDC_WHOLE_DAYS)), "全日程 0日");
    });
    WithWindow(Utc(1999, 6, 1), {"START=1999 5 17", "EXAM=1999 4 17"}, [](TestMainDlg& self) {
        EXPECT_EQ(Utf8(self.GetDlgItemText(res::IDC_WHOLE_DAYS)), "全日程 -30日");
    });
}

TEST(MainWindowTexts, StaticTextIsNavyOnTheDialogsBackground)
{
    WithWindow(Utc(1999, 6, 1), {}, [](TestMainDlg& self) {
        fw::CWnd* title = self.GetDlgItem(res::IDC_TITLE);
        const fw::COLORREF navy = fw::RGB(0, 0, 128);
        fw::CDC staticDc;
        const fw::HBRUSH brush = self.Wnd().OnCtlColor(&staticDc, title, fw::CTLCOLOR_STATIC);
        EXPECT_EQ(staticDc.GetTextColor(), navy);
        fw::CDC plainDc;
        EXPECT_EQ(self.Wnd().CWnd::OnCtlColor(&plainDc, title, fw::CTLCOLOR_STATIC).color, brush.color);
        fw::CDC buttonDc;
        self.Wnd().OnCtlColor(&buttonDc, self.GetDlgItem(res::IDOK), fw::CTLCOLOR_BTN);
        EXPECT_NE(buttonDc.GetTextColor(), navy);

        const QImage picture = self.Grab(res::IDC_TITLE);
        std::set<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                colours.insert(picture.pixel(x, y));
        EXPECT_EQ(colours, (std::set<QRgb>{picture.pixel(0, 0), qRgb(0, 0, 128)}));
    });
}

struct ProgressCase {
    const char* name;
    std::chrono::sys_days start, exam, today;
};

class MainWindowProgress : public ::testing::TestWithParam<ProgressCase> {};

std::string DateValue(std::chrono::sys_days day)
{
    const std::chrono::year_month_day ymd(day);
    return std::to_string(int(ymd.year())) + " " + std::to_string(unsigned(ymd.month())) + " " +
           std::to_string(unsigned(ymd.day()));
}

TEST_P(MainWindowProgress, RangeIsTheScheduleAndPositionTheDaysSpent)
{
    const ProgressCase& c = GetParam();
    // The control holds 16-bit limits and shows a position outside them at the nearer end.
    const int wholeDays = static_cast<int>((c.exam - c.start).count());
    const int rangeMax = wholeDays & 0xFFFF;
    const int spent = static_cast<int>((c.today - c.start).count());
    const int position = std::clamp(spent, 0, rangeMax);
    WithWindow(std::chrono::system_clock::to_time_t(c.today), {"START=" + DateValue(c.start), "EXAM=" + DateValue(c.exam)},
               [&](TestMainDlg& self) {
                   auto* progress = dynamic_cast<fw::CProgressCtrl*>(self.GetDlgItem(res::IDC_PROGRESS));
                   ASSERT_NE(progress, nullptr);
                   int lower = -1;
                   int upper = -1;
                   progress->GetRange(lower, upper);
                   EXPECT_EQ(lower, 0);
                   EXPECT_EQ(upper, rangeMax);
                   EXPECT_EQ(progress->GetPos(), position);
               });
}

using std::chrono::year;
using std::chrono::sys_days;
constexpr auto kApril19 = sys_days{year(1999) / 4 / 19};
constexpr auto kOctober17 = sys_days{year(1999) / 10 / 17};
constexpr auto kJune1 = sys_days{year(1999) / 6 / 1};

INSTANTIATE_TEST_SUITE_P(
    MainWindow, MainWindowProgress,
    ::testing::Values(ProgressCase{"defaults", kApril19, kOctober17, kJune1},
                      ProgressCase{"equal_dates", kOctober17, kOctober17, kJune1},
                      ProgressCase{"exam_30_days_before_start", kApril19 + std::chrono::days(30), kApril19, kJune1},
                      ProgressCase{"exam_day_full", kApril19, kOctober17, kOctober17},
                      ProgressCase{"after_exam_full", kApril19, kOctober17, kOctober17 + std::chrono::days(1)},
                      ProgressCase{"day_before_start_empty", kApril19, kOctober17, kApril19 - std::chrono::days(1)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
