// The scale of a window on today's Windows. The program speaks in logical
// pixels, 96 to the inch; a program aware of each screen's scale gets
// device pixels of the screen its window stands on. A window's scale is
// its top-level window's: the one it was laid out at, or the platform's.
// Include it last, as WinApi.h.
#pragma once

#include "gui/win32/WinApi.h"

namespace fw::win32 {

inline constexpr int kLogicalDpi = 96;

int WindowDpi(HWND window);
void SetWindowDpi(HWND topLevel, int dpi);
void ForgetWindowDpi(HWND topLevel);

inline double DeviceRatioOf(int dpi)
{
    return static_cast<double>(dpi) / kLogicalDpi;
}

// The outer rectangle around a client rectangle at `dpi`, with the frame
// and caption metrics of that scale where the platform has them.
void AdjustWindowRectForDpi(RECT* rect, HWND window, int dpi);

// The small-icon size (16 at 96 dpi) on the window's screen.
int SmallIconSize(HWND window);

// Moves a top-level window to (x, y) with a client area of width x height
// device pixels at `dpi`, making up for a frame that differs from the one
// the platform computes for that scale.
void PlaceWithClientSize(HWND window, int x, int y, int width, int height, int dpi);

}  // namespace fw::win32
