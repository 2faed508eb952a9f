// The stack of running dialogs, and the keyboard filter that gives the
// innermost one's PreTranslateMessage each key before the dialog manager.
#include "gui/win32/ModalRuns_p.h"

#include <algorithm>
#include <vector>

#include "gui/App.h"
#include "gui/Dialog.h"
#include "gui/win32/WinApi.h"

namespace fw {

namespace {

std::vector<CDialog*>& Running()
{
    static std::vector<CDialog*> running;
    return running;
}

HHOOK g_keyFilter = nullptr;
int g_quitCode = 0;

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
    if (code == MSGF_DIALOGBOX && keyDown && !Running().empty()) {
        if (Running().back()->PreTranslateMessage(KeyMessageOf(*message)))
            return 1;
    }
    return CallNextHookEx(g_keyFilter, code, wParam, lParam);
}

}  // namespace

void EnterModalRun(CDialog& dialog)
{
    if (Running().empty())
        g_keyFilter = SetWindowsHookExW(WH_MSGFILTER, KeyFilter, nullptr, GetCurrentThreadId());
    Running().push_back(&dialog);
}

void LeaveModalRun(CDialog& dialog)
{
    auto& running = Running();
    running.erase(std::remove(running.begin(), running.end(), &dialog), running.end());
    if (running.empty() && g_keyFilter) {
        UnhookWindowsHookEx(g_keyFilter);
        g_keyFilter = nullptr;
    }
}

CDialog* InnermostModalDialog()
{
    return Running().empty() ? nullptr : Running().back();
}

int LastQuitCode()
{
    return g_quitCode;
}

void PostQuitMessage(int exitCode)
{
    g_quitCode = exitCode;
    const std::vector<CDialog*> running = Running();
    for (auto dialog = running.rbegin(); dialog != running.rend(); ++dialog)
        (*dialog)->EndDialog(-1);
}

}  // namespace fw
