// Where the countdown window stands and how big it is as it opens: the
// default and stored positions on the real desktop.
#include <gtest/gtest.h>

#include "mainwnd_support.h"

namespace {

using namespace mainwnd_test;
using mainwnd_test::PrintTo;

// Template 102 is 152 x 169 dialog units, 1.5 pixels each, rounded half away from zero.
constexpr fw::CRect kTemplateWindow{0, 0, 228, 254};

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
