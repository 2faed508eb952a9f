// Fonts by the program's face names, mapped to the installed Japanese
// fonts, always without antialiasing so that drawn pixels are exact.
#pragma once

#include <QFont>

#include "gui/Dc.h"

namespace fw {

// Registers the face names with Qt's font substitution; needs the toolkit.
void InstallFaceSubstitutions();

// The installed families for a face name given in CP932, best first.
QStringList FamiliesForFace(const ByteString& faceName);

// A dialog font: `pointSize` points at 96 dots per inch, as pixels.
QFont DialogFont(const ByteString& faceName, int pointSize);

// The font a drawing context selects. A positive height is the character
// cell (ascent + descent) in pixels, a negative one the character height.
QFont FontFromLogFont(const LogFont& font);

// Pixel height of a font of `pointSize` points at 96 dots per inch.
int PointsToPixels(int pointSize);

}  // namespace fw
