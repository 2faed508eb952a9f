// The countdown window's rectangle, which the date dialogs open beside.
#pragma once

#include "core/Geometry.h"

// False when there is no main window (no application object has one).
bool GetMainWindowRect(fw::CRect* rect);
