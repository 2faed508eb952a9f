// The base versions of CWnd's handlers that are the same on both back ends:
// a command goes to the window's command table, then to the application's;
// the close request is Cancel; the rest do nothing. The handlers whose
// default processing is the toolkit's (OnPaint, OnSysCommand, OnCtlColor)
// and Default() are each back end's.
#include "gui/App.h"

namespace fw {

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

void CWnd::OnTimer(unsigned /*id*/) {}

void CWnd::OnSize(unsigned /*type*/, int /*cx*/, int /*cy*/) {}

void CWnd::OnClose()
{
    OnCommand(IDCANCEL);
}

void CWnd::OnDestroy() {}

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

}  // namespace fw
