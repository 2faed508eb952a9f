// The days left on the Windows taskbar: an overlay icon on the main window's
// button, kept by the launcher count's rules (LauncherEntry.cpp).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "gui/win32/WinApi.h"

namespace fw::win32 {

// Every message the main dialog leaves to the platform passes here: the
// taskbar's "TaskbarButtonCreated" says the button exists, with no overlay;
// it comes again when Explorer restarts.
void NoteTaskbarMessage(HWND window, UINT message);

// Puts `icon` on the window's taskbar button, or takes the overlay off when
// it is null; false when the taskbar refused. The icon may be destroyed
// after the call.
using OverlaySender = std::function<bool(HWND window, ::HICON icon, const std::wstring& description)>;
bool SendOverlayToTaskbar(HWND window, ::HICON icon, const std::wstring& description);

// Sends the overlays elsewhere for as long as it lives (a test's recorder).
class OverlaySenderOverride {
public:
    explicit OverlaySenderOverride(OverlaySender sender);
    ~OverlaySenderOverride();
    OverlaySenderOverride(const OverlaySenderOverride&) = delete;
    OverlaySenderOverride& operator=(const OverlaySenderOverride&) = delete;

private:
    OverlaySender m_previous;
};

// The count as the overlay writes it, at most four glyphs.
std::wstring OverlayDigits(std::int64_t count);

// The overlay's picture, size x size pixels; the caller destroys it.
::HICON MakeOverlayIcon(std::int64_t count, int size);

// The COM library on the calling (UI) thread, started once for the run.
void EnsureComOnThisThread();

}  // namespace fw::win32
