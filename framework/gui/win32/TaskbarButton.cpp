// The overlay icon handed to the shell's taskbar through ITaskbarList3.
#include "gui/win32/TaskbarOverlay_p.h"

#include <shobjidl.h>

namespace fw::win32 {

// Apartment-threaded, as the shell's objects and oleacc want it; a thread
// already in another apartment keeps it, which serves as well.
void EnsureComOnThisThread()
{
    static const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)started;
}

// A fresh taskbar object for each call: calls come once a day, and a fresh
// object is never left pointing at an Explorer that has since restarted.
bool SendOverlayToTaskbar(HWND window, ::HICON icon, const std::wstring& description)
{
    EnsureComOnThisThread();
    ITaskbarList3* taskbar = nullptr;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                reinterpret_cast<void**>(&taskbar))))
        return false;
    const bool sent = SUCCEEDED(taskbar->HrInit()) &&
                      SUCCEEDED(taskbar->SetOverlayIcon(window, icon, icon ? description.c_str() : nullptr));
    taskbar->Release();
    return sent;
}

}  // namespace fw::win32
