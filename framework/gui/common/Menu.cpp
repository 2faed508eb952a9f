// The menu model's look-ups, shared by both back ends: they read the items
// alone and touch no toolkit or platform.
#include "gui/Menu.h"

namespace fw {

namespace {

constexpr unsigned kNoItem = 0xFFFFFFFFu;

}  // namespace

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
