// Windows and the routing of their messages. A CWnd wraps one toolkit
// widget; the virtual On... handlers are the message map, and each base
// version is the default processing that a handler passes a message on to
// (call the base version, or Default() while the message is being handled).
#pragma once

#include <memory>
#include <span>

#include "core/Geometry.h"
#include "core/Resources.h"
#include "core/Text.h"
#include "gui/Dc.h"
#include "gui/Handles.h"
#include "gui/WindowConstants.h"

namespace fw {

class CCmdTarget;
class CMenu;
class CWnd;
struct WndData;
struct WndAccess;

using HICON = const IconResource*;

// One entry of a command table: the command of a menu item or a button
// (code 0) or a control notification, the member function handling it and
// what that function is handed (null for one that takes nothing).
struct CommandEntry {
    unsigned id;
    unsigned code;
    void (*invoke)(CCmdTarget& target, const void* argument);
    const void* argument = nullptr;
};

namespace detail {
template <typename Member>
struct ClassOfMember;
template <typename Class>
struct ClassOfMember<void (Class::*)()> {
    using type = Class;
};
template <typename Class, typename Argument>
struct ClassOfMember<void (Class::*)(const Argument&)> {
    using type = Class;
};
}  // namespace detail

// A command-table entry calling `Handler` of the derived class, e.g.
//   fw::CommandHandler<&CMainDlg::OnSetup>(32771)
template <auto Handler>
constexpr CommandEntry CommandHandler(unsigned id, unsigned code = 0)
{
    using Class = typename detail::ClassOfMember<decltype(Handler)>::type;
    return {id, code, [](CCmdTarget& target, const void*) { (static_cast<Class&>(target).*Handler)(); }};
}

// The same for a handler that takes `argument`, so that one handler serves
// several entries, e.g. one row of a table for each field:
//   fw::CommandHandler<&CSetupDlg::OnLeaveNumberField>(1000, EN_KILLFOCUS, fields[0])
// The entry keeps the argument's address: it must outlive the table.
template <auto Handler, typename Argument>
constexpr CommandEntry CommandHandler(unsigned id, unsigned code, const Argument& argument)
{
    using Class = typename detail::ClassOfMember<decltype(Handler)>::type;
    return {id, code,
            [](CCmdTarget& target, const void* held) {
                (static_cast<Class&>(target).*Handler)(*static_cast<const Argument*>(held));
            },
            &argument};
}

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // The derived class's command table; none by default.
    virtual std::span<const CommandEntry> CommandMap() const { return {}; }

