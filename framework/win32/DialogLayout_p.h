// Dialog units at the template font's nominal size, as the other back end
// has them, wherever the platform's own measure of the font differs.
#pragma once

#include "core/Resources.h"
#include "win32/WinApi.h"

namespace fw::win32 {

// Places the dialog's controls and sizes its client area from the template
// with base units of half and all of the font's point size in pixels (6 x 12
// for 9 points at 96 dpi). The platform takes the font's full line height
// instead, which is the same for the fonts the templates name but not for
// the fonts that stand in for them elsewhere (13 pixels under Wine): there
// every window would grow by a unit in twelve and no picture would match.
// Where both agree, nothing is moved.
void LayOutInNominalUnits(HWND dialog, const DialogTemplate& dialogTemplate);

}  // namespace fw::win32
