// Words a screen reader reads for a control that the platform cannot read
// by itself (an area the window draws into), answered through MSAA.
#pragma once

#include <string>

#include "gui/win32/WinApi.h"

#include <oleacc.h>

namespace fw::win32 {

// The control's accessible name, and its role (ROLE_SYSTEM_...; 0 keeps the
// platform's). Screen readers hear of a change, and only of a change.
void SetAccessibleName(HWND control, const std::wstring& name, LONG role);
void SetAccessibleDescription(HWND control, const std::wstring& description);

}  // namespace fw::win32
