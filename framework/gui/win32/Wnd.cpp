// CWnd on the platform's own windows: texts through the W functions in
// UTF-16, converted from and to CP932 at this boundary.
#include "core/win32/WideText.h"
#include "gui/App.h"
#include "gui/Controls.h"
#include "gui/ProgressCtrl.h"
#include "gui/common/DeviceScale.h"
#include "gui/win32/Dpi_p.h"
#include "gui/win32/WndData_p.h"
#include "gui/win32/WinApi.h"

#include <unordered_map>

namespace fw {

namespace {

std::unordered_map<HWND, CWnd*>& Wrappers()
{
    static std::unordered_map<HWND, CWnd*> wrappers;
    return wrappers;
}

ByteString TextOfWindow(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, wide.data(), length + 1);
    wide.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return win32::Cp932FromWide(wide);
}

CRect FromRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// A wrapper of the kind the control's class calls for, so that a caller
// may take an edit as a CEdit, a spin button as a CSpinButtonCtrl.
std::unique_ptr<CWnd> WrapperFor(HWND control)
{
    wchar_t name[32] = {};
    GetClassNameW(control, name, 32);
    const std::wstring_view cls(name);
    if (cls == L"Edit")
        return std::make_unique<CEdit>();
    if (cls == L"Button")
        return std::make_unique<CButton>();
    if (cls == UPDOWN_CLASSW)
        return std::make_unique<CSpinButtonCtrl>();
    if (cls == PROGRESS_CLASSW)
        return std::make_unique<CProgressCtrl>();
    return std::make_unique<CWnd>();
}

}  // namespace

WndData& WndAccess::Data(CWnd& wnd)
{
    return *wnd.m_data;
}

CWnd::CWnd() : m_data(std::make_unique<WndData>()) {}

CWnd::~CWnd()
{
    Detach();
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    const auto found = Wrappers().find(hwnd);
    return found == Wrappers().end() ? nullptr : found->second;
}

void CWnd::Attach(HWND hwnd)
{
    Detach();
    m_hwnd = hwnd;
    if (hwnd)
        Wrappers()[hwnd] = this;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hwnd;
    if (hwnd && FromHandle(hwnd) == this)
        Wrappers().erase(hwnd);
    m_hwnd = nullptr;
    m_data->itemWrappers.clear();
    m_data->systemMenu.reset();
    return hwnd;
}

void CWnd::SetWindowText(const ByteString& text)
{
    if (!m_hwnd || GetWindowText() == text)
        return;
    SetWindowTextW(m_hwnd, win32::WideFromCp932(text).c_str());
}

ByteString CWnd::GetWindowText() const
{
    return m_hwnd ? TextOfWindow(m_hwnd) : ByteString{};
}

CWnd* CWnd::GetDlgItem(int id) const
{
    HWND item = m_hwnd ? ::GetDlgItem(m_hwnd, id) : nullptr;
    if (!item)
        return nullptr;
    if (CWnd* bound = FromHandle(item))
        return bound;
    auto wrapper = WrapperFor(item);
    wrapper->Attach(item);
    CWnd* result = wrapper.get();
    m_data->itemWrappers[id] = std::move(wrapper);
    return result;
}

int CWnd::GetDlgCtrlID() const
{
    return m_hwnd ? ::GetDlgCtrlID(m_hwnd) : 0;
}

bool CWnd::IsTopLevel() const
{
    return m_hwnd && !(GetWindowLongW(m_hwnd, GWL_STYLE) & WS_CHILD);
}

void CWnd::GetWindowRect(CRect* rect) const
{
    RECT place{};
    if (m_hwnd)
        ::GetWindowRect(m_hwnd, &place);
    *rect = FromRect(place);
}

void CWnd::GetClientRect(CRect* rect) const
{
    RECT place{};
    if (m_hwnd)
        ::GetClientRect(m_hwnd, &place);
    const double ratio = win32::DeviceRatioOf(win32::WindowDpi(m_hwnd));
    *rect = {0, 0, LogicalLength(place.right, ratio), LogicalLength(place.bottom, ratio)};
}

