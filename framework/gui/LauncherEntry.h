// A number on the program's launcher entry: the badge that KDE's task
// manager and Ubuntu's dock draw over its icon, for desktops whose taskbar
// shows no window titles. Published on the session bus as the launcher-entry
// signal for "application://<desktop file>"; without a session bus nothing
// happens. Only a change reaches the bus: the same state twice sends once.
#pragma once

#include <cstdint>

namespace fw {

void ShowLauncherCount(std::int64_t count);
void HideLauncherCount();

}  // namespace fw
