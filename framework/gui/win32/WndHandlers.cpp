// The base versions of CWnd's handlers whose default processing is the
// platform's: the dialog procedure leaves such a message to it. The other
// handlers are common/WndHandlers.cpp.
#include "gui/Wnd.h"
#include "gui/win32/WndData_p.h"
#include "gui/win32/WinApi.h"

namespace fw {

namespace {

void PassToPlatform(CWnd& wnd)
{
    WndAccess::Data(wnd).passToPlatform = true;
}

}  // namespace

void CWnd::OnPaint()
{
    PassToPlatform(*this);
}

// The platform minimises, restores, moves and sends WM_CLOSE itself.
void CWnd::OnSysCommand(unsigned /*id*/, long /*lParam*/)
{
    PassToPlatform(*this);
}

HBRUSH CWnd::OnCtlColor(CDC* /*dc*/, CWnd* /*control*/, unsigned /*ctlColor*/)
{
    PassToPlatform(*this);
    return {};
}

long CWnd::Default()
{
    if (!m_hwnd || !m_data->currentMessage)
        return 0;
    m_data->passToPlatform = true;
    return m_data->currentMessage == WM_QUERYENDSESSION ? 1 : 0;
}

}  // namespace fw
