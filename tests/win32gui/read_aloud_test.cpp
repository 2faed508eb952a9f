// What a screen reader reads of the countdown window through MSAA, as it
// asks for it: AccessibleObjectFromWindow on every control. The days left
// and the graph, which the window draws, read as on Linux; a reader hears
// of a change once, at midnight, and not on every paint.
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "core/win32/WideText.h"
#include "main_window_run.h"

#include <oleacc.h>

namespace {

using win32gui_test::LocalTime;
using win32gui_test::MainWindowRun;

struct Reading {
    std::string name;
    std::string value;
    LONG role = 0;
};

std::string Utf8(BSTR text)
{
    std::string utf8 = text ? fw::win32::Utf8FromWide(text) : std::string();
    SysFreeString(text);
    return utf8;
}

Reading Read(HWND control)
{
    Reading reading;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return reading;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (SUCCEEDED(object->get_accName(self, &text)))
        reading.name = Utf8(text);
    text = nullptr;
    if (SUCCEEDED(object->get_accValue(self, &text)))
        reading.value = Utf8(text);
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4)
        reading.role = role.lVal;
    object->Release();
    return reading;
}

std::map<int, Reading> ReadControls(HWND window)
{
    std::map<int, Reading> readings;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        readings[GetDlgCtrlID(child)] = Read(child);
    return readings;
}

std::vector<HWND> g_nameChanges;

void CALLBACK NoteNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        g_nameChanges.push_back(window);
}

// Out-of-context events reach the hook as the thread takes its messages.
std::vector<HWND> TakeNameChanges()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    return std::exchange(g_nameChanges, {});
}

TEST(ReadAloud, TheDrawnAreasReadAsOnLinuxAndAnnounceOnlyChanges)
{
    MainWindowRun run;
    std::map<int, Reading> before;
    std::map<int, Reading> after;
    std::vector<HWND> sameDay;
    std::vector<HWND> nextDay;
    HWND daysLeft = nullptr;
    HWND graph = nullptr;
    run.Run([&](HWND window) {
        daysLeft = GetDlgItem(window, res::IDC_DAYS_LEFT);
        graph = GetDlgItem(window, res::IDC_GRAPH);
        before = ReadControls(window);
        const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                                   NoteNameChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        TakeNameChanges();
        MainWindowRun::Tick(window);
        sameDay = TakeNameChanges();
        run.now = LocalTime(6, 2, 0, 0, 0);
        MainWindowRun::Tick(window);
        nextDay = TakeNameChanges();
        after = ReadControls(window);
        UnhookWinEvent(hook);
    });
    for (const auto& [id, reading] : before)
        std::cout << "MSAA " << id << " role " << reading.role << ": name \"" << reading.name << "\" value \""
                  << reading.value << "\"\n";
    EXPECT_EQ(before[res::IDC_DAYS_LEFT].name, "あと 138日");
    EXPECT_EQ(before[res::IDC_DAYS_LEFT].role, ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(before[res::IDC_GRAPH].name, "経過 43日 / 全日程 181日 (23%)");
    EXPECT_EQ(before[res::IDC_GRAPH].role, ROLE_SYSTEM_GRAPHIC);
    EXPECT_EQ(after[res::IDC_DAYS_LEFT].name, "あと 137日");
    EXPECT_EQ(sameDay, std::vector<HWND>{});
    EXPECT_EQ(nextDay, (std::vector<HWND>{daysLeft, graph}));
}

}  // namespace
