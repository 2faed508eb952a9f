#include <gtest/gtest.h>

#include "core/DisplayPlatform.h"

namespace {

TEST(DisplayPlatform, AnXDisplayWinsUnlessTheUserChose)
{
    struct Case {
        const char* qtPlatform;
        const char* display;
        const char* chosen;
    };
    const Case cases[] = {
        {nullptr, ":0", "xcb"},           // a Wayland session with XWayland, or plain X
        {"", ":0", "xcb"},                // an empty choice is no choice
        {"wayland", ":0", ""},            // the user's choice goes to Qt unchanged
        {"offscreen", nullptr, ""},
        {nullptr, nullptr, ""},           // Wayland only, or nothing: Qt's own order
        {nullptr, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::ChooseDisplayPlatform({c.qtPlatform, c.display}), c.chosen)
            << (c.qtPlatform ? c.qtPlatform : "(unset)") << " / " << (c.display ? c.display : "(unset)");
}

}  // namespace
