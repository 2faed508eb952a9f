// Dialog units become pixels as the platform converts them.
#include <gtest/gtest.h>

#include "gui/DialogUnits.h"

namespace {

TEST(FrameworkDialogUnits, NinePointFontGivesSixByTwelve)
{
    const fw::DialogBaseUnits base = fw::BaseUnitsForPointSize(9);
    EXPECT_EQ(base.cx, 6);
    EXPECT_EQ(base.cy, 12);
}

struct UnitsCase {
    int x, y, cx, cy;
    fw::CRect pixels;
};

class FrameworkDialogUnitsConversion : public ::testing::TestWithParam<UnitsCase> {};

TEST_P(FrameworkDialogUnitsConversion, EachCoordinateRoundsOnItsOwn)
{
    const UnitsCase& c = GetParam();
    EXPECT_EQ(fw::DialogUnitsToPixels(c.x, c.y, c.cx, c.cy, fw::BaseUnitsForPointSize(9)), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Templates, FrameworkDialogUnitsConversion,
                         ::testing::Values(UnitsCase{5, 75, 140, 25, {8, 113, 218, 151}},    // graph area
                                           UnitsCase{0, 0, 152, 169, {0, 0, 228, 254}},      // main window
                                           UnitsCase{5, 45, 141, 1, {8, 68, 220, 70}},       // separator
                                           UnitsCase{105, 112, 40, 15, {158, 168, 218, 191}}));

TEST(FrameworkDialogUnits, MulDivRoundsHalfAwayFromZero)
{
    EXPECT_EQ(fw::MulDiv(5, 6, 4), 8);      // 7.5
    EXPECT_EQ(fw::MulDiv(-5, 6, 4), -8);    // -7.5
    EXPECT_EQ(fw::MulDiv(7, 6, 4), 11);     // 10.5
    EXPECT_EQ(fw::MulDiv(1, 1, 3), 0);      // 0.33
    EXPECT_EQ(fw::MulDiv(1, 2, 3), 1);      // 0.67
    EXPECT_EQ(fw::MulDiv(5, 6, -4), -8);
    EXPECT_EQ(fw::MulDiv(1, 1, 0), -1);
    EXPECT_EQ(fw::MulDiv(2000000000, 3, 2), -1);   // does not fit
    EXPECT_EQ(fw::MulDiv(2000000000, 3, 4), 1500000000);
}

}  // namespace
