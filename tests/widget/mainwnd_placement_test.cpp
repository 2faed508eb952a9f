// Where the countdown window stands and how big it is: the rule for the
// default and stored positions, and the window as it opens.
#include <gtest/gtest.h>

#include "mainwnd/WindowPlacement.h"
#include "mainwnd_support.h"

namespace {

using namespace mainwnd_test;
using mainwnd_test::PrintTo;

// Template 102 is 152 x 169 dialog units, 1.5 pixels each, rounded half away from zero.
constexpr fw::CRect kTemplateWindow{0, 0, 228, 254};

struct DefaultCase {
    const char* name;
    fw::CRect desktop;
    WindowPos expected;
};

class MainWindowDefaultPosition : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(MainWindowDefaultPosition, CentredAndFortyPixelsLower)
{
    const DefaultCase& c = GetParam();
    const WindowPos pos = placement::DefaultPosition(c.desktop, kTemplateWindow);
    EXPECT_EQ(pos.left, c.expected.left);
    EXPECT_EQ(pos.top, c.expected.top);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, MainWindowDefaultPosition,
    ::testing::Values(DefaultCase{"plain", {0, 0, 1024, 768}, {398, 297}},
                      DefaultCase{"origin_not_added", {100, 50, 1124, 818}, {398, 297}},
                      DefaultCase{"odd_sizes_truncate", {0, 0, 1023, 767}, {397, 296}},
                      DefaultCase{"smaller_than_window_truncates_toward_zero", {0, 0, 201, 200}, {-13, 13}}),
    [](const auto& info) { return std::string(info.param.name); });

struct StoredCase {
    const char* name;
    fw::CRect desktop;
    int x, y;
    bool tall;
    bool accepted;
};

class MainWindowStoredPosition : public ::testing::TestWithParam<StoredCase> {};

TEST_P(MainWindowStoredPosition, AcceptedOnlyInsideTheLimits)
{
    const StoredCase& c = GetParam();
    EXPECT_EQ(placement::AcceptsStoredPosition(c.x, c.y, c.tall, c.desktop, kTemplateWindow), c.accepted);
}

constexpr fw::CRect kDesk{0, 0, 1024, 768};
constexpr fw::CRect kShifted{100, 50, 1124, 818};

// The right limit is the desktop's width less the template's width (228),
// not less the final 231 pixels, and takes no account of the desktop's left.
INSTANTIATE_TEST_SUITE_P(
    MainWindow, MainWindowStoredPosition,
    ::testing::Values(StoredCase{"top_left_corner", kDesk, 0, 0, false, true},
                      StoredCase{"left_of_desktop", kDesk, -1, 0, false, false},
                      StoredCase{"above_desktop", kDesk, 0, -1, false, false},
                      StoredCase{"right_limit", kDesk, 796, 0, false, true},
                      StoredCase{"right_limit_plus_one", kDesk, 797, 0, false, false},
                      StoredCase{"between_template_and_final_width", kDesk, 795, 0, false, true},
                      StoredCase{"short_bottom_limit", kDesk, 0, 680, false, true},
                      StoredCase{"short_bottom_plus_one", kDesk, 0, 681, false, false},
                      StoredCase{"tall_bottom_limit", kDesk, 0, 550, true, true},
                      StoredCase{"tall_bottom_plus_one", kDesk, 0, 551, true, false},
                      StoredCase{"default_pair_refused", kDesk, 3000, 3000, false, false},
                      StoredCase{"shifted_left_edge", kShifted, 100, 50, false, true},
                      StoredCase{"shifted_left_of_edge", kShifted, 99, 50, false, false},
                      StoredCase{"shifted_above_edge", kShifted, 100, 49, false, false},
                      StoredCase{"shifted_right_limit_from_width", kShifted, 796, 50, false, true},
                      StoredCase{"shifted_beyond_width_limit", kShifted, 797, 50, false, false},
                      StoredCase{"shifted_tall_bottom", kShifted, 100, 600, true, true},
                      StoredCase{"shifted_tall_bottom_plus_one", kShifted, 100, 601, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Opens the window on `lines` as yrk.ini and hands back where it stood and its client size.
struct Opened {
    WindowPos held;
    fw::CRect window;
    fw::CRect client;
};

Opened OpenWith(std::initializer_list<std::string> lines)
{
    MainWindowWorld world(Utc(1999, 6, 1));
    if (lines.size())
        world.WriteIni(lines);
    Opened opened;
    TestMainDlg window;
    window.whileRunning = [&opened](TestMainDlg& self) {
        opened.held = self.Settings().windowPos;
        opened.window = self.WindowRect();
        self.GetClientRect(&opened.client);
        self.EndDialog(1);
    };
    EXPECT_EQ(window.DoModal(), 1);
    return opened;
}

WindowPos DefaultOnThisDesktop()
{
    const fw::CRect desktop = fw::GetDesktopRect();
    return {(desktop.Width() - kTemplateWindow.Width()) / 2, (desktop.Height() - kTemplateWindow.Height()) / 2 + 40};
}

TEST(MainWindowPlacement, FirstStartIsCentredAndShort)
{
    const WindowPos expected = DefaultOnThisDesktop();
    const Opened opened = OpenWith({});
    EXPECT_EQ(opened.window.TopLeft(), (fw::CPoint{expected.left, expected.top}));
    EXPECT_EQ(opened.held.left, expected.left);
    EXPECT_EQ(opened.held.top, expected.top);
    // 231 x 88 outside: 3-pixel frames and a 19-pixel caption around the client.
    EXPECT_EQ(opened.client, (fw::CRect{0, 0, 225, 63}));
}

TEST(MainWindowPlacement, GraphSwitchMakesTheWindowTall)
{
    const WindowPos expected = DefaultOnThisDesktop();
    const Opened opened = OpenWith({"SIZE=TRUE"});
    EXPECT_EQ(opened.window.TopLeft(), (fw::CPoint{expected.left, expected.top}));
    EXPECT_EQ(opened.client, (fw::CRect{0, 0, 225, 193}));
}

struct WindowCase {
    const char* name;
    bool tall;
    fw::CPoint (*stored)(const fw::CRect& desktop);
    bool accepted;
};

class MainWindowStoredPlacement : public ::testing::TestWithParam<WindowCase> {};

TEST_P(MainWindowStoredPlacement, StoredPositionUsedOrDropped)
{
    const WindowCase& c = GetParam();
    const fw::CPoint stored = c.stored(fw::GetDesktopRect());
    const WindowPos fallback = DefaultOnThisDesktop();
    const fw::CPoint expected = c.accepted ? stored : fw::CPoint{fallback.left, fallback.top};
    const Opened opened = OpenWith({std::string("SIZE=") + (c.tall ? "TRUE" : "FALSE"),
                                    "POS=" + std::to_string(stored.x) + " " + std::to_string(stored.y)});
    EXPECT_EQ(opened.window.TopLeft(), expected);
    EXPECT_EQ((fw::CPoint{opened.held.left, opened.held.top}), expected);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, MainWindowStoredPlacement,
    ::testing::Values(
        WindowCase{"tall_at_bottom", true, [](const fw::CRect& d) { return fw::CPoint{10, d.bottom - 218}; }, true},
        WindowCase{"tall_one_lower", true, [](const fw::CRect& d) { return fw::CPoint{10, d.bottom - 217}; }, false},
        WindowCase{"short_at_bottom", false, [](const fw::CRect& d) { return fw::CPoint{10, d.bottom - 88}; }, true},
        WindowCase{"short_one_lower", false, [](const fw::CRect& d) { return fw::CPoint{10, d.bottom - 87}; }, false},
        WindowCase{"right_by_template_width", false, [](const fw::CRect& d) { return fw::CPoint{d.Width() - 228, 10}; }, true},
        WindowCase{"beyond_final_width_within_template", false,
                   [](const fw::CRect& d) { return fw::CPoint{d.Width() - 230, 10}; }, true},
        WindowCase{"one_beyond_template_width", false, [](const fw::CRect& d) { return fw::CPoint{d.Width() - 227, 10}; }, false},
        WindowCase{"left_of_desktop", false, [](const fw::CRect& d) { return fw::CPoint{d.left - 1, 10}; }, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
