// A menu model that mirrors a menu of the platform's: it starts with the
// platform menu's items, and each edit of the model is made on both.
#pragma once

#include "gui/Menu.h"
#include "gui/win32/WinApi.h"

namespace fw {

void MirrorMenu(CMenu& menu, HMENU platform);

}  // namespace fw
