// The menu model, its pop-up as the platform's, and the mirror that keeps
// a window's own system menu in step with the model.
#include "gui/Menu.h"

#include <map>
#include <utility>

#include "core/Resources.h"
#include "core/win32/WideText.h"
#include "gui/App.h"
#include "gui/win32/Menu_p.h"
#include "gui/win32/WinApi.h"

namespace fw {

namespace {

constexpr unsigned kNoItem = 0xFFFFFFFFu;
constexpr unsigned kStateBits = MF_GRAYED | MF_DISABLED;

PopupMenuHook& Hook()
{
    static PopupMenuHook hook;
    return hook;
}

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

unsigned ShowPlatformMenu(const CMenu& source, int x, int y, CWnd* owner)
{
    HMENU menu = BuildPlatformMenu(source);
    HWND window = owner && owner->GetSafeHwnd() ? owner->GetSafeHwnd() : GetActiveWindow();
    const auto chosen = static_cast<unsigned>(
        ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, window, nullptr));
    ::DestroyMenu(menu);
    return chosen;
}

}  // namespace

CMenu::CMenu() = default;
CMenu::~CMenu()
{
    Mirrors().erase(this);
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

bool CMenu::LoadMenu(int id)
{
    const MenuTemplate* found = FindMenuTemplate(id);
    if (!found)
        return false;
    auto popup = std::make_unique<CMenu>();
    popup->CreatePopupMenu();
    for (const MenuItemTemplate& entry : found->items) {
        if (entry.id == 0)
            popup->AppendMenu(MF_SEPARATOR);
        else
            popup->AppendMenu(MF_STRING, static_cast<unsigned>(entry.id), cp932::FromUtf8(entry.text));
    }
    m_items.clear();
    m_items.push_back(Item{0, cp932::FromUtf8(found->popupText), MF_POPUP, std::move(popup)});
    m_created = true;
    return true;
}

bool CMenu::CreatePopupMenu()
{
    m_items.clear();
    m_created = true;
    return true;
}

bool CMenu::DestroyMenu()
{
    const bool wasCreated = m_created;
    Mirrors().erase(this);   // a window's system menu stays the window's
    m_items.clear();
    m_created = false;
    return wasCreated;
}

bool CMenu::RemoveMenu(unsigned item, unsigned flags)
{
    const Found found = Find(item, flags);
    if (!found.items)
        return false;
    found.items->erase(found.items->begin() + static_cast<std::ptrdiff_t>(found.index));
    if (HMENU mirror = MirrorOf(this))
        ::RemoveMenu(mirror, item, flags);
    return true;
}

bool CMenu::DeleteMenu(unsigned item, unsigned flags)
{
    return RemoveMenu(item, flags);
}

bool CMenu::AppendMenu(unsigned flags, unsigned id, const ByteString& text)
{
    if (!m_created)
        return false;
    Item item;
    item.flags = flags & (MF_SEPARATOR | kStateBits);
    if (!(flags & MF_SEPARATOR)) {
        item.id = id;
        item.text = text;
    }
    if (HMENU mirror = MirrorOf(this))
        AppendMenuW(mirror, item.flags, item.id, (item.flags & MF_SEPARATOR) ? nullptr : win32::WideFromCp932(text).c_str());
    m_items.push_back(std::move(item));
    return true;
}

unsigned CMenu::EnableMenuItem(unsigned item, unsigned flags)
{
    const Found found = Find(item, flags);
    if (!found.items)
        return kNoItem;
    Item& entry = (*found.items)[found.index];
    const unsigned previous = entry.flags & kStateBits;
    entry.flags = (entry.flags & ~kStateBits) | (flags & kStateBits);
    if (HMENU mirror = MirrorOf(this))
        ::EnableMenuItem(mirror, item, flags);
    return previous;
}

unsigned CMenu::TrackPopupMenu(unsigned flags, int x, int y, CWnd* owner)
{
    const unsigned chosen = Hook() ? Hook()(PopupMenuCall{this, {x, y}, owner}) : ShowPlatformMenu(*this, x, y, owner);
    if (flags & TPM_RETURNCMD)
        return chosen;
    if (chosen != 0 && owner)
        owner->OnCommand(chosen);
    return chosen != 0;
}

void SetPopupMenuHook(PopupMenuHook hook)
{
    Hook() = std::move(hook);
}

}  // namespace fw
