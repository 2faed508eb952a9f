// The one look of the program's windows on every desktop.
#pragma once

#include <QPalette>

namespace fw {

// The light dialog colours every window is drawn with: the toolkit's own
// light palette, as the program shows on a desktop without a theme, with
// every role of every colour group set, so that nothing of a desktop's
// scheme shows through.
QPalette LightDialogPalette();

// Fixes the application's style and palette (and, where the toolkit knows
// them, its colour scheme) to the ones above; needs the toolkit.
void InstallFixedLook();

}  // namespace fw
