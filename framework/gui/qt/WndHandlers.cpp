// The base versions of CWnd's handlers whose default processing is the
// toolkit's (the other handlers are common/WndHandlers.cpp), Default(), and
// the delivery of messages with their record for Default().
#include <QWidget>
#include <QWindow>

#include "gui/Wnd.h"
#include "gui/qt/Dispatch_p.h"
#include "gui/qt/Toolkit_p.h"
#include "gui/qt/WndData_p.h"

namespace fw {

MessageScope::MessageScope(CWnd& wnd, const CurrentMessage& message) : m_data(WndAccess::Data(wnd))
{
    if (m_data)
        m_saved = std::exchange(m_data->current, message);
}

MessageScope::~MessageScope()
{
    if (m_data)
        m_data->current = m_saved;
}

void CWnd::OnPaint()
{
    CPaintDC dc(this);
}

void CWnd::OnSysCommand(unsigned id, long /*lParam*/)
{
    if (!m_hwnd)
        return;
    switch (id & 0xFFF0u) {
    case SC_MINIMIZE:
        if (!IsIconic())
            ShowWindow(SW_MINIMIZE);
        break;
    case SC_RESTORE:
        if (IsIconic())
            ShowWindow(SW_RESTORE);
        break;
    case SC_MOVE:
        if (QWindow* window = WidgetOf(*this)->windowHandle())
            window->startSystemMove();
        break;
    case SC_CLOSE:
        SendCloseRequest();
        break;
    default:
        break;
    }
}

HBRUSH CWnd::OnCtlColor(CDC* /*dc*/, CWnd* /*control*/, unsigned /*ctlColor*/)
{
    if (!m_hwnd)
        return {};
    return {true, FromQColor(WidgetOf(*this)->palette().color(QPalette::Window))};
}

void CWnd::SendCloseRequest()
{
    dispatch::Close(*this);
}

long CWnd::Default()
{
    if (!m_data)
        return 0;
    const CurrentMessage m = m_data->current;
    using Kind = CurrentMessage::Kind;
    switch (m.kind) {
    case Kind::paint:
        CWnd::OnPaint();
        break;
    case Kind::sysCommand:
        CWnd::OnSysCommand(m.a, m.b);
        break;
    case Kind::close:
        CWnd::OnClose();
        break;
    case Kind::queryEndSession:
        return CWnd::OnQueryEndSession() ? 1 : 0;
    default:
        break;   // the rest have nothing to finish
    }
    return 0;
}

namespace dispatch {

using Kind = CurrentMessage::Kind;

void Paint(CWnd& wnd)
{
    MessageScope scope(wnd, CurrentMessage(Kind::paint));
    wnd.OnPaint();
}

void Timer(CWnd& wnd, unsigned id)
{
    MessageScope scope(wnd, CurrentMessage(Kind::timer, id));
    wnd.OnTimer(id);
}

void Size(CWnd& wnd, unsigned type, int cx, int cy)
{
    MessageScope scope(wnd, CurrentMessage(Kind::size, type, 0, cx, cy));
    wnd.OnSize(type, cx, cy);
}

void SysCommand(CWnd& wnd, unsigned id, long lParam)
{
    MessageScope scope(wnd, CurrentMessage(Kind::sysCommand, id, lParam));
    wnd.OnSysCommand(id, lParam);
}

void Close(CWnd& wnd)
{
    MessageScope scope(wnd, CurrentMessage(Kind::close));
    wnd.OnClose();
}

void Destroy(CWnd& wnd)
{
    MessageScope scope(wnd, CurrentMessage(Kind::destroy));
    wnd.OnDestroy();
}

bool QueryEndSession(CWnd& wnd)
{
    MessageScope scope(wnd, CurrentMessage(Kind::queryEndSession));
    return wnd.OnQueryEndSession();
}

void ContextMenu(CWnd& wnd, CWnd* target, CPoint point)
{
    MessageScope scope(wnd, CurrentMessage(Kind::contextMenu, 0, 0, point.x, point.y, target));
    wnd.OnContextMenu(target, point);
}

void LButtonDown(CWnd& wnd, unsigned flags, CPoint point)
{
    MessageScope scope(wnd, CurrentMessage(Kind::lButtonDown, flags, 0, point.x, point.y));
    wnd.OnLButtonDown(flags, point);
}

HBRUSH CtlColor(CWnd& wnd, CDC* dc, CWnd* control, unsigned ctlColor)
{
    return wnd.OnCtlColor(dc, control, ctlColor);
}

}  // namespace dispatch

}  // namespace fw
