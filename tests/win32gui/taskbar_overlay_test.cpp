// The days left on the taskbar button, recorded where the back end hands
// the overlay to the taskbar: only a change is sent, a count waits for the
// button, and a new button (Explorer restarted) is sent the count again.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "core/win32/WideText.h"
#include "gui/LauncherEntry.h"
#include "main_window_run.h"
#include "gui/win32/TaskbarOverlay_p.h"

namespace {

using fw::win32::OverlaySenderOverride;
using win32gui_test::LocalTime;
using win32gui_test::MainWindowRun;

int IconSize(::HICON icon)
{
    ICONINFO info{};
    BITMAP bitmap{};
    if (!GetIconInfo(icon, &info))
        return 0;
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth == bitmap.bmHeight ? bitmap.bmWidth : -1;
}

// Each call as "<description> <icon size>", or "removed".
struct OverlayRecorder {
    std::vector<std::string> calls;
    bool refuse = false;
    OverlaySenderOverride seam{[this](HWND, ::HICON icon, const std::wstring& description) {
        calls.push_back(icon ? fw::win32::Utf8FromWide(description) + " " + std::to_string(IconSize(icon)) : "removed");
        return !refuse;
    }};

    std::vector<std::string> Take() { return std::exchange(calls, {}); }
};

void AnnounceTaskbarButton(HWND window)
{
    SendMessageW(window, RegisterWindowMessageW(L"TaskbarButtonCreated"), 0, 0);
}

class StepsDialog : public fw::CDialog {
public:
    explicit StepsDialog(std::function<void(HWND)> steps) : CDialog(res::IDD_ABOUTBOX), m_steps(std::move(steps)) {}

    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_steps(GetSafeHwnd());
        EndDialog(1);
        return true;
    }

private:
    std::function<void(HWND)> m_steps;
};

TEST(TaskbarOverlay, OnlyChangesReachTheButtonOnceItExists)
{
    struct Step {
        const char* what;
        std::function<void(HWND)> act;
        std::vector<std::string> sent;
    };
    OverlayRecorder taskbar;
    const std::vector<Step> steps = {
        {"no button yet: kept", [](HWND) { fw::ShowLauncherCount(138); }, {}},
        {"the button appears", AnnounceTaskbarButton, {"あと 138日 16"}},
        {"a paint on the same day", [](HWND) { fw::ShowLauncherCount(138); }, {}},
        {"the next day", [](HWND) { fw::ShowLauncherCount(137); }, {"あと 137日 16"}},
        {"the exam is past", [](HWND) { fw::HideLauncherCount(); }, {"removed"}},
        {"a paint after it", [](HWND) { fw::HideLauncherCount(); }, {}},
        {"a new exam", [](HWND) { fw::ShowLauncherCount(9); }, {"あと 9日 16"}},
        {"Explorer restarted", AnnounceTaskbarButton, {"あと 9日 16"}},
        {"the taskbar refuses", [&](HWND) { taskbar.refuse = true; fw::ShowLauncherCount(8); }, {"あと 8日 16"}},
        {"so the next paint tries again", [&](HWND) { taskbar.refuse = false; fw::ShowLauncherCount(8); },
         {"あと 8日 16"}},
        {"and the one after sends nothing", [](HWND) { fw::ShowLauncherCount(8); }, {}},
    };
    fw::CWinApp app;
    StepsDialog dialog([&](HWND window) {
        for (const Step& step : steps) {
            step.act(window);
            EXPECT_EQ(taskbar.Take(), step.sent) << step.what;
        }
    });
    app.m_pMainWnd = &dialog;
    dialog.DoModal();
    app.m_pMainWnd = nullptr;
}

// The count stays inside the badge: nothing white on the outer columns.
TEST(TaskbarOverlay, DigitsFitTheBadgeAtEverySize)
{
    for (const int size : {16, 20, 24, 32}) {
        for (const std::int64_t count : {0LL, 138LL, 1234LL, 8888LL, 12345LL, 2932000LL}) {
            SCOPED_TRACE(std::to_string(count) + " at " + std::to_string(size));
            const ::HICON icon = fw::win32::MakeOverlayIcon(count, size);
            ASSERT_EQ(IconSize(icon), size);
            ICONINFO info{};
            GetIconInfo(icon, &info);
            BITMAPINFO format{};
            format.bmiHeader = {sizeof format.bmiHeader, size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
            std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size));
            HDC screen = GetDC(nullptr);
            GetDIBits(screen, info.hbmColor, 0, size, pixels.data(), &format, DIB_RGB_COLORS);
            ReleaseDC(nullptr, screen);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            DestroyIcon(icon);
            int white = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    if ((pixels[static_cast<std::size_t>(y * size + x)] & 0xFFFFFFu) != 0xFFFFFFu)
                        continue;
                    ++white;
                    EXPECT_TRUE(x > 0 && x < size - 1) << "digits at column " << x;
                }
            }
            EXPECT_GT(white, size);
        }
    }
}

TEST(TaskbarOverlay, LongCountsShortenToFourGlyphsNeverRoundingUp)
{
    const std::pair<std::int64_t, const wchar_t*> cases[] = {
        {0, L"0"}, {9999, L"9999"}, {10000, L"10k"}, {999999, L"999k"}, {1000000, L"1M"}, {2932000, L"2M"}};
    for (const auto& [count, digits] : cases)
        EXPECT_EQ(fw::win32::OverlayDigits(count), digits) << count;
}

// The countdown window itself, its clock going through midnight with the defaults.
TEST(TaskbarOverlay, TheCountdownWindowSendsEachDayOnce)
{
    MainWindowRun run;
    OverlayRecorder taskbar;
    run.Run([&](HWND window) {
        AnnounceTaskbarButton(window);
        for (int second = 56; second <= 59; ++second) {
            run.now = LocalTime(6, 1, 23, 59, second);
            run.Tick(window);
        }
        run.now = LocalTime(6, 2, 0, 0, 0);
        run.Tick(window);
        run.Tick(window);
    });
    const std::vector<std::string> calls = taskbar.Take();
    for (const std::string& call : calls)
        std::cout << "overlay: " << call << '\n';
    EXPECT_EQ(calls, (std::vector<std::string>{"あと 138日 16", "あと 137日 16"}));
}

TEST(TaskbarOverlay, APastExamPutsNothingOnTheButton)
{
    MainWindowRun run;
    OverlayRecorder taskbar;
    WriteBytes(run.dir.file("yrk.ini"), "[YRK]\r\nEXAM=1999 5 1\r\n");
    run.Run([&](HWND window) {
        AnnounceTaskbarButton(window);
        run.Tick(window);
    });
    EXPECT_EQ(taskbar.Take(), std::vector<std::string>{});
}

}  // namespace
