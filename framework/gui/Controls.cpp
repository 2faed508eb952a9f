// The control wrappers' operations on their widgets.
#include "gui/Controls.h"

namespace fw {

void CEdit::SetReadOnly(bool /*readOnly*/) {}
void CEdit::SetSel(int /*start*/, int /*end*/) {}
void CEdit::LimitText(int /*bytes*/) {}

int CButton::GetCheck() const
{
    return 0;
}
void CButton::SetCheck(int /*check*/) {}

void CSpinButtonCtrl::SetRange32(int /*lower*/, int /*upper*/) {}
void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const
{
    lower = upper = 0;
}
int CSpinButtonCtrl::SetPos32(int /*pos*/)
{
    return 0;
}
int CSpinButtonCtrl::GetPos32() const
{
    return 0;
}
CWnd* CSpinButtonCtrl::GetBuddy() const
{
    return nullptr;
}

}  // namespace fw
