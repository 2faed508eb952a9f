// The menu model, the same on both back ends: its items, their edits and
// look-ups, and the pop-up's command. The back end shows the pop-up, and
// hears of each edit where a menu of its own follows the model.
#include "gui/Menu.h"

#include <utility>

#include "core/Resources.h"
#include "gui/Wnd.h"
#include "gui/common/BackEnd_p.h"

namespace fw {

namespace {

constexpr unsigned kNoItem = 0xFFFFFFFFu;
constexpr unsigned kStateBits = MF_GRAYED | MF_DISABLED;

PopupMenuHook& Hook()
{
    static PopupMenuHook hook;
    return hook;
}

}  // namespace

CMenu::CMenu() = default;

CMenu::~CMenu()
{
    MenuDestroyed(*this);
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
    MenuDestroyed(*this);
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
    MenuItemRemoved(*this, item, flags);
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
    m_items.push_back(std::move(item));
    MenuItemAppended(*this, m_items.back());
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
    MenuItemEnabled(*this, item, flags);
    return previous;
}

unsigned CMenu::TrackPopupMenu(unsigned flags, int x, int y, CWnd* owner)
{
    const unsigned chosen = Hook() ? Hook()(PopupMenuCall{this, {x, y}, owner}) : ShowPopupMenu(*this, x, y, owner);
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

int CMenu::GetMenuItemCount() const
{
    return m_created ? static_cast<int>(m_items.size()) : -1;
}

unsigned CMenu::GetMenuItemID(int position) const
{
    if (position < 0 || position >= static_cast<int>(m_items.size()))
        return kNoItem;
    const Item& item = m_items[static_cast<std::size_t>(position)];
    return item.popup ? kNoItem : item.id;
}

CMenu* CMenu::GetSubMenu(int position) const
{
    if (position < 0 || position >= static_cast<int>(m_items.size()))
        return nullptr;
    return m_items[static_cast<std::size_t>(position)].popup.get();
}

ByteString CMenu::GetMenuText(int position) const
{
    if (position < 0 || position >= static_cast<int>(m_items.size()))
        return {};
    return m_items[static_cast<std::size_t>(position)].text;
}

CMenu::Found CMenu::Find(unsigned item, unsigned flags)
{
    if (flags & MF_BYPOSITION) {
        if (item < m_items.size())
            return {&m_items, item};
        return {nullptr, 0};
    }
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        Item& entry = m_items[i];
        if (entry.popup) {
            const Found inner = entry.popup->Find(item, flags);
            if (inner.items)
                return inner;
        } else if (!(entry.flags & MF_SEPARATOR) && entry.id == item) {
            return {&m_items, i};
        }
    }
    return {nullptr, 0};
}

unsigned CMenu::GetMenuState(unsigned item, unsigned flags) const
{
    const Found found = const_cast<CMenu*>(this)->Find(item, flags);
    return found.items ? (*found.items)[found.index].flags : kNoItem;
}

}  // namespace fw
