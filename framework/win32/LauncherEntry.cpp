// The launcher badge is for taskbars that show no window titles; the
// Windows taskbar shows the caption, which carries the days left already.
#include "gui/LauncherEntry.h"

namespace fw {

void ShowLauncherCount(std::int64_t /*count*/) {}

void HideLauncherCount() {}

}  // namespace fw
