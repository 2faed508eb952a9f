// What a window does the same on both back ends: the command table's
// dispatch, the texts of its dialog items and the program's icons.
#include "gui/Wnd.h"

namespace fw {

bool CCmdTarget::DispatchCommand(unsigned id, unsigned code)
{
    for (const CommandEntry& entry : CommandMap()) {
        if (entry.id == id && entry.code == code) {
            entry.invoke(*this, entry.argument);
            return true;
        }
    }
    return false;
}

void CWnd::SetDlgItemText(int id, const ByteString& text)
{
    if (CWnd* item = GetDlgItem(id))
        item->SetWindowText(text);
}

ByteString CWnd::GetDlgItemText(int id) const
{
    const CWnd* item = GetDlgItem(id);
    return item ? item->GetWindowText() : ByteString{};
}

void CWnd::MoveWindow(const CRect& rect, bool repaint)
{
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), repaint);
}

HICON LoadIconResource(int id)
{
    return FindIcon(id);
}

}  // namespace fw
