// CWnd: attachment to a widget, text, geometry and state.
#include "gui/Wnd.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "gui/ControlWidgets_p.h"
#include "gui/Dispatch_p.h"
#include "gui/Toolkit_p.h"
#include "gui/WndData_p.h"

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

bool CCmdTarget::DispatchCommand(unsigned id, unsigned code)
{
    for (const CommandEntry& entry : CommandMap()) {
        if (entry.id == id && entry.code == code) {
            entry.invoke(*this);
            return true;
        }
    }
    return false;
}

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    Detach();
}

CWnd* CWnd::FromHandle(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    return static_cast<CWnd*>(widget->property(kWrapperProperty).value<void*>());
}

void CWnd::Attach(QWidget* widget)
{
    Detach();
    m_widget = widget;
    if (!widget)
        return;
    m_data = std::make_unique<WndData>(*this);
    widget->setProperty(kWrapperProperty, QVariant::fromValue(static_cast<void*>(this)));
}

QWidget* CWnd::Detach()
{
    QWidget* widget = std::exchange(m_widget, nullptr);
    m_data.reset();
    if (widget && FromHandle(widget) == this)
        widget->setProperty(kWrapperProperty, QVariant());
    return widget;
}

bool CWnd::IsTopLevel() const
{
    return m_widget && m_widget->isWindow();
}

void CWnd::SetWindowText(const ByteString& text)
{
    if (m_widget)
        SetWidgetText(*m_widget, text);
}

ByteString CWnd::GetWindowText() const
{
    return m_widget ? WidgetText(*m_widget) : ByteString{};
}

int CWnd::GetWindowTextLength() const
{
    return static_cast<int>(GetWindowText().size());
}

CWnd* CWnd::GetDlgItem(int /*id*/) const
{
    return nullptr;
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

int CWnd::GetDlgCtrlID() const
{
    return m_widget ? m_widget->property("fwControlId").toInt() : 0;
}

void CWnd::GetWindowRect(CRect* rect) const
{
    if (!rect)
        return;
    if (!m_widget) {
        *rect = {};
        return;
    }
    if (IsTopLevel()) {
        *rect = FromQRect(TopLevelRect(*m_widget));
        return;
    }
    const QPoint origin = m_widget->mapToGlobal(QPoint(0, 0));
    *rect = FromQRect(QRect(origin, m_widget->size()));
}

void CWnd::GetClientRect(CRect* rect) const
{
    if (rect)
        *rect = m_widget ? CRect{0, 0, m_widget->width(), m_widget->height()} : CRect{};
}

void CWnd::MoveTopLevel(int x, int y, int cx, int cy, bool resize)
{
    const QSize old = m_widget->size();
    if (resize)
        m_widget->setFixedSize(std::max(cx - 2 * kFrameWidth, 0), std::max(cy - kCaptionHeight - 2 * kFrameWidth, 0));
    m_widget->move(x, y);
    ReportSizeChange(old.width(), old.height());
}

void CWnd::ReportSizeChange(int oldWidth, int oldHeight)
{
    const QSize now = m_widget->size();
    if (IsTopLevel() && !IsIconic() && (now.width() != oldWidth || now.height() != oldHeight))
        dispatch::Size(*this, SIZE_RESTORED, now.width(), now.height());
}

void CWnd::MoveWindow(int x, int y, int cx, int cy, bool repaint)
{
    if (!m_widget)
        return;
    if (IsTopLevel())
        MoveTopLevel(x, y, cx, cy, true);
    else
        m_widget->setGeometry(x, y, std::max(cx, 0), std::max(cy, 0));
    if (repaint)
        m_widget->update();
}

void CWnd::MoveWindow(const CRect& rect, bool repaint)
{
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), repaint);
}

bool CWnd::SetWindowPos(const CWnd* /*insertAfter*/, int x, int y, int cx, int cy, unsigned flags)
{
    if (!m_widget)
        return false;
    CRect now;
    GetWindowRect(&now);
    if (IsTopLevel()) {
        const bool move = !(flags & SWP_NOMOVE);
        MoveTopLevel(move ? x : now.left, move ? y : now.top, cx, cy, !(flags & SWP_NOSIZE));
    } else {
        const QRect geometry = m_widget->geometry();
        const QPoint place = (flags & SWP_NOMOVE) ? geometry.topLeft() : QPoint(x, y);
        const QSize size = (flags & SWP_NOSIZE) ? geometry.size() : QSize(std::max(cx, 0), std::max(cy, 0));
        m_widget->setGeometry(QRect(place, size));
    }
    if (flags & SWP_SHOWWINDOW)
        m_widget->show();
    if (flags & SWP_HIDEWINDOW)
        m_widget->hide();
    if (!(flags & SWP_NOZORDER))
        RaiseWindow(*m_widget);
    if (!(flags & SWP_NOACTIVATE) && IsTopLevel() && m_widget->isVisible())
        m_widget->activateWindow();
    return true;
}

void CWnd::ClientToScreen(CPoint* point) const
{
    if (!point || !m_widget)
        return;
    const QPoint global = m_widget->mapToGlobal(QPoint(point->x, point->y));
    *point = {global.x(), global.y()};
}

void CWnd::ScreenToClient(CPoint* point) const
{
    if (!point || !m_widget)
        return;
    const QPoint local = m_widget->mapFromGlobal(QPoint(point->x, point->y));
    *point = {local.x(), local.y()};
}

void CWnd::Invalidate(bool /*erase: the whole window is always repainted*/)
{
    if (m_widget)
        m_widget->update();
}

void CWnd::UpdateWindow()
{
    if (m_widget && m_widget->isVisible())
        m_widget->repaint();
}

bool CWnd::IsIconic() const
{
    return m_widget && m_widget->isMinimized();
}

bool CWnd::IsWindowVisible() const
{
    return m_widget && m_widget->isVisible();
}

bool CWnd::IsWindowEnabled() const
{
    if (!m_widget)
        return false;
    return IsTopLevel() ? !m_data->inputDisabled : m_widget->isEnabled();
}

bool CWnd::EnableWindow(bool enable)
{
    if (!m_widget)
        return false;
    const bool wasDisabled = !IsWindowEnabled();
    if (IsTopLevel())
        m_data->inputDisabled = !enable;
    else
        m_widget->setEnabled(enable);
    return wasDisabled;
}

bool CWnd::ShowWindow(int command)
{
    if (!m_widget)
        return false;
    const bool wasVisible = m_widget->isVisible();
    switch (command) {
    case SW_HIDE:
        m_widget->hide();
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        m_data->minimisingByCommand = true;
        m_widget->showMinimized();
        m_data->minimisingByCommand = false;
        break;
    case SW_RESTORE:
        m_data->restoringByCommand = true;
        m_widget->showNormal();
        m_data->restoringByCommand = false;
        break;
    default:
        m_widget->show();
        break;
    }
    return wasVisible;
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (m_widget)
        m_widget->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(QApplication::focusWidget());
}

}  // namespace fw
