// The control wrappers on the platform's own controls: thin messages, and a
// byte limit for edits, since the platform's own limit counts characters.
#include "gui/Controls.h"
#include "gui/ProgressCtrl.h"

#include "core/win32/WideText.h"
#include "gui/win32/TextFit_p.h"
#include "gui/win32/WinApi.h"

namespace fw {

namespace {

constexpr UINT_PTR kByteLimitSubclass = 0x59524B;

ByteString SelectedBytes(HWND edit)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    if (end > text.size() || start > end)
        return {};
    return win32::Cp932FromWide(std::wstring_view(text).substr(start, end - start));
}

// The bytes that typing may still add in place of the selection.
std::size_t RoomInBytes(HWND edit, std::size_t limit)
{
    const int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), length + 1)));
    const std::size_t kept = win32::Cp932FromWide(text).size() - SelectedBytes(edit).size();
    return kept >= limit ? 0 : limit - kept;
}

std::wstring ClipboardText(HWND owner)
{
    std::wstring text;
    if (!OpenClipboard(owner))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

LRESULT CALLBACK ByteLimitedEdit(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR limit)
{
    if (message == WM_CHAR && wParam >= 0x20) {
        const wchar_t typed = static_cast<wchar_t>(wParam);
        if (win32::Cp932FromWide(std::wstring_view(&typed, 1)).size() > RoomInBytes(edit, limit))
            return 0;
    }
    if (message == WM_PASTE) {
        const ByteString pasted = win32::Cp932FromWide(ClipboardText(edit));
        const ByteString fits(cp932::CutToBytes(pasted, RoomInBytes(edit, limit)));
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(win32::WideFromCp932(fits).c_str()));
        return 0;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void CEdit::SetReadOnly(bool readOnly)
{
    SendMessageW(GetSafeHwnd(), EM_SETREADONLY, readOnly, 0);
}

void CEdit::SetSel(int start, int end)
{
    SendMessageW(GetSafeHwnd(), EM_SETSEL, static_cast<WPARAM>(start), end);
}

void CEdit::LimitText(int bytes)
{
    if (!GetSafeHwnd())
        return;
    const DWORD_PTR limit = static_cast<DWORD_PTR>(bytes < 0 ? 0 : bytes);
    SetWindowSubclass(GetSafeHwnd(), ByteLimitedEdit, kByteLimitSubclass, limit);
}

int CButton::GetCheck() const
{
    return static_cast<int>(SendMessageW(GetSafeHwnd(), BM_GETCHECK, 0, 0));
}

void CButton::SetCheck(int check)
{
    SendMessageW(GetSafeHwnd(), BM_SETCHECK, static_cast<WPARAM>(check), 0);
}

void CSpinButtonCtrl::SetRange32(int lower, int upper)
{
    SendMessageW(GetSafeHwnd(), UDM_SETRANGE32, static_cast<WPARAM>(lower), upper);
    win32::FitBuddyToRange(GetSafeHwnd());
}

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const
{
    SendMessageW(GetSafeHwnd(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

int CSpinButtonCtrl::SetPos32(int pos)
{
    return static_cast<int>(SendMessageW(GetSafeHwnd(), UDM_SETPOS32, 0, pos));
}

int CSpinButtonCtrl::GetPos32() const
{
    return static_cast<int>(SendMessageW(GetSafeHwnd(), UDM_GETPOS32, 0, 0));
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    HWND buddy = reinterpret_cast<HWND>(SendMessageW(GetSafeHwnd(), UDM_GETBUDDY, 0, 0));
    CWnd* parent = FromHandle(GetParent(GetSafeHwnd()));
    return parent && buddy ? parent->GetDlgItem(::GetDlgCtrlID(buddy)) : FromHandle(buddy);
}

void CProgressCtrl::SetRange(unsigned short lower, unsigned short upper)
{
    SendMessageW(GetSafeHwnd(), PBM_SETRANGE, 0, MAKELPARAM(lower, upper));
}

void CProgressCtrl::GetRange(int& lower, int& upper) const
{
    PBRANGE range{};
    SendMessageW(GetSafeHwnd(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    lower = range.iLow;
    upper = range.iHigh;
}

int CProgressCtrl::SetPos(int position)
{
    return static_cast<int>(SendMessageW(GetSafeHwnd(), PBM_SETPOS, static_cast<WPARAM>(position), 0));
}

int CProgressCtrl::GetPos() const
{
    return static_cast<int>(SendMessageW(GetSafeHwnd(), PBM_GETPOS, 0, 0));
}

}  // namespace fw
