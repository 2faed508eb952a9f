// Where the framework centres a dialog that did not place itself: over its
// owner or in the work area, then pushed back inside the work area.
#include <gtest/gtest.h>

#include <string>

#include "core/DialogPlacement.h"

namespace {

struct CentringCase {
    const char* name;
    fw::CRect window;
    bool hasReference;
    fw::CRect reference;
    fw::CPoint expected;
};

class FrameworkWindowCentring : public ::testing::TestWithParam<CentringCase> {};

TEST_P(FrameworkWindowCentring, CentresAndPushesInside)
{
    const CentringCase& c = GetParam();
    const fw::CRect work{0, 0, 1024, 740};
    EXPECT_EQ(fw::CentredPosition(c.window, c.hasReference ? &c.reference : nullptr, work), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rule, FrameworkWindowCentring,
                         ::testing::Values(CentringCase{"over_owner", {0, 0, 261, 60}, true, {100, 100, 331, 318}, {85, 179}},
                                           CentringCase{"no_owner", {0, 0, 261, 60}, false, {}, {382, 340}},
                                           CentringCase{"left_edge", {0, 0, 261, 60}, true, {-200, 0, 31, 218}, {0, 79}},
                                           CentringCase{"bottom_right", {0, 0, 261, 60}, true, {900, 700, 1131, 918}, {763, 680}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
