// Drawing contexts on a high-DPI picture: the same logical pixels, each
// covering 2 x 2 image pixels, and text at the image's full resolution.
#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <set>

#include "framework_hidpi_support.h"
#include "gui/Dc.h"
#include "gui/qt/QtHandles_p.h"

namespace {

using namespace hidpi_test;

QImage Picture(int width, int height, qreal ratio)
{
    QImage image(QSize(width, height) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

QImage DrawnAt(qreal ratio, const std::function<void(fw::CDC&)>& draw)
{
    QImage image = Picture(60, 30, ratio);
    fw::CDC dc(fw::HandleOfImage(&image));
    draw(dc);
    return image;
}

TEST(HiDpiDc, ShapesAreTheirLogicalPixelsDoubled)
{
    const auto shapes = [](fw::CDC& dc) {
        fw::CBrush grey(fw::RGB(224, 224, 224));
        fw::CBrush* old = dc.SelectObject(&grey);
        dc.Rectangle(0, 0, 60, 30);
        dc.SelectObject(old);
        fw::CBrush pink(fw::RGB(255, 128, 160));
        dc.FillRect({5, 24, 49, 14}, &pink);   // larger y first
        fw::CPen thin(fw::PS_SOLID, 1, fw::RGB(128, 128, 128));
        fw::CPen wide(fw::PS_SOLID, 2, fw::RGB(0, 0, 255));
        fw::CPen* oldPen = dc.SelectObject(&thin);
        dc.MoveTo(55, 2);
        dc.LineTo(55, 28);
        dc.MoveTo(3, 3);
        dc.LineTo(40, 12);   // a slanted line steps by whole logical pixels
        dc.SelectObject(&wide);
        dc.MoveTo(10, 27);
        dc.LineTo(50, 27);
        dc.SelectObject(oldPen);
        dc.SetPixel(58, 1, fw::RGB(0, 255, 0));
    };
    const QImage one = DrawnAt(1, shapes);
    const QImage two = DrawnAt(2, shapes);
    EXPECT_EQ(DoubledDifferences(one, two), "");
}

TEST(HiDpiDc, PixelsAreReadAtLogicalPlaces)
{
    QImage image = Picture(20, 10, 2);
    fw::CDC dc(fw::HandleOfImage(&image));
    fw::CBrush red(fw::RGB(255, 0, 0));
    dc.FillRect({3, 2, 5, 4}, &red);
    EXPECT_EQ(dc.GetPixel(3, 2), fw::RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(4, 3), fw::RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(5, 3), fw::RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(19, 9), fw::RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(20, 9), 0xFFFFFFFFu);
    EXPECT_EQ(dc.GetPixel(-1, 0), 0xFFFFFFFFu);
}

TEST(HiDpiDc, TextUsesTheFinerPixelsInTheSamePlaceWithoutBlending)
{
    const auto text = [](fw::CDC& dc) {
        fw::CFont font;
        font.CreateFont(16, 0, 0, 0, fw::FW_BOLD, 0, 0, 0, fw::DEFAULT_CHARSET, 0, 0, 2, 0,
                        fw::cp932::FromUtf8("ＭＳ Ｐゴシック"));
        fw::CFont* old = dc.SelectObject(&font);
        dc.SetTextColor(fw::RGB(255, 0, 0));
        dc.SetBkMode(fw::TRANSPARENT);
        fw::CRect all{0, 0, 60, 30};
        dc.DrawText(fw::cp932::FromUtf8("あと 8日"), &all, fw::DT_CENTER | fw::DT_VCENTER | fw::DT_SINGLELINE);
        dc.SelectObject(old);
    };
    const QImage one = DrawnAt(1, text);
    const QImage two = DrawnAt(2, text);
    const QRect box = BoxOf(one, qRgb(255, 0, 0), 2);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_EQ(DoubledDifferences(one, two, box), "") << "text outside its place";
    EXPECT_GT(MixedBlocks(two, box), 20) << "text drawn at the logical resolution and doubled";
    std::set<QRgb> colours;
    for (int y = 0; y < two.height(); ++y)
        for (int x = 0; x < two.width(); ++x)
            colours.insert(two.pixel(x, y));
    EXPECT_EQ(colours, (std::set<QRgb>{qRgb(255, 0, 0), qRgb(255, 255, 255)}));
    // A thickened bold keeps its weight: about four image pixels for each
    // logical one, not the lighter text that one image pixel of thickening gives.
    const auto red = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == qRgb(255, 0, 0);
        return n;
    };
    EXPECT_GT(red(two), red(one) * 4 * 8 / 10) << "scale 1: " << red(one) << " pixels";
    EXPECT_LT(red(two), red(one) * 4 * 12 / 10) << "scale 1: " << red(one) << " pixels";
}

}  // namespace