    // Runs the table's handler for (id, code); false when the table has none.
    bool DispatchCommand(unsigned id, unsigned code = 0);
};

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The platform's window behind this wrapper, for the framework and
    // tests; null while no window is attached.
    HWND GetSafeHwnd() const { return m_hwnd; }
    // The wrapper attached to `hwnd`, or null.
    static CWnd* FromHandle(HWND hwnd);
    void Attach(HWND hwnd);
    HWND Detach();

    // Text, in CP932. Setting the text it already has changes nothing.
    void SetWindowText(const ByteString& text);
    ByteString GetWindowText() const;

    virtual CWnd* GetDlgItem(int id) const;
    void SetDlgItemText(int id, const ByteString& text);
    ByteString GetDlgItemText(int id) const;
    int GetDlgCtrlID() const;

    // A top-level window's rectangle is its frame geometry as the platform
    // reports it, in screen coordinates (the client rectangle where no
    // window manager runs; before its first showing, with the frame its
    // owner has); a control's is its place on the screen.
    void GetWindowRect(CRect* rect) const;
    // In logical pixels, the unit of drawing, at any scale.
    void GetClientRect(CRect* rect) const;
    // Logical pixels to this window's screen coordinates.
    ScreenScale GetScreenScale() const;
    // For a top-level window (x, y) is the frame's top-left corner in
    // screen coordinates and (cx, cy) the outer size in logical pixels: the
    // client becomes cx - 6 by cy - 25 logical pixels (3-pixel frames, a
    // 19-pixel caption) and keeps that size fixed. For a control, the
    // rectangle in its dialog's client coordinates, in logical pixels.
    void MoveWindow(int x, int y, int cx, int cy, bool repaint = true);
    void MoveWindow(const CRect& rect, bool repaint = true);
    // `insertAfter` is ignored except that without SWP_NOZORDER the window
    // goes to the top.
    bool SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, unsigned flags);
    void ClientToScreen(CPoint* point) const;
    void ScreenToClient(CPoint* point) const;

    void Invalidate(bool erase = true);
    bool IsIconic() const;
    bool IsWindowVisible() const;
    bool IsWindowEnabled() const;
    // Returns true when the window was disabled before. A top-level window
    // stays drawn as it is and only stops taking input.
    bool EnableWindow(bool enable = true);
    bool ShowWindow(int command);
    CWnd* SetFocus();
    static CWnd* GetFocus();
    HICON SetIcon(HICON icon, bool bigIcon);

    // A timer of this window; each tick arrives at OnTimer(id). Setting an
    // id again restarts it. Timers end with the window.
    unsigned SetTimer(unsigned id, unsigned milliseconds);
    bool KillTimer(unsigned id);

    // A drawing context on this window's own picture (frame statics keep
    // one); for other windows it draws nowhere. Hand it back with ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* dc);

    // The window's own system menu (null for a window without one); with
    // `revert` it goes back to the platform's seven items and the result is null.
    CMenu* GetSystemMenu(bool revert);

    // What a screen reader is told of this window beyond what the framework
    // tells it by itself (a control's text, a field's label, the caption).
    // An area the window draws into shows nothing the toolkit can read:
    // SetAccessibleText gives it the text drawn there, to be read as text;
    // SetAccessibleName and SetAccessibleDescription put a picture into
    // words. Each announces a change only when the words change.
    void SetAccessibleText(const ByteString& text);
    void SetAccessibleName(const ByteString& name);
    void SetAccessibleDescription(const ByteString& description);

    // Sends the window's close request to it (OnClose), as the platform's
    // WM_CLOSE does.
    void SendCloseRequest();

    // Message map. Each base version is the default processing.
    virtual bool PreTranslateMessage(const KeyMessage& key);
    virtual bool OnCommand(unsigned id);
    virtual void OnPaint();
    virtual void OnTimer(unsigned id);
    virtual void OnSize(unsigned type, int cx, int cy);
    // SC_MINIMIZE minimises (nothing when the window manager did already),
    // SC_RESTORE restores, SC_MOVE starts a system move, SC_CLOSE sends the
    // close request; SC_MAXIMIZE and SC_SIZE do nothing.
    virtual void OnSysCommand(unsigned id, long lParam);
    virtual void OnClose();   // the Cancel command
    virtual void OnDestroy();
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* control, unsigned ctlColor);
    virtual bool OnQueryEndSession();
    virtual HICON OnQueryDragIcon();
    virtual void OnContextMenu(CWnd* wnd, CPoint point);
    virtual void OnLButtonDown(unsigned flags, CPoint point);

    // The default processing of the message being handled now; 0 outside
    // a handler. Its result is that of OnQueryEndSession for that message.
    long Default();

private:
    friend struct WndAccess;

    bool IsTopLevel() const;
    void MoveTopLevel(int x, int y, int cx, int cy, bool resize);
    void ReportSizeChange(int oldWidth, int oldHeight);

    HWND m_hwnd = nullptr;
    std::unique_ptr<WndData> m_data;
};

// Where SetWindowPos is asked to put a window on top.
inline const CWnd* const wndTop = nullptr;

// The primary screen's rectangle and its work area (without panels).
CRect GetDesktopRect();
CRect GetWorkArea();

// Whether GetWindowRect tells where a top-level window stands on the screen.
// A native Wayland session tells a window neither its place nor lets it
// choose one; there a window's own idea of its position is not to be kept.
bool CanKnowWindowPosition();

// An icon of the program's resources, or null.
HICON LoadIconResource(int id);

}  // namespace fw
