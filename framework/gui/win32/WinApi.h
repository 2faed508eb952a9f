// The platform's headers for the Win32 back end, in one order for every file.
// windows.h makes macros of names the framework's headers use as its own:
// style and flag constants (WS_CHILD, SW_HIDE, RGB ...) and function names
// (SetWindowText, LoadString, CreateFont ...). So the framework's headers
// come first, where the constants are declared unrewritten, and after the
// platform's headers the function-name macros go: this back end calls the
// W functions by their full names. Include this header last.
#pragma once

#include "core/Resources.h"
#include "core/StandardIds.h"
#include "gui/Dc.h"
#include "gui/WindowConstants.h"
#include "gui/Wnd.h"

#include <windows.h>
#include <commctrl.h>

#undef AppendMenu
#undef CreateFont
#undef CreateFontIndirect
#undef DrawText
#undef GetDlgItemText
#undef GetObject
#undef GetWindowText
#undef GetWindowTextLength
#undef LoadIcon
#undef LoadMenu
#undef LoadString
#undef SetDlgItemText
#undef SetWindowText
#undef TextOut
#undef WinHelp
