// CWnd: attachment to a widget, text, geometry and state.
#include "gui/Wnd.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "gui/qt/ControlWidgets_p.h"
#include "gui/qt/Dispatch_p.h"
#include "gui/qt/Toolkit_p.h"
#include "gui/qt/WndData_p.h"

namespace fw {

namespace {

constexpr const char* kWrapperProperty = "fwWnd";
constexpr int kFrameWidth = 3;
constexpr int kCaptionHeight = 19;

QMargins FrameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// A window that has not been shown yet has no frame to report; it is taken
// to get the frame its owner has, at the position it was moved to.
QRect TopLevelRect(const QWidget& window)
{
    if (window.windowHandle())
        return window.frameGeometry();
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    const QMargins margins = owner && owner->windowHandle() ? FrameMargins(*owner) : QMargins();
    return QRect(window.pos(), window.size().grownBy(margins));
}

}  // namespace

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    Detach();
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    const QWidget* widget = WidgetOfHandle(hwnd);
    if (!widget)
        return nullptr;
    return static_cast<CWnd*>(widget->property(kWrapperProperty).value<void*>());
}

void CWnd::Attach(HWND hwnd)
{
    Detach();
    m_hwnd = hwnd;
    QWidget* widget = WidgetOfHandle(hwnd);
    if (!widget)
        return;
    m_data = std::make_unique<WndData>(*this);
    widget->setProperty(kWrapperProperty, QVariant::fromValue(static_cast<void*>(this)));
}

HWND CWnd::Detach()
{
    const HWND hwnd = std::exchange(m_hwnd, nullptr);
    m_data.reset();
    if (QWidget* widget = WidgetOfHandle(hwnd); widget && FromHandle(hwnd) == this)
        widget->setProperty(kWrapperProperty, QVariant());
    return hwnd;
}

bool CWnd::IsTopLevel() const
{
    return m_hwnd && WidgetOf(*this)->isWindow();
}

void CWnd::SetWindowText(const ByteString& text)
{
    if (m_hwnd)
        SetWidgetText(*WidgetOf(*this), text);
}

ByteString CWnd::GetWindowText() const
{
    return m_hwnd ? WidgetText(*WidgetOf(*this)) : ByteString{};
}

CWnd* CWnd::GetDlgItem(int /*id*/) const
{
    return nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    return m_hwnd ? WidgetOf(*this)->property("fwControlId").toInt() : 0;
}

void CWnd::GetWindowRect(CRect* rect) const
{
    if (!rect)
        return;
    QWidget* widget = WidgetOf(*this);
    if (!widget) {
        *rect = {};
        return;
    }
    if (IsTopLevel()) {
        *rect = FromQRect(TopLevelRect(*widget));
        return;
    }
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    *rect = FromQRect(QRect(origin, widget->size()));
}

void CWnd::GetClientRect(CRect* rect) const
{
    QWidget* widget = WidgetOf(*this);
    if (rect)
        *rect = widget ? CRect{0, 0, widget->width(), widget->height()} : CRect{};
}

// Qt's screen coordinates are logical pixels already.
ScreenScale CWnd::GetScreenScale() const
{
    return {};
}

void CWnd::MoveTopLevel(int x, int y, int cx, int cy, bool resize)
{
    QWidget* widget = WidgetOf(*this);
    const QSize old = widget->size();
    if (resize)
        widget->setFixedSize(std::max(cx - 2 * kFrameWidth, 0), std::max(cy - kCaptionHeight - 2 * kFrameWidth, 0));
    widget->move(x, y);
    ReportSizeChange(old.width(), old.height());
}

void CWnd::ReportSizeChange(int oldWidth, int oldHeight)
{
    const QSize now = WidgetOf(*this)->size();
    if (IsTopLevel() && !IsIconic() && (now.width() != oldWidth || now.height() != oldHeight))
        dispatch::Size(*this, SIZE_RESTORED, now.width(), now.height());
}

void CWnd::MoveWindow(int x, int y, int cx, int cy, bool repaint)
{
    QWidget* widget = WidgetOf(*this);
    if (!widget)
        return;
    if (IsTopLevel())
        MoveTopLevel(x, y, cx, cy, true);
    else
        widget->setGeometry(x, y, std::max(cx, 0), std::max(cy, 0));
    if (repaint)
        widget->update();
}

bool CWnd::SetWindowPos(const CWnd* /*insertAfter*/, int x, int y, int cx, int cy, unsigned flags)
{
    QWidget* widget = WidgetOf(*this);
    if (!widget)
        return false;
    CRect now;
    GetWindowRect(&now);
    if (IsTopLevel()) {
        const bool move = !(flags & SWP_NOMOVE);
        MoveTopLevel(move ? x : now.left, move ? y : now.top, cx, cy, !(flags & SWP_NOSIZE));
    } else {
        const QRect geometry = widget->geometry();
        const QPoint place = (flags & SWP_NOMOVE) ? geometry.topLeft() : QPoint(x, y);
        const QSize size = (flags & SWP_NOSIZE) ? geometry.size() : QSize(std::max(cx, 0), std::max(cy, 0));
        widget->setGeometry(QRect(place, size));
    }
    if (flags & SWP_SHOWWINDOW)
        widget->show();
    if (flags & SWP_HIDEWINDOW)
        widget->hide();
    if (!(flags & SWP_NOZORDER))
        RaiseWindow(*widget);
    if (!(flags & SWP_NOACTIVATE) && IsTopLevel() && widget->isVisible())
        widget->activateWindow();
    return true;
}

void CWnd::ClientToScreen(CPoint* point) const
{
    if (!point || !m_hwnd)
        return;
    const QPoint global = WidgetOf(*this)->mapToGlobal(QPoint(point->x, point->y));
    *point = {global.x(), global.y()};
}

void CWnd::ScreenToClient(CPoint* point) const
{
    if (!point || !m_hwnd)
        return;
    const QPoint local = WidgetOf(*this)->mapFromGlobal(QPoint(point->x, point->y));
    *point = {local.x(), local.y()};
}

void CWnd::Invalidate(bool /*erase: the whole window is always repainted*/)
{
    if (m_hwnd)
        WidgetOf(*this)->update();
}

bool CWnd::IsIconic() const
{
    return m_hwnd && WidgetOf(*this)->isMinimized();
}

bool CWnd::IsWindowVisible() const
{
    return m_hwnd && WidgetOf(*this)->isVisible();
}

bool CWnd::IsWindowEnabled() const
{
    if (!m_hwnd)
        return false;
    return IsTopLevel() ? !m_data->inputDisabled : WidgetOf(*this)->isEnabled();
}

bool CWnd::EnableWindow(bool enable)
{
    if (!m_hwnd)
        return false;
    const bool wasDisabled = !IsWindowEnabled();
    if (IsTopLevel())
        m_data->inputDisabled = !enable;
    else
        WidgetOf(*this)->setEnabled(enable);
    return wasDisabled;
}

bool CWnd::ShowWindow(int command)
{
    QWidget* widget = WidgetOf(*this);
    if (!widget)
        return false;
    const bool wasVisible = widget->isVisible();
    switch (command) {
    case SW_HIDE:
        widget->hide();
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        m_data->minimisingByCommand = true;
        widget->showMinimized();
        m_data->minimisingByCommand = false;
        break;
    case SW_RESTORE:
        m_data->restoringByCommand = true;
        widget->showNormal();
        m_data->restoringByCommand = false;
        break;
    default:
        widget->show();
        break;
    }
    return wasVisible;
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (m_hwnd)
        WidgetOf(*this)->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return WndOf(QApplication::focusWidget());
}

}  // namespace fw
