// A dialog template of res/ as the platform's extended dialog template
// (DLGTEMPLATEEX with its DLGITEMTEMPLATEEX items) in memory, ready for
// DialogBoxIndirectParamW or CreateDialogIndirectParamW.
#pragma once

#include <cstdint>
#include <vector>

#include "core/Resources.h"

namespace fw::win32 {

// The template's bytes, kept DWORD-aligned as the platform requires when
// the vector's data is. Texts become UTF-16; a control class of our own
// becomes the platform's class (BUTTON, EDIT and STATIC by their atoms, the
// common controls by name); an icon static names its icon by number.
std::vector<std::uint32_t> BuildDialogTemplate(const DialogTemplate& dialog);

// A static that shows an icon (named by number in its text).
bool IsIconStatic(const ControlTemplate& control);

}  // namespace fw::win32
