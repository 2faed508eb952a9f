#include "mainwnd/WindowPlacement.h"

namespace placement {

int WindowHeight(bool showGraph)
{
    return showGraph ? kTallHeight : kShortHeight;
}

WindowPos DefaultPosition(const fw::CRect& desktop, const fw::CRect& templateWindow, fw::ScreenScale scale)
{
    return {(desktop.Width() - templateWindow.Width()) / 2,
            (desktop.Height() - templateWindow.Height()) / 2 + scale(kDefaultBelowCentre)};
}

bool AcceptsStoredPosition(std::int32_t x, std::int32_t y, bool showGraph,
                           const fw::CRect& desktop, const fw::CRect& templateWindow, fw::ScreenScale scale)
{
    return x >= desktop.left && x <= desktop.Width() - templateWindow.Width() &&
           y >= desktop.top && y <= desktop.bottom - scale(WindowHeight(showGraph));
}

}  // namespace placement
