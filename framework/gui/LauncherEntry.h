// A number on the program's launcher entry, for desktops whose taskbar
// shows no window titles. On Linux the badge that KDE's task manager and
// Ubuntu's dock draw over its icon, published on the session bus as the
// launcher-entry signal for "application://<desktop file>" (without a session
// bus nothing happens). On Windows an overlay icon on the main window's
// taskbar button, described for screen readers as "あと N日", sent once the
// button exists. Only a change is sent: the same state twice sends once.
#pragma once

#include <cstdint>

namespace fw {

void ShowLauncherCount(std::int64_t count);
void HideLauncherCount();

}  // namespace fw
