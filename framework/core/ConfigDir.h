// The per-user configuration directory of the program.
#pragma once

#include <string>

namespace fw {

// "$XDG_CONFIG_HOME/yoruka", or "~/.config/yoruka" when that is unset, empty
// or relative (as the XDG rules say); the home directory comes from $HOME,
// else from the password database. "." as a last resort without a home.
// On Windows "%APPDATA%\yoruka", or "." without %APPDATA%.
std::string UserConfigDir();

// Creates `dir` and any missing parent, on Linux with mode 0700 (mkdir -p). True when
// the directory exists afterwards.
bool MakeDirectories(const std::string& dir);

}  // namespace fw
