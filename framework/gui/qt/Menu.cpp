// The menu model and its display as a Qt pop-up.
#include "gui/Menu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <utility>

#include "core/Resources.h"
#include "gui/App.h"
#include "gui/qt/Toolkit_p.h"
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

void FillQMenu(QMenu& target, const CMenu& source)
{
    for (const CMenu::Item& item : source.Items()) {
        if (item.flags & MF_SEPARATOR) {
            target.addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (item.popup) {
            QMenu* sub = target.addMenu(ToQString(item.text));
            FillQMenu(*sub, *item.popup);
            action = sub->menuAction();
        } else {
            action = target.addAction(ToQString(item.text));
            action->setData(item.id);
        }
        action->setEnabled(!(item.flags & kStateBits));
    }
}

unsigned ShowQMenu(const CMenu& menu, int x, int y)
{
    EnsureToolkit();
    QMenu popup;
    FillQMenu(popup, menu);
    const QAction* chosen = popup.exec(QPoint(x, y));
    return chosen ? chosen->data().toUInt() : 0;
}

}  // namespace

CMenu::CMenu() = default;
CMenu::~CMenu() = default;

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
    return previous;
}

unsigned CMenu::TrackPopupMenu(unsigned flags, int x, int y, CWnd* owner)
{
    const unsigned chosen = Hook() ? Hook()(PopupMenuCall{this, {x, y}, owner}) : ShowQMenu(*this, x, y);
    if (flags & TPM_RETURNCMD)
        return chosen;
    if (chosen != 0 && owner)
        owner->OnCommand(chosen);
    return chosen != 0;
}

// An open menu runs its own loop above the dialogs' and would hold them
// open until the user closes it.
void CloseOpenMenus()
{
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!popup->close())
            break;
    }
}

void SetPopupMenuHook(PopupMenuHook hook)
{
    Hook() = std::move(hook);
}

}  // namespace fw
