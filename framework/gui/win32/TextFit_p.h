// Texts kept whole inside their controls. The dialog units follow the
// font's nominal size, as on the other back end, but the platform sets text
// at the screen's own size in whole pixels a character, which at some
// scales is wider than the nominal size scaled (a 9-point Gothic at 125 %
// takes 16 pixels a character where the units give 15), and its controls
// keep text inside frames and margins the units know nothing of. A control
// whose text would lose ink there takes its font narrowed just enough; one
// whose text fits keeps the dialog's font. No control changes its size.
// Include it last, as WinApi.h.
#pragma once

#include "gui/win32/WinApi.h"

namespace fw::win32 {

// Fits the text of every label, button, check box and edit of the dialog to
// the controls' present sizes, and again whenever a text is set or a font
// given. Text typed into an edit scrolls, as it would.
void FitDialogTexts(HWND dialog);

// Fits an up-down control's buddy also to every number the up-down can
// write into it: a number as long as either end of its range, in the widest
// digit of the buddy's font.
void FitBuddyToRange(HWND upDown);

}  // namespace fw::win32
