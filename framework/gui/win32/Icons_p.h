// The platform's icons made from the resources' pictures.
#pragma once

#include "gui/win32/WinApi.h"

namespace fw {

// The icon in its large (32) or small (16) size, made once for the whole run.
::HICON PlatformIconOf(const IconResource* icon, bool big);

}  // namespace fw
