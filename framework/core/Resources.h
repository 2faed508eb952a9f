// Dialog templates, menus and string tables as plain data. The program's
// res/ folder fills them in; framework/gui builds widgets from them at run
// time. Texts here are UTF-8 (source files are UTF-8); they become CP932
// where they are loaded.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/Text.h"

namespace fw {

// Window and control styles, with the platform's values.
namespace style {
inline constexpr std::uint32_t WS_POPUP = 0x80000000u;
inline constexpr std::uint32_t WS_CHILD = 0x40000000u;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000u;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000u;
inline constexpr std::uint32_t WS_BORDER = 0x00800000u;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
inline constexpr std::uint32_t WS_GROUP = 0x00020000u;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000u;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000u;   // same bit as WS_GROUP, on windows
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000u;
inline constexpr std::uint32_t DS_MODALFRAME = 0x80u;
inline constexpr std::uint32_t DS_SETFONT = 0x40u;

inline constexpr std::uint32_t SS_LEFT = 0x0u;
inline constexpr std::uint32_t SS_CENTER = 0x1u;
inline constexpr std::uint32_t SS_RIGHT = 0x2u;
inline constexpr std::uint32_t SS_ICON = 0x3u;
inline constexpr std::uint32_t SS_BLACKFRAME = 0x7u;
inline constexpr std::uint32_t SS_TYPEMASK = 0x1Fu;
inline constexpr std::uint32_t SS_CENTERIMAGE = 0x200u;
inline constexpr std::uint32_t SS_SUNKEN = 0x1000u;
inline constexpr std::uint32_t SS_ETCHEDHORZ = 0x10u;

inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0u;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1u;
inline constexpr std::uint32_t BS_AUTOCHECKBOX = 0x3u;
inline constexpr std::uint32_t BS_TYPEMASK = 0xFu;
inline constexpr std::uint32_t BS_FLAT = 0x8000u;

inline constexpr std::uint32_t ES_LEFT = 0x0u;
inline constexpr std::uint32_t ES_CENTER = 0x1u;
inline constexpr std::uint32_t ES_RIGHT = 0x2u;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x80u;
inline constexpr std::uint32_t ES_READONLY = 0x800u;

inline constexpr std::uint32_t UDS_WRAP = 0x1u;
inline constexpr std::uint32_t UDS_SETBUDDYINT = 0x2u;
inline constexpr std::uint32_t UDS_ALIGNRIGHT = 0x4u;
inline constexpr std::uint32_t UDS_AUTOBUDDY = 0x10u;
inline constexpr std::uint32_t UDS_ARROWKEYS = 0x20u;
inline constexpr std::uint32_t UDS_NOTHOUSANDS = 0x80u;
inline constexpr std::uint32_t PBS_SEGMENTED = 0x0u;   // the classic look; nothing to set
}  // namespace style

enum class ControlClass { Static, Button, Edit, Progress, UpDown };

inline constexpr int kNoId = -1;

struct ControlTemplate {
    int id;                      // kNoId for none
    ControlClass cls;
    std::string_view text;       // UTF-8; for SS_ICON the icon's resource number as text
    int x, y, cx, cy;            // dialog units
    std::uint32_t style;         // WS_CHILD | WS_VISIBLE are implied
};

struct DialogTemplate {
    int id;
    int x, y, cx, cy;            // dialog units
    std::string_view caption;    // UTF-8
    std::string_view fontFace;   // UTF-8, e.g. "ＭＳ 明朝"
    int fontPointSize;
    std::uint32_t style;
    std::uint32_t exStyle;
    std::vector<ControlTemplate> controls;   // template order = tab order
};

struct MenuItemTemplate {
    int id;                      // 0 for a separator
    std::string_view text;       // UTF-8; empty for a separator
};

struct MenuTemplate {
    int id;
    std::string_view popupText;  // the one pop-up's text
    std::vector<MenuItemTemplate> items;
};

struct StringResource {
    int id;
    std::string_view text;       // UTF-8
};

// An icon as XPM rows (our own pixel art): one 32 x 32 and one 16 x 16 image.
struct IconResource {
    int id;
    std::vector<const char*> xpm32;
    std::vector<const char*> xpm16;
};

// Everything a program hands the framework at start-up.
struct ResourceTable {
    std::vector<DialogTemplate> dialogs;
    std::vector<MenuTemplate> menus;
    std::vector<StringResource> strings;
    std::vector<IconResource> icons;
};

// The program's resources, registered once before any window is made.
void SetResources(const ResourceTable* table);
const ResourceTable* Resources();
const DialogTemplate* FindDialogTemplate(int id);
const MenuTemplate* FindMenuTemplate(int id);
const IconResource* FindIcon(int id);

// A string resource converted to CP932; empty when there is none.
ByteString LoadString(int id);

}  // namespace fw
