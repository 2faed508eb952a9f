#include "gui/DialogUnits.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace fw {

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (std::llabs(product) * 2 + std::llabs(c)) / (2 * std::llabs(c));
    if (magnitude > std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

DialogBaseUnits BaseUnitsForPointSize(int pointSize)
{
    const int height = static_cast<int>(std::lround(pointSize * 96.0 / 72.0));
    return {height / 2, height};
}

CRect DialogUnitsToPixels(int x, int y, int cx, int cy, DialogBaseUnits base)
{
    const int left = MulDiv(x, base.cx, 4);
    const int top = MulDiv(y, base.cy, 8);
    return {left, top, left + MulDiv(cx, base.cx, 4), top + MulDiv(cy, base.cy, 8)};
}

}  // namespace fw
