// Numbers that the window code passes to the framework, with the values the
// program's handlers compare against: command IDs, system commands, menu and
// placement flags, control-colour kinds, size types and key codes.
#pragma once

#include "core/StandardIds.h"

namespace fw {

// Control notifications: the code of a command-table entry whose id is the
// control's. UDN_DELTAPOS comes before a spin steps, with the spin's id.
inline constexpr unsigned BN_CLICKED = 0;
inline constexpr unsigned EN_SETFOCUS = 0x100;
inline constexpr unsigned EN_KILLFOCUS = 0x200;
inline constexpr unsigned EN_CHANGE = 0x300;
inline constexpr unsigned UDN_DELTAPOS = static_cast<unsigned>(-722);

// System commands (OnSysCommand); the low four bits are free for flags.
inline constexpr unsigned SC_SIZE = 61440;
inline constexpr unsigned SC_MOVE = 61456;
inline constexpr unsigned SC_MINIMIZE = 61472;
inline constexpr unsigned SC_MAXIMIZE = 61488;
inline constexpr unsigned SC_CLOSE = 61536;
inline constexpr unsigned SC_RESTORE = 61728;

// Size types (OnSize).
inline constexpr unsigned SIZE_RESTORED = 0;
inline constexpr unsigned SIZE_MINIMIZED = 1;

// Control-colour kinds (OnCtlColor).
inline constexpr unsigned CTLCOLOR_EDIT = 1;
inline constexpr unsigned CTLCOLOR_BTN = 3;
inline constexpr unsigned CTLCOLOR_DLG = 4;
inline constexpr unsigned CTLCOLOR_STATIC = 6;

// Menu flags.
inline constexpr unsigned MF_BYCOMMAND = 0x0;
inline constexpr unsigned MF_STRING = 0x0;
inline constexpr unsigned MF_ENABLED = 0x0;
inline constexpr unsigned MF_GRAYED = 0x1;
inline constexpr unsigned MF_DISABLED = 0x2;
inline constexpr unsigned MF_POPUP = 0x10;
inline constexpr unsigned MF_BYPOSITION = 0x400;
inline constexpr unsigned MF_SEPARATOR = 0x800;

// TrackPopupMenu flags.
inline constexpr unsigned TPM_LEFTALIGN = 0x0;
inline constexpr unsigned TPM_RIGHTBUTTON = 0x2;
inline constexpr unsigned TPM_RETURNCMD = 0x100;

// SetWindowPos flags.
inline constexpr unsigned SWP_NOSIZE = 0x1;
inline constexpr unsigned SWP_NOMOVE = 0x2;
inline constexpr unsigned SWP_NOZORDER = 0x4;
inline constexpr unsigned SWP_NOACTIVATE = 0x10;
inline constexpr unsigned SWP_SHOWWINDOW = 0x40;
inline constexpr unsigned SWP_HIDEWINDOW = 0x80;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_RESTORE = 9;

// Mouse and key state flags (OnLButtonDown).
inline constexpr unsigned MK_LBUTTON = 0x1;
inline constexpr unsigned MK_RBUTTON = 0x2;
inline constexpr unsigned MK_SHIFT = 0x4;
inline constexpr unsigned MK_CONTROL = 0x8;

// Virtual-key codes of the keys the program and the framework look at.
// Letters and digits are their ASCII upper-case codes.
inline constexpr unsigned VK_BACK = 0x08;
inline constexpr unsigned VK_TAB = 0x09;
inline constexpr unsigned VK_RETURN = 0x0D;
inline constexpr unsigned VK_SHIFT = 0x10;
inline constexpr unsigned VK_CONTROL = 0x11;
inline constexpr unsigned VK_MENU = 0x12;   // Alt
inline constexpr unsigned VK_ESCAPE = 0x1B;
inline constexpr unsigned VK_SPACE = 0x20;
inline constexpr unsigned VK_PRIOR = 0x21;
inline constexpr unsigned VK_NEXT = 0x22;
inline constexpr unsigned VK_END = 0x23;
inline constexpr unsigned VK_HOME = 0x24;
inline constexpr unsigned VK_LEFT = 0x25;
inline constexpr unsigned VK_UP = 0x26;
inline constexpr unsigned VK_RIGHT = 0x27;
inline constexpr unsigned VK_DOWN = 0x28;
inline constexpr unsigned VK_INSERT = 0x2D;
inline constexpr unsigned VK_DELETE = 0x2E;
inline constexpr unsigned VK_APPS = 0x5D;   // the context-menu key
inline constexpr unsigned VK_F1 = 0x70;
inline constexpr unsigned VK_F10 = 0x79;

// A key going down in a dialog or one of its controls, as PreTranslateMessage
// sees it before the dialog's own keyboard handling.
struct KeyMessage {
    unsigned vk = 0;          // virtual-key code; 0 for a key without one
    bool repeat = false;      // a held key repeating
    bool system = false;      // Alt is held (the platform's system key-down)
    bool shift = false;
    bool control = false;
};

}  // namespace fw
