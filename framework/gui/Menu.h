// Menus as a model of items (command, text in CP932, flags) with the
// platform's operations on them; shown as a pop-up only when tracked.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/Geometry.h"
#include "core/Text.h"
#include "gui/WindowConstants.h"

namespace fw {

class CWnd;

class CMenu {
public:
    struct Item {
        unsigned id = 0;                 // 0 for a separator or a pop-up
        ByteString text;
        unsigned flags = 0;              // MF_SEPARATOR, MF_GRAYED, MF_DISABLED, MF_POPUP
        std::unique_ptr<CMenu> popup;    // for MF_POPUP
    };

    CMenu();
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // Menu resource `id` of the program: a bar holding its one pop-up.
    bool LoadMenu(int id);
    bool CreatePopupMenu();
    bool DestroyMenu();
    bool IsCreated() const { return m_created; }

    int GetMenuItemCount() const;                 // -1 when there is no menu
    unsigned GetMenuItemID(int position) const;   // 0 for a separator, 0xFFFFFFFF for a pop-up or no item
    CMenu* GetSubMenu(int position) const;
    ByteString GetMenuText(int position) const;
    // MF_GRAYED / MF_DISABLED / MF_SEPARATOR / MF_POPUP bits; 0xFFFFFFFF for no item.
    unsigned GetMenuState(unsigned item, unsigned flags) const;

    // `item` is a position with MF_BYPOSITION, otherwise a command (searched
    // in the pop-ups too). Remove and Delete both take the item out.
    bool RemoveMenu(unsigned item, unsigned flags);
    bool DeleteMenu(unsigned item, unsigned flags);
    bool AppendMenu(unsigned flags, unsigned id = 0, const ByteString& text = {});
    // Returns the item's previous MF_GRAYED / MF_DISABLED bits, or
    // 0xFFFFFFFF when there is no such item.
    unsigned EnableMenuItem(unsigned item, unsigned flags);

    // Shows the menu as a pop-up with its top-left corner at the screen point
    // (x, y). The chosen command goes to owner->OnCommand, or with
    // TPM_RETURNCMD is returned instead (0: nothing chosen).
    unsigned TrackPopupMenu(unsigned flags, int x, int y, CWnd* owner);

    const std::vector<Item>& Items() const { return m_items; }

private:
    struct Found {
        std::vector<Item>* items;
        std::size_t index;
    };
    Found Find(unsigned item, unsigned flags);

    bool m_created = false;
    std::vector<Item> m_items;
};

// Lets a test see and answer every pop-up menu instead of showing it: the
// hook returns the chosen command, 0 for none. An empty hook shows menus again.
struct PopupMenuCall {
    const CMenu* menu;
    CPoint at;
    CWnd* owner;
};
using PopupMenuHook = std::function<unsigned(const PopupMenuCall&)>;
void SetPopupMenuHook(PopupMenuHook hook);

}  // namespace fw
