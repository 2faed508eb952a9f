// The contexts on a window: the paint bracket of WM_PAINT, and a window's
// own client area for drawing outside it.
#include "gui/win32/WinApi.h"

#include <unordered_map>

namespace fw {

namespace {

struct PaintRun {
    HWND window;
    PAINTSTRUCT paint;
};

// The bracket's BeginPaint record, which EndPaint needs back.
std::unordered_map<const CPaintDC*, PaintRun>& PaintRuns()
{
    static std::unordered_map<const CPaintDC*, PaintRun> runs;
    return runs;
}

}  // namespace

CPaintDC::CPaintDC(CWnd* wnd)
{
    HWND window = wnd ? wnd->GetSafeHwnd() : nullptr;
    if (!window)
        return;
    PaintRun& run = PaintRuns()[this];
    run.window = window;
    SetSurface(BeginPaint(window, &run.paint));
}

CPaintDC::~CPaintDC()
{
    const auto found = PaintRuns().find(this);
    if (found == PaintRuns().end())
        return;
    EndPaint(found->second.window, &found->second.paint);
    PaintRuns().erase(found);
}

CClientDC::CClientDC(CWnd* wnd)
{
    if (HWND window = wnd ? wnd->GetSafeHwnd() : nullptr)
        SetSurface(::GetDC(window));
}

CClientDC::~CClientDC()
{
    if (Surface())
        ::ReleaseDC(WindowFromDC(Surface()), Surface());
}

CDC* CWnd::GetDC()
{
    return new CClientDC(this);
}

int CWnd::ReleaseDC(CDC* dc)
{
    const bool released = dc != nullptr;
    delete dc;
    return released ? 1 : 0;
}

}  // namespace fw
