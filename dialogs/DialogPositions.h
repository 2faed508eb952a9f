// Where the two date dialogs open beside the countdown window. All
// rectangles are window rectangles in screen pixels: `mainWindow` the
// countdown window's, `screen` the whole screen's, `dialog` the dialog's own
// (only its size counts). Halves are integer divisions; the margins are
// logical pixels, scaled by `scale` to the screen's pixels.
#pragma once

#include <optional>

#include "core/Geometry.h"

// The day-count dialog: centred under the main window, kept from the
// screen's right edge (and put at x = 0 when it would start left of the
// screen); above the main window when there is no room below it. The
// vertical position is not checked further.
fw::CPoint DayCountPosition(const fw::CRect& mainWindow, const fw::CRect& screen, const fw::CRect& dialog,
                            fw::ScreenScale scale = {});

// The setup dialog: on the side of the main window that faces the screen's
// centre, at the main window's top or raised to end 30 pixels above the
// screen's bottom. Nothing when that place leaves the screen on the left,
// right or top: the dialog is then centred on the screen instead.
std::optional<fw::CPoint> SetupPosition(const fw::CRect& mainWindow, const fw::CRect& screen,
                                        const fw::CRect& dialog, fw::ScreenScale scale = {});
