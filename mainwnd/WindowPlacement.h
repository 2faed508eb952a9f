// Where the countdown window stands and how big it is: the centred default
// position, the test a stored position must pass, and the two window sizes.
// Pure arithmetic on rectangles, so every limit can be tested exactly.
#pragma once

#include <cstdint>

#include "core/Geometry.h"
#include "settings/ScheduleSettings.h"

namespace placement {

inline constexpr int kWindowWidth = 231;
inline constexpr int kTallHeight = 218;    // with dates, graph and progress bar
inline constexpr int kShortHeight = 88;    // title and days left only
inline constexpr int kDefaultBelowCentre = 40;

int WindowHeight(bool showGraph);

// The figures above are logical pixels; rectangles are in screen pixels,
// into which `scale` turns the figures.

// Horizontally centred and 40 pixels below the vertical centre, computed for
// the window as the template makes it (before it is resized), measured from
// the desktop's origin.
WindowPos DefaultPosition(const fw::CRect& desktop, const fw::CRect& templateWindow, fw::ScreenScale scale = {});

// A stored position is used only when the window's left edge lies within the
// desktop (by the template's width) and its full height fits above the
// desktop's bottom.
bool AcceptsStoredPosition(std::int32_t x, std::int32_t y, bool showGraph,
                           const fw::CRect& desktop, const fw::CRect& templateWindow, fw::ScreenScale scale = {});

}  // namespace placement
