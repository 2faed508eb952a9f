// The keyboard filter of the dialogs' runs: the dialog manager would take
// Enter, Escape and the arrows before the program's PreTranslateMessage.
#include "gui/win32/KeyFilter_p.h"

#include "gui/Dialog.h"
#include "gui/common/ModalRuns_p.h"
#include "gui/win32/WinApi.h"

namespace fw {

namespace {

HHOOK g_keyFilter = nullptr;

KeyMessage KeyMessageOf(const MSG& message)
{
    KeyMessage key;
    key.vk = static_cast<unsigned>(message.wParam);
    key.repeat = (message.lParam & (1L << 30)) != 0;
    key.system = message.message == WM_SYSKEYDOWN;
    key.shift = GetKeyState(VK_SHIFT) < 0;
    key.control = GetKeyState(VK_CONTROL) < 0;
    return key;
}

LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    const bool keyDown = message && (message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN);
    CDialog* innermost = InnermostModalDialog();
    if (code == MSGF_DIALOGBOX && keyDown && innermost) {
        if (innermost->PreTranslateMessage(KeyMessageOf(*message)))
            return 1;
    }
    return CallNextHookEx(g_keyFilter, code, wParam, lParam);
}

}  // namespace

void EnterModalRun(CDialog& dialog)
{
    if (!InnermostModalDialog())
        g_keyFilter = SetWindowsHookExW(WH_MSGFILTER, KeyFilter, nullptr, GetCurrentThreadId());
    PushModalRun(dialog);
}

void LeaveModalRun(CDialog& dialog)
{
    PopModalRun(dialog);
    if (!InnermostModalDialog() && g_keyFilter) {
        UnhookWindowsHookEx(g_keyFilter);
        g_keyFilter = nullptr;
    }
}

}  // namespace fw
