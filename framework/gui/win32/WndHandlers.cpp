// The base versions of CWnd's handlers: what the program does not handle,
// the dialog procedure leaves to the platform's own processing.
#include "gui/App.h"
#include "gui/win32/WndData_p.h"
#include "gui/win32/WinApi.h"

namespace fw {

namespace {

void PassToPlatform(CWnd& wnd)
{
    WndAccess::Data(wnd).passToPlatform = true;
}

}  // namespace

bool CWnd::PreTranslateMessage(const KeyMessage& /*key*/)
{
    return false;
}

bool CWnd::OnCommand(unsigned id)
{
    if (DispatchCommand(id))
        return true;
    CWinApp* app = AfxGetApp();
    return app && app->DispatchCommand(id);
}

void CWnd::OnPaint()
{
    PassToPlatform(*this);
}

void CWnd::OnTimer(unsigned /*id*/) {}

void CWnd::OnSize(unsigned /*type*/, int /*cx*/, int /*cy*/) {}

// The platform minimises, restores, moves and sends WM_CLOSE itself.
void CWnd::OnSysCommand(unsigned /*id*/, long /*lParam*/)
{
    PassToPlatform(*this);
}

void CWnd::OnClose()
{
    OnCommand(IDCANCEL);
}

void CWnd::OnDestroy() {}

HBRUSH CWnd::OnCtlColor(CDC* /*dc*/, CWnd* /*control*/, unsigned /*ctlColor*/)
{
    PassToPlatform(*this);
    return {};
}

bool CWnd::OnQueryEndSession()
{
    return true;
}

HICON CWnd::OnQueryDragIcon()
{
    return nullptr;
}

void CWnd::OnContextMenu(CWnd* /*wnd*/, CPoint /*point*/) {}

void CWnd::OnLButtonDown(unsigned /*flags*/, CPoint /*point*/) {}

long CWnd::Default()
{
    if (!m_hwnd || !m_data->currentMessage)
        return 0;
    m_data->passToPlatform = true;
    return m_data->currentMessage == WM_QUERYENDSESSION ? 1 : 0;
}

}  // namespace fw
