#include "gui/win32/Dpi_p.h"
#include "gui/win32/SystemFunction_p.h"

#include <unordered_map>

namespace fw::win32 {

namespace {

std::unordered_map<HWND, int>& LaidOutDpis()
{
    static std::unordered_map<HWND, int> dpis;
    return dpis;
}

int SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kLogicalDpi;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kLogicalDpi;
}

int PlatformDpi(HWND window)
{
    static const auto getDpiForWindow = SystemFunction<UINT WINAPI(HWND)>(L"user32.dll", "GetDpiForWindow");
    const int dpi = getDpiForWindow && window ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

}  // namespace

int WindowDpi(HWND window)
{
    const HWND topLevel = window ? GetAncestor(window, GA_ROOT) : nullptr;
    const auto found = LaidOutDpis().find(topLevel);
    return found != LaidOutDpis().end() ? found->second : PlatformDpi(topLevel);
}

void SetWindowDpi(HWND topLevel, int dpi)
{
    LaidOutDpis()[topLevel] = dpi;
}

void ForgetWindowDpi(HWND topLevel)
{
    LaidOutDpis().erase(topLevel);
}

void AdjustWindowRectForDpi(RECT* rect, HWND window, int dpi)
{
    static const auto adjustForDpi =
        SystemFunction<BOOL WINAPI(LPRECT, DWORD, BOOL, DWORD, UINT)>(L"user32.dll", "AdjustWindowRectExForDpi");
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    if (!adjustForDpi || !adjustForDpi(rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(rect, style, FALSE, exStyle);
}

void PlaceWithClientSize(HWND window, int x, int y, int width, int height, int dpi)
{
    RECT outer{0, 0, width, height};
    AdjustWindowRectForDpi(&outer, window, dpi);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(window, nullptr, x, y, outer.right - outer.left, outer.bottom - outer.top, flags);
    RECT client{};
    GetClientRect(window, &client);
    const int dx = width - client.right;
    const int dy = height - client.bottom;
    if (dx != 0 || dy != 0)
        SetWindowPos(window, nullptr, x, y, outer.right - outer.left + dx, outer.bottom - outer.top + dy, flags);
}

int SmallIconSize(HWND window)
{
    static const auto metricsForDpi = SystemFunction<int WINAPI(int, UINT)>(L"user32.dll", "GetSystemMetricsForDpi");
    const int dpi = WindowDpi(window);
    return metricsForDpi ? metricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi))
                         : MulDiv(GetSystemMetrics(SM_CXSMICON), dpi, SystemDpi());
}

}  // namespace fw::win32
