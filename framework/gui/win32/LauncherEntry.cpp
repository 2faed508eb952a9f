// The launcher count on Windows: an overlay icon on the main window's taskbar
// button, for taskbars that hide window titles (Windows 10 and 11 do by
// default). The rules are the Linux badge's: only a change reaches the
// taskbar, and a count wanted before the button exists waits for it.
#include "gui/LauncherEntry.h"

#include <optional>
#include <utility>

#include "gui/App.h"
#include "gui/win32/Dpi_p.h"
#include "gui/win32/TaskbarOverlay_p.h"

namespace fw {

namespace {

using Overlay = std::optional<std::int64_t>;   // the count shown; none when hidden

struct TaskbarState {
    Overlay wanted;
    HWND button = nullptr;   // the main window, once its taskbar button exists
    Overlay shown;           // what that button shows
};

TaskbarState g_state;

win32::OverlaySender& Sender()
{
    static win32::OverlaySender sender = win32::SendOverlayToTaskbar;
    return sender;
}

HWND MainWindow()
{
    const CWnd* main = AfxGetMainWnd();
    return main ? main->GetSafeHwnd() : nullptr;
}

bool Send(HWND window, const Overlay& overlay)
{
    if (!overlay)
        return Sender()(window, nullptr, std::wstring());
    ::HICON icon = win32::MakeOverlayIcon(*overlay, win32::SmallIconSize(window));
    if (!icon)
        return false;
    const bool sent = Sender()(window, icon, L"あと " + std::to_wstring(*overlay) + L"日");
    DestroyIcon(icon);
    return sent;
}

void Publish()
{
    const HWND window = MainWindow();
    if (!window || window != g_state.button || g_state.shown == g_state.wanted)
        return;
    if (Send(window, g_state.wanted))
        g_state.shown = g_state.wanted;
}

}  // namespace

void ShowLauncherCount(std::int64_t count)
{
    g_state.wanted = count;
    Publish();
}

void HideLauncherCount()
{
    g_state.wanted.reset();
    Publish();
}

namespace win32 {

void NoteTaskbarMessage(HWND window, UINT message)
{
    static const UINT buttonCreated = RegisterWindowMessageW(L"TaskbarButtonCreated");
    if (message != buttonCreated || window != MainWindow())
        return;
    g_state.button = window;
    g_state.shown.reset();   // a new button carries no overlay
    Publish();
}

OverlaySenderOverride::OverlaySenderOverride(OverlaySender sender) : m_previous(std::exchange(Sender(), std::move(sender)))
{
}

OverlaySenderOverride::~OverlaySenderOverride()
{
    Sender() = std::move(m_previous);
}

}  // namespace win32

}  // namespace fw