ScreenScale CWnd::GetScreenScale() const
{
    return {win32::WindowDpi(m_hwnd)};
}

void CWnd::MoveWindow(int x, int y, int cx, int cy, bool repaint)
{
    if (!m_hwnd)
        return;
    if (IsTopLevel()) {
        MoveTopLevel(x, y, cx, cy, true);
        return;
    }
    const double ratio = win32::DeviceRatioOf(win32::WindowDpi(m_hwnd));
    ::MoveWindow(m_hwnd, DeviceEdge(x, ratio), DeviceEdge(y, ratio), DeviceEdge(cx, ratio), DeviceEdge(cy, ratio),
                 repaint);
}

// The program sizes its windows for 3-pixel frames and a 19-pixel caption;
// the frame of today's Windows differs, so the client it asks for is kept,
// in logical pixels scaled to the window's screen, and the frame grows
// around it.
void CWnd::MoveTopLevel(int x, int y, int cx, int cy, bool resize)
{
    const int dpi = win32::WindowDpi(m_hwnd);
    const double ratio = win32::DeviceRatioOf(dpi);
    RECT outer{0, 0, DeviceEdge(cx - 6, ratio), DeviceEdge(cy - 25, ratio)};
    win32::AdjustWindowRectForDpi(&outer, m_hwnd, dpi);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (resize ? 0 : SWP_NOSIZE);
    ::SetWindowPos(m_hwnd, nullptr, x, y, outer.right - outer.left, outer.bottom - outer.top, flags);
}

bool CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, unsigned flags)
{
    if (!m_hwnd)
        return false;
    if (IsTopLevel() && !(flags & SWP_NOSIZE)) {
        MoveTopLevel(x, y, cx, cy, true);
        flags |= SWP_NOSIZE | SWP_NOMOVE;
    }
    HWND after = insertAfter ? insertAfter->GetSafeHwnd() : HWND_TOP;
    return ::SetWindowPos(m_hwnd, after, x, y, cx, cy, flags) != FALSE;
}

void CWnd::ClientToScreen(CPoint* point) const
{
    POINT p{point->x, point->y};
    if (m_hwnd)
        ::ClientToScreen(m_hwnd, &p);
    *point = {p.x, p.y};
}

void CWnd::ScreenToClient(CPoint* point) const
{
    POINT p{point->x, point->y};
    if (m_hwnd)
        ::ScreenToClient(m_hwnd, &p);
    *point = {p.x, p.y};
}

void CWnd::Invalidate(bool erase)
{
    if (m_hwnd)
        InvalidateRect(m_hwnd, nullptr, erase);
}

bool CWnd::IsIconic() const
{
    return m_hwnd && ::IsIconic(m_hwnd);
}

bool CWnd::IsWindowVisible() const
{
    return m_hwnd && ::IsWindowVisible(m_hwnd);
}

bool CWnd::IsWindowEnabled() const
{
    return m_hwnd && ::IsWindowEnabled(m_hwnd);
}

bool CWnd::EnableWindow(bool enable)
{
    return m_hwnd && ::EnableWindow(m_hwnd, enable);
}

bool CWnd::ShowWindow(int command)
{
    return m_hwnd && ::ShowWindow(m_hwnd, command);
}

CWnd* CWnd::SetFocus()
{
    return m_hwnd ? FromHandle(::SetFocus(m_hwnd)) : nullptr;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

unsigned CWnd::SetTimer(unsigned id, unsigned milliseconds)
{
    return m_hwnd ? static_cast<unsigned>(::SetTimer(m_hwnd, id, milliseconds, nullptr)) : 0;
}

bool CWnd::KillTimer(unsigned id)
{
    return m_hwnd && ::KillTimer(m_hwnd, id);
}

void CWnd::SendCloseRequest()
{
    if (m_hwnd)
        SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
}

CRect GetDesktopRect()
{
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

CRect GetWorkArea()
{
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        return GetDesktopRect();
    return FromRect(area);
}

bool CanKnowWindowPosition()
{
    return true;
}

}  // namespace fw
