// What a CWnd of the Win32 back end keeps beside its HWND.
#pragma once

#include <map>
#include <memory>

#include "gui/Menu.h"

namespace fw {

class CWnd;

struct WndData {
    // Wrappers that GetDlgItem made for controls no member is bound to.
    std::map<int, std::unique_ptr<CWnd>> itemWrappers;
    // The model of the window's own system menu, mirrored onto it.
    std::unique_ptr<CMenu> systemMenu;
    // Set by a base handler (or Default): the dialog procedure then leaves
    // the message to the platform's own processing.
    bool passToPlatform = false;
    unsigned currentMessage = 0;
};

// The state of the message being handled, for the dialog procedure.
struct WndAccess {
    static WndData& Data(CWnd& wnd);
};

}  // namespace fw
