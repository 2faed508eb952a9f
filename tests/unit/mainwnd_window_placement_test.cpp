// Where the countdown window stands: the rule for the default position and
// the test a stored position must pass, as plain arithmetic on rectangles.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "mainwnd/WindowPlacement.h"

namespace {

// Template 102 is 152 x 169 dialog units, 1.5 pixels each, rounded half away from zero.
constexpr fw::CRect kTemplateWindow{0, 0, 228, 254};

struct DefaultCase {
    const char* name;
    fw::CRect desktop;
    WindowPos expected;
};

void PrintTo(const DefaultCase& c, std::ostream* os)
{
    *os << c.name;
}

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
    fw::ScreenScale scale = {};
};

void PrintTo(const StoredCase& c, std::ostream* os)
{
    *os << c.name;
}

class MainWindowStoredPosition : public ::testing::TestWithParam<StoredCase> {};

TEST_P(MainWindowStoredPosition, AcceptedOnlyInsideTheLimits)
{
    const StoredCase& c = GetParam();
    EXPECT_EQ(placement::AcceptsStoredPosition(c.x, c.y, c.tall, c.desktop, kTemplateWindow, c.scale), c.accepted);
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
                      StoredCase{"shifted_tall_bottom_plus_one", kShifted, 100, 601, true, false},
                      // At 150 % the 218 pixels are 327 screen pixels, the 88 are 132.
                      StoredCase{"tall_bottom_limit_at_150", kDesk, 0, 441, true, true, {144}},
                      StoredCase{"tall_bottom_plus_one_at_150", kDesk, 0, 442, true, false, {144}},
                      StoredCase{"short_bottom_plus_one_at_150", kDesk, 0, 637, false, false, {144}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
