// The drawing context's pixel rules: which pixels each operation covers and
// that only the exact colours given ever appear.
#include <gtest/gtest.h>

#include <QImage>

#include <set>

#include "gui/Dc.h"
#include "gui/qt/QtHandles_p.h"

namespace {

using fw::CRect;
using fw::RGB;

constexpr QRgb kBackground = 0xFF102030;

QImage Canvas(int w = 40, int h = 30)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

// Bounding box of the pixels that are not the background: {l, t, r, b}, exclusive.
CRect Painted(const QImage& image, QRgb colour)
{
    CRect box{image.width(), image.height(), -1, -1};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

int Count(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

std::set<QRgb> Colours(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

TEST(FrameworkDc, RectangleOutlinesWithPenAndFillsInsideWithBrush)
{
    QImage image = Canvas();
    fw::CDC dc(fw::HandleOfImage(&image));
    fw::CBrush brush(RGB(224, 224, 224));
    fw::CBrush* old = dc.SelectObject(&brush);
    dc.Rectangle(2, 3, 12, 9);
    dc.SelectObject(old);

    const QRgb black = qRgb(0, 0, 0);
    const QRgb grey = qRgb(224, 224, 224);
    EXPECT_EQ(Painted(image, black), (CRect{2, 3, 12, 9}));
    EXPECT_EQ(Painted(image, grey), (CRect{3, 4, 11, 8}));
    EXPECT_EQ(Count(image, black), 2 * 10 + 2 * 4);
    EXPECT_EQ(Count(image, grey), 8 * 4);
    EXPECT_EQ(image.pixel(12, 9), kBackground);
}

TEST(FrameworkDc, DefaultBrushIsWhiteAndSelectReturnsPrevious)
{
    QImage image = Canvas();
    fw::CDC dc(fw::HandleOfImage(&image));
    fw::CPen pen(fw::PS_SOLID, 1, RGB(255, 0, 0));
    fw::CPen* stock = dc.SelectObject(&pen);
    EXPECT_EQ(dc.SelectObject(stock), &pen);
    dc.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
}

struct FillCase {
    const char* name;
    CRect passed;
    CRect covered;   // exclusive right and bottom
};

class FrameworkDcFill : public ::testing::TestWithParam<FillCase> {};

TEST_P(FrameworkDcFill, CoversExactlyTheExpectedPixels)
{
    const FillCase& c = GetParam();
    QImage image = Canvas(220, 40);
    fw::CDC dc(fw::HandleOfImage(&image));
    fw::CBrush brush(RGB(255, 224, 240));
    dc.FillRect(c.passed, &brush);
    const QRgb pink = qRgb(255, 224, 240);
    EXPECT_EQ(Painted(image, pink), c.covered);
    EXPECT_EQ(Count(image, pink), c.covered.Width() * c.covered.Height());
}

INSTANTIATE_TEST_SUITE_P(Rects, FrameworkDcFill,
                         ::testing::Values(FillCase{"normal", {5, 14, 205, 24}, {5, 14, 205, 24}},
                                           FillCase{"track_larger_y_first", {5, 24, 205, 14}, {5, 15, 205, 25}},
                                           FillCase{"frame_larger_y_first", {4, 25, 206, 13}, {4, 14, 206, 26}},
                                           FillCase{"one_pixel_fill", {5, 24, 6, 14}, {5, 15, 6, 25}},
                                           FillCase{"clipped_to_image", {-3, -3, 2, 2}, {0, 0, 2, 2}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FrameworkDc, EmptyFillDrawsNothing)
{
    QImage image = Canvas();
    fw::CDC dc(fw::HandleOfImage(&image));
    fw::CBrush brush(RGB(1, 2, 3));
    dc.FillRect({5, 5, 5, 9}, &brush);
    EXPECT_EQ(Count(image, qRgb(1, 2, 3)), 0);
}

TEST(FrameworkDc, LineToLeavesOutItsEndPoint)
{
    QImage image = Canvas();
    fw::CDC dc(fw::HandleOfImage(&image));
    fw::CPen pen(fw::PS_SOLID, 1, RGB(128, 128, 128));
    dc.SelectObject(&pen);
    dc.MoveTo(5, 2);
    dc.LineTo(5, 10);   // vertical: rows 2..9
    dc.MoveTo(10, 4);
    dc.LineTo(2, 4);    // leftwards: columns 3..10
    dc.MoveTo(20, 0);
    dc.LineTo(25, 5);   // diagonal: five pixels
    const QRgb grey = qRgb(128, 128, 128);
    EXPECT_EQ(image.pixel(5, 9), grey);
    EXPECT_EQ(image.pixel(5, 10), kBackground);
    EXPECT_EQ(image.pixel(3, 4), grey);
    EXPECT_EQ(image.pixel(2, 4), kBackground);
    EXPECT_EQ(image.pixel(24, 4), grey);
    EXPECT_EQ(image.pixel(25, 5), kBackground);
    EXPECT_EQ(Count(image, grey), 8 + 8 - 1 + 5);   // the two lines share (5, 4)
}

TEST(FrameworkDc, NullPenDrawsNoOutlineAndFillsOneLess)
{
    QImage image = Canvas();
    fw::CDC dc(fw::HandleOfImage(&image));
    fw::CPen none(fw::PS_NULL, 1, 0);
    dc.SelectObject(&none);
    dc.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(Painted(image, qRgb(255, 255, 255)), (CRect{0, 0, 4, 4}));
    EXPECT_EQ(Count(image, qRgb(0, 0, 0)), 0);
}

fw::CFont DaysLeftFont()
{
    fw::CFont font;
    font.CreateFont(16, 0, 0, 0, fw::FW_BOLD, 0, 0, 0, 1, 0, 0, 2, 0, fw::cp932::FromUtf8("ＭＳ Ｐゴシック"));
    return font;
}

TEST(FrameworkDc, DrawTextCentresOneLineInExactColours)
{
    QImage image = Canvas(210, 30);
    fw::CDC dc(fw::HandleOfImage(&image));
    fw::CFont font = DaysLeftFont();
    dc.SelectObject(&font);
    dc.SetTextColor(RGB(255, 0, 0));
    dc.SetBkMode(fw::TRANSPARENT);
    CRect area{0, 0, 210, 30};
    dc.DrawText(fw::cp932::FromUtf8("あと 138日"), &area, fw::DT_CENTER | fw::DT_VCENTER | fw::DT_SINGLELINE);

    CRect extent{0, 0, 0, 0};
    dc.DrawText(fw::cp932::FromUtf8("あと 138日"), &extent, fw::DT_SINGLELINE | fw::DT_CALCRECT);
    const int left = (210 - extent.Width()) / 2;
    const int top = (30 - extent.Height()) / 2;

    const QRgb red = qRgb(255, 0, 0);
    EXPECT_EQ(Colours(image), (std::set<QRgb>{kBackground, red}));
    const CRect ink = Painted(image, red);
    EXPECT_GE(ink.left, left);
    EXPECT_LE(ink.left, left + 3);
    EXPECT_LE(ink.right, left + extent.Width());
    EXPECT_GE(ink.right, left + extent.Width() - 3);
    EXPECT_GE(ink.top, top);
    EXPECT_LE(ink.bottom, top + extent.Height());
}

TEST(FrameworkDc, DrawTextIsClippedToItsRectangle)
{
    QImage image = Canvas(100, 30);
    fw::CDC dc(fw::HandleOfImage(&image));
    fw::CFont font = DaysLeftFont();
    dc.SelectObject(&font);
    dc.SetTextColor(RGB(0, 0, 128));
    dc.SetBkMode(fw::TRANSPARENT);
    CRect area{20, 10, 40, 20};
    dc.DrawText(fw::cp932::FromUtf8("ずっと長い一行のテキスト"), &area,
                fw::DT_CENTER | fw::DT_VCENTER | fw::DT_SINGLELINE);
    const CRect ink = Painted(image, qRgb(0, 0, 128));
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.right, 40);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 20);
    EXPECT_GT(Count(image, qRgb(0, 0, 128)), 0);
}

TEST(FrameworkDc, FontHeightIsTheCharacterCell)
{
    QImage image = Canvas(10, 10);
    fw::CDC dc(fw::HandleOfImage(&image));
    fw::CFont font = DaysLeftFont();
    dc.SelectObject(&font);
    CRect extent{0, 0, 0, 0};
    dc.DrawText(fw::cp932::FromUtf8("あ"), &extent, fw::DT_SINGLELINE | fw::DT_CALCRECT);
    EXPECT_EQ(extent.Height(), 16);
}

TEST(FrameworkDc, ContextWithoutImageKeepsStateAndDrawsNothing)
{
    fw::CDC dc;
    EXPECT_EQ(dc.SetTextColor(RGB(0, 0, 128)), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 128));
    EXPECT_TRUE(dc.Rectangle(0, 0, 10, 10));
    EXPECT_EQ(dc.GetPixel(1, 1), 0xFFFFFFFFu);
}

}  // namespace
