// Dialog units at the template font's nominal size, as the other back end
// has them, in logical pixels scaled to the window's screen.
#pragma once

#include "core/Resources.h"
#include "gui/win32/WinApi.h"

namespace fw::win32 {

// Places the dialog's controls and sizes its client area from the template
// with base units of half and all of the font's point size in logical
// pixels (6 x 12 for 9 points), each edge then scaled to `dpi` on its own,
// as the other back end scales them. The platform takes the font's
// full line height instead, which is the same for the fonts the templates
// name but not for the fonts that stand in for them elsewhere (13 pixels
// under Wine): there every window would grow by a unit in twelve and no
// picture would match. The dialog is laid out at `dpi` from then on.
void LayOutInNominalUnits(HWND dialog, const DialogTemplate& dialogTemplate, int dpi);

}  // namespace fw::win32
