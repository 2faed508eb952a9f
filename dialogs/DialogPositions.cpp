#include "dialogs/DialogPositions.h"

namespace {

constexpr int kDayCountBottomMargin = 20;
constexpr int kSetupBottomMargin = 30;

}  // namespace

fw::CPoint DayCountPosition(const fw::CRect& mainWindow, const fw::CRect& screen, const fw::CRect& dialog,
                            fw::ScreenScale scale)
{
    int x = mainWindow.left + mainWindow.Width() / 2 - dialog.Width() / 2;
    if (x < screen.left)
        x = 0;
    if (x > screen.right - dialog.Width())
        x = screen.right - dialog.Width();
    int y = mainWindow.bottom;
    if (mainWindow.bottom > screen.bottom - dialog.Height() - scale(kDayCountBottomMargin))
        y = mainWindow.top - dialog.Height();
    return {x, y};
}

std::optional<fw::CPoint> SetupPosition(const fw::CRect& mainWindow, const fw::CRect& screen,
                                        const fw::CRect& dialog, fw::ScreenScale scale)
{
    const int margin = scale(kSetupBottomMargin);
    const bool mainInRightHalf = mainWindow.left + mainWindow.Width() / 2 > screen.Width() / 2;
    const int x = mainInRightHalf ? mainWindow.left - dialog.Width() : mainWindow.right;
    int y = mainWindow.top;
    if (mainWindow.top + dialog.Height() + margin > screen.bottom)
        y = screen.bottom - dialog.Height() - margin;
    if (x < screen.left || x > screen.right - dialog.Width() || y < screen.top)
        return std::nullopt;
    return fw::CPoint{x, y};
}
