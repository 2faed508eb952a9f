#include "gui/qt/DialogWindow_p.h"
#include "gui/qt/QtHandles_p.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include <utility>

#include "gui/App.h"
#include "gui/qt/ControlWidgets_p.h"
#include "gui/qt/DialogState_p.h"
#include "gui/qt/Dispatch_p.h"
#include "gui/qt/KeyCodes_p.h"
#include "gui/qt/WndData_p.h"

namespace fw {

namespace {

constexpr CPoint kKeyboardPoint{-1, -1};

Qt::KeyboardModifiers Modifiers(const QKeyEvent& key)
{
    return key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

}  // namespace

DialogWindow::DialogWindow(CDialog& dialog, QWidget* owner) : QWidget(owner, Qt::Window), m_dialog(dialog) {}

void DialogWindow::RouteKeys()
{
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);
}

bool DialogWindow::InputDisabled() const
{
    const WndData* data = WndAccess::Data(m_dialog);
    return data && data->inputDisabled;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != windowHandle())
        return false;
    if (event->type() == QEvent::KeyPress)
        return HandleKeyPress(static_cast<const QKeyEvent&>(*event));
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonPress
        || event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::Wheel)
        return InputDisabled();
    return false;
}

bool DialogWindow::HandleKeyPress(const QKeyEvent& key)
{
    // On X11 the menu key's press comes just after Qt's own context-menu
    // request for it, which has opened the menu already.
    if (std::exchange(m_keyboardMenuShown, false) && key.key() == Qt::Key_Menu)
        return true;
    if (InputDisabled())
        return true;
    if (m_dialog.PreTranslateMessage(ToKeyMessage(key)))
        return true;
    return HandleDialogKey(key);
}

void DialogWindow::PressEnter()
{
    QWidget* focus = focusWidget();
    if (IsPushButton(focus)) {
        static_cast<QAbstractButton*>(focus)->click();
        return;
    }
    const unsigned command = DialogAccess::State(m_dialog)->defaultCommand;
    const CWnd* button = m_dialog.GetDlgItem(static_cast<int>(command));
    if (!button || button->IsWindowEnabled())
        m_dialog.OnCommand(command);
}

bool DialogWindow::HandleDialogKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers mods = Modifiers(key);
    const int code = key.key();
    if ((code == Qt::Key_Return || code == Qt::Key_Enter) && !(mods & (Qt::AltModifier | Qt::ControlModifier))) {
        PressEnter();
    } else if (code == Qt::Key_Escape) {
        m_dialog.OnCommand(IDCANCEL);
    } else if (code == Qt::Key_Space && mods == Qt::AltModifier) {
        ShowSystemMenu(m_dialog);
    } else if (code == Qt::Key_F4 && mods == Qt::AltModifier) {
        dispatch::SysCommand(m_dialog, SC_CLOSE, 0);
    } else if (code == Qt::Key_Menu || (code == Qt::Key_F10 && mods == Qt::ShiftModifier)) {
        CWnd* focused = WndOf(focusWidget());
        dispatch::ContextMenu(m_dialog, focused ? focused : &m_dialog, kKeyboardPoint);
    } else if (code == Qt::Key_F1 && mods == Qt::NoModifier) {
        m_dialog.RequestHelp();
    } else {
        return false;
    }
    return true;
}

void DialogWindow::paintEvent(QPaintEvent* /*event*/)
{
    // A minimised window has nothing to show and gets no paint, as on the
    // platform; restoring repaints it whole.
    if (isMinimized())
        return;
    dispatch::Paint(m_dialog);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The window closes only when its modal run ends; the close box is a request.
    event->ignore();
    if (!InputDisabled())
        dispatch::SysCommand(m_dialog, SC_CLOSE, 0);
}

void DialogWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        WindowStateChanged(static_cast<QWindowStateChangeEvent*>(event)->oldState());
}

void DialogWindow::WindowStateChanged(Qt::WindowStates oldState)
{
    WndData* data = WndAccess::Data(m_dialog);
    if (!data)
        return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        dispatch::SysCommand(m_dialog, SC_MAXIMIZE, 0);
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        return;
    }
    const bool wasMinimised = oldState & Qt::WindowMinimized;
    if (isMinimized() && !wasMinimised) {
        if (!data->minimisingByCommand)
            dispatch::SysCommand(m_dialog, SC_MINIMIZE, 0);
        dispatch::Size(m_dialog, SIZE_MINIMIZED, 0, 0);
    } else if (!isMinimized() && wasMinimised) {
        if (!data->restoringByCommand)
            dispatch::SysCommand(m_dialog, SC_RESTORE, 0);
        dispatch::Size(m_dialog, SIZE_RESTORED, width(), height());
        // A restored window is repainted whole, as on the platform: Qt would
        // only show its stored picture, and the paint is what puts the date
        // caption back.
        update();
    }
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (InputDisabled())
        return;
    if (event->reason() != QContextMenuEvent::Mouse) {
        m_keyboardMenuShown = true;
        dispatch::ContextMenu(m_dialog, &m_dialog, kKeyboardPoint);
        return;
    }
    const QWidget* under = childAt(event->pos());
    CWnd* target = under ? WndOf(under) : nullptr;
    const QPoint global = event->globalPos();
    dispatch::ContextMenu(m_dialog, target ? target : &m_dialog, {global.x(), global.y()});
}

void DialogWindow::mousePressEvent(QMouseEvent* event)
{
    if (InputDisabled() || event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    dispatch::LButtonDown(m_dialog, MouseFlags(*event), {at.x(), at.y()});
}

}  // namespace fw
