// The countdown window as the program runs it, on a clock the test sets
// (from 1 June 1999, 23:59:55, local time), with yrk.ini in a fresh
// directory; the test's script runs inside its modal loop once the first
// paint is done, and the window ends after it.
#pragma once

#include <ctime>
#include <functional>

#include "core/Clock.h"
#include "gui/App.h"
#include "mainwnd/MainDlg.h"
#include "res/Resources.h"
#include "tests/support/TempDir.h"
#include "gui/win32/WinApi.h"

namespace win32gui_test {

class ScriptedMainDlg : public CMainDlg {
public:
    std::function<void(HWND)> script;

protected:
    static constexpr unsigned kScriptTimer = 99;

    bool OnInitDialog() override
    {
        const bool focus = CMainDlg::OnInitDialog();
        ::SetTimer(GetSafeHwnd(), kScriptTimer, 0, nullptr);   // timers come after paints
        return focus;
    }

    void OnTimer(unsigned id) override
    {
        if (id != kScriptTimer)
            return CMainDlg::OnTimer(id);
        ::KillTimer(GetSafeHwnd(), kScriptTimer);
        script(GetSafeHwnd());
        EndDialog(IDCANCEL);
    }
};

inline std::time_t LocalTime(int month, int day, int hour, int minute, int second)
{
    std::tm fields{second, minute, hour, day, month - 1, 99, 0, 0, -1};
    return std::mktime(&fields);
}

struct MainWindowRun {
    TempDir dir;
    // A per-user settings file of the prefix would be read before the test's.
    EnvGuard perUser{"APPDATA", dir.file("AppData")};
    fw::CWinApp app;
    std::time_t now = LocalTime(6, 1, 23, 59, 55);
    fw::ClockOverride clock{[this] { return now; }};

    void Run(const std::function<void(HWND)>& script)
    {
        fw::SetResources(&ProgramResources());
        app.m_programPath = dir.file("yoruka");
        ScriptedMainDlg window;
        window.script = script;
        app.m_pMainWnd = &window;
        window.DoModal();
        app.m_pMainWnd = nullptr;
    }

    // The window's timer, and the paint it asks for.
    static void Tick(HWND window)
    {
        SendMessageW(window, WM_TIMER, 1, 0);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
};

}  // namespace win32gui_test
