// Which of Qt's display platforms the program asks for. On a Wayland
// desktop an X server is usually reachable too (XWayland), and there a
// window can learn and choose its place, be told it is minimised and carry
// a title bar of the window manager's; natively on Wayland it can do none
// of that. So an X display wins wherever there is one, and a platform the
// user names wins over everything.
#pragma once

#include <string>

namespace fw {

struct DisplayEnvironment {
    const char* qtPlatform = nullptr;      // QT_QPA_PLATFORM
    const char* x11Display = nullptr;      // DISPLAY
};

// "xcb" where an X display is set and the user chose no platform; empty for
// "let Qt choose" (the user's choice, or Qt's own order without X).
std::string ChooseDisplayPlatform(const DisplayEnvironment& environment);

// The same, from the process environment.
std::string ChooseDisplayPlatform();

}  // namespace fw
