// Dialog units to pixels, as the platform converts them: from the dialog
// font's average character width and height, each coordinate on its own,
// rounded half away from zero. No toolkit needed.
#pragma once

#include "core/Geometry.h"

namespace fw {

// a * b / c rounded half away from zero; -1 when c is 0 or the result
// does not fit.
int MulDiv(int a, int b, int c);

struct DialogBaseUnits {
    int cx;   // average character width, pixels
    int cy;   // character height, pixels
};

// For a dialog font of `pointSize` points at 96 dots per inch: the height is
// the point size in pixels, the average width half of it (both the fonts the
// program names are full-width Japanese fonts): 9 points give 6 x 12.
DialogBaseUnits BaseUnitsForPointSize(int pointSize);

// A rectangle given in dialog units (x, y, width, height) in pixels.
CRect DialogUnitsToPixels(int x, int y, int cx, int cy, DialogBaseUnits base);

}  // namespace fw
