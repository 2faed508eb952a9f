// Logical pixels on a screen of another density, one rule for both back
// ends: an edge at logical x stands at device pixel round(x * ratio), and a
// line n logical pixels wide takes round(n * ratio) device pixels on every
// side, never none. No toolkit needed.
#pragma once

namespace fw {

int DeviceEdge(int logical, double ratio);
int DeviceLineWidth(int logical, double ratio);

// The logical length of `device` pixels: the inverse of DeviceEdge for
// every ratio of 1 or more.
int LogicalLength(int device, double ratio);

}  // namespace fw
