// Where the two date dialogs open beside the countdown window.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "dialogs/DialogPositions.h"

namespace {

// Rectangles are given as left, top, right, bottom.
constexpr fw::CRect kScreen{0, 0, 1024, 768};

struct DayCountPlace {
    const char* name;
    fw::CRect mainWindow;
    fw::CPoint expected;
    fw::ScreenScale scale = {};
};

class DayCountPlacement : public ::testing::TestWithParam<DayCountPlace> {};

TEST_P(DayCountPlacement, CentredBelowOrAboveTheMainWindow)
{
    const fw::CRect dialog{0, 0, 360, 160};
    const DayCountPlace& c = GetParam();
    EXPECT_EQ(DayCountPosition(c.mainWindow, kScreen, dialog, c.scale), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, DayCountPlacement,
    ::testing::Values(DayCountPlace{"below", {100, 100, 331, 318}, {35, 318}},
                      DayCountPlace{"above_near_the_bottom", {100, 432, 331, 650}, {35, 272}},
                      DayCountPlace{"still_below_at_the_limit", {100, 370, 331, 588}, {35, 588}},
                      DayCountPlace{"above_one_past_the_limit", {100, 371, 331, 589}, {35, 211}},
                      DayCountPlace{"x_zero_past_the_left_edge", {-120, 100, 111, 318}, {0, 318}},
                      DayCountPlace{"kept_from_the_right_edge", {900, 100, 1131, 318}, {664, 318}},
                      // At 150 % the 20-pixel margin is 30 screen pixels.
                      DayCountPlace{"still_below_at_the_limit_at_150", {100, 360, 331, 578}, {35, 578}, {144}},
                      DayCountPlace{"above_one_past_the_limit_at_150", {100, 361, 331, 579}, {35, 201}, {144}}),
    [](const auto& info) { return std::string(info.param.name); });

struct SetupPlace {
    const char* name;
    fw::CRect screen;
    fw::CRect mainWindow;
    std::optional<fw::CPoint> expected;
    fw::ScreenScale scale = {};
};

class SetupPlacement : public ::testing::TestWithParam<SetupPlace> {};

TEST_P(SetupPlacement, BesideTheMainWindowOrCentred)
{
    const SetupPlace& c = GetParam();
    const fw::CRect dialog{0, 0, 331, 366};
    EXPECT_EQ(SetupPosition(c.mainWindow, c.screen, dialog, c.scale), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, SetupPlacement,
    ::testing::Values(
        SetupPlace{"right_of_it_raised_above_the_bottom", kScreen, {100, 500, 331, 718}, fw::CPoint{331, 372}},
        SetupPlace{"right_of_it_at_its_top", kScreen, {100, 100, 331, 318}, fw::CPoint{331, 100}},
        SetupPlace{"right_at_the_screen_centre", kScreen, {397, 100, 628, 318}, fw::CPoint{628, 100}},
        SetupPlace{"left_of_it_past_the_centre", kScreen, {398, 100, 629, 318}, fw::CPoint{67, 100}},
        SetupPlace{"centred_when_left_of_the_screen", {0, 0, 640, 480}, {300, 100, 531, 318}, std::nullopt},
        SetupPlace{"centred_when_right_of_the_screen", kScreen, {200, 100, 700, 318}, std::nullopt},
        SetupPlace{"centred_when_above_the_screen", {0, 0, 1024, 380}, {100, 100, 331, 318}, std::nullopt},
        // At 150 % the dialog ends 45 screen pixels above the bottom, not 30.
        SetupPlace{"raised_above_the_bottom_at_150", kScreen, {100, 500, 331, 718}, fw::CPoint{331, 357}, {144}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
