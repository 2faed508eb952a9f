// The window icon on a high-DPI screen: a copy of the large image with each
// pixel doubled, so that the pixel art is not smoothed into a blur.
#include <gtest/gtest.h>

#include "framework_probe.h"

namespace {

TEST(HiDpiIcon, TheWindowIconHasTheLargeImageDoubled)
{
    probe::ResourceScope resources;
    probe::ProbeDialog dialog;
    dialog.whileRunning = [](probe::ProbeDialog& self) {
        self.SetIcon(fw::LoadIconResource(probe::kIcon), true);
        const QIcon icon = self.Widget()->windowIcon();
        ASSERT_TRUE(icon.availableSizes().contains(QSize(8, 8)));
        const QImage doubled = icon.pixmap(QSize(8, 8)).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage large = icon.pixmap(QSize(4, 4)).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(doubled, large.scaled(8, 8, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        EXPECT_EQ(doubled.pixel(1, 1), qRgb(255, 0, 0));   // the red border stays two pixels wide
        EXPECT_EQ(doubled.pixel(2, 2), qRgb(255, 255, 255));
        self.EndDialog(1);
    };
    ASSERT_EQ(dialog.DoModal(), 1);
}

}  // namespace
