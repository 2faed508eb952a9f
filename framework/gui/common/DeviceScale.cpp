#include "gui/common/DeviceScale.h"

#include <algorithm>
#include <cmath>

namespace fw {

int DeviceEdge(int logical, double ratio)
{
    return static_cast<int>(std::lround(logical * ratio));
}

int DeviceLineWidth(int logical, double ratio)
{
    return std::max(1, DeviceEdge(logical, ratio));
}

int LogicalLength(int device, double ratio)
{
    return ratio > 0 ? static_cast<int>(std::lround(device / ratio)) : device;
}

}  // namespace fw
