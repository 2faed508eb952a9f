// Where the framework puts a dialog that was created hidden and did not
// place itself during its initialisation: centred over its owner (or the
// work area when the owner is absent, hidden or minimised), then pushed back
// inside the work area. No toolkit needed.
#pragma once

#include "core/Geometry.h"

namespace fw {

// `window` is the dialog's window rectangle (only its size counts);
// `reference` the owner's window rectangle, or null.
CPoint CentredPosition(const CRect& window, const CRect* reference, const CRect& workArea);

}  // namespace fw
