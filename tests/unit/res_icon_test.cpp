// Icon 128 as XPM rows: the framework hands them to an image reader, which
// rejects a malformed picture as a whole.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "core/Resources.h"
#include "res/Resources.h"

namespace {

// Checks one XPM image and returns its number of colours.
int CheckXpm(const std::vector<const char*>& rows, int size)
{
    int width = 0, height = 0, colours = 0, charsPerPixel = 0;
    std::istringstream(rows.at(0)) >> width >> height >> colours >> charsPerPixel;
    EXPECT_EQ(width, size);
    EXPECT_EQ(height, size);
    EXPECT_EQ(charsPerPixel, 1);
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(1 + colours + height));

    std::set<char> declared;
    for (int i = 1; i <= colours; ++i) {
        const std::string entry = rows.at(i);
        EXPECT_EQ(entry.substr(1, 3), " c ") << entry;
        EXPECT_TRUE(declared.insert(entry[0]).second) << entry;
    }
    for (std::size_t r = 1 + colours; r < rows.size(); ++r) {
        const std::string row = rows[r];
        EXPECT_EQ(row.size(), static_cast<std::size_t>(width)) << r;
        for (char pixel : row)
            EXPECT_TRUE(declared.count(pixel)) << "row " << r << " uses '" << pixel << "'";
    }
    return colours;
}

TEST(ResourcesIcon, BothSizesAreWellFormedWithSixteenColoursAtMost)
{
    ASSERT_EQ(ProgramResources().icons.size(), 1u);
    const fw::IconResource& icon = ProgramResources().icons[0];
    EXPECT_EQ(icon.id, res::IDI_MAIN);
    EXPECT_LE(CheckXpm(icon.xpm32, 32), 16);
    EXPECT_LE(CheckXpm(icon.xpm16, 16), 16);
}

}  // namespace
