// Menus on Windows: the pop-up as the platform's, and the mirror that keeps
// a window's own system menu in step with its model.
#include "gui/Menu.h"

#include <map>

#include "core/win32/WideText.h"
#include "gui/common/BackEnd_p.h"
#include "gui/win32/Menu_p.h"
#include "gui/win32/WinApi.h"

namespace fw {

namespace {

std::map<const CMenu*, HMENU>& Mirrors()
{
    static std::map<const CMenu*, HMENU> mirrors;
    return mirrors;
}

HMENU MirrorOf(const CMenu* menu)
{
    const auto found = Mirrors().find(menu);
    return found == Mirrors().end() ? nullptr : found->second;
}

HMENU BuildPlatformMenu(const CMenu& source)
{
    HMENU menu = ::CreatePopupMenu();
    for (const CMenu::Item& item : source.Items()) {
        const std::wstring text = win32::WideFromCp932(item.text);
        if (item.popup)
            AppendMenuW(menu, MF_POPUP | item.flags, reinterpret_cast<UINT_PTR>(BuildPlatformMenu(*item.popup)), text.c_str());
        else
            AppendMenuW(menu, item.flags, item.id, (item.flags & MF_SEPARATOR) ? nullptr : text.c_str());
    }
    return menu;
}

}  // namespace

unsigned ShowPopupMenu(const CMenu& source, int x, int y, CWnd* owner)
{
    HMENU menu = BuildPlatformMenu(source);
    HWND window = owner && owner->GetSafeHwnd() ? owner->GetSafeHwnd() : GetActiveWindow();
    const auto chosen = static_cast<unsigned>(
        ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, window, nullptr));
    ::DestroyMenu(menu);
    return chosen;
}

void MirrorMenu(CMenu& menu, HMENU platform)
{
    menu.CreatePopupMenu();
    const int count = GetMenuItemCount(platform);
    for (int position = 0; position < count; ++position) {
        const UINT state = ::GetMenuState(platform, static_cast<UINT>(position), MF_BYPOSITION);
        wchar_t text[128] = {};
        GetMenuStringW(platform, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
        menu.AppendMenu(state & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED), ::GetMenuItemID(platform, position),
                        win32::Cp932FromWide(text));
    }
    Mirrors()[&menu] = platform;
}

void MenuItemAppended(const CMenu& menu, const CMenu::Item& item)
{
    if (HMENU mirror = MirrorOf(&menu))
        AppendMenuW(mirror, item.flags, item.id,
                    (item.flags & MF_SEPARATOR) ? nullptr : win32::WideFromCp932(item.text).c_str());
}

void MenuItemRemoved(const CMenu& menu, unsigned item, unsigned flags)
{
    if (HMENU mirror = MirrorOf(&menu))
        ::RemoveMenu(mirror, item, flags);
}

void MenuItemEnabled(const CMenu& menu, unsigned item, unsigned flags)
{
    if (HMENU mirror = MirrorOf(&menu))
        ::EnableMenuItem(mirror, item, flags);
}

// A window's system menu stays the window's when its model goes.
void MenuDestroyed(const CMenu& menu)
{
    Mirrors().erase(&menu);
}

// The platform's menu loop is left to itself.
void CloseOpenMenus() {}

}  // namespace fw
