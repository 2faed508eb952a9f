// The system menu that each window keeps itself, since Linux window managers
// own the title-bar menu: the platform's seven items, shown on Alt+Space.
#include <array>

#include "gui/qt/Dispatch_p.h"
#include "gui/qt/WndData_p.h"

namespace fw {

namespace {

struct SystemItem {
    unsigned id;          // 0: separator
    const char* text;     // UTF-8
    unsigned flags;
};

}  // namespace

std::unique_ptr<CMenu> MakeDefaultSystemMenu(bool hasMinimiseBox)
{
    // Restore, Size and Maximise do nothing for a fixed-size window that is
    // not minimised, so they start grey.
    const std::array items{
        SystemItem{SC_RESTORE, "元のサイズに戻す(&R)", MF_GRAYED},
        SystemItem{SC_MOVE, "移動(&M)", MF_ENABLED},
        SystemItem{SC_SIZE, "サイズ変更(&S)", MF_GRAYED},
        SystemItem{SC_MINIMIZE, "最小化(&N)", hasMinimiseBox ? MF_ENABLED : MF_GRAYED},
        SystemItem{SC_MAXIMIZE, "最大化(&X)", MF_GRAYED},
        SystemItem{0, "", MF_SEPARATOR},
        SystemItem{SC_CLOSE, "閉じる(&C)\tAlt+F4", MF_ENABLED},
    };
    auto menu = std::make_unique<CMenu>();
    menu->CreatePopupMenu();
    for (const SystemItem& item : items)
        menu->AppendMenu(item.flags, item.id, cp932::FromUtf8(item.text));
    return menu;
}

void ShowSystemMenu(CWnd& wnd)
{
    CMenu* menu = wnd.GetSystemMenu(false);
    if (!menu)
        return;
    CRect frame;
    wnd.GetWindowRect(&frame);
    const unsigned chosen = menu->TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, frame.left, frame.top, &wnd);
    if (chosen != 0)
        dispatch::SysCommand(wnd, chosen, 0);
}

}  // namespace fw
