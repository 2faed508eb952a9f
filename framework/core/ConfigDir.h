// The per-user configuration directory of the program.
#pragma once

#include <string>

namespace fw {

// "$XDG_CONFIG_HOME/<folder>", or "~/.config/<folder>" when that is unset, empty
// or relative (as the XDG rules say); the home directory comes from $HOME,
// else from the password database. "." as a last resort without a home.
// <folder> is the configuration folder of the program's AppIdentity.
// On Windows "%APPDATA%\<folder>", or "." without %APPDATA%.
std::string UserConfigDir();

// Creates `dir` and any missing parent, on Linux with mode 0700 (mkdir -p). True when
// the directory exists afterwards.
bool MakeDirectories(const std::string& dir);

}  // namespace fw
