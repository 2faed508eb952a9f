#include "core/DialogPlacement.h"

namespace fw {

namespace {

// Keeps [start, start + length) inside [low, high), the low edge winning.
int PushInside(int start, int length, int low, int high)
{
    if (start < low)
        return low;
    if (start + length > high)
        return high - length;
    return start;
}

}  // namespace

CPoint CentredPosition(const CRect& window, const CRect* reference, const CRect& workArea)
{
    const CRect& centre = reference ? *reference : workArea;
    const int w = window.Width();
    const int h = window.Height();
    const int x = (centre.left + centre.right) / 2 - w / 2;
    const int y = (centre.top + centre.bottom) / 2 - h / 2;
    return {PushInside(x, w, workArea.left, workArea.right), PushInside(y, h, workArea.top, workArea.bottom)};
}

}  // namespace fw
