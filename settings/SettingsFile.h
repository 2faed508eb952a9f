// The settings file "yrk.ini": one section "YRK" with the keys TITLE, START,
// EXAM, NEXAM, SIZE, SHOWNEXTEXAM, POS and CALLBY. Knows nothing of windows:
// the caller supplies the placement rule for POS and the window's current
// position for a save.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/ScheduleSettings.h"

// The settings file's name: the directory part of the program's path as the
// command line gives it (fw::CommandLineProgramPath) followed by "yrk.ini";
// a bare "yrk.ini" when the path has none.
// Paths are file-system bytes, not CP932 text.
std::string SettingsFilePath(std::string_view programPath);

// Whether a stored window position may be used; the window supplies it,
// since the rule depends on the desktop and the window's size.
using PlacementRule = std::function<bool(std::int32_t left, std::int32_t top, bool showGraph)>;

// Reads every key into `settings`, over the values it holds before the file
// is read: from the per-user copy where one exists, else from `path`
// (fw::ProfileFile::Open). A missing file, section or key gives that key's
// default; a value that does not pass its test leaves the member as it was.
// Never fails.
void LoadSettings(ScheduleSettings& settings, const std::string& path,
                  std::string_view defaultTitle, const PlacementRule& placementRule);

// Writes all eight keys in their order, with `currentPos` as POS and
// `reason` as CALLBY, in one atomic replacement of the file that LoadSettings
// reads; where that may not be written, in the making of the per-user copy,
// the file's other lines with it. `windowPos` takes `currentPos`. Without a current position (the platform cannot tell
// where the window is) POS and `windowPos` keep what they hold. Returns
// whether the file was written (the program itself ignores it: a failed
// save leaves the old file whole).
bool SaveSettings(ScheduleSettings& settings, const std::string& path,
                  std::string_view reason, std::optional<WindowPos> currentPos);
inline bool SaveSettings(ScheduleSettings& settings, const std::string& path,
                         std::string_view reason, WindowPos currentPos)
{
    return SaveSettings(settings, path, reason, std::optional<WindowPos>(currentPos));
}
